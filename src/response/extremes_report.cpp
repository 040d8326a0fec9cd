#include "response/extremes_report.h"

#include <cassert>
#include <string_view>

#include "model/number_text.h"
#include "model/print_line.h"
#include "response/response_labels.h"

namespace spanlyx {
namespace {

constexpr std::string_view kBannerStars = "    ****************************";
// A location more than one step left of the span's start was never set in the span.
constexpr double kUnsetBelow = -0.01;
constexpr int kDeflectionTestDecimals = 4;

struct Block {
    std::string_view value_label;
    std::string_view value_not_set;
    const std::string& pattern;
    double factor;
};

void write_value(TextWriter& out, const Block& block, const ExtremesLabels& labels,
                 const Extreme& e, double span_start) {
    out.line(std::string(block.value_label) +
             format_pattern(e.value * block.factor, block.pattern));
    out.line(std::string(labels.location) + format_fixed(e.at - span_start, 2));
}

// Shear and moment: the empty line always comes first.
void write_force_block(TextWriter& out, const Block& block, const ExtremesLabels& labels,
                       const Extreme& e, int span_number, double span_start) {
    out.empty_line();
    if (!extreme_was_set(e, span_number, span_start)) {
        out.line(block.value_not_set);
        out.line(kLocationNotSet);
        return;
    }
    write_value(out, block, labels, e, span_start);
}

// Deflection: an extreme that rounds to 0 at four decimals is not printed either, and the
// "na" lines come without the empty line.
void write_deflection_block(TextWriter& out, const Block& block, const ExtremesLabels& labels,
                            const Extreme& e, int span_number, double span_start) {
    if (!deflection_extreme_printed(e, span_number, span_start)) {
        out.line(block.value_not_set);
        out.line(kLocationNotSet);
        return;
    }
    out.empty_line();
    write_value(out, block, labels, e, span_start);
}

}  // namespace

bool extreme_was_set(const Extreme& e, int span_number, double span_start) {
    return span_number == 1 || e.at - span_start >= kUnsetBelow;
}

bool deflection_extreme_printed(const Extreme& e, int span_number, double span_start) {
    return extreme_was_set(e, span_number, span_start) &&
           round_to_decimals(e.value, kDeflectionTestDecimals) != 0;
}

void write_span_banner(TextWriter& out, int span_number) {
    out.empty_line();
    out.empty_line();
    out.line(kBannerStars);
    out.line("    SPAN " + padded_integer(span_number));
    out.line(kBannerStars);
    out.empty_line();
    out.empty_line();
}

std::string extremes_report(const std::vector<SpanExtremes>& rows,
                            const std::vector<double>& span_start, UnitSystem units,
                            const NumberPatterns& patterns) {
    assert(rows.size() == span_start.size());
    const ExtremesLabels& labels = extremes_labels(units);
    const double defl_factor = deflection_display_factor(units);
    const Block shear_max{labels.shear_max, kShearMaxNotSet, patterns.shear, 1};
    const Block shear_min{labels.shear_min, kShearMinNotSet, patterns.shear, 1};
    const Block moment_max{labels.moment_max, kMomentMaxNotSet, patterns.moment, 1};
    const Block moment_min{labels.moment_min, kMomentMinNotSet, patterns.moment, 1};
    const Block defl_max{labels.deflection_max, kDeflectionMaxNotSet, patterns.deflection,
                         defl_factor};
    const Block defl_min{labels.deflection_min, kDeflectionMinNotSet, patterns.deflection,
                         defl_factor};

    TextWriter out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SpanExtremes& row = rows[i];
        const int j = static_cast<int>(i + 1);
        const double s = span_start[i];
        write_span_banner(out, j);
        write_force_block(out, shear_max, labels, row.shear_max, j, s);
        write_force_block(out, shear_min, labels, row.shear_min, j, s);
        write_force_block(out, moment_max, labels, row.moment_max, j, s);
        write_force_block(out, moment_min, labels, row.moment_min, j, s);
        write_deflection_block(out, defl_max, labels, row.deflection_max, j, s);
        write_deflection_block(out, defl_min, labels, row.deflection_min, j, s);
    }
    return out.take();
}

}  // namespace spanlyx
