#pragma once
// The menu bar of the main window: File, Options, Units, Sections and Help, every item named
// as the rest of the program knows it.

#include <functional>

#include "model/units.h"

class QMainWindow;

namespace spanlyx {

class ControlMap;

struct MenuHandlers {
    std::function<void()> quit;
    std::function<void()> export_report;  // enabled by the window once a Calculate has analysed
    std::function<void()> inertia_option;
    std::function<void(UnitSystem)> unit_system;
    std::function<void()> contents;
    std::function<void()> about;
};

// Builds the menus into the window's menu bar; the six unit items are bound to their controls.
void build_main_menus(QMainWindow& window, ControlMap& controls, const MenuHandlers& handlers);

// The file commands and the windows of the Options, Units and Sections menus.
struct FileMenuHandlers {
    std::function<void()> new_beam;
    std::function<void()> open;
    std::function<void()> save;
    std::function<void()> save_as;
    std::function<void()> graphics_display;
    std::function<void()> extra_output;
    std::function<void()> comments;
    std::function<void()> save_units;
    std::function<void()> sections;
    std::function<void()> combinations;
};

// Enables the items built by build_main_menus that wait for these handlers and connects them.
void connect_file_menus(QMainWindow& window, const FileMenuHandlers& handlers);

}  // namespace spanlyx
