#pragma once
// The program's start: the data folder, the main window with its untitled beam, and the
// settings file. A missing application-data folder that cannot be made, or a damaged settings
// file, ends the program after its message.

#include <memory>

namespace spanlyx {

class MainWindow;
struct AppServices;

// The main window ready to be shown, or nothing when the program must end.
std::unique_ptr<MainWindow> start_up(AppServices& services);

}  // namespace spanlyx
