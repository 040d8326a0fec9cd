#include "batch/samples_csv.h"

#include "batch/output_file.h"
#include "model/number_text.h"
#include "response/response_labels.h"
#include "response/sample_file_reader.h"

namespace spanlyx {
namespace {

// Rows are handed to the file in pieces of about this size, so memory does not grow with the
// number of points.
constexpr std::size_t kChunkBytes = 1 << 20;

void append_row(std::string& csv, const SamplePoint& p, double deflection_factor) {
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
    csv += general_number(p.deflection * deflection_factor);
    csv += '\n';
}

}  // namespace

std::optional<std::string> write_samples_csv(const std::filesystem::path& sample_file,
                                             UnitSystem units,
                                             const std::filesystem::path& csv_file) {
    SampleFileReader reader;
    if (auto error = reader.open(sample_file))
        return error;
    OutputFile out;
    if (auto error = out.open(csv_file))
        return error;
    const double factor = deflection_display_factor(units);
    std::string chunk = "beam_x,span,span_x,shear,moment,deflection\n";
    chunk.reserve(kChunkBytes + 256);
    std::optional<std::string> write_error;
    const bool read = reader.scan(1, reader.count(), [&](std::int64_t, const SamplePoint& p) {
        append_row(chunk, p, factor);
        if (chunk.size() < kChunkBytes)
            return true;
        write_error = out.write(chunk);
        chunk.clear();
        return !write_error;
    });
    if (write_error)
        return write_error;
    if (!read)
        return "cannot read the sample file " + sample_file.string();
    if (auto error = out.write(chunk))
        return error;
    return out.commit();
}

}  // namespace spanlyx
