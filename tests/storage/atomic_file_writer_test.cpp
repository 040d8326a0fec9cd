// A file written in pieces: the target keeps its old contents until commit, a dropped writer
// leaves nothing behind, and a device is written where it is.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "scratch_folder.h"
#include "storage/file_io.h"

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

using test::contents;
using test::entries;

TEST(AtomicFileWriter, PiecesReplaceTheTargetOnlyAtCommit) {
    test::ScratchFolder scratch;
    const fs::path target = scratch.path() / "points.csv";
    std::ofstream(target, std::ios::binary) << "old";
    AtomicFileWriter writer;
    ASSERT_FALSE(writer.open(target));
    const fs::path temporary = writer.temporary();
    EXPECT_EQ(temporary.parent_path(), target.parent_path());
    EXPECT_FALSE(writer.write("a,b\n"));
    EXPECT_FALSE(writer.write(""));
    EXPECT_FALSE(writer.write("1,2\n"));
    EXPECT_EQ(contents(target), "old");
    EXPECT_TRUE(fs::exists(temporary));
    EXPECT_FALSE(writer.commit());
    EXPECT_EQ(contents(target), "a,b\n1,2\n");
    EXPECT_TRUE(writer.temporary().empty());
    EXPECT_EQ(entries(scratch.path()), 1);
}

TEST(AtomicFileWriter, DroppedBeforeCommitLeavesTheOldFile) {
    test::ScratchFolder scratch;
    const fs::path target = scratch.path() / "diagrams.pdf";
    std::ofstream(target, std::ios::binary) << "old";
    {
        AtomicFileWriter writer;
        ASSERT_FALSE(writer.open(target));
        EXPECT_FALSE(writer.write("half a page"));
    }
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(scratch.path()), 1);
}

// Through a symbolic link the file it points to gets the new contents; the link stays.
TEST(AtomicFileWriter, LinkKeepsPointingToTheReplacedFile) {
    test::ScratchFolder scratch;
    const fs::path real = scratch.path() / "real" / "sx.ini";
    fs::create_directories(real.parent_path());
    std::ofstream(real, std::ios::binary) << "old";
    const fs::path link = scratch.path() / "sx.ini";
    fs::create_symlink(real, link);
    EXPECT_FALSE(write_file_atomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(real), "new");
    EXPECT_EQ(entries(real.parent_path()), 1);
    EXPECT_EQ(entries(scratch.path()), 2);
}

// /dev/full takes a file open and refuses every byte with ENOSPC, like a full disk: the writer
// must use it in place (a rename would replace the device) and report the failure, which then
// sticks.
TEST(AtomicFileWriter, DeviceIsWrittenInPlaceAndItsFailureReported) {
    if (!fs::is_character_file("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    AtomicFileWriter writer;
    ASSERT_FALSE(writer.open("/dev/full"));
    EXPECT_TRUE(writer.temporary().empty());
    writer.write("text");
    const auto error = writer.commit();
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("/dev/full"), std::string::npos);
    EXPECT_NE(error->find(std::strerror(ENOSPC)), std::string::npos) << *error;
    EXPECT_EQ(writer.write("more"), error);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

}  // namespace
}  // namespace spanlyx
