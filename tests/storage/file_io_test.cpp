#include "storage/file_io.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "scratch_folder.h"
#include "storage/beam_file.h"
#include "storage/sections_file.h"
#include "storage/settings_file.h"

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

using test::contents;
using test::entries;

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

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ReadLimit, AFileAboveTheLimitIsRefusedWithItsPathAndAtTheLimitIsRead) {
    test::ScratchFolder scratch;
    const fs::path at_limit = scratch.path() / "at.cb";
    const fs::path above = scratch.path() / "above.cb";
    std::ofstream(at_limit, std::ios::binary) << std::string(1000, 'x');
    std::ofstream(above, std::ios::binary) << std::string(1001, 'x');

    std::string bytes;
    EXPECT_FALSE(read_whole_file(at_limit, bytes, 1000));
    EXPECT_EQ(bytes.size(), 1000u);
    const auto refused = read_whole_file(above, bytes, 1000);
    ASSERT_TRUE(refused);
    EXPECT_TRUE(contains(*refused, above.string())) << *refused;
    EXPECT_TRUE(contains(*refused, "larger than 1000 bytes")) << *refused;
    EXPECT_TRUE(bytes.empty());
}

TEST(ReadLimit, AStreamWithoutASizeIsCountedAsItIsRead) {
    // /dev/zero never ends: without counting, the read would take all memory.
    std::string bytes;
    const auto refused = read_whole_file("/dev/zero", bytes, std::uintmax_t{1} << 20);
    ASSERT_TRUE(refused);
    EXPECT_TRUE(contains(*refused, "larger than 1 MB")) << *refused;
    EXPECT_TRUE(bytes.empty());
}

TEST(ReadLimit, BeamSettingsAndSectionsReadersRefuseAFileAbove64MB) {
    test::ScratchFolder scratch;
    // A sparse file one byte above 64 MiB: no disk space, and no memory if it is refused.
    const auto oversized = [&](const fs::path& path) {
        std::ofstream(path, std::ios::binary).put('x');
        fs::resize_file(path, std::uintmax_t{64} * 1024 * 1024 + 1);
    };
    const fs::path beam = scratch.path() / "huge.cb";
    oversized(beam);
    const BeamReadResult read = read_beam_file(beam);
    EXPECT_FALSE(read.beam);
    EXPECT_TRUE(contains(read.message, "huge.cb")) << read.message;
    EXPECT_TRUE(contains(read.message, "larger than 64 MB")) << read.message;

    const fs::path sections = scratch.path() / "sections.dat";
    oversized(sections);
    const SectionsReadResult listed = read_sections_file(sections);
    EXPECT_TRUE(listed.sections.empty());
    EXPECT_TRUE(contains(listed.problem, "larger than 64 MB")) << listed.problem;

    oversized(scratch.path() / "sx.ini");
    const SettingsReadOutcome settings = sxini_read(scratch.path());
    ASSERT_TRUE(settings.corruption);
    EXPECT_TRUE(contains(settings.corruption->text, "larger than 64 MB"))
        << settings.corruption->text;
}

}  // namespace
}  // namespace spanlyx
