#include "graphics/loading_diagram.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/beam_glyphs.h"
#include "graphics/diagram_scales.h"
#include "graphics/label_layout.h"
#include "model/number_text.h"

namespace spanlyx {
namespace {

constexpr double kBeamPenWidth = 3;
constexpr double kGlyphPenWidth = 2;
// The reactions hang below the lowest support glyph, the moment under the shear.
constexpr double kReactionGap = 0.1;
constexpr std::string_view kReactionPattern = "0.0";

// Loads show their values with two decimals; whole point loads as whole numbers.
constexpr glyphs::LoadValueForm kLoadValues{"0.00", true};

// Rows below the supports that a reaction may move down to, to the foot of the area.
constexpr int kReactionRows = 6;

// A reaction centred under its joint, its top at `top`, moved further down when it would
// cover another.
void add_reaction(LabelLayout& labels, const Canvas& canvas, double x, double top,
                  const std::string& text) {
    const LabelPlace first{x - canvas.text_extent(text).width / 2, top};
    labels.add(
        {text, labels.stacked(first, text, -1, kReactionRows), LabelRank::Support, std::nullopt});
}

double reaction_at(const std::vector<double>& reactions, std::size_t joint) {
    return joint < reactions.size() ? reactions[joint] : 0.0;
}

void write_reactions(LabelLayout& labels, const Canvas& canvas, const Joint& joint,
                     std::size_t index, double x, const AnalysisResults& results) {
    double top = glyphs::kSupportBottom - kReactionGap;
    // A spring's force on the beam is a reaction of its joint, written as a fixed one's is.
    if (joint.restraint_y != 0 || joint.spring_y) {
        const std::string text =
            "v= " + format_pattern(reaction_at(results.reaction_shear, index), kReactionPattern);
        add_reaction(labels, canvas, x, top, text);
        top -= canvas.text_extent(text).height;
    }
    if (joint.restraint_z != 0 || joint.spring_z) {
        add_reaction(
            labels, canvas, x, top,
            "m= " + format_pattern(reaction_at(results.reaction_moment, index), kReactionPattern));
    }
}

}  // namespace

void draw_loading_diagram(Canvas& canvas, const Beam& beam, const AnalysisResults& results) {
    const AreaScale area = kLoadingAreaScale;
    canvas.set_scale(area.left, area.top, area.width, area.height);
    const double total = beam.total_length();
    if (beam.spans.empty() || !(total > 0))
        return;
    const double x_scale = kDrawnBeamLength / total;
    canvas.set_font_size(kLoadingFontSize);

    std::vector<double> joint_x{0};
    for (const Span& span : beam.spans)
        joint_x.push_back(joint_x.back() + span.length.value * x_scale);

    canvas.set_pen(kBlack, kBeamPenWidth);
    for (std::size_t i = 0; i < beam.spans.size(); ++i)
        canvas.line(joint_x[i], 0, joint_x[i + 1], 0);

    // The reactions in black and the load values in red share one layout, so that no two of
    // them overlap.
    LabelLayout labels(canvas, area);
    labels.set_style(kBlack, kLoadingFontSize);
    canvas.set_pen(kBlack, kGlyphPenWidth);
    const std::size_t joints = std::min(beam.joints.size(), joint_x.size());
    for (std::size_t j = 0; j < joints; ++j) {
        glyphs::draw_support(canvas, beam.joints[j], joint_x[j],
                             glyphs::joint_place(j, beam.spans.size()));
        write_reactions(labels, canvas, beam.joints[j], j, joint_x[j], results);
    }
    for (std::size_t i = 0; i < beam.spans.size(); ++i)
        glyphs::draw_hinges(canvas, beam.spans[i].release, joint_x[i], joint_x[i + 1]);

    // Imposed support movements act on the beam as loads do: drawn in the load colour.
    canvas.set_pen(kRed, kGlyphPenWidth);
    const SupportUnitWords& movement_words = support_unit_words(beam.units);
    for (std::size_t j = 0; j < joints; ++j) {
        glyphs::draw_imposed_movements(canvas, beam.joints[j], joint_x[j],
                                       glyphs::joint_place(j, beam.spans.size()), movement_words);
    }

    // Loads and their texts in red.
    canvas.set_pen(kRed, kGlyphPenWidth);
    labels.set_style(kRed, kLoadingFontSize);
    const glyphs::LoadFrame frame{canvas, kLoadValues, loading_unit_words(beam.units), x_scale,
                                  &labels};
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        const Span& span = beam.spans[i];
        const glyphs::SpanPlace place{joint_x[i], span.length.value, i + 1 == beam.spans.size()};
        glyphs::draw_distributed_loads(frame, place, span.uniforms);
        glyphs::draw_point_loads(frame, place, span.points);
        glyphs::draw_moments(frame, place, span.moments);
    }
    labels.draw();
}

}  // namespace spanlyx
