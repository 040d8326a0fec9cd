// The span response library; its sources arrive with the sampling sweep.
namespace spanlyx {}
