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
    std::function<void()> inertia_option;
    std::function<void(UnitSystem)> unit_system;
    std::function<void()> contents;
    std::function<void()> about;
};

// Builds the menus into the window's menu bar; the six unit items are bound to their controls.
void build_main_menus(QMainWindow& window, ControlMap& controls, const MenuHandlers& handlers);

}  // namespace spanlyx
