#include "graphics/printed_page.h"

#include <string>
#include <string_view>
#include <vector>

#include "graphics/loading_diagram.h"
#include "graphics/page_header.h"
#include "graphics/region_canvas.h"
#include "graphics/response_diagrams.h"

namespace spanlyx {
namespace {

constexpr AreaScale kPlainPage{-1, 0, 9.5, 11};
constexpr AreaScale kLetterheadPage{-2, -1.7, 9.5, 13};

// The diagrams share one column so that a vertical line meets the same point of the beam in
// all four; the axis titles stand left of it. Everything lies within x -0.5 to 6.3 and y 0.1
// to 10.1, which keeps clear of the letterhead margins (1.5 in at the top, 0.75 in at the
// bottom, 1 in at the sides) as well as of the edges of a plain page.
constexpr double kColumnLeft = 0.1;
constexpr double kColumnWidth = 6.2;
constexpr PageLayout kLayout{
    -0.5,                                     // header left
    0.1,                                      // header top
    0.2,                                      // header line step: seven lines end at 1.5
    1.55,                                     // title top
    {kColumnLeft, 1.8, kColumnWidth, 1.5},    // loading
    {kColumnLeft, 3.45, kColumnWidth, 2.15},  // shear
    {kColumnLeft, 5.75, kColumnWidth, 2.1},   // moment
    {kColumnLeft, 8.0, kColumnWidth, 2.1},    // deflection
    -0.5,                                     // axis titles
};

constexpr std::string_view kLoadingTitle = "LOADING DIAGRAM";
// The title is centred as if it had three trailing blanks.
constexpr std::string_view kLoadingTitleForWidth = "LOADING DIAGRAM   ";

void draw_header(Canvas& page, const PageInput& input) {
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kHeaderFontSize);
    const std::vector<std::string> lines = page_header_lines(
        input.input_file_path, input.when, input.beam.comments, input.settings.letterhead == 'y');
    double top = kLayout.header_top;
    for (const std::string& line : lines) {
        page.text(kLayout.header_left, top, line);
        top += kLayout.header_line_step;
    }
}

void draw_loading(Canvas& page, double page_width, const PageInput& input) {
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kPageTitleFontSize);
    const double centre = kLayout.loading.left + kLayout.loading.width / 2;
    page.text(centre - page.text_extent(kLoadingTitleForWidth).width / 2, kLayout.title_top,
              kLoadingTitle);
    RegionCanvas loading(page, page_width, kLayout.loading);
    draw_loading_diagram(loading, input.beam, input.results);
}

// "V", "M" or "D" level with the axis, its unit in parentheses below.
void draw_axis_title(Canvas& page, const RegionCanvas& area, std::string_view letter,
                     std::string_view unit) {
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kAxisTitleFontSize);
    const std::string letter_text(letter);
    const double height = page.text_extent(letter_text).height;
    const double top = area.parent_y(0) - height;
    page.text(kLayout.axis_title_left, top, letter_text);
    page.text(kLayout.axis_title_left, top + height, "(" + std::string(unit) + ")");
}

// "ENVELOPE  1.2D + 1.6L" level with the loading title, ending at the column's right edge, so a
// printed envelope names its combination.
void draw_envelope_title(Canvas& page, const EnvelopeSetup& envelope) {
    if (envelope.combination >= envelope.beam.combinations.size())
        return;
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kPageTitleFontSize);
    const std::string title = "ENVELOPE  " + envelope.beam.combinations[envelope.combination].name;
    const double right = kLayout.loading.left + kLayout.loading.width;
    page.text(right - page.text_extent(title).width, kLayout.title_top, title);
}

}  // namespace

AreaScale page_scale(bool letterhead) {
    return letterhead ? kLetterheadPage : kPlainPage;
}

const PageLayout& page_layout() {
    return kLayout;
}

void draw_printed_page(Canvas& page, const PageInput& input, SampleSource& samples) {
    const AreaScale scale = page_scale(input.settings.letterhead == 'y');
    page.set_scale(scale.left, scale.top, scale.width, scale.height);

    draw_loading(page, scale.width, input);

    RegionCanvas shear(page, scale.width, kLayout.shear);
    RegionCanvas moment(page, scale.width, kLayout.moment);
    RegionCanvas deflection(page, scale.width, kLayout.deflection);
    const NumberPatterns patterns = input.settings.patterns();
    const DiagramSetup setup{input.beam, input.response, patterns, input.settings.speed_up == 'y',
                             true};
    const DiagramCanvases canvases{shear, moment, deflection};
    if (input.envelope) {
        draw_envelope_title(page, *input.envelope);
        draw_envelope_diagrams(canvases, *input.envelope);
    } else {
        draw_diagrams(canvases, setup, samples);
        draw_plot_marks(canvases, input.marks, setup);
    }

    const DiagramUnitLabels& units = diagram_unit_labels(input.beam.units);
    draw_axis_title(page, shear, "V", units.shear);
    draw_axis_title(page, moment, "M", units.moment);
    draw_axis_title(page, deflection, "D", units.deflection);

    draw_header(page, input);
}

}  // namespace spanlyx
