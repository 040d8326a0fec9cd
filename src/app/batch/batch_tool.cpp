#include "batch/batch_tool.h"

namespace spanlyx {

int run_batch_tool(int, char**) { return kExitUsage; }

}  // namespace spanlyx
