// The results part of the calculation report: joint displacements and rotations, reactions,
// member end forces, the extremes of every span, the live-load envelopes, and the statement of
// method and sign conventions.

#include <cassert>
#include <string>

#include "model/number_text.h"
#include "report/calculation_report.h"
#include "report/envelope_section.h"
#include "report/report_units.h"
#include "response/extremes_report.h"
#include "response/response_labels.h"

namespace spanlyx {
namespace {

constexpr int kRotationDecimals = 6;
constexpr int kLocationDecimals = 2;  // sampled points lie on whole hundredths
constexpr double kInchesPerFoot = 12;
constexpr std::string_view kNotSet = "na";

// Joint displacements of the analysis are in feet in system E; the report shows them in the
// deflection unit of the diagrams.
double displacement_factor(UnitSystem units) {
    return (lengths_in_feet(units) ? kInchesPerFoot : 1.0) * deflection_display_factor(units);
}

void add_joint_displacements(CalculationReport& report, const ReportSource& source) {
    const UnitSystem units = source.beam.units;
    const ReportUnitWords words = report_unit_words(units);
    const NumberPatterns patterns = source.settings.patterns();
    ReportTable table;
    table.columns = {"Joint", with_unit("Y displacement", words.deflection),
                     with_unit("Z rotation", "rad")};
    table.numeric = {true, true, true};
    const AnalysisResults& r = source.results;
    for (std::size_t j = 0; j < r.joint_disp_y.size(); ++j) {
        table.rows.push_back(
            {std::to_string(j + 1),
             format_pattern(r.joint_disp_y[j] * displacement_factor(units), patterns.deflection),
             format_fixed(r.joint_rotation[j], kRotationDecimals)});
    }
    add_heading(report, "Joint displacements and rotations");
    add_table(report, std::move(table));
}

void add_reactions(CalculationReport& report, const ReportSource& source) {
    const ReportUnitWords words = report_unit_words(source.beam.units);
    const NumberPatterns patterns = source.settings.patterns();
    ReportTable table;
    table.columns = {"Joint", with_unit("Shear reaction", words.force),
                     with_unit("Moment reaction", words.moment)};
    table.numeric = {true, true, true};
    const AnalysisResults& r = source.results;
    for (const SupportRecord& record : source.model.supports) {
        const auto j = static_cast<std::size_t>(record.joint - 1);
        assert(j < r.reaction_shear.size());
        table.rows.push_back({std::to_string(record.joint),
                              format_pattern(r.reaction_shear[j], patterns.shear),
                              format_pattern(r.reaction_moment[j], patterns.moment)});
    }
    add_heading(report, "Support reactions");
    add_paragraph(report,
                  "Reactions upward and counterclockwise positive; a direction that is free "
                  "shows 0.");
    add_table(report, std::move(table));
}

void add_member_end_forces(CalculationReport& report, const ReportSource& source) {
    const ReportUnitWords words = report_unit_words(source.beam.units);
    const NumberPatterns patterns = source.settings.patterns();
    ReportTable table;
    table.columns = {"Span", "Joint", with_unit("Shear", words.force),
                     with_unit("Moment", words.moment)};
    table.numeric = {true, true, true, true};
    const AnalysisResults& r = source.results;
    for (std::size_t m = 0; m < source.model.members.size(); ++m) {
        const MemberRecord& member = source.model.members[m];
        const auto& q = r.member_force_local[m];
        const std::string span = std::to_string(m + 1);
        table.rows.push_back({span, std::to_string(member.start_joint),
                              format_pattern(q[1], patterns.shear),
                              format_pattern(q[2], patterns.moment)});
        table.rows.push_back({span, std::to_string(member.end_joint),
                              format_pattern(q[4], patterns.shear),
                              format_pattern(q[5], patterns.moment)});
    }
    add_heading(report, "Member end forces");
    add_paragraph(report,
                  "In the member's own axes: end shears upward and end moments counterclockwise "
                  "positive at both ends.");
    add_table(report, std::move(table));
}

struct ExtremeCells {
    std::string value;
    std::string at;
};

ExtremeCells extreme_cells(const Extreme& e, bool shown, double factor, const std::string& pattern,
                           double span_start) {
    if (!shown)
        return {std::string(kNotSet), std::string(kNotSet)};
    return {format_pattern(e.value * factor, pattern),
            format_fixed(e.at - span_start, kLocationDecimals)};
}

void add_span_extremes(CalculationReport& report, const ReportSource& source) {
    const UnitSystem units = source.beam.units;
    const ReportUnitWords words = report_unit_words(units);
    const NumberPatterns patterns = source.settings.patterns();
    const double defl = deflection_display_factor(units);
    ReportTable table;
    table.columns = {"Span",        "Quantity",
                     "Maximum (+)", with_unit("at X", words.length),
                     "Minimum (-)", with_unit("at X", words.length)};
    table.numeric = {true, false, true, true, true, true};
    const ResponseOutcome& response = source.response;
    for (std::size_t i = 0; i < response.span_extremes.size(); ++i) {
        const SpanExtremes& row = response.span_extremes[i];
        const int number = static_cast<int>(i + 1);
        const double start = response.span_start[i];
        auto add = [&](const std::string& quantity, const Extreme& max, const Extreme& min,
                       bool deflection, double factor, const std::string& pattern) {
            auto shown = [&](const Extreme& e) {
                return deflection ? deflection_extreme_printed(e, number, start)
                                  : extreme_was_set(e, number, start);
            };
            const ExtremeCells hi = extreme_cells(max, shown(max), factor, pattern, start);
            const ExtremeCells lo = extreme_cells(min, shown(min), factor, pattern, start);
            table.rows.push_back(
                {std::to_string(number), quantity, hi.value, hi.at, lo.value, lo.at});
        };
        add(with_unit("Shear", words.force), row.shear_max, row.shear_min, false, 1,
            patterns.shear);
        add(with_unit("Moment", words.moment), row.moment_max, row.moment_min, false, 1,
            patterns.moment);
        add(with_unit("Deflection", words.deflection), row.deflection_max, row.deflection_min, true,
            defl, patterns.deflection);
    }
    add_heading(report, "Extremes of every span");
    add_paragraph(report,
                  "Largest and smallest values of each span with their locations from the left "
                  "end of the span; na: the quantity never takes that sign in the span.");
    add_table(report, std::move(table));
}

// "1, 3" or "none": the words of the results file's envelope section without its label.
std::string loaded_cell(const std::vector<int>& spans) {
    const std::string text = spans_loaded_text(spans);
    const std::string label = "Spans loaded: ";
    return text.rfind(label, 0) == 0 ? text.substr(label.size()) : text;
}

void add_combination(CalculationReport& report, const CombinationEnvelope& env,
                     const ReportSource& source) {
    const UnitSystem units = source.beam.units;
    const ReportUnitWords words = report_unit_words(units);
    const NumberPatterns patterns = source.settings.patterns();
    const double defl = deflection_display_factor(units);

    add_heading(report, "COMBINATION  " + env.combination.name);
    add_paragraph(report, "Dead Load Factor = " + general_number(env.combination.dead) +
                              ", Live Load Factor = " + general_number(env.combination.live));
    ReportTable spans;
    spans.columns = {"Span",
                     "Quantity",
                     "Maximum",
                     with_unit("at X", words.length),
                     "Spans loaded",
                     "Minimum",
                     with_unit("at X", words.length),
                     "Spans loaded"};
    spans.numeric = {true, false, true, true, false, true, true, false};
    for (std::size_t i = 0; i < env.spans.size(); ++i) {
        const SpanEnvelope& s = env.spans[i];
        auto add = [&](const std::string& quantity, const EnvelopeExtreme& max,
                       const EnvelopeExtreme& min, double factor, const std::string& pattern) {
            spans.rows.push_back(
                {std::to_string(i + 1), quantity, format_pattern(max.value * factor, pattern),
                 format_fixed(max.at, kLocationDecimals), loaded_cell(max.loaded_spans),
                 format_pattern(min.value * factor, pattern),
                 format_fixed(min.at, kLocationDecimals), loaded_cell(min.loaded_spans)});
        };
        add(with_unit("Shear", words.force), s.shear_max, s.shear_min, 1, patterns.shear);
        add(with_unit("Moment", words.moment), s.moment_max, s.moment_min, 1, patterns.moment);
        add(with_unit("Deflection", words.deflection), s.deflection_max, s.deflection_min, defl,
            patterns.deflection);
    }
    add_table(report, std::move(spans));

    ReportTable reactions;
    reactions.columns = {"Joint", "Reaction", "Maximum", "Spans loaded", "Minimum", "Spans loaded"};
    reactions.numeric = {true, false, true, false, true, false};
    for (std::size_t j = 0; j < env.reactions.size(); ++j) {
        const ReactionEnvelope& r = env.reactions[j];
        auto add = [&](const std::string& which, const EnvelopeExtreme& max,
                       const EnvelopeExtreme& min, const std::string& pattern) {
            reactions.rows.push_back(
                {std::to_string(j + 1), which, format_pattern(max.value, pattern),
                 loaded_cell(max.loaded_spans), format_pattern(min.value, pattern),
                 loaded_cell(min.loaded_spans)});
        };
        add(with_unit("Shear", words.force), r.shear_max, r.shear_min, patterns.shear);
        add(with_unit("Moment", words.moment), r.moment_max, r.moment_min, patterns.moment);
    }
    add_paragraph(report, "SUPPORT REACTIONS  " + env.combination.name);
    add_table(report, std::move(reactions));
}

}  // namespace

void add_result_sections(CalculationReport& report, const ReportSource& source) {
    add_joint_displacements(report, source);
    add_reactions(report, source);
    add_member_end_forces(report, source);
    add_span_extremes(report, source);
}

void add_envelope_sections(CalculationReport& report, const ReportSource& source) {
    if (source.envelopes.empty())
        return;
    add_heading(report, "LIVE LOAD ENVELOPES");
    add_paragraph(report,
                  "For each combination, the largest and smallest values over every arrangement "
                  "of the live loads by span, with the spans loaded to reach them; locations from "
                  "the left end of the span.");
    for (const CombinationEnvelope& env : source.envelopes)
        add_combination(report, env, source);
}

void add_method_section(CalculationReport& report, const ReportSource& source) {
    const ReportUnitWords words = report_unit_words(source.beam.units);
    add_heading(report, "Method and sign conventions");
    add_paragraph(report,
                  "The beam is analysed by the Direct Stiffness method: one member per span, with "
                  "the vertical translation and the rotation of every joint as unknowns; hinges "
                  "release the end moments of their spans, and a joint spring adds its stiffness "
                  "to the joint. Shear, moment and deflection are then sampled every 0.01 " +
                      words.length +
                      " along each span from the member end forces and the loads of the span; "
                      "the extremes and their locations are those of the sampled points.");
    add_paragraph(report,
                  "Sign conventions: loads W1, W2 and P positive downward; applied moments, "
                  "reaction moments and joint rotations counterclockwise positive; reactions, "
                  "joint displacements and deflections upward positive, so a beam sagging under "
                  "downward loads deflects negative; shear V is the resultant of the forces left "
                  "of the section acting upward; bending moment M is positive sagging (tension at "
                  "the bottom) and drawn above the axis.");
    add_paragraph(report, std::string(kResponsibilityLine));
}

}  // namespace spanlyx
