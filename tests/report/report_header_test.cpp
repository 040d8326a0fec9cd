// Title block of both pieces: banner, version, titles, file name, date and comments.

#include <gtest/gtest.h>

#include "report/report_sections.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

const std::string kBanner = "    " + std::string(62, '*');

TEST(ReportHeader, BannerTitlesAndDateLinesOfBothPieces) {
    const HandCase c = cantilever(UnitSystem::E);
    const ReportPieces pieces = write_report_pieces(c.beam, c.model, c.results, c.context);
    const std::vector<std::string> detailed = {
        kBanner,
        kBanner,
        "                BEAM ANALYSIS PROGRAM ",
        " ",
        "                Version  (8.8)",
        kBanner,
        kBanner,
        " ",
        " ",
        "    DETAILED MATRIX OUTPUT FOR Spanlyx",
        " ",
        " ",
        "    INPUT FILE NAME  ====>  /home/eng/beams/cantilever.cb",
        " ",
        "    DATE/TIME        ====>  December 6, 2026            1:05:09 PM",
        " ",
        "    Comments:",
        "",
        "    None",
        " "};
    std::vector<std::string> brief = detailed;
    brief[2] = "                BEAM ANALYSIS PROGRAM";
    brief[9] = "    BRIEF MATRIX OUTPUT FOR Spanlyx";
    // The brief date label has no trailing blank; the date still starts at column 29.

    const auto detailed_lines = crlf_lines(pieces.detailed);
    const auto brief_lines = crlf_lines(pieces.brief);
    ASSERT_GT(detailed_lines.size(), detailed.size());
    ASSERT_GT(brief_lines.size(), brief.size());
    for (std::size_t i = 0; i < detailed.size(); ++i) {
        EXPECT_EQ(detailed_lines[i], detailed[i]) << "detailed line " << i + 1;
        EXPECT_EQ(brief_lines[i], brief[i]) << "brief line " << i + 1;
    }
    // File name and date start in the third print zone, the time in the fifth.
    EXPECT_EQ(column_of(detailed_lines[12], "/home"), 29u);
    EXPECT_EQ(column_of(brief_lines[14], "December"), 29u);
    EXPECT_EQ(column_of(brief_lines[14], "1:05:09"), 57u);
}

TEST(ReportHeader, InputFileNameShownWholeUpTo70Characters) {
    const std::string path70 = "/work/" + std::string(61, 'x') + ".cb";
    const std::string path71 = "/work/beams/" + std::string(56, 'y') + ".cb";
    ASSERT_EQ(path70.size(), 70u);
    ASSERT_EQ(path71.size(), 71u);
    EXPECT_EQ(report_file_name(path70), path70);
    EXPECT_EQ(report_file_name(path71), std::string(56, 'y') + ".cb");
    EXPECT_EQ(report_file_name(std::string(80, 'z')), std::string(80, 'z'));  // no folder at all

    HandCase c = cantilever(UnitSystem::E);
    c.context.input_file_path = path71;
    const auto lines = crlf_lines(write_report_pieces(c.beam, c.model, c.results, c.context).brief);
    EXPECT_EQ(lines[12], "    INPUT FILE NAME  ====>  " + std::string(56, 'y') + ".cb");
}

TEST(ReportHeader, CommentsShowNoneOrAllFourLines) {
    HandCase c = cantilever(UnitSystem::E);
    c.beam.comments = {"", "", "Third line", ""};
    const ReportPieces pieces = write_report_pieces(c.beam, c.model, c.results, c.context);
    for (const std::string* text : {&pieces.detailed, &pieces.brief}) {
        const auto lines = crlf_lines(*text);
        EXPECT_EQ(lines[17], "");
        EXPECT_EQ(lines[18], "   ");
        EXPECT_EQ(lines[19], "   ");
        EXPECT_EQ(lines[20], "              Third line");  // zone 2, column 15
        EXPECT_EQ(lines[21], "   ");
        EXPECT_FALSE(contains(*text, "    None"));
    }
    // The detailed piece goes on with the fixed-end section, directly after the fourth line.
    const auto detailed = crlf_lines(pieces.detailed);
    EXPECT_EQ(detailed[22], "");
    EXPECT_EQ(detailed[23], "    " + std::string(27, '*'));
}

}  // namespace
}  // namespace spanlyx::test
