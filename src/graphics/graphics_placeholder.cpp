// The drawings library; its sources arrive with the input sketch.
namespace spanlyx {}
