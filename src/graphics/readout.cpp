#include "graphics/readout.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "graphics/diagram_scales.h"
#include "model/number_text.h"
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
        point.deflection};
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

}  // namespace spanlyx
