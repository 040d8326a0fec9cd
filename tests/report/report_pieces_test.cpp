// The whole pieces: sections in the order Calculate writes them, and an unstable model.

#include <gtest/gtest.h>

#include "report_test_support.h"

namespace spanlyx::test {
namespace {

// Line indexes of the section titles, in the order given; -1 for a missing one.
std::vector<int> positions(const std::vector<std::string>& lines,
                           const std::vector<std::string_view>& titles) {
    std::vector<int> at;
    for (std::string_view title : titles)
        at.push_back(find_line(lines, title));
    return at;
}

TEST(ReportPieces, SectionsFollowTheOrderOfCalculate) {
    const HandCase c = cantilever(UnitSystem::E);
    const ReportPieces pieces = write_report_pieces(c.beam, c.model, c.results, c.context);
    const auto detailed =
        positions(crlf_lines(pieces.detailed),
                  {"    DETAILED MATRIX OUTPUT", "    FEM FOR EACH MEMBER",
                   "    STRUCTURAL PARAMETERS", "    SPAN INFORMATION", "    Support Information",
                   "    Joint Coordinates", "    LOADING INFORMATION", "    Member End Forces",
                   "    JOINT DISPLACEMENTS", "    SUPPORT REACTIONS"});
    for (std::size_t i = 1; i < detailed.size(); ++i) {
        EXPECT_GT(detailed[i], detailed[i - 1]) << "detailed section " << i;
    }
    const auto brief =
        positions(crlf_lines(pieces.brief),
                  {"    BRIEF MATRIX OUTPUT", "    SPAN INFORMATION", "    LOADING INFORMATION",
                   "    JOINT DISPLACEMENTS", "    SUPPORT REACTIONS"});
    for (std::size_t i = 1; i < brief.size(); ++i) {
        EXPECT_GT(brief[i], brief[i - 1]) << "brief section " << i;
    }
    for (const char* absent : {"FEM FOR EACH MEMBER", "STRUCTURAL PARAMETERS",
                               "Support Information", "Joint Coordinates", "Member End Forces"}) {
        EXPECT_FALSE(contains(pieces.brief, absent)) << absent;
    }
}

TEST(ReportPieces, UnstableModelEndsAfterTheLoadingInformation) {
    HandCase c = cantilever(UnitSystem::E);
    c.results.stable = false;
    const ReportPieces pieces = write_report_pieces(c.beam, c.model, c.results, c.context);
    for (const std::string* text : {&pieces.detailed, &pieces.brief}) {
        const auto lines = crlf_lines(*text);
        ASSERT_GE(lines.size(), 2u);
        // The last lines are the single distributed load of span 1.
        EXPECT_TRUE(lines[lines.size() - 2].starts_with("    uniform load #2 (#/ft)"));
        EXPECT_EQ(lines.back(), " ");
        for (const char* absent :
             {"Member End Forces", "JOINT DISPLACEMENTS", "SUPPORT REACTIONS"}) {
            EXPECT_FALSE(contains(*text, absent)) << absent;
        }
    }
}

}  // namespace
}  // namespace spanlyx::test
