#include "response/extra_output.h"

#include <string>
#include <string_view>

#include "model/number_text.h"
#include "response/response_labels.h"

namespace spanlyx {
namespace {

constexpr std::string_view kExtraStars = "    *****************************";
constexpr std::string_view kExtraTitle = "    EXTRA DATA REQUESTED BY USER";

}  // namespace

void write_interval_head(TextWriter& out, long long interval_hundredths) {
    out.empty_line();
    out.line(kExtraStars);
    out.line(kExtraTitle);
    out.line("    Interval @" + format_fixed(static_cast<double>(interval_hundredths) / 100, 2));
    out.line(kExtraStars);
}

void write_specific_head(TextWriter& out, int span_number) {
    out.empty_line();
    out.line(kExtraStars);
    out.line(kExtraTitle);
    out.line("    Specific X Dist From Left");
    out.line("    Span " + padded_integer(span_number));
    out.line(kExtraStars);
}

void write_data_block(TextWriter& out, UnitSystem units, const NumberPatterns& patterns,
                      const PointValues& point) {
    const ExtraOutputLabels& labels = extra_output_labels(units);
    out.line(std::string(labels.distance) + format_fixed(point.span_x, 2));
    out.line("    Shear           = " + format_pattern(point.shear, patterns.shear));
    out.line("    Moment          = " + format_pattern(point.moment, patterns.moment));
    out.line(
        std::string(labels.deflection) +
        format_pattern(point.deflection * deflection_display_factor(units), patterns.deflection));
    out.blank_line();
}

}  // namespace spanlyx
