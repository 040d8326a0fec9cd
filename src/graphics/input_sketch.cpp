#include "graphics/input_sketch.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "graphics/beam_glyphs.h"
#include "graphics/label_layout.h"
#include "model/number_text.h"

namespace spanlyx {
namespace {

// The user scale of the sketch: the beam fills x = 0..10 on y = 0.
constexpr double kScaleLeft = -0.5;
constexpr double kScaleTop = 5;
constexpr double kScaleWidth = 11;
constexpr double kScaleHeight = -6;

// Top edge of the span-length labels: just below the support glyphs, which reach down to -0.4.
constexpr double kSpanLabelTop = -0.45;
// Rows below the first that a span length may move down to: as many as fit above the foot of
// the sketch, so that the lengths of short neighbouring spans stand on alternate rows.
constexpr int kSpanLabelRows = 1;

void add_span_label(LabelLayout& labels, const Canvas& canvas, double start, double drawn_length,
                    double length) {
    const std::string label = format_fixed(length, 2);
    const double width = canvas.text_extent(label).width;
    const LabelPlace first{start + drawn_length / 2 - width / 2, kSpanLabelTop};
    labels.add({label, labels.stacked(first, label, -1, kSpanLabelRows), LabelRank::Support,
                std::nullopt});
}

}  // namespace

void draw_span(Canvas& canvas, const Beam& beam, std::string_view load_pattern) {
    const double total = beam.total_length();
    if (beam.spans.empty() || !(total > 0))
        return;
    const double xscale = kDrawnBeamLength / total;

    canvas.clear();
    canvas.set_scale(kScaleLeft, kScaleTop, kScaleWidth, kScaleHeight);
    canvas.set_font_size(kSketchFontSize);

    // Drawn start of every span and, last, the right end of the beam.
    std::vector<double> joint_x{0};
    for (const Span& span : beam.spans) {
        joint_x.push_back(joint_x.back() + span.length.value * xscale);
    }

    canvas.set_pen(kBlack, kSketchBeamPenWidth);
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        canvas.line(joint_x[i], 0, joint_x[i + 1], 0);
    }

    // The span lengths in black and the load values in red share one layout, so that no two
    // texts of the sketch overlap; they are written after the glyphs.
    LabelLayout labels(canvas, {kScaleLeft, kScaleTop, kScaleWidth, kScaleHeight});
    const glyphs::LoadFrame frame{
        canvas, {load_pattern, false}, sketch_unit_words(beam.units), xscale, &labels};
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        const Span& span = beam.spans[i];
        labels.set_style(kBlack, kSketchFontSize);
        add_span_label(labels, canvas, joint_x[i], joint_x[i + 1] - joint_x[i], span.length.value);
        labels.set_style(kRed, kSketchFontSize);
        canvas.set_pen(kRed, kSketchPenWidth);
        const glyphs::SpanPlace place{joint_x[i], span.length.value, i + 1 == beam.spans.size()};
        glyphs::draw_point_loads(frame, place, span.points);
        glyphs::draw_distributed_loads(frame, place, span.uniforms);
        glyphs::draw_moments(frame, place, span.moments);
    }

    canvas.set_pen(kBlack, kSketchPenWidth);
    // While the beam is being entered its joints may not all exist yet.
    const std::size_t joints = std::min(beam.joints.size(), joint_x.size());
    for (std::size_t j = 0; j < joints; ++j) {
        glyphs::draw_support(canvas, beam.joints[j], joint_x[j],
                             glyphs::joint_place(j, beam.spans.size()));
    }
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        glyphs::draw_hinges(canvas, beam.spans[i].release, joint_x[i], joint_x[i + 1]);
    }
    // Imposed support movements act on the beam as loads do: drawn in the load colour.
    canvas.set_pen(kRed, kSketchPenWidth);
    const SupportUnitWords& movement_words = support_unit_words(beam.units);
    for (std::size_t j = 0; j < joints; ++j) {
        glyphs::draw_imposed_movements(canvas, beam.joints[j], joint_x[j],
                                       glyphs::joint_place(j, beam.spans.size()), movement_words);
    }

    labels.draw();
}

SketchRefresh sketch_refresh(const Beam& beam, double total_length) {
    if (!(total_length > 0))
        return SketchRefresh::Unchanged;
    return hundredths(beam.total_length()) == hundredths(total_length) ? SketchRefresh::Live
                                                                       : SketchRefresh::NotLive;
}

}  // namespace spanlyx
