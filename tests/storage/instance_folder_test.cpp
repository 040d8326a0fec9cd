// The private folder of a running instance: claimed under the data folder, held by a lock that
// ends with the process, removed at release, and removed by the next start when its instance
// no longer runs.
#include "storage/instance_folder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "scratch_folder.h"

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

std::string pid_text() {
    return std::to_string(::getpid());
}

// A folder as an instance that was killed leaves it: its pieces and an unlocked lock file.
void leave_stale_folder(const fs::path& data, const std::string& name) {
    const fs::path folder = instances_folder(data) / name;
    fs::create_directories(folder);
    std::ofstream(folder / "user_CONT01.TMP") << "an old report";
    std::ofstream(instances_folder(data) / (name + ".lock"));
}

TEST(InstanceFolder, ClaimMakesAFolderUnderTheDataFolderAndReleaseRemovesIt) {
    test::ScratchFolder data;
    std::string error;
    std::optional<InstanceFolder> instance = InstanceFolder::claim(data.path(), error);
    ASSERT_TRUE(instance) << error;
    EXPECT_EQ(instance->path(), instances_folder(data.path()) / pid_text());
    EXPECT_TRUE(fs::is_directory(instance->path()));
    EXPECT_TRUE(fs::exists(instances_folder(data.path()) / (pid_text() + ".lock")));
    std::ofstream(instance->path() / "user_CONT03.TMP") << "extremes";

    const fs::path folder = instance->path();
    EXPECT_TRUE(instance->release().empty());
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_FALSE(fs::exists(instances_folder(data.path()) / (pid_text() + ".lock")));
    EXPECT_TRUE(instance->release().empty());  // a second release has nothing to do
}

TEST(InstanceFolder, SessionsOfOneProcessGetTheirOwnFoldersAndNeitherIsSwept) {
    test::ScratchFolder data;
    std::string error;
    std::optional<InstanceFolder> first = InstanceFolder::claim(data.path(), error);
    std::optional<InstanceFolder> second = InstanceFolder::claim(data.path(), error);
    ASSERT_TRUE(first && second) << error;
    EXPECT_EQ(first->path().filename(), pid_text());
    EXPECT_EQ(second->path().filename(), pid_text() + "-1");

    EXPECT_TRUE(remove_stale_instance_folders(data.path()).empty());
    EXPECT_TRUE(fs::is_directory(first->path()));
    EXPECT_TRUE(fs::is_directory(second->path()));

    // A moved folder keeps its lock: the sweep still leaves it, and it is released once.
    InstanceFolder moved = std::move(*first);
    first.reset();
    EXPECT_TRUE(fs::is_directory(moved.path()));
    remove_stale_instance_folders(data.path());
    EXPECT_TRUE(fs::is_directory(moved.path()));

    // The first name, free again, is taken by the next claim.
    const fs::path moved_path = moved.path();
    moved.release();
    std::optional<InstanceFolder> third = InstanceFolder::claim(data.path(), error);
    ASSERT_TRUE(third) << error;
    EXPECT_EQ(third->path(), moved_path);
}

TEST(InstanceFolder, StaleFoldersAreRemovedAndOtherEntriesKept) {
    test::ScratchFolder data;
    leave_stale_folder(data.path(), "4242");
    leave_stale_folder(data.path(), "4243-2");
    // A folder whose lock file is already gone, and a lock file whose folder is gone.
    fs::create_directories(instances_folder(data.path()) / "4244");
    std::ofstream(instances_folder(data.path()) / "4245.lock");
    // Nothing this program makes: left alone.
    std::ofstream(instances_folder(data.path()) / "notes.txt") << "mine";
    fs::create_directories(instances_folder(data.path()) / "keep");

    EXPECT_TRUE(remove_stale_instance_folders(data.path()).empty());
    for (const char* gone :
         {"4242", "4242.lock", "4243-2", "4243-2.lock", "4244", "4244.lock", "4245.lock"}) {
        EXPECT_FALSE(fs::exists(instances_folder(data.path()) / gone)) << gone;
    }
    EXPECT_TRUE(fs::exists(instances_folder(data.path()) / "notes.txt"));
    EXPECT_TRUE(fs::is_directory(instances_folder(data.path()) / "keep"));
    // A data folder without instances folder has nothing to sweep.
    test::ScratchFolder empty;
    EXPECT_TRUE(remove_stale_instance_folders(empty.path()).empty());
}

TEST(InstanceFolder, AFolderOfAnEarlierProcessWithTheSameIdIsEmptiedBeforeUse) {
    // Process ids are reused: the name is this process's, the folder a dead one's.
    test::ScratchFolder data;
    leave_stale_folder(data.path(), pid_text());
    std::string error;
    std::optional<InstanceFolder> instance = InstanceFolder::claim(data.path(), error);
    ASSERT_TRUE(instance) << error;
    EXPECT_EQ(instance->path().filename(), pid_text());
    EXPECT_TRUE(fs::is_empty(instance->path()));
}

// A live instance in another process keeps its folder against every sweep; once that process
// ends, without any clean-up of its own, the next sweep removes it.
TEST(InstanceFolder, TheLockOfAnotherProcessDecidesWhetherItsFolderIsStale) {
    test::ScratchFolder data;
    int ready[2];
    int hold[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(hold), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        ::close(hold[1]);
        std::string error;
        std::optional<InstanceFolder> instance = InstanceFolder::claim(data.path(), error);
        const char status = instance ? 'y' : 'n';
        [[maybe_unused]] const auto sent = ::write(ready[1], &status, 1);
        char ignored;
        [[maybe_unused]] const auto got = ::read(hold[0], &ignored, 1);  // until the parent closes
        ::_exit(0);  // as if killed: no release, the folder stays
    }
    ::close(ready[1]);
    ::close(hold[0]);
    char status = 0;
    ASSERT_EQ(::read(ready[0], &status, 1), 1);
    ASSERT_EQ(status, 'y');
    const fs::path child_folder = instances_folder(data.path()) / std::to_string(child);
    EXPECT_TRUE(fs::is_directory(child_folder));

    remove_stale_instance_folders(data.path());
    EXPECT_TRUE(fs::is_directory(child_folder)) << "the folder of a running instance was removed";
    std::string error;
    std::optional<InstanceFolder> mine = InstanceFolder::claim(data.path(), error);
    ASSERT_TRUE(mine) << error;
    EXPECT_TRUE(fs::is_directory(child_folder));

    ::close(hold[1]);
    int child_status = 0;
    ASSERT_EQ(::waitpid(child, &child_status, 0), child);
    EXPECT_TRUE(fs::is_directory(child_folder));  // the ended process left it behind
    EXPECT_TRUE(remove_stale_instance_folders(data.path()).empty());
    EXPECT_FALSE(fs::exists(child_folder));
    EXPECT_TRUE(fs::is_directory(mine->path()));
    ::close(ready[0]);
}

TEST(InstanceFolder, ADataFolderThatCannotHoldFoldersIsReportedWithItsPath) {
    test::ScratchFolder scratch;
    const fs::path blocked = scratch.path() / "Spanlyx";
    std::ofstream(blocked) << "a file where the data folder should be";
    std::string error;
    EXPECT_FALSE(InstanceFolder::claim(blocked, error));
    EXPECT_NE(error.find(instances_folder(blocked).string()), std::string::npos) << error;
}

}  // namespace
}  // namespace spanlyx
