#include "storage/file_io.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "scratch_folder.h"

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int entries(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

TEST(SplitLines, AcceptsCrLfAndLfAndAnUnendedLastLine) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(split_lines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(split_lines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(split_lines("a\r\n\r\nc\n"), (Lines{"a", "", "c"}));
    EXPECT_EQ(split_lines(" 12.5 \r\n"), (Lines{" 12.5 "}));
    EXPECT_EQ(split_lines("x\ry\r\n"), (Lines{"x\ry"}));  // a lone CR is text
    EXPECT_TRUE(split_lines("").empty());
}

TEST(AtomicWrite, CreatesAndReplacesLeavingNoTemporary) {
    test::ScratchFolder scratch;
    const fs::path target = scratch.path() / "beam.cb";
    EXPECT_FALSE(write_file_atomically(target, "first\r\n"));
    EXPECT_EQ(contents(target), "first\r\n");
    EXPECT_FALSE(write_file_atomically(target, "second"));
    EXPECT_EQ(contents(target), "second");
    EXPECT_EQ(entries(scratch.path()), 1);

    std::string read;
    EXPECT_FALSE(read_whole_file(target, read));
    EXPECT_EQ(read, "second");
    const auto missing = read_whole_file(scratch.path() / "none.cb", read);
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("none.cb"), std::string::npos);
}

TEST(AtomicWrite, FailureKeepsTheOldFileAndNamesPathAndReason) {
    test::ScratchFolder scratch;
    // A folder standing where the file should go cannot be replaced by it.
    const fs::path occupied = scratch.path() / "sx.ini";
    fs::create_directory(occupied);
    std::ofstream(occupied / "inside.txt") << "kept";
    const auto blocked = write_file_atomically(occupied, "new");
    ASSERT_TRUE(blocked);
    EXPECT_NE(blocked->find(occupied.string()), std::string::npos);
    EXPECT_NE(blocked->find("directory"), std::string::npos) << *blocked;
    EXPECT_TRUE(fs::is_directory(occupied));
    EXPECT_EQ(contents(occupied / "inside.txt"), "kept");
    EXPECT_EQ(entries(scratch.path()), 1);  // the temporary is gone

    const fs::path nowhere = scratch.path() / "missing" / "beam.cb";
    const auto no_folder = write_file_atomically(nowhere, "new");
    ASSERT_TRUE(no_folder);
    EXPECT_NE(no_folder->find(nowhere.string()), std::string::npos);
    EXPECT_NE(no_folder->find("No such file or directory"), std::string::npos) << *no_folder;
}

TEST(AtomicWrite, ReadOnlyFolderKeepsTheOldFile) {
    test::ScratchFolder scratch;
    const fs::path folder = scratch.path() / "locked";
    fs::create_directory(folder);
    const fs::path target = folder / "beam.cb";
    ASSERT_FALSE(write_file_atomically(target, "old"));
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    {
        // A privileged user writes into read-only folders anyway.
        std::ofstream probe(folder / "probe");
        if (probe)
            GTEST_SKIP() << "read-only folders are writable for this user";
    }
    const auto error = write_file_atomically(target, "new");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(target.string()), std::string::npos);
    EXPECT_NE(error->find("Permission denied"), std::string::npos) << *error;
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(folder), 1);
}

}  // namespace
}  // namespace spanlyx
