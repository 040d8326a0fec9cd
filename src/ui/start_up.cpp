#include "ui/start_up.h"

#include <filesystem>
#include <system_error>

#include "storage/data_folder.h"
#include "storage/instance_folder.h"
#include "storage/settings_file.h"
#include "ui/app_services.h"
#include "ui/main_window.h"
#include "ui/prompter.h"
#include "ui/window_placement.h"

namespace spanlyx {
namespace {

// The application-data folder that holds the program's folder, made when missing.
bool application_data_ready(const std::filesystem::path& base) {
    std::error_code error;
    std::filesystem::create_directories(base, error);
    return std::filesystem::is_directory(base, error);
}

}  // namespace

std::unique_ptr<MainWindow> start_up(AppServices& services) {
    const std::string user = login_name();
    const std::filesystem::path folder = default_data_folder();
    if (!application_data_ready(folder.parent_path())) {
        services.prompter.show(
            {"The folder does not exist", std::string(kProgramTitle), MessageIcon::None});
        return nullptr;
    }

    auto window = std::make_unique<MainWindow>(services, DataFolder{folder, user});

    const SettingsReadOutcome read = sxini_read(folder);
    for (const Message& notice : read.notices)
        services.prompter.show(notice);
    if (read.corruption) {
        services.prompter.show(*read.corruption);
        return nullptr;
    }
    // Temporary files left by instances that ended without removing them (a crash, a kill);
    // a folder that cannot be removed now is tried again at the next start.
    remove_stale_instance_folders(folder);
    window->apply_settings(read.settings);
    centre_on_screen(*window);
    return window;
}

}  // namespace spanlyx
