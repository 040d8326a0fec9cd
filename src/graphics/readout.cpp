#include "graphics/readout.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "graphics/diagram_scales.h"
#include "model/number_text.h"
#include "report/envelope_section.h"
#include "response/response_labels.h"

namespace spanlyx {

ReadOut read_out(const SamplePoint& point, const NumberPatterns& patterns, UnitSystem units) {
    return {
        point.span,
        std::to_string(point.span),
        format_pattern(point.span_x, "0.00"),
        general_number(point.beam_x),
        format_pattern(point.shear, patterns.shear),
        format_pattern(point.moment, patterns.moment),
        format_pattern(point.deflection * deflection_display_factor(units), patterns.deflection),
        point.shear,
        point.moment,
        point.deflection,
        {}};
}

bool x_typed_to_hundredths(std::string_view x_text) {
    const std::size_t point = x_text.find('.');
    return point != std::string_view::npos && x_text.size() - point - 1 == 2;
}

std::optional<ReadOut> look_up_typed(SampleSource& samples, const ResponseOutcome& response,
                                     int span, long long x_hundredths,
                                     const NumberPatterns& patterns, UnitSystem units) {
    if (span < 1 || static_cast<std::size_t>(span) > response.span_start.size())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(span - 1);
    // A later span's records start 0.01 in; its start is kept beside them.
    if (x_hundredths == 0 && index < response.span_first_points.size())
        return read_out(response.span_first_points[index], patterns, units);
    const long long target = hundredths(response.span_start[index]) + x_hundredths;
    const auto first = samples.find_first_at(target);
    if (!first)
        return std::nullopt;
    // At a joint the first record at this beam_x ends the span on the left; the span on the
    // right follows it.
    for (std::int64_t number = *first; number <= samples.count(); ++number) {
        const auto point = samples.record(number);
        if (!point || hundredths(point->beam_x) != target)
            break;
        if (point->span == span && hundredths(point->span_x) == x_hundredths)
            return read_out(*point, patterns, units);
    }
    return std::nullopt;
}

long long picked_position(double device_x, double device_width, double total_length) {
    if (!(device_width > 0) || !(total_length > 0))
        return 0;
    // Every area, the loading diagram's too, has the same horizontal scale.
    const AreaScale area = diagram_area_scale(Quantity::Shear);
    const double user_x = area.left + device_x / device_width * area.width;
    const double position = user_x * total_length / kDrawnBeamLength;
    return std::clamp(hundredths(position), 0LL, hundredths(total_length));
}

std::optional<ReadOut> look_up_picked(SampleSource& samples, long long position_hundredths,
                                      const NumberPatterns& patterns, UnitSystem units) {
    const auto number = samples.find_first_at(position_hundredths);
    if (!number)
        return std::nullopt;
    const auto point = samples.record(*number);
    if (!point)
        return std::nullopt;
    return read_out(*point, patterns, units);
}

namespace {

// One quantity's texts: its maximum and minimum with their loaded spans.
struct EnvelopeTexts {
    std::string letter, high, high_spans, low, low_spans;
};

std::string padded_left(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}
std::string padded_right(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::optional<ReadOut> envelope_read_out(const EnvelopeChoice& choice, int span, long long index,
                                         const NumberPatterns& patterns, UnitSystem units) {
    const Beam& beam = choice.beam;
    if (span < 1 || span > beam.span_count())
        return std::nullopt;
    const auto j = static_cast<std::size_t>(span - 1);
    const double length = beam.spans[j].length.value;
    const long long steps = hundredths(length);
    if (index < 0 || index > steps)
        return std::nullopt;
    const auto found = envelope_at(beam, choice.options, choice.combination, span, index);
    if (!found)
        return std::nullopt;
    double start = 0;
    for (std::size_t i = 0; i < j; ++i)
        start += beam.spans[i].length.value;
    // The end point stands at the span's true length, which may lie off the grid.
    const double span_x = index == steps ? length : static_cast<double>(index) / 100;
    const double factor = deflection_display_factor(units);
    ReadOut out;
    out.span = span;
    out.span_text = std::to_string(span);
    out.x_text = format_pattern(span_x, "0.00");
    out.real_x = general_number(round_to_decimals(start + span_x, 5));
    out.shear = format_pattern(found->shear_max.value, patterns.shear);
    out.moment = format_pattern(found->moment_max.value, patterns.moment);
    out.deflection = format_pattern(found->deflection_max.value * factor, patterns.deflection);
    out.shear_value = found->shear_max.value;
    out.moment_value = found->moment_max.value;
    out.deflection_value = found->deflection_max.value;
    out.envelope = envelope_readout_lines(*found, patterns, units);
    return out;
}

}  // namespace

std::vector<std::string> envelope_readout_lines(const SpanEnvelope& e,
                                                const NumberPatterns& patterns, UnitSystem units) {
    const double factor = deflection_display_factor(units);
    const auto texts = [](std::string letter, const std::string& pattern, double scale,
                          const EnvelopeExtreme& max, const EnvelopeExtreme& min) {
        return EnvelopeTexts{std::move(letter), format_pattern(max.value * scale, pattern),
                             spans_loaded_text(max.loaded_spans),
                             format_pattern(min.value * scale, pattern),
                             spans_loaded_text(min.loaded_spans)};
    };
    const EnvelopeTexts rows[] = {
        texts("V", patterns.shear, 1, e.shear_max, e.shear_min),
        texts("M", patterns.moment, 1, e.moment_max, e.moment_min),
        texts("D", patterns.deflection, factor, e.deflection_max, e.deflection_min)};
    // The three lines read as a table: values right-aligned, the spans loaded in one column.
    std::size_t high = 0, high_spans = 0, low = 0;
    for (const EnvelopeTexts& row : rows) {
        high = std::max(high, row.high.size());
        high_spans = std::max(high_spans, row.high_spans.size());
        low = std::max(low, row.low.size());
    }
    std::vector<std::string> lines;
    for (const EnvelopeTexts& row : rows) {
        lines.push_back(row.letter + "   max " + padded_left(row.high, high) + "  " +
                        padded_right(row.high_spans, high_spans) + "    min " +
                        padded_left(row.low, low) + "  " + row.low_spans);
    }
    return lines;
}

std::optional<ReadOut> look_up_envelope_typed(const EnvelopeChoice& choice, int span,
                                              long long x_hundredths,
                                              const NumberPatterns& patterns, UnitSystem units) {
    return envelope_read_out(choice, span, x_hundredths, patterns, units);
}

std::optional<ReadOut> look_up_envelope_picked(const EnvelopeChoice& choice,
                                               long long position_hundredths,
                                               const NumberPatterns& patterns, UnitSystem units) {
    double start = 0;
    for (std::size_t j = 0; j < choice.beam.spans.size(); ++j) {
        const double length = choice.beam.spans[j].length.value;
        const long long first = hundredths(start);
        const long long steps = hundredths(length);
        if (position_hundredths <= first + steps) {
            const long long index = std::clamp(position_hundredths - first, 0LL, steps);
            return envelope_read_out(choice, static_cast<int>(j + 1), index, patterns, units);
        }
        start += length;
    }
    return std::nullopt;
}

}  // namespace spanlyx
