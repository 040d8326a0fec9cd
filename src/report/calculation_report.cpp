#include "report/calculation_report.h"

#include <cstdlib>
#include <utility>

#include "model/message.h"
#include "model/number_text.h"
#include "report/report_pieces.h"
#include "report/report_sections.h"

namespace spanlyx {

Paper default_paper(UnitSystem units) {
    return is_imperial(units) ? Paper::Letter : Paper::A4;
}

std::optional<Paper> parse_paper(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (lower == "a4")
        return Paper::A4;
    if (lower == "letter")
        return Paper::Letter;
    return std::nullopt;
}

ReportClock report_clock() {
    ReportClock clock;
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        if (const auto seconds = parse_number(epoch); seconds && *seconds >= 0) {
            const auto t = static_cast<std::time_t>(*seconds);
            gmtime_r(&t, &clock.when);
            clock.utc = true;
            return clock;
        }
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &clock.when);
    return clock;
}

void add_heading(CalculationReport& report, std::string text) {
    ReportBlock block;
    block.kind = ReportBlock::Kind::Heading;
    block.text = std::move(text);
    report.blocks.push_back(std::move(block));
}

void add_paragraph(CalculationReport& report, std::string text) {
    ReportBlock block;
    block.kind = ReportBlock::Kind::Paragraph;
    block.text = std::move(text);
    report.blocks.push_back(std::move(block));
}

void add_table(CalculationReport& report, ReportTable table) {
    ReportBlock block;
    block.kind = ReportBlock::Kind::Table;
    block.table = std::move(table);
    report.blocks.push_back(std::move(block));
}

namespace {

ReportPageHeader page_header(const ReportSource& source) {
    ReportPageHeader header;
    header.program = std::string(kProgramTitle) + " " + std::string(kProgramVersion) + " - " +
                     std::string(kReportTitle);
    const std::string file = report_file_name(source.input_file_path);
    header.file_name = "File: " + (file.empty() ? std::string("(not saved)") : file);
    header.user_date = "User: " + (source.user.empty() ? std::string("-") : source.user) +
                       "    Date: " + report_date_text(source.clock.when) + " " +
                       report_time_text(source.clock.when) + (source.clock.utc ? " UTC" : "");
    return header;
}

void add_figure(CalculationReport& report, ReportFigure figure, std::string caption) {
    ReportBlock block;
    block.kind = ReportBlock::Kind::Figure;
    block.figure = figure;
    block.text = std::move(caption);
    report.blocks.push_back(std::move(block));
}

}  // namespace

CalculationReport build_calculation_report(const ReportSource& source) {
    CalculationReport report;
    report.header = page_header(source);
    add_input_sections(report, source);
    add_figure(report, ReportFigure::BeamSketch, "Beam, supports and loads");
    add_figure(report, ReportFigure::ResponseDiagrams,
               "Loading diagram with the reactions; shear V, moment M and deflection D on one "
               "horizontal scale");
    add_result_sections(report, source);
    add_envelope_sections(report, source);
    add_method_section(report, source);
    return report;
}

}  // namespace spanlyx
