// Joining the report pieces into the text of the results file.
#include "report/results_file.h"

#include <gtest/gtest.h>

namespace spanlyx {
namespace {

TEST(JoinResults, EveryPieceIsFollowedByOneLineEnd) {
    // The start-up options: the brief report, the extremes, and an empty line for the extra
    // output that was not read.
    EXPECT_EQ(join_results("BRIEF\r\n", "\r\n\r\n    SPAN  1 \r\n", std::nullopt),
              "BRIEF\r\n\r\n\r\n\r\n    SPAN  1 \r\n\r\n\r\n");
    // With extra output the extra text stands where the empty line was.
    EXPECT_EQ(join_results("DETAILED\r\n", "EXT\r\n", std::string("\r\n    EXTRA DATA\r\n")),
              "DETAILED\r\n\r\nEXT\r\n\r\n\r\n    EXTRA DATA\r\n\r\n");
    // Empty pieces leave their empty lines.
    EXPECT_EQ(join_results("", "", std::nullopt), "\r\n\r\n\r\n");
    EXPECT_EQ(join_results("", "", std::string()), "\r\n\r\n\r\n");
}

}  // namespace
}  // namespace spanlyx
