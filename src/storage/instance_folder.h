#pragma once
// The private folder of one running instance of the program, inside the data folder: its
// temporary report pieces, sample file and results file live there, so two instances of the
// same user never read or remove each other's files.
//
// Layout: <data folder>/instances/<name>/ with the lock file <data folder>/instances/<name>.lock
// beside it. <name> is the process id, with "-1", "-2", ... added when that name is held (a
// second session in the same process, or a process of the same id on another machine sharing
// the folder). The instance holds an exclusive flock on its lock file for as long as it runs;
// the kernel drops the lock when the process ends, however it ends. So "no longer runs" is
// decided by the lock, never by whether a process of that id exists: a folder whose lock can be
// taken belongs to nobody and is removed by the next instance that starts.
//
// Every change to a folder <name> (making, emptying, removing) is done while holding the lock
// on the current <name>.lock, and the lock file is created before its folder and removed after
// it; this keeps a starting instance and a sweeping one from removing each other's folders.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace spanlyx {

class InstanceFolder {
  public:
    // Removes the stale folders under the data folder's instances folder, then makes and locks
    // a folder of this instance. The error names the path and the reason.
    static std::optional<InstanceFolder> claim(const std::filesystem::path& data_folder,
                                               std::string& error);

    InstanceFolder(InstanceFolder&& other) noexcept;
    InstanceFolder& operator=(InstanceFolder&& other) noexcept;
    InstanceFolder(const InstanceFolder&) = delete;
    InstanceFolder& operator=(const InstanceFolder&) = delete;
    ~InstanceFolder();

    const std::filesystem::path& path() const { return path_; }

    // Removes the folder with everything in it and gives up the lock; texts of what stayed.
    // The destructor does the same, silently.
    std::vector<std::string> release();

  private:
    InstanceFolder(std::filesystem::path path, std::filesystem::path lock_path, int lock_fd);

    std::filesystem::path path_;
    std::filesystem::path lock_path_;
    int lock_fd_ = -1;
};

// <data folder>/instances.
std::filesystem::path instances_folder(const std::filesystem::path& data_folder);

// Removes every instance folder under the data folder whose instance no longer runs; the
// folders of running instances are left alone. Returns texts of what could not be removed.
std::vector<std::string> remove_stale_instance_folders(const std::filesystem::path& data_folder);

}  // namespace spanlyx
