// The main window's File menu commands and the windows of its Options, Units and Sections
// menus, kept apart from the entry and Calculate wiring of main_window.cpp.

#include "ui/app_services.h"
#include "ui/file_commands.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "ui/menu_windows.h"

namespace spanlyx {

void MainWindow::connect_file_commands() {
    const auto apply_actions = [this](const Actions& actions) { apply(actions); };
    menu_windows_ = std::make_unique<MenuWindows>(MenuWindows::Context{
        beam_, settings_, session_.options(), workflow_, services_.prompter,
        session_.folder().sections_file(), *this, apply_actions, [this] { write_settings(); }});
    file_commands_ = std::make_unique<FileCommands>(
        FileCommands::Context{beam_, workflow_, file_, session_.folder(), services_, *this,
                              apply_actions, [this] { menu_windows_->comments_replaced(); }});

    FileCommands& files = *file_commands_;
    MenuWindows& windows = *menu_windows_;
    connect_file_menus(
        *this,
        {[&files] { files.new_beam(); }, [&files] { files.open(); }, [&files] { files.save(); },
         [&files] { files.save_as(); }, [&windows] { windows.show_graphics_display(); },
         [&windows] { windows.show_extra_output(); }, [&windows] { windows.show_comments(); },
         [this] { write_settings(); }, [&windows] { windows.show_sections(); },
         [&windows] { windows.show_combinations(); }});
}

}  // namespace spanlyx
