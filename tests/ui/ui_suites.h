#pragma once
// The Qt Test suites of the window program, run one at a time by name (see main.cpp).

#include <QObject>
#include <memory>

namespace spanlyx::testing {

std::unique_ptr<QObject> make_start_up_suite();
std::unique_ptr<QObject> make_entry_window_suite();
std::unique_ptr<QObject> make_calculate_suite();
std::unique_ptr<QObject> make_results_window_suite();
std::unique_ptr<QObject> make_file_commands_suite();
std::unique_ptr<QObject> make_option_windows_suite();
std::unique_ptr<QObject> make_screenshot_tour_suite();
std::unique_ptr<QObject> make_locale_suite();
std::unique_ptr<QObject> make_entry_paths_suite();
std::unique_ptr<QObject> make_unsaved_work_suite();
std::unique_ptr<QObject> make_load_cases_suite();
std::unique_ptr<QObject> make_spring_supports_suite();
std::unique_ptr<QObject> make_envelope_view_suite();

}  // namespace spanlyx::testing
