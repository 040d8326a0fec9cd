#include "batch/samples_csv.h"

#include "model/number_text.h"
#include "response/response_labels.h"
#include "response/sample_file_reader.h"
#include "storage/file_io.h"

namespace spanlyx {

std::optional<std::string> write_samples_csv(const std::filesystem::path& sample_file,
                                             UnitSystem units,
                                             const std::filesystem::path& csv_file) {
    SampleFileReader reader;
    if (auto error = reader.open(sample_file))
        return error;
    const double factor = deflection_display_factor(units);
    std::string csv = "beam_x,span,span_x,shear,moment,deflection\n";
    csv.reserve(static_cast<std::size_t>(reader.count()) * 48 + csv.size());
    const bool read = reader.scan(1, reader.count(), [&](std::int64_t, const SamplePoint& p) {
        csv += general_number(p.beam_x);
        csv += ',';
        csv += std::to_string(p.span);
        csv += ',';
        csv += general_number(p.span_x);
        csv += ',';
        csv += general_number(p.shear);
        csv += ',';
        csv += general_number(p.moment);
        csv += ',';
        csv += general_number(p.deflection * factor);
        csv += '\n';
        return true;
    });
    if (!read)
        return "cannot read the sample file " + sample_file.string();
    return write_file_atomically(csv_file, csv);
}

}  // namespace spanlyx
