#include "ui/workflow/load_slots.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace spanlyx {
namespace {

// Resizes `live` to n; entries cut off go to the front of `parked`, entries added come from it.
template <class T>
void resize_keeping(std::vector<T>& live, std::vector<T>& parked, std::size_t n) {
    if (n < live.size()) {
        const auto cut = live.begin() + static_cast<std::ptrdiff_t>(n);
        parked.insert(parked.begin(), cut, live.end());
        live.erase(cut, live.end());
        return;
    }
    const std::size_t take = std::min(n - live.size(), parked.size());
    const auto taken_end = parked.begin() + static_cast<std::ptrdiff_t>(take);
    live.insert(live.end(), parked.begin(), taken_end);
    parked.erase(parked.begin(), taken_end);
    live.resize(n);
}

}  // namespace

void LoadSlots::clear() {
    parked_loads_.clear();
    parked_spans_.clear();
    parked_spans_loads_.clear();
}

void LoadSlots::set_span_count(Beam& beam, int count) {
    assert(count >= 0 && count <= kMaxSpans);
    const auto n = static_cast<std::size_t>(count);
    parked_loads_.resize(beam.spans.size());
    resize_keeping(beam.spans, parked_spans_, n);
    resize_keeping(parked_loads_, parked_spans_loads_, n);
}

void LoadSlots::set_load_count(Beam& beam, int span_index, LoadKind kind, int count) {
    assert(span_index >= 0 && span_index < beam.span_count());
    assert(count >= 0 && count <= kMaxLoadsPerKind);
    const auto s = static_cast<std::size_t>(span_index);
    const auto n = static_cast<std::size_t>(count);
    if (parked_loads_.size() < beam.spans.size())
        parked_loads_.resize(beam.spans.size());
    Span& span = beam.spans[s];
    ParkedLoads& parked = parked_loads_[s];
    switch (kind) {
        case LoadKind::Uniform:
            resize_keeping(span.uniforms, parked.uniforms, n);
            break;
        case LoadKind::Point:
            resize_keeping(span.points, parked.points, n);
            break;
        case LoadKind::Moment:
            resize_keeping(span.moments, parked.moments, n);
            break;
    }
}

}  // namespace spanlyx
