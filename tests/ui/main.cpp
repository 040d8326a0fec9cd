// Runs the window suites: all of them, or the one named first on the command line (the rest of
// the arguments go to Qt Test).

#include <QApplication>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "ui_suites.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    using Factory = std::function<std::unique_ptr<QObject>()>;
    const std::vector<std::pair<const char*, Factory>> suites = {
        {"start_up", spanlyx::testing::make_start_up_suite},
        {"entry_window", spanlyx::testing::make_entry_window_suite},
        {"calculate", spanlyx::testing::make_calculate_suite},
        {"results_window", spanlyx::testing::make_results_window_suite},
        {"file_commands", spanlyx::testing::make_file_commands_suite},
        {"option_windows", spanlyx::testing::make_option_windows_suite},
        {"screenshot_tour", spanlyx::testing::make_screenshot_tour_suite},
        {"locale", spanlyx::testing::make_locale_suite},
        {"entry_paths", spanlyx::testing::make_entry_paths_suite},
        {"unsaved_work", spanlyx::testing::make_unsaved_work_suite},
        {"load_cases", spanlyx::testing::make_load_cases_suite},
        {"spring_supports", spanlyx::testing::make_spring_supports_suite},
        {"envelope_view", spanlyx::testing::make_envelope_view_suite},
    };
    std::vector<char*> args(argv, argv + argc);
    const char* chosen = nullptr;
    if (args.size() > 1) {
        for (const auto& suite : suites) {
            if (std::strcmp(args[1], suite.first) == 0) {
                chosen = suite.first;
                args.erase(args.begin() + 1);
                break;
            }
        }
    }
    int failures = 0;
    for (const auto& suite : suites) {
        if (chosen && std::strcmp(chosen, suite.first) != 0)
            continue;
        const std::unique_ptr<QObject> tests = suite.second();
        failures += QTest::qExec(tests.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
