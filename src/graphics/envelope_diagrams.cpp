#include "graphics/envelope_diagrams.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <optional>
#include <vector>

#include "graphics/curve_trace.h"
#include "graphics/label_layout.h"
#include "graphics/value_marks.h"
#include "model/number_text.h"

namespace spanlyx {
namespace {

constexpr double kStepsPerUnit = 100.0;
// Progress is reported once per block of points, not per point.
constexpr long long kProgressBlock = 1 << 14;

// One area: its canvas, scale and the traces of its two curves.
struct EnvelopeArea {
    Canvas& canvas;
    Quantity quantity;
    double y_scale = 0;
    std::optional<CurveTrace> max, min;

    bool has_curves() const { return max.has_value(); }
};

// Feeds every point of the grid to the curve traces of the three areas.
class TraceSink final : public EnvelopeSink {
  public:
    TraceSink(std::vector<EnvelopeArea>& areas, const EnvelopeSetup& setup, double x_scale)
        : areas_(areas), setup_(setup), x_scale_(x_scale) {
        double start = 0;
        for (const Span& span : setup.beam.spans) {
            starts_.push_back(start);
            steps_.push_back(hundredths(span.length.value));
            total_ += steps_.back() + 1;
            start += span.length.value;
        }
    }

    void point(int span, long long index, const std::vector<EnvelopeValues>& values) override {
        const auto j = static_cast<std::size_t>(span - 1);
        const double length = setup_.beam.spans[j].length.value;
        // The end point stands at the span's true length, which may lie off the grid.
        const double span_x =
            index == steps_[j] ? length : static_cast<double>(index) / kStepsPerUnit;
        const double x = (starts_[j] + span_x) * x_scale_;
        last_ = values[setup_.combination];
        last_x_ = x;
        for (EnvelopeArea& area : areas_) {
            if (!area.has_curves())
                continue;
            const auto v = quantity_pair(area.quantity, last_);
            // The shear curves rise from the axis at the beam's left end.
            if (first_ && area.quantity == Quantity::Shear) {
                area.canvas.line(x, 0, x, v.max * area.y_scale);
                area.canvas.line(x, 0, x, v.min * area.y_scale);
            }
            area.max->add(x, v.max * area.y_scale);
            area.min->add(x, v.min * area.y_scale);
        }
        first_ = false;
        if (++count_ % kProgressBlock == 0 && setup_.progress)
            setup_.progress(static_cast<int>(count_ * 100 / std::max(total_, 1LL)));
    }

    // Ends the traces; a vertically held right end closes the shear curves down to the axis.
    void finish() {
        for (EnvelopeArea& area : areas_) {
            if (!area.has_curves())
                continue;
            area.max->finish();
            area.min->finish();
        }
        const bool right_end_held =
            !setup_.beam.joints.empty() && setup_.beam.joints.back().restraint_y == 1;
        if (first_ || !right_end_held)
            return;
        for (EnvelopeArea& area : areas_) {
            if (!area.has_curves() || area.quantity != Quantity::Shear)
                continue;
            area.canvas.line(last_x_, last_.shear_max * area.y_scale, last_x_, 0);
            area.canvas.line(last_x_, last_.shear_min * area.y_scale, last_x_, 0);
        }
    }

  private:
    std::vector<EnvelopeArea>& areas_;
    const EnvelopeSetup& setup_;
    double x_scale_;
    std::vector<double> starts_;
    std::vector<long long> steps_;
    long long total_ = 0;
    long long count_ = 0;
    bool first_ = true;
    EnvelopeValues last_;
    double last_x_ = 0;
};

EnvelopeArea begin_area(Canvas& canvas, Quantity quantity, const EnvelopeSetup& setup,
                        const DiagramScales& scales) {
    const AreaScale area = diagram_area_scale(quantity);
    canvas.set_scale(area.left, area.top, area.width, area.height);
    draw_beam_axis(canvas, setup.beam, scales.x);
    EnvelopeArea drawn{canvas, quantity, scales.y(quantity), std::nullopt, std::nullopt};
    // A quantity that is 0 everywhere has its axis only.
    if (scales.x > 0 && drawn.y_scale != 0) {
        canvas.set_pen(setup.printing ? kBlack : kCurveMagenta, kCurvePenWidth);
        drawn.max.emplace(canvas, CurveTrace::Mode::Exact, area.left, area.width);
        drawn.min.emplace(canvas, CurveTrace::Mode::Exact, area.left, area.width);
    }
    return drawn;
}

// The largest value of the maximum curve above it and the smallest of the minimum curve below
// it, in every span; a value of 0 lies on the axis and gets no mark. The marks share one label
// layout, as the diagrams as entered do: a value inside a span gives way to one at a support, the
// first span holding the whole envelope's largest or smallest value keeps its mark, and equal
// values at a shared support are written once.
void write_span_extremes(const EnvelopeArea& area, const EnvelopeSetup& setup, double x_scale) {
    if (!area.has_curves())
        return;
    Canvas& canvas = area.canvas;
    LabelLayout labels(canvas, diagram_area_scale(area.quantity));
    labels.set_style(kBlack, kValueMarkFontSize);
    double whole_max = 0, whole_min = 0;
    for (const SpanEnvelope& span : setup.envelope.spans) {
        const auto pair = quantity_pair(area.quantity, span);
        whole_max = std::max(whole_max, pair.max.value);
        whole_min = std::min(whole_min, pair.min.value);
    }
    bool max_kept = false, min_kept = false;
    double start = 0;
    for (std::size_t j = 0; j < setup.envelope.spans.size() && j < setup.beam.spans.size(); ++j) {
        const double length = setup.beam.spans[j].length.value;
        const auto pair = quantity_pair(area.quantity, setup.envelope.spans[j]);
        const auto write = [&](const EnvelopeExtreme& extreme, MarkSide side, double whole,
                               bool& kept) {
            if (extreme.value == 0)
                return;
            const bool inside = extreme.at > 0 && extreme.at < length;
            LabelRank rank = inside ? LabelRank::Detail : LabelRank::Support;
            if (!kept && extreme.value == whole) {
                rank = LabelRank::Kept;
                kept = true;
            }
            labels.add(value_mark_request(
                labels, canvas, (start + extreme.at) * x_scale, extreme.value * area.y_scale, side,
                diagram_value_text(area.quantity, extreme.value, setup.patterns, setup.beam.units),
                rank));
        };
        write(pair.max, MarkSide::Above, whole_max, max_kept);
        write(pair.min, MarkSide::Below, whole_min, min_kept);
        start += length;
    }
    labels.draw();
}

}  // namespace

BeamExtremes envelope_beam_extremes(const CombinationEnvelope& envelope) {
    std::vector<SpanExtremes> rows;
    for (const SpanEnvelope& s : envelope.spans) {
        SpanExtremes row;
        row.shear_max.value = s.shear_max.value;
        row.shear_min.value = s.shear_min.value;
        row.moment_max.value = s.moment_max.value;
        row.moment_min.value = s.moment_min.value;
        row.deflection_max.value = s.deflection_max.value;
        row.deflection_min.value = s.deflection_min.value;
        rows.push_back(row);
    }
    return beam_extremes(rows);
}

void draw_envelope_diagrams(const DiagramCanvases& canvases, const EnvelopeSetup& setup) {
    const DiagramScales scales =
        diagram_scales(setup.beam.total_length(), envelope_beam_extremes(setup.envelope));
    std::vector<EnvelopeArea> areas;
    areas.push_back(begin_area(canvases.shear, Quantity::Shear, setup, scales));
    areas.push_back(begin_area(canvases.moment, Quantity::Moment, setup, scales));
    areas.push_back(begin_area(canvases.deflection, Quantity::Deflection, setup, scales));
    if (setup.combination < setup.beam.combinations.size()) {
        TraceSink sink(areas, setup, scales.x);
        compute_envelopes(setup.beam, setup.options, &sink);
        sink.finish();
    }
    for (const EnvelopeArea& area : areas)
        write_span_extremes(area, setup, scales.x);
    if (setup.progress)
        setup.progress(100);
}

}  // namespace spanlyx
