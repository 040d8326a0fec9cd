#include <gtest/gtest.h>

#include <filesystem>

#include "storage/sections_file.h"

namespace spanlyx {
namespace {

TEST(SectionsFile, ReadsCountNamesAndValues) {
    // Only the first three characters hold the count; names lose their surrounding blanks; each
    // section is its name, then E, then I.
    const auto read = parse_sections(
        "  3 sections\r\n W10x12 \r\n29000000\r\n53.8\r\n"
        "W12x26\r\n 29000000 \r\n204\r\nHEB 200\r\n210000\r\n5696\r\n");
    ASSERT_EQ(read.sections.size(), 3u);
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.sections[0].name, "W10x12");
    EXPECT_EQ(read.sections[1].name, "W12x26");
    EXPECT_DOUBLE_EQ(read.sections[1].modulus, 29000000);
    EXPECT_DOUBLE_EQ(read.sections[1].inertia, 204);
    EXPECT_EQ(read.sections[2].name, "HEB 200");
    EXPECT_DOUBLE_EQ(read.sections[2].inertia, 5696);
}

TEST(SectionsFile, ShortLongAndMissingFilesAreReported) {
    const auto short_file = parse_sections("2\nA\n1\n2\nB\n3\n");
    EXPECT_EQ(short_file.sections.size(), 1u);
    EXPECT_EQ(short_file.problem, "The sections file ends after 1 of its 2 sections.");

    std::string many = "150\n";
    for (int k = 0; k < 150; ++k)
        many += "S" + std::to_string(k) + "\n1\n2\n";
    const auto long_file = parse_sections(many);
    EXPECT_EQ(long_file.sections.size(), 100u);
    EXPECT_EQ(long_file.sections.back().name, "S99");
    EXPECT_EQ(long_file.problem,
              "The sections file lists 150 sections; the first 100 are shown and the rest were "
              "left out.");

    const auto path =
        std::filesystem::temp_directory_path() / "spanlyx-no-such-folder" / "sections.dat";
    const auto missing = read_sections_file(path);
    EXPECT_TRUE(missing.sections.empty());
    EXPECT_NE(missing.problem.find(path.string()), std::string::npos);
}

}  // namespace
}  // namespace spanlyx
