#include "graphics/sample_source.h"

#include <algorithm>

#include "model/number_text.h"

namespace spanlyx {

std::optional<SamplePoint> MemorySampleSource::record(std::int64_t number) {
    if (number < 1 || number > count())
        return std::nullopt;
    return points_[static_cast<std::size_t>(number - 1)];
}

bool MemorySampleSource::scan(std::int64_t first, std::int64_t last, const Visitor& visit) {
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, count());
    for (std::int64_t number = first; number <= last; ++number) {
        if (!visit(number, points_[static_cast<std::size_t>(number - 1)]))
            break;
    }
    return true;
}

std::optional<std::int64_t> MemorySampleSource::find_first_at(long long beam_x_hundredths) {
    const auto found = std::lower_bound(points_.begin(), points_.end(), beam_x_hundredths,
                                        [](const SamplePoint& point, long long target) {
                                            return hundredths(point.beam_x) < target;
                                        });
    if (found == points_.end() || hundredths(found->beam_x) != beam_x_hundredths)
        return std::nullopt;
    return static_cast<std::int64_t>(found - points_.begin()) + 1;
}

}  // namespace spanlyx
