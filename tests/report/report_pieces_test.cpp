// The whole pieces: sections in the order Calculate writes them, and an unstable model.

#include <gtest/gtest.h>

#include "report_test_support.h"

namespace spanlyx::test {
namespace {

// Each title is found after the one before it.
void expect_in_order(const std::string& text, const std::vector<std::string_view>& titles) {
    const auto lines = crlf_lines(text);
    int last = -1;
    for (std::string_view title : titles) {
        const int at = find_line(lines, title, last + 1);
        EXPECT_GT(at, last) << title;
        last = std::max(last, at);
    }
}

TEST(ReportPieces, SectionsFollowTheOrderOfCalculate) {
    const HandCase c = cantilever(UnitSystem::E);
    const ReportPieces pieces = write_report_pieces(c.beam, c.model, c.results, c.context);
    expect_in_order(pieces.detailed,
                    {"    DETAILED MATRIX OUTPUT", "    FEM FOR EACH MEMBER",
                     "    STRUCTURAL PARAMETERS", "    SPAN INFORMATION", "    Support Information",
                     "    Joint Coordinates", "    LOADING INFORMATION", "    Member End Forces",
                     "    JOINT DISPLACEMENTS", "    SUPPORT REACTIONS"});
    expect_in_order(pieces.brief,
                    {"    BRIEF MATRIX OUTPUT", "    SPAN INFORMATION", "    LOADING INFORMATION",
                     "    JOINT DISPLACEMENTS", "    SUPPORT REACTIONS"});
    for (const char* absent : {"FEM FOR EACH MEMBER", "STRUCTURAL PARAMETERS",
                               "Support Information", "Joint Coordinates", "Member End Forces"})
        EXPECT_FALSE(contains(pieces.brief, absent)) << absent;
}

TEST(ReportPieces, UnstableModelEndsAfterTheLoadingInformation) {
    HandCase c = cantilever(UnitSystem::E);
    c.results.stable = false;
    const ReportPieces pieces = write_report_pieces(c.beam, c.model, c.results, c.context);
    for (const std::string* text : {&pieces.detailed, &pieces.brief}) {
        // The last lines are the single distributed load of span 1.
        EXPECT_TRUE(text->ends_with("    uniform load #2 (#/ft)                  =" +
                                    std::string(11, ' ') + "1.20\r\n \r\n"));
        for (const char* absent : {"Member End Forces", "JOINT DISPLACEMENTS", "SUPPORT REACTIONS"})
            EXPECT_FALSE(contains(*text, absent)) << absent;
    }
}

}  // namespace
}  // namespace spanlyx::test
