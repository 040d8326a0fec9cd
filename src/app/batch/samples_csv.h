#pragma once
// Every sampled point as CSV, for engineers who continue in a spreadsheet.

#include <filesystem>
#include <optional>
#include <string>

#include "model/units.h"

namespace spanlyx {

// Reads the sample file and writes beam_x, span, span_x, shear, moment, deflection with a header
// row, deflections in the unit of the report. The rows stream through a temporary file that is
// renamed over the CSV file when complete. The error names the path and the reason.
std::optional<std::string> write_samples_csv(const std::filesystem::path& sample_file,
                                             UnitSystem units,
                                             const std::filesystem::path& csv_file);

}  // namespace spanlyx
