#pragma once
// spanlyx-report: Calculate on a .cb file from the command line, writing the same results.

namespace spanlyx {

// Exit codes: 0 analysed, 1 beam refused, 2 unstable, 64 usage error, 74 an output could not be
// written; an interrupting signal ends the tool with 128 + its number.
inline constexpr int kExitAnalysed = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUnstable = 2;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitCannotWrite = 74;

int run_batch_tool(int argc, char** argv);

}  // namespace spanlyx
