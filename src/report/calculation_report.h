#pragma once
// The calculation report: what an engineer hands to a checker, as a document of headings,
// paragraphs, tables and figures, every value already written through the number patterns of
// the settings. Laying it out on pages and drawing it is the graphics layer's work; this part
// only decides what the report says.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "model/beam.h"
#include "model/settings.h"
#include "response/envelope.h"
#include "response/span_response.h"

namespace spanlyx {

enum class Paper { A4, Letter };

// Letter for the imperial systems (E and E2), A4 for the metric ones.
Paper default_paper(UnitSystem units);
// "a4" or "letter", in any case; none for anything else.
std::optional<Paper> parse_paper(std::string_view text);

// The drawings a report shows, drawn from the beam and its results when the pages are drawn.
enum class ReportFigure {
    BeamSketch,        // the beam with its supports and loads
    ResponseDiagrams,  // the loading diagram with the reactions, shear, moment and deflection
};

struct ReportTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // as many cells as columns
    std::vector<bool> numeric;                   // per column: right-aligned
};

struct ReportBlock {
    enum class Kind { Heading, Paragraph, Table, Figure };
    Kind kind = Kind::Paragraph;
    std::string text;  // heading, paragraph or figure caption
    ReportTable table;
    ReportFigure figure = ReportFigure::BeamSketch;
};

// Shown at the top of every page.
struct ReportPageHeader {
    std::string program;    // "Spanlyx (8.8) - Calculation Report"
    std::string file_name;  // "File: /home/ann/beam.cb"
    std::string user_date;  // "User: ann    Date: December 6, 2026 7:00:00 PM UTC"
};

struct CalculationReport {
    ReportPageHeader header;
    std::vector<ReportBlock> blocks;
};

// The time of a report: the value of SOURCE_DATE_EPOCH as UTC when it is set to a number of
// seconds, otherwise the local time now.
struct ReportClock {
    std::tm when{};
    bool utc = false;
};
ReportClock report_clock();

// What a report is made from: the beam as analysed, its stable analysis and sweep, the
// envelopes of its combinations (empty without), the settings' decimals, and the header facts.
struct ReportSource {
    const Beam& beam;
    const StiffnessModel& model;
    const AnalysisResults& results;
    const ResponseOutcome& response;
    const std::vector<CombinationEnvelope>& envelopes;
    const Settings& settings;
    std::string input_file_path;
    std::string user;
    ReportClock clock;
};

CalculationReport build_calculation_report(const ReportSource& source);

// The exact texts the report is searched for.
inline constexpr std::string_view kReportTitle = "Calculation Report";
inline constexpr std::string_view kResponsibilityLine =
    "The engineer using Spanlyx remains responsible for checking every input and every result.";

// Parts of the report, built by the files that hold each group of sections.
void add_input_sections(CalculationReport& report, const ReportSource& source);
void add_result_sections(CalculationReport& report, const ReportSource& source);
void add_envelope_sections(CalculationReport& report, const ReportSource& source);
void add_method_section(CalculationReport& report, const ReportSource& source);

// Helpers shared by those files.
void add_heading(CalculationReport& report, std::string text);
void add_paragraph(CalculationReport& report, std::string text);
void add_table(CalculationReport& report, ReportTable table);

}  // namespace spanlyx
