// Title block of both pieces: banner, version, titles, file name, date and comments.

#include <gtest/gtest.h>

#include <filesystem>

#include "report/report_sections.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

// The first `count` lines of each piece.
std::pair<std::vector<std::string>, std::vector<std::string>> heads(const HandCase& c,
                                                                    std::size_t count) {
    const ReportPieces pieces = write_report_pieces(c.beam, c.model, c.results, c.context);
    auto detailed = crlf_lines(pieces.detailed), brief = crlf_lines(pieces.brief);
    detailed.resize(std::min(count, detailed.size()));
    brief.resize(std::min(count, brief.size()));
    return {detailed, brief};
}

TEST(ReportHeader, BannerTitlesAndDateLinesOfBothPieces) {
    const std::string banner = "    " + std::string(62, '*');
    // The file name and the date start in the third print zone (column 29), the time in the
    // fifth (column 57).
    // clang-format off
    std::vector<std::string> detailed = {
        banner, banner, "                BEAM ANALYSIS PROGRAM ", " ",
        "                Version  (8.8)", banner, banner, " ", " ",
        "    DETAILED MATRIX OUTPUT FOR Spanlyx", " ", " ",
        "    INPUT FILE NAME  ====>  /home/eng/beams/cantilever.cb", " ",
        "    DATE/TIME        ====>  December 6, 2026            1:05:09 PM", " ",
        "    Comments:", "", "    None", " "};
    // clang-format on
    std::vector<std::string> brief = detailed;
    brief[2] = "                BEAM ANALYSIS PROGRAM";
    brief[9] = "    BRIEF MATRIX OUTPUT FOR Spanlyx";
    // The brief date label has no trailing blank; the date still starts at column 29.
    const auto [got_detailed, got_brief] = heads(cantilever(UnitSystem::E), detailed.size());
    EXPECT_EQ(got_detailed, detailed);
    EXPECT_EQ(got_brief, brief);
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
    EXPECT_EQ(heads(c, 13).second[12],
              "    INPUT FILE NAME  ====>  " + std::string(56, 'y') + ".cb");
}

TEST(ReportHeader, PathIsAbsoluteWithoutDotComponents) {
    EXPECT_EQ(report_path_text("/home/eng/./beams/../girders/./b1.cb"), "/home/eng/girders/b1.cb");
    EXPECT_EQ(report_path_text("/../b1.cb"), "/b1.cb");  // nothing lies above the root
    EXPECT_EQ(report_path_text("//srv//beams/b1.cb"), "/srv/beams/b1.cb");
    // A relative path is taken from the working folder, as the program opened it.
    const std::string cwd = std::filesystem::current_path().string();
    const std::string parent = std::filesystem::current_path().parent_path().string();
    EXPECT_EQ(report_path_text("b1.cb"), cwd + "/b1.cb");
    EXPECT_EQ(report_path_text("./beams/../b1.cb"), cwd + "/b1.cb");
    EXPECT_EQ(report_path_text("../b1.cb"), (parent == "/" ? "" : parent) + "/b1.cb");
}

TEST(ReportHeader, NonAsciiPathInWindows1252CountedInCharacters) {
    // ö U+00F6 and ä U+00E4 are one byte each in Windows-1252; 李 (U+674E) has no byte there.
    EXPECT_EQ(report_path_text("/home/j\xC3\xB6rg/tr\xC3\xA4ger \xE2\x82\xAC.cb"),
              "/home/j\xF6rg/tr\xE4ger \x80.cb");
    EXPECT_EQ(report_path_text("/home/\xE6\x9D\x8E/b.cb"), "/home/?/b.cb");

    // 70 characters but 100 UTF-8 bytes: still shown whole.
    std::string umlauts;
    for (int i = 0; i < 30; ++i)
        umlauts += "\xC3\xA4";
    const std::string path70 = "/work/" + umlauts + std::string(31, 'x') + ".cb";
    ASSERT_EQ(path70.size(), 100u);
    EXPECT_EQ(report_file_name(path70),
              "/work/" + std::string(30, '\xE4') + std::string(31, 'x') + ".cb");
    // One character more: only the last component, in Windows-1252.
    const std::string path71 = "/work/" + umlauts + "/" + std::string(31, 'x') + ".cb";
    EXPECT_EQ(report_file_name(path71), std::string(31, 'x') + ".cb");
    const std::string cut = "/work/" + std::string(61, 'y') + "/\xC3\xA4" + ".cb";
    EXPECT_EQ(report_file_name(cut), "\xE4.cb");

    HandCase c = cantilever(UnitSystem::E);
    c.context.input_file_path = "/home/j\xC3\xB6rg/../j\xC3\xB6rg/b.cb";
    EXPECT_EQ(heads(c, 13).first[12], "    INPUT FILE NAME  ====>  /home/j\xF6rg/b.cb");
}

TEST(ReportHeader, CommentsShowNoneOrAllFourLines) {
    HandCase c = cantilever(UnitSystem::E);
    c.beam.comments = {"", "", "Third line", ""};
    // An empty comment is the three blanks alone; a filled one starts in zone 2 (column 15).
    // The detailed piece goes on with the fixed-end section directly after the fourth line.
    const auto [detailed, brief] = heads(c, 24);
    const std::vector<std::string> comments = {"", "   ", "   ", "              Third line", "   "};
    EXPECT_EQ(std::vector(detailed.begin() + 17, detailed.begin() + 22), comments);
    EXPECT_EQ(std::vector(brief.begin() + 17, brief.begin() + 22), comments);
    EXPECT_EQ(detailed[22], "");
    EXPECT_EQ(detailed[23], "    " + std::string(27, '*'));
}

}  // namespace
}  // namespace spanlyx::test
