#include "graphics/report_pages.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <string_view>
#include <utility>

#include "graphics/beam_part.h"
#include "graphics/input_sketch.h"
#include "graphics/loading_diagram.h"
#include "graphics/printed_page.h"
#include "graphics/region_canvas.h"
#include "graphics/response_diagrams.h"

namespace spanlyx {
namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kHeaderFont = 8;
constexpr double kHeaderStep = 11;
constexpr double kHeadingFont = 12;
constexpr double kBodyFont = 9;
constexpr double kTableFont = 8.5;
constexpr double kLineFactor = 1.35;  // line step per point of font size
constexpr double kCellPadding = 10;   // between two columns of a table
constexpr double kBlockGap = 8;       // after a paragraph or a table, before a heading
constexpr double kSketchHeight = 150;
constexpr double kRulePen = 1;
constexpr double kAxisTitleWidth = 40;  // left of the diagrams' column: "V" and its unit
// A beam of more spans is drawn a run of spans at a time, each run on its own figure, so that
// the texts of short spans keep a legible size and spacing on a portrait page.
constexpr std::size_t kMostSpansPerFigure = 10;

// One thing placed on a page: a text (top-left corner, font size), a rule (from x to x + width
// at y) or a figure (its rectangle).
struct PageOp {
    enum class Kind { Text, Rule, Figure };
    Kind kind = Kind::Text;
    double x = 0, y = 0, width = 0, height = 0;
    double size = 0;
    std::string text;
    ReportFigure figure = ReportFigure::BeamSketch;
    // The spans a figure shows; none: the whole beam.
    std::optional<SpanGroup> group;
};
using Page = std::vector<PageOp>;

PageOp text_op(double x, double y, double size, std::string text) {
    PageOp op;
    op.x = x;
    op.y = y;
    op.size = size;
    op.text = std::move(text);
    return op;
}

PageOp rule_op(double x1, double y, double x2) {
    PageOp op;
    op.kind = PageOp::Kind::Rule;
    op.x = x1;
    op.y = y;
    op.width = x2 - x1;
    return op;
}

PageOp figure_op(ReportFigure figure, std::optional<SpanGroup> group, double x, double y,
                 double width, double height) {
    PageOp op;
    op.kind = PageOp::Kind::Figure;
    op.figure = figure;
    op.group = group;
    op.x = x;
    op.y = y;
    op.width = width;
    op.height = height;
    return op;
}

double header_bottom() {
    return kReportMargin + 3 * kHeaderStep + 4;
}

// Places the blocks top to bottom, starting a page when the next piece does not fit.
class Layout {
  public:
    // groups: the runs of spans the figures are drawn in; one run draws the whole beam.
    Layout(Canvas& measure, PaperSize sheet, std::vector<SpanGroup> groups)
        : measure_(measure),
          groups_(std::move(groups)),
          left_(kReportMargin),
          right_(sheet.width - kReportMargin),
          top_(header_bottom() + kBlockGap),
          bottom_(sheet.height - kReportMargin) {
        pages_.emplace_back();
        y_ = top_;
    }

    void heading(const std::string& text) {
        const double step = kHeadingFont * kLineFactor;
        if (y_ > top_)
            y_ += kBlockGap;
        // A heading stays with at least three lines of what follows it.
        ensure(step + 3 * kBodyFont * kLineFactor);
        add(text_op(left_, y_, kHeadingFont, text));
        y_ += step;
    }

    void paragraph(const std::string& text, double size = kBodyFont) {
        const double step = size * kLineFactor;
        for (const std::string& line : wrap(text, size)) {
            ensure(step);
            add(text_op(left_, y_, size, line));
            y_ += step;
        }
        y_ += kBlockGap / 2;
    }

    void table(const ReportTable& table) {
        const std::size_t n = table.columns.size();
        std::vector<double> widths(n, 0);
        for (std::size_t c = 0; c < n; ++c) {
            widths[c] = width(table.columns[c], kTableFont);
            for (const auto& row : table.rows)
                widths[c] = std::max(widths[c], width(row[c], kTableFont));
            widths[c] += kCellPadding;
        }
        double total = 0;
        for (double w : widths)
            total += w;
        // A table wider than the page is written smaller, never cut.
        const double shrink = std::min(1.0, (right_ - left_) / total);
        const double size = kTableFont * shrink;
        for (double& w : widths)
            w *= shrink;
        const double step = size * kLineFactor;
        ensure(3 * step);
        table_row(table, table.columns, widths, size);
        for (const auto& row : table.rows) {
            if (y_ + step > bottom_) {
                new_page();
                table_row(table, table.columns, widths, size);
            }
            table_row(table, row, widths, size, false);
        }
        y_ += kBlockGap;
    }

    void figure(const ReportBlock& block) {
        const double caption = kBodyFont * kLineFactor;
        if (groups_.size() <= 1) {
            whole_figure(block, caption);
            return;
        }
        if (block.figure == ReportFigure::ResponseDiagrams) {
            // Each run of spans on a page of its own, under the caption and the run's title.
            for (const SpanGroup& group : groups_) {
                if (y_ > top_)
                    new_page();
                paragraph(block.text);
                paragraph(group_title(group));
                add(figure_op(block.figure, group, left_, y_, right_ - left_, bottom_ - y_));
                new_page();
            }
            return;
        }
        if (y_ > top_)
            y_ += kBlockGap;
        ensure(2 * caption + kSketchHeight);
        paragraph(block.text);
        for (std::size_t g = 0; g < groups_.size(); ++g) {
            if (g > 0)
                ensure(caption + kSketchHeight);
            paragraph(group_title(groups_[g]));
            add(figure_op(block.figure, groups_[g], left_, y_, right_ - left_, kSketchHeight));
            y_ += kSketchHeight + kBlockGap;
        }
    }

    void whole_figure(const ReportBlock& block, double caption) {
        if (block.figure == ReportFigure::ResponseDiagrams) {
            // The four diagrams take a page of their own, so they share the largest scale.
            if (y_ > top_)
                new_page();
            paragraph(block.text);
            add(figure_op(block.figure, std::nullopt, left_, y_, right_ - left_, bottom_ - y_));
            new_page();
            return;
        }
        if (y_ > top_)
            y_ += kBlockGap;
        ensure(caption + kSketchHeight);
        paragraph(block.text);
        add(figure_op(block.figure, std::nullopt, left_, y_, right_ - left_, kSketchHeight));
        y_ += kSketchHeight + kBlockGap;
    }

    std::vector<Page> take() {
        // A figure page at the end leaves an empty page behind it.
        if (pages_.size() > 1 && pages_.back().empty())
            pages_.pop_back();
        return std::move(pages_);
    }

  private:
    double width(const std::string& text, double size) {
        measure_.set_font_size(size);
        return measure_.text_extent(text).width;
    }

    void add(PageOp op) { pages_.back().push_back(std::move(op)); }

    void new_page() {
        pages_.emplace_back();
        y_ = top_;
    }

    void ensure(double height) {
        if (y_ + height > bottom_ && y_ > top_)
            new_page();
    }

    // Words joined while the line fits the text width; a single word longer than that stands
    // on a line of its own.
    std::vector<std::string> wrap(const std::string& text, double size) {
        std::vector<std::string> lines;
        std::string line;
        std::size_t at = 0;
        while (at <= text.size()) {
            std::size_t end = text.find(' ', at);
            if (end == std::string::npos)
                end = text.size();
            const std::string word = text.substr(at, end - at);
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && width(longer, size) > right_ - left_) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
            at = end + 1;
        }
        if (!line.empty() || lines.empty())
            lines.push_back(line);
        return lines;
    }

    void table_row(const ReportTable& table, const std::vector<std::string>& cells,
                   const std::vector<double>& widths, double size, bool heading = true) {
        const double step = size * kLineFactor;
        double x = left_;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const bool right = c < table.numeric.size() && table.numeric[c];
            const double text_width = width(cells[c], size);
            const double padding = kCellPadding * size / kTableFont / 2;
            const double cell_right = x + widths[c] - padding;
            add(text_op(right ? cell_right - text_width : x + padding, y_, size, cells[c]));
            x += widths[c];
        }
        y_ += step;
        if (heading)
            add(rule_op(left_, y_, x));
    }

    Canvas& measure_;
    std::vector<SpanGroup> groups_;
    double left_, right_, top_, bottom_;
    double y_ = 0;
    std::vector<Page> pages_;
};

void draw_text_right(Canvas& page, double right, double y, const std::string& text) {
    page.text(right - page.text_extent(text).width, y, text);
}

void draw_header(Canvas& page, PaperSize sheet, const ReportPageHeader& header, int index,
                 int count) {
    page.set_pen(kBlack, kRulePen);
    page.set_font_size(kHeaderFont);
    const double left = kReportMargin;
    const double right = sheet.width - kReportMargin;
    page.text(left, kReportMargin, header.program);
    draw_text_right(page, right, kReportMargin, page_number_text(index + 1, count));
    page.text(left, kReportMargin + kHeaderStep, header.file_name);
    page.text(left, kReportMargin + 2 * kHeaderStep, header.user_date);
    page.line(left, header_bottom(), right, header_bottom());
}

void draw_response_figure(Canvas& page, double sheet_width, const PageOp& place,
                          const ReportDrawingInput& input, SampleSource& samples) {
    if (place.group) {
        // The run drawn as a beam of its own, on the whole beam's vertical scales.
        BeamPart part = beam_part(input.beam, input.results, input.response, *place.group, samples);
        MemorySampleSource part_samples(std::move(part.points));
        PageOp whole = place;
        whole.group.reset();
        draw_response_figure(page, sheet_width, whole,
                             {part.beam, part.results, part.response, input.settings},
                             part_samples);
        return;
    }
    // Heights in the proportions of the printed page: loading, shear, moment, deflection, with
    // a gap between two areas.
    constexpr double kWeights[] = {1.5, 2.15, 2.1, 2.1};
    constexpr double kGap = 0.25;
    double units = 3 * kGap;
    for (double w : kWeights)
        units += w;
    const double unit = place.height / units;
    const double column_left = place.x + kAxisTitleWidth;
    const double column_width = place.width - kAxisTitleWidth;
    double top = place.y;
    std::vector<AreaScale> areas;
    for (double w : kWeights) {
        areas.push_back({column_left, top, column_width, w * unit});
        top += (w + kGap) * unit;
    }

    RegionCanvas loading(page, sheet_width, areas[0]);
    draw_loading_diagram(loading, input.beam, input.results);

    RegionCanvas shear(page, sheet_width, areas[1]);
    RegionCanvas moment(page, sheet_width, areas[2]);
    RegionCanvas deflection(page, sheet_width, areas[3]);
    const NumberPatterns patterns = input.settings.patterns();
    const DiagramSetup setup{
        input.beam, input.response, patterns, input.settings.speed_up == 'y', true, true};
    draw_diagrams({shear, moment, deflection}, setup, samples);

    const DiagramUnitLabels& labels = diagram_unit_labels(input.beam.units);
    draw_axis_title(page, place.x, shear, "V", labels.shear);
    draw_axis_title(page, place.x, moment, "M", labels.moment);
    draw_axis_title(page, place.x, deflection, "D", labels.deflection);
}

void draw_figure(Canvas& page, double sheet_width, const PageOp& place,
                 const ReportDrawingInput& input, SampleSource& samples) {
    switch (place.figure) {
        case ReportFigure::BeamSketch: {
            RegionCanvas sketch(page, sheet_width, {place.x, place.y, place.width, place.height});
            if (place.group) {
                const Beam part = beam_part_of(input.beam, *place.group);
                draw_span(sketch, part, input.settings.patterns().load);
            } else {
                draw_span(sketch, input.beam, input.settings.patterns().load);
            }
            return;
        }
        case ReportFigure::ResponseDiagrams:
            draw_response_figure(page, sheet_width, place, input, samples);
            return;
    }
}

void draw_page(Canvas& page, const Page& ops, double sheet_width, const ReportDrawingInput& input,
               SampleSource& samples) {
    for (const PageOp& op : ops) {
        switch (op.kind) {
            case PageOp::Kind::Text:
                page.set_pen(kBlack, kRulePen);
                page.set_font_size(op.size);
                page.text(op.x, op.y, op.text);
                break;
            case PageOp::Kind::Rule:
                page.set_pen(kBlack, kRulePen);
                page.line(op.x, op.y, op.x + op.width, op.y);
                break;
            case PageOp::Kind::Figure:
                draw_figure(page, sheet_width, op, input, samples);
                break;
        }
    }
}

}  // namespace

PaperSize paper_size(Paper paper) {
    switch (paper) {
        case Paper::A4:
            return {210 * kPointsPerMm, 297 * kPointsPerMm};
        case Paper::Letter:
            return {8.5 * 72, 11 * 72};
    }
    assert(false && "unknown paper");
    return {};
}

std::string group_title(const SpanGroup& group) {
    return "Spans " + std::to_string(group.first + 1) + " to " +
           std::to_string(group.first + group.count);
}

std::string page_number_text(int page, int pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

int draw_calculation_report(ReportPageTarget& target, Paper paper, const CalculationReport& report,
                            const ReportDrawingInput& input, SampleSource& samples) {
    const PaperSize sheet = paper_size(paper);
    Canvas& first = target.page(0);
    first.set_scale(0, 0, sheet.width, sheet.height);

    Layout layout(first, sheet, span_groups(input.beam.spans.size(), kMostSpansPerFigure));
    for (const ReportBlock& block : report.blocks) {
        switch (block.kind) {
            case ReportBlock::Kind::Heading:
                layout.heading(block.text);
                break;
            case ReportBlock::Kind::Paragraph:
                layout.paragraph(block.text);
                break;
            case ReportBlock::Kind::Table:
                layout.table(block.table);
                break;
            case ReportBlock::Kind::Figure:
                layout.figure(block);
                break;
        }
    }
    const std::vector<Page> pages = layout.take();
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        Canvas& page = i == 0 ? first : target.page(i);
        page.set_scale(0, 0, sheet.width, sheet.height);
        draw_header(page, sheet, report.header, i, count);
        draw_page(page, pages[static_cast<std::size_t>(i)], sheet.width, input, samples);
    }
    return count;
}

}  // namespace spanlyx
