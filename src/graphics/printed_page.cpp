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
// The page's width spans the sheet's 8.5 inches.
constexpr double kSheetWidthInches = 8.5;
// A plain page keeps a narrow edge inside the printable width; pre-printed paper keeps its
// side margins of 1 inch.
constexpr double kPlainEdge = 0.25;
constexpr double kLetterheadSideInches = 1;
// Room left of the beam for the axis titles ("(kg-m)" at 9 points) and half of a value
// written at the beam's left end; the same room is left on the right, so that the beam stands
// in the middle of the page.
constexpr double kTitleRoom = 0.85;

// The diagrams share one column so that a vertical line meets the same point of the beam in
// all four; the axis titles stand left of it. Vertically everything lies within y 0.1 to
// 10.1, which keeps clear of the letterhead margins (1.5 in at the top, 0.75 in at the bottom)
// as well as of the edges of a plain page.
constexpr double kHeaderTop = 0.1;
constexpr double kHeaderLineStep = 0.2;  // seven lines end at 1.5
constexpr double kTitleTop = 1.55;
constexpr double kLoadingTop = 1.8, kLoadingHeight = 1.5;
constexpr double kShearTop = 3.45, kShearHeight = 2.15;
constexpr double kMomentTop = 5.75, kMomentHeight = 2.1;
constexpr double kDeflectionTop = 8.0, kDeflectionHeight = 2.1;

constexpr std::string_view kLoadingTitle = "LOADING DIAGRAM";
// The title is centred as if it had three trailing blanks.
constexpr std::string_view kLoadingTitleForWidth = "LOADING DIAGRAM   ";

PageLayout layout_between(double left, double right) {
    // The beam fills x 0 to 10 of each area's 11 units from -0.5.
    const double beam_left = left + kTitleRoom;
    const double beam_length = right - kTitleRoom - beam_left;
    const double column_left = beam_left - beam_length * 0.05;
    const double column_width = beam_length * 1.1;
    PageLayout layout;
    layout.header_left = left;
    layout.header_top = kHeaderTop;
    layout.header_line_step = kHeaderLineStep;
    layout.title_top = kTitleTop;
    layout.loading = {column_left, kLoadingTop, column_width, kLoadingHeight};
    layout.shear = {column_left, kShearTop, column_width, kShearHeight};
    layout.moment = {column_left, kMomentTop, column_width, kMomentHeight};
    layout.deflection = {column_left, kDeflectionTop, column_width, kDeflectionHeight};
    layout.axis_title_left = left;
    return layout;
}

void draw_header(Canvas& page, const PageLayout& layout, const PageInput& input) {
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kHeaderFontSize);
    const std::vector<std::string> lines = page_header_lines(
        input.input_file_path, input.when, input.beam.comments, input.settings.letterhead == 'y');
    double top = layout.header_top;
    for (const std::string& line : lines) {
        page.text(layout.header_left, top, line);
        top += layout.header_line_step;
    }
}

void draw_loading(Canvas& page, double page_width, const PageLayout& layout,
                  const PageInput& input) {
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kPageTitleFontSize);
    const double centre = layout.loading.left + layout.loading.width / 2;
    page.text(centre - page.text_extent(kLoadingTitleForWidth).width / 2, layout.title_top,
              kLoadingTitle);
    RegionCanvas loading(page, page_width, layout.loading);
    draw_loading_diagram(loading, input.beam, input.results);
}

// "ENVELOPE  1.2D + 1.6L" level with the loading title, ending at the column's right edge, so a
// printed envelope names its combination.
void draw_envelope_title(Canvas& page, const PageLayout& layout, const EnvelopeSetup& envelope) {
    if (envelope.combination >= envelope.beam.combinations.size())
        return;
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kPageTitleFontSize);
    const std::string title = "ENVELOPE  " + envelope.beam.combinations[envelope.combination].name;
    const double right = layout.loading.left + layout.loading.width;
    page.text(right - page.text_extent(title).width, layout.title_top, title);
}

}  // namespace

void draw_axis_title(Canvas& page, double left, const RegionCanvas& area, std::string_view letter,
                     std::string_view unit) {
    page.set_pen(kBlack, kAxisPenWidth);
    page.set_font_size(kAxisTitleFontSize);
    const std::string letter_text(letter);
    const double height = page.text_extent(letter_text).height;
    const double top = area.parent_y(0) - height;
    page.text(left, top, letter_text);
    page.text(left, top + height, "(" + std::string(unit) + ")");
}

AreaScale page_scale(bool letterhead) {
    return letterhead ? kLetterheadPage : kPlainPage;
}

PageLayout page_layout(bool letterhead) {
    const AreaScale page = page_scale(letterhead);
    const double inch = page.width / kSheetWidthInches;
    const double edge = letterhead ? kLetterheadSideInches * inch : kPlainEdge;
    return layout_between(page.left + edge, page.left + page.width - edge);
}

void draw_printed_page(Canvas& page, const PageInput& input, SampleSource& samples) {
    const bool letterhead = input.settings.letterhead == 'y';
    const AreaScale scale = page_scale(letterhead);
    page.set_scale(scale.left, scale.top, scale.width, scale.height);
    const PageLayout layout = page_layout(letterhead);

    draw_loading(page, scale.width, layout, input);

    RegionCanvas shear(page, scale.width, layout.shear);
    RegionCanvas moment(page, scale.width, layout.moment);
    RegionCanvas deflection(page, scale.width, layout.deflection);
    const NumberPatterns patterns = input.settings.patterns();
    const DiagramSetup setup{input.beam, input.response, patterns, input.settings.speed_up == 'y',
                             true};
    const DiagramCanvases canvases{shear, moment, deflection};
    if (input.envelope) {
        draw_envelope_title(page, layout, *input.envelope);
        draw_envelope_diagrams(canvases, *input.envelope);
    } else {
        const DiagramTexts texts = draw_diagrams(canvases, setup, samples);
        draw_plot_marks(canvases, input.marks, setup, texts);
    }

    const DiagramUnitLabels& units = diagram_unit_labels(input.beam.units);
    draw_axis_title(page, layout.axis_title_left, shear, "V", units.shear);
    draw_axis_title(page, layout.axis_title_left, moment, "M", units.moment);
    draw_axis_title(page, layout.axis_title_left, deflection, "D", units.deflection);

    draw_header(page, layout, input);
}

}  // namespace spanlyx
