#pragma once
// Command-line options of spanlyx-report.

#include <optional>
#include <string>
#include <vector>

namespace spanlyx {

struct BatchOptions {
    std::string beam_path;
    bool detailed = false;
    bool json = false;
    std::string output_path;    // empty: standard output
    std::string settings_path;  // empty: the user's sx.ini when it exists, else the defaults
    // Extra output; both are rounded to hundredths where they come in.
    std::optional<double> interval;
    std::optional<double> at;
    bool zero_residual = false;
    std::string samples_csv_path;
    std::string diagrams_path;  // FILE.png or FILE.pdf
    // The beam as a JSON beam document ("-": standard output), instead of any analysis.
    std::string export_json_path;
    bool help = false;
    bool version = false;
};

struct BatchOptionsOutcome {
    BatchOptions options;
    std::string error;  // a usage error when not empty
};

BatchOptionsOutcome parse_batch_options(const std::vector<std::string>& arguments);

std::string batch_usage_text();

}  // namespace spanlyx
