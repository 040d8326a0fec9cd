#pragma once
// Command-line options of spanlyx-report.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace spanlyx {

enum class DiagramsFormat { Png, Pdf };

// By the extension, in any case: ".png" or ".pdf"; none for any other.
std::optional<DiagramsFormat> diagrams_format(const std::filesystem::path& file);

struct BatchOptions {
    std::string beam_path;
    bool detailed = false;
    bool json = false;
    std::string output_path;    // empty: standard output
    std::string settings_path;  // empty: the user's sx.ini when it exists, else the defaults
    // Extra output; both are rounded to hundredths where they come in.
    std::optional<double> interval;
    std::optional<double> at;
    // --zero-residual (true) or --keep-residual (false); none: the window's setting.
    std::optional<bool> zero_residual;
    std::string samples_csv_path;
    std::string diagrams_path;  // FILE.png or FILE.pdf
    DiagramsFormat diagrams_format = DiagramsFormat::Png;
    // The calculation report as a PDF file, on the paper asked for (none: by unit system).
    std::string report_path;
    std::string paper;  // "a4" or "letter" as given; checked when parsed
    // --envelope NAME: the diagrams draw that combination's envelope; only with --diagrams.
    std::optional<std::string> envelope;
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
