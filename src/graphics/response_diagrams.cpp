#include "graphics/response_diagrams.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graphics/curve_trace.h"
#include "graphics/label_layout.h"
#include "graphics/value_marks.h"
#include "model/number_text.h"

namespace spanlyx {
namespace {

double value_of(Quantity quantity, const SamplePoint& point) {
    switch (quantity) {
        case Quantity::Shear:
            return point.shear;
        case Quantity::Moment:
            return point.moment;
        case Quantity::Deflection:
            return point.deflection;
    }
    assert(false && "unknown quantity");
    return 0;
}

// The whole beam's values in the form of a span's row (locations unused).
SpanExtremes beam_wide(const BeamExtremes& beam) {
    SpanExtremes row;
    row.shear_max.value = beam.shear_max;
    row.shear_min.value = beam.shear_min;
    row.moment_max.value = beam.moment_max;
    row.moment_min.value = beam.moment_min;
    row.deflection_max.value = beam.deflection_max;
    row.deflection_min.value = beam.deflection_min;
    return row;
}

// One area being drawn: its canvas, quantity, scale and curve.
struct Area {
    Canvas& canvas;
    Quantity quantity;
    double y_scale;
    std::optional<CurveTrace> trace;

    bool has_curve() const { return trace.has_value(); }
    double y(const SamplePoint& point) const { return value_of(quantity, point) * y_scale; }
};

Area begin_area(Canvas& canvas, Quantity quantity, const DiagramSetup& setup,
                const DiagramScales& scales, CurveTrace::Mode mode) {
    const AreaScale area = diagram_area_scale(quantity);
    canvas.set_scale(area.left, area.top, area.width, area.height);
    draw_beam_axis(canvas, setup.beam, scales.x);
    Area drawn{canvas, quantity, scales.y(quantity), std::nullopt};
    // A quantity that is 0 everywhere has its axis only.
    if (scales.x > 0 && drawn.y_scale != 0) {
        canvas.set_pen(setup.printing ? kBlack : kCurveMagenta, kCurvePenWidth);
        drawn.trace.emplace(canvas, mode, area.left, area.width);
    }
    return drawn;
}

// The records drawn: all of them, or record 1, then every step-th from record 2, and the last.
std::vector<std::int64_t> thinned_records(std::int64_t count, int step) {
    std::vector<std::int64_t> numbers;
    if (count < 1)
        return numbers;
    numbers.push_back(1);
    std::int64_t number = 2;
    for (; number <= count; number += step)
        numbers.push_back(number);
    if (numbers.back() != count)
        numbers.push_back(count);
    return numbers;
}

void trace_points(std::vector<Area>& areas, const DiagramSetup& setup, double x_scale, int step,
                  SampleSource& samples) {
    bool first = true;
    std::optional<SamplePoint> last;
    auto visit = [&](const SamplePoint& point) {
        const double x = point.beam_x * x_scale;
        for (Area& area : areas) {
            if (!area.has_curve())
                continue;
            // The shear curve rises from the axis at the beam's left end.
            if (first && area.quantity == Quantity::Shear)
                area.canvas.line(x, 0, x, area.y(point));
            area.trace->add(x, area.y(point));
        }
        first = false;
        last = point;
    };
    if (step <= 1) {
        samples.scan(1, samples.count(), [&](std::int64_t, const SamplePoint& point) {
            visit(point);
            return true;
        });
    } else {
        for (std::int64_t number : thinned_records(samples.count(), step)) {
            if (const auto point = samples.record(number))
                visit(*point);
        }
    }
    for (Area& area : areas) {
        if (area.has_curve())
            area.trace->finish();
    }
    // A vertically held right end closes the shear curve down to the axis.
    const bool right_end_held =
        !setup.beam.joints.empty() && setup.beam.joints.back().restraint_y == 1;
    if (last && right_end_held &&
        hundredths(last->beam_x) == hundredths(setup.beam.total_length())) {
        for (Area& area : areas) {
            if (area.has_curve() && area.quantity == Quantity::Shear) {
                const double x = last->beam_x * x_scale;
                area.canvas.line(x, area.y(*last), x, 0);
            }
        }
    }
}

// Beam positions of the joints, where a span's value is a support value.
std::vector<double> joint_positions(const Beam& beam) {
    std::vector<double> at{0};
    for (const Span& span : beam.spans)
        at.push_back(at.back() + span.length.value);
    return at;
}

bool at_joint(const std::vector<double>& joints, double beam_x) {
    constexpr double kSamePlace = 1e-6;
    return std::any_of(joints.begin(), joints.end(),
                       [&](double joint) { return std::abs(joint - beam_x) <= kSamePlace; });
}

// Decimals of a location written with a value, as in the report's tables.
constexpr int kLocationDecimals = 2;
// Tick of a zero-shear mark, above and below the axis, in user units.
constexpr double kZeroTick = 0.15;
// Rows below the axis a zero-shear mark may move down by.
constexpr int kZeroRows = 4;

// A point inside a span where the shear changes sign.
struct ZeroShear {
    double beam_x = 0;
    double span_x = 0;
};

// The position of a point load of the span between two of its sampled positions, where the
// shear steps.
std::optional<double> point_load_between(const Beam& beam, const SamplePoint& a,
                                         const SamplePoint& b) {
    constexpr double kSamePlace = 1e-9;
    const auto index = static_cast<std::size_t>(b.span - 1);
    if (b.span < 1 || index >= beam.spans.size())
        return std::nullopt;
    for (const PointLoad& load : beam.spans[index].points) {
        if (load.load.value != 0 && load.x >= a.span_x - kSamePlace &&
            load.x <= b.span_x + kSamePlace)
            return load.x;
    }
    return std::nullopt;
}

// The points of zero shear, from the sampled points: between two points of one span whose
// shears have opposite signs, at the point load between them where the shear steps through
// zero, otherwise interpolated along the straight line between them. Shears within a rounding
// error of zero carry no sign.
std::vector<ZeroShear> zero_shear_points(const DiagramSetup& setup, SampleSource& samples) {
    const double noise = 1e-6 * std::max(1.0, setup.response.beam_extremes.shear_magnitude);
    std::vector<ZeroShear> found;
    std::optional<SamplePoint> signed_before;
    samples.scan(1, samples.count(), [&](std::int64_t, const SamplePoint& point) {
        if (signed_before && signed_before->span != point.span)
            signed_before.reset();
        if (std::abs(point.shear) <= noise)
            return true;
        if (signed_before && (signed_before->shear > 0) != (point.shear > 0)) {
            const std::optional<double> load_x =
                point_load_between(setup.beam, *signed_before, point);
            const double share =
                load_x && point.span_x > signed_before->span_x
                    ? (*load_x - signed_before->span_x) / (point.span_x - signed_before->span_x)
                    : signed_before->shear / (signed_before->shear - point.shear);
            const double beam_x =
                signed_before->beam_x + (point.beam_x - signed_before->beam_x) * share;
            const double span_x =
                signed_before->span_x + (point.span_x - signed_before->span_x) * share;
            // Two crossings in one hundredth are one point.
            if (found.empty() || hundredths(found.back().beam_x) != hundredths(beam_x))
                found.push_back({beam_x, span_x});
        }
        signed_before = point;
        return true;
    });
    return found;
}

std::string located(std::string value, double span_x) {
    return value + " @ " + format_fixed(span_x, kLocationDecimals);
}

// The zero-shear points on the shear axis: a short tick through the axis and "V=0 @ 7.50",
// below the axis, given way to the values at the supports and the extremes.
void add_zero_shear_marks(LabelLayout& labels, Canvas& canvas, const std::vector<ZeroShear>& zeros,
                          double x_scale) {
    canvas.set_pen(kBlack, kAxisPenWidth);
    for (const ZeroShear& zero : zeros) {
        const double x = zero.beam_x * x_scale;
        canvas.line(x, -kZeroTick, x, kZeroTick);
        // Beside the tick, clear of the curve that crosses the axis there: below the axis to
        // the right, to the left, then above, then further down.
        const std::string text = located("V=0", zero.span_x);
        const TextExtent extent = canvas.text_extent(text);
        const double gap = extent.width / static_cast<double>(text.size());
        const double below = value_mark_place(canvas, x, 0, MarkSide::Below, text).top;
        const double above = value_mark_place(canvas, x, 0, MarkSide::Above, text).top;
        const double right = x + gap;
        const double left = x - gap - extent.width;
        std::vector<LabelPlace> places = labels.stacked({right, below}, text, -1, kZeroRows);
        places.insert(places.begin() + 1,
                      {LabelPlace{left, below}, LabelPlace{right, above}, LabelPlace{left, above}});
        labels.add({text, std::move(places), LabelRank::Detail, LabelAnchor{x, 0}});
    }
}

// The largest and smallest value of every span; a value never set (0 at 0) gets no mark. Where
// marks would meet, a span's inner extreme gives way to a value at a support, and the first
// span holding the whole beam's largest or smallest value keeps its mark in any case.
std::vector<PlacedLabel> write_span_extremes(const Area& area, const DiagramSetup& setup,
                                             double x_scale, const std::vector<ZeroShear>& zeros) {
    if (!area.has_curve())
        return {};
    Canvas& canvas = area.canvas;
    LabelLayout labels(canvas, diagram_area_scale(area.quantity));
    labels.set_style(kBlack, kValueMarkFontSize);
    const SpanExtremes beam = beam_wide(setup.response.beam_extremes);
    const auto whole = quantity_pair(area.quantity, beam);
    const std::vector<double> joints = joint_positions(setup.beam);
    bool max_kept = false, min_kept = false;
    auto write = [&](const Extreme& extreme, MarkSide side, double whole_value, bool& kept,
                     double span_start) {
        if (extreme.value == 0 && extreme.at == 0)
            return;
        const bool inside = !at_joint(joints, extreme.at);
        LabelRank rank = inside ? LabelRank::Detail : LabelRank::Support;
        if (!kept && extreme.value == whole_value) {
            rank = LabelRank::Kept;
            kept = true;
        }
        std::string text =
            diagram_value_text(area.quantity, extreme.value, setup.patterns, setup.beam.units);
        // A value at a support stands over the support: it needs no location, and the same
        // value at the end of one span and the start of the next is written once.
        if (setup.report_marks && inside)
            text = located(std::move(text), extreme.at - span_start);
        labels.add(value_mark_request(labels, canvas, extreme.at * x_scale,
                                      extreme.value * area.y_scale, side, text, rank));
    };
    const std::vector<SpanExtremes>& spans = setup.response.span_extremes;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto pair = quantity_pair(area.quantity, spans[i]);
        const double start =
            i < setup.response.span_start.size() ? setup.response.span_start[i] : 0.0;
        write(pair.max, MarkSide::Above, whole.max.value, max_kept, start);
        write(pair.min, MarkSide::Below, whole.min.value, min_kept, start);
    }
    if (area.quantity == Quantity::Shear)
        add_zero_shear_marks(labels, canvas, zeros, x_scale);
    labels.draw();
    return labels.placed();
}

std::vector<std::vector<PlacedLabel>> draw_areas(std::vector<Area>& areas,
                                                 const DiagramSetup& setup,
                                                 const DiagramScales& scales, int step,
                                                 SampleSource& samples) {
    trace_points(areas, setup, scales.x, step, samples);
    const std::vector<ZeroShear> zeros =
        setup.report_marks ? zero_shear_points(setup, samples) : std::vector<ZeroShear>{};
    std::vector<std::vector<PlacedLabel>> texts;
    for (const Area& area : areas)
        texts.push_back(write_span_extremes(area, setup, scales.x, zeros));
    return texts;
}

int point_step(const DiagramSetup& setup, double x_scale) {
    return setup.speed_up ? speed_up_point_step(x_scale) : 1;
}

CurveTrace::Mode trace_mode(int step) {
    return step <= 1 ? CurveTrace::Mode::Exact : CurveTrace::Mode::Straight;
}

}  // namespace

void draw_beam_axis(Canvas& canvas, const Beam& beam, double x_scale) {
    canvas.set_pen(kBlack, kAxisPenWidth);
    double start = 0;
    for (const Span& span : beam.spans) {
        const double end = start + span.length.value * x_scale;
        canvas.line(start, 0, end, 0);
        start = end;
    }
}

Rgb diagram_background(const Settings& settings, bool printing) {
    return printing || settings.white_background == "y" ? kWhite : kLightGrey;
}

void draw_diagram(Canvas& canvas, Quantity quantity, const DiagramSetup& setup,
                  SampleSource& samples) {
    const DiagramScales scales =
        diagram_scales(setup.beam.total_length(), setup.response.beam_extremes);
    const int step = point_step(setup, scales.x);
    std::vector<Area> areas;
    areas.push_back(begin_area(canvas, quantity, setup, scales, trace_mode(step)));
    draw_areas(areas, setup, scales, step, samples);
}

DiagramTexts draw_diagrams(const DiagramCanvases& canvases, const DiagramSetup& setup,
                           SampleSource& samples) {
    const DiagramScales scales =
        diagram_scales(setup.beam.total_length(), setup.response.beam_extremes);
    const int step = point_step(setup, scales.x);
    const CurveTrace::Mode mode = trace_mode(step);
    std::vector<Area> areas;
    areas.push_back(begin_area(canvases.shear, Quantity::Shear, setup, scales, mode));
    areas.push_back(begin_area(canvases.moment, Quantity::Moment, setup, scales, mode));
    areas.push_back(begin_area(canvases.deflection, Quantity::Deflection, setup, scales, mode));
    std::vector<std::vector<PlacedLabel>> texts = draw_areas(areas, setup, scales, step, samples);
    return {std::move(texts[0]), std::move(texts[1]), std::move(texts[2])};
}

}  // namespace spanlyx
