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

std::string envelope_line(std::string_view letter, const std::string& high,
                          const EnvelopeExtreme& max, const std::string& low,
                          const EnvelopeExtreme& min) {
    return std::string(letter) + "   max " + high + "  " + spans_loaded_text(max.loaded_spans) +
           "    min " + low + "  " + spans_loaded_text(min.loaded_spans);
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
    return {envelope_line("V", format_pattern(e.shear_max.value, patterns.shear), e.shear_max,
                          format_pattern(e.shear_min.value, patterns.shear), e.shear_min),
            envelope_line("M", format_pattern(e.moment_max.value, patterns.moment), e.moment_max,
                          format_pattern(e.moment_min.value, patterns.moment), e.moment_min),
            envelope_line("D", format_pattern(e.deflection_max.value * factor, patterns.deflection),
                          e.deflection_max,
                          format_pattern(e.deflection_min.value * factor, patterns.deflection),
                          e.deflection_min)};
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
