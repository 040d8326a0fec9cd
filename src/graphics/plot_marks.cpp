#include "graphics/plot_marks.h"

#include <string_view>
#include <vector>

#include "graphics/label_layout.h"
#include "graphics/value_marks.h"
#include "model/number_text.h"

namespace spanlyx {

bool PlotMarks::plot(const ReadOut& shown) {
    if (slots_.size() >= kSlots)
        return false;
    // A value whose field shows 0 is not written, however small its remainder.
    const auto value = [](std::string_view text, double sampled) {
        return leading_value(text) == 0 ? 0.0 : sampled;
    };
    slots_.push_back({leading_value(shown.real_x), value(shown.shear, shown.shear_value),
                      value(shown.moment, shown.moment_value),
                      value(shown.deflection, shown.deflection_value), false});
    return true;
}

void PlotMarks::clear_last() {
    if (!slots_.empty())
        slots_.back().cleared = true;
}

std::vector<PlotMark> PlotMarks::placed() const {
    std::vector<PlotMark> shown;
    for (const PlotMark& mark : slots_) {
        if (!mark.cleared)
            shown.push_back(mark);
    }
    return shown;
}

void draw_plot_marks(const DiagramCanvases& canvases, const PlotMarks& marks,
                     const DiagramSetup& setup, const DiagramTexts& drawn) {
    const std::vector<PlotMark> placed = marks.placed();
    if (placed.empty())
        return;
    const DiagramScales scales =
        diagram_scales(setup.beam.total_length(), setup.response.beam_extremes);
    auto write = [&](Canvas& canvas, Quantity quantity, const std::vector<PlacedLabel>& texts,
                     double PlotMark::*field) {
        const double y_scale = scales.y(quantity);
        const AreaScale area = diagram_area_scale(quantity);
        canvas.set_scale(area.left, area.top, area.width, area.height);
        LabelLayout labels(canvas, area);
        labels.keep_clear(texts);
        labels.set_style(kBlack, kValueMarkFontSize);
        for (const PlotMark& mark : placed) {
            const double value = mark.*field;
            if (value == 0 || y_scale == 0)
                continue;
            labels.add(value_mark_request(
                labels, canvas, mark.beam_x * scales.x, value * y_scale,
                value > 0 ? MarkSide::Above : MarkSide::Below,
                diagram_value_text(quantity, value, setup.patterns, setup.beam.units),
                LabelRank::Kept));
        }
        labels.draw();
    };
    write(canvases.shear, Quantity::Shear, drawn.shear, &PlotMark::shear);
    write(canvases.moment, Quantity::Moment, drawn.moment, &PlotMark::moment);
    write(canvases.deflection, Quantity::Deflection, drawn.deflection, &PlotMark::deflection);
}

}  // namespace spanlyx
