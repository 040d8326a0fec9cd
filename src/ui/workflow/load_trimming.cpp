#include "ui/workflow/load_trimming.h"

#include <string>

#include "model/number_text.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/navigation.h"

namespace spanlyx {
namespace {

constexpr std::string_view kShownPattern = "0.00";

std::string trimmed_message(std::string_view load_name, int number) {
    return std::string(load_name) + blank_number(number) +
           " on this span is > than new span length reducing it to Span length";
}

// The position of load k of a list that can reach past the span end (X2, X, X).
double& reach(Span& span, LoadKind kind, std::size_t k) {
    switch (kind) {
        case LoadKind::Uniform:
            return span.uniforms[k].x2;
        case LoadKind::Point:
            return span.points[k].x;
        case LoadKind::Moment:
            return span.moments[k].x;
    }
    return span.points[k].x;
}

std::string_view load_name(LoadKind kind) {
    switch (kind) {
        case LoadKind::Uniform:
            return "Uniform Load # ";
        case LoadKind::Point:
            return "Point Load # ";
        case LoadKind::Moment:
            return "Moment Load # ";
    }
    return "";
}

// The field that shows the trimmed position when the list has a single load.
Control reach_field(LoadKind kind) {
    switch (kind) {
        case LoadKind::Uniform:
            return Control::uniformx2text;
        case LoadKind::Point:
            return Control::pxtext;
        case LoadKind::Moment:
            return Control::momentxtext;
    }
    return Control::pxtext;
}

void trim_list(EntryContext& c, LoadKind kind) {
    const int count = load_count(c.span(), kind);
    for (int k = 1; k <= count && c.has_span() && k <= load_count(c.span(), kind); ++k) {
        const double span_length = c.span().length.value;
        double& position = reach(c.span(), kind, static_cast<std::size_t>(k - 1));
        if (!(position > span_length))
            continue;
        c.message(trimmed_message(load_name(kind), k), kProgramTitle);
        position = span_length;
        if (count > 1) {
            // Stepping through the whole list comes back to the shown load with fresh fields.
            for (int press = 0; press < count; ++press)
                next_load(c, kind);
        } else {
            c.set_text(reach_field(kind), format_pattern(span_length, kShownPattern));
        }
    }
}

}  // namespace

void trim_loads_to_span(EntryContext& c) {
    if (!c.state.sketch_live || !c.has_span())
        return;
    trim_list(c, LoadKind::Uniform);
    trim_list(c, LoadKind::Point);
    trim_list(c, LoadKind::Moment);
}

}  // namespace spanlyx
