// The entry workflow library; its sources arrive with the entry rules.
namespace spanlyx {}
