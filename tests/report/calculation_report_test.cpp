// The calculation report's content: what it says about the two-span example and about beams
// with live loads, springs and combinations. Expected values come from beam theory by hand.

#include "report/calculation_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "analysis/calculate.h"
#include "report/report_units.h"
#include "response/envelope.h"
#include "response/span_response.h"

namespace spanlyx {
namespace {

struct NullSink final : SampleSink {
    void write(const SamplePoint&) override {}
};

// Two spans of 20 ft, I = 500 in^4, E = 29000000 psi, 1000 lb/ft on both, three pins: the
// reactions are 3wL/8 = 7500, 10wL/8 = 25000 and 7500 lb, the support moment -wL^2/8 =
// -50000 ft-lb and the span moment 9wL^2/128 = 28125 ft-lb at 3L/8 = 7.50 ft.
Beam two_spans() {
    Beam beam;
    beam.units = UnitSystem::E;
    beam.comments = {"Two equal spans", "", "checked by hand", ""};
    for (int i = 0; i < 2; ++i) {
        Span span;
        span.length = HeldNumber::computed(20);
        span.inertia = 500;
        span.modulus = HeldNumber::computed(29000000);
        span.uniforms.push_back({0, 1000, 20, 1000});
        beam.spans.push_back(span);
    }
    beam.joints = {Joint{1, 0}, Joint{1, 0}, Joint{1, 0}};
    return beam;
}

// The report of the analysed and swept beam, dated December 6, 2026 UTC.
CalculationReport build(const Beam& beam, const Settings& settings = {}) {
    const CalculateOutcome outcome = calculate(beam);
    EXPECT_EQ(outcome.status, CalculateStatus::Analysed);
    NullSink sink;
    const SessionOptions options;
    const ResponseOutcome response =
        sweep_response(beam, *outcome.model, *outcome.results, settings.patterns(), options, sink);
    const std::vector<CombinationEnvelope> envelopes = compute_envelopes(beam, options);
    ReportClock clock;
    clock.when.tm_year = 126;
    clock.when.tm_mon = 11;
    clock.when.tm_mday = 6;
    clock.utc = true;
    return build_calculation_report({beam, *outcome.model, *outcome.results, response, envelopes,
                                     settings, "/beams/two.cb", "ann", clock});
}

std::vector<std::string> headings(const CalculationReport& report) {
    std::vector<std::string> out;
    for (const ReportBlock& block : report.blocks) {
        if (block.kind == ReportBlock::Kind::Heading)
            out.push_back(block.text);
    }
    return out;
}

bool has_paragraph(const CalculationReport& report, std::string_view text) {
    return std::any_of(report.blocks.begin(), report.blocks.end(), [&](const ReportBlock& b) {
        return b.kind == ReportBlock::Kind::Paragraph && b.text.find(text) != std::string::npos;
    });
}

// The first table after the heading.
const ReportTable& table_after(const CalculationReport& report, std::string_view heading) {
    bool seen = false;
    for (const ReportBlock& block : report.blocks) {
        if (block.kind == ReportBlock::Kind::Heading && block.text == heading)
            seen = true;
        else if (seen && block.kind == ReportBlock::Kind::Table)
            return block.table;
    }
    static const ReportTable none;
    ADD_FAILURE() << "no table after " << heading;
    return none;
}

std::vector<std::string> column(const ReportTable& table, std::size_t c) {
    std::vector<std::string> out;
    for (const std::vector<std::string>& row : table.rows)
        out.push_back(row.at(c));
    return out;
}

TEST(CalculationReport, TwoSpanExampleSaysWhatAHandCheckSays) {
    const CalculationReport r = build(two_spans());

    EXPECT_EQ(r.header.program, "Spanlyx (8.8) - Calculation Report");
    EXPECT_EQ(r.header.file_name, "File: /beams/two.cb");
    EXPECT_EQ(r.header.user_date, "User: ann    Date: December 6, 2026 12:00:00 AM UTC");

    const std::vector<std::string> expected = {"Calculation Report",
                                               "Spans",
                                               "Supports",
                                               "Loads",
                                               "Joint displacements and rotations",
                                               "Support reactions",
                                               "Member end forces",
                                               "Extremes of every span",
                                               "Method and sign conventions"};
    EXPECT_EQ(headings(r), expected);
    // The non-empty comments are the title lines.
    const std::string_view paragraphs[] = {"Two equal spans", "checked by hand",
                                           "Unit system: E, Imperial (ft)", kResponsibilityLine,
                                           "Direct Stiffness"};
    for (std::string_view text : paragraphs)
        EXPECT_TRUE(has_paragraph(r, text)) << text;

    const ReportTable& spans = table_after(r, "Spans");
    ASSERT_EQ(spans.rows.size(), 2u);
    EXPECT_EQ(spans.columns[1], "Span Length (ft)");
    EXPECT_EQ(spans.rows[0],
              (std::vector<std::string>{"1", "20.00", "500", "29000000", "No Hinge"}));

    const ReportTable& supports = table_after(r, "Supports");
    ASSERT_EQ(supports.rows.size(), 3u);
    EXPECT_EQ(supports.rows[2], (std::vector<std::string>{"3", "40.00", "Fixed", "Free"}));

    const ReportTable& loads = table_after(r, "Loads");
    ASSERT_EQ(loads.rows.size(), 2u);
    EXPECT_EQ(loads.rows[1], (std::vector<std::string>{"2", "Uniform", "Dead", "0.00", "20.00",
                                                       "1000.0", "1000.0", "#/lf"}));

    // Reactions 3wL/8, 10wL/8, 3wL/8 with the shear pattern "0.0".
    const ReportTable& reactions = table_after(r, "Support reactions");
    EXPECT_EQ(reactions.columns[1], "Shear reaction (#)");
    EXPECT_EQ(column(reactions, 1), (std::vector<std::string>{"7500.0", "25000.0", "7500.0"}));

    // End moment at the middle support: wL^2/8, counterclockwise at span 1's right end.
    const ReportTable& ends = table_after(r, "Member end forces");
    ASSERT_EQ(ends.rows.size(), 4u);
    EXPECT_EQ(ends.rows[1][1], "2");
    EXPECT_EQ(ends.rows[1][3], "-50000.0");
    EXPECT_EQ(ends.rows[1][2], "12500.0");  // 5wL/8 up at the right end of span 1

    // Span 1: shear 3wL/8 at 0 and -5wL/8 at L; moment 9wL^2/128 at 7.50 and -wL^2/8 at 20.
    const ReportTable& extremes = table_after(r, "Extremes of every span");
    ASSERT_EQ(extremes.rows.size(), 6u);
    EXPECT_EQ(extremes.rows[0],
              (std::vector<std::string>{"1", "Shear (#)", "7500.0", "0.00", "-12500.0", "20.00"}));
    EXPECT_EQ(extremes.rows[1], (std::vector<std::string>{"1", "Moment (ft-#)", "28125.0", "7.50",
                                                          "-50000.0", "20.00"}));
    // Largest deflection of a propped span: wL^4/(185 EI) = 0.0445 in up to rounding, at
    // 0.4215 L = 8.43 ft; upward is positive, so it is the minimum.
    const double ei = 29000000.0 * 500 / 144;  // lb ft^2
    const double delta_in = 1000 * std::pow(20.0, 4) / (185.0 * ei) * 12;
    EXPECT_EQ(extremes.rows[2][1], "Deflection (in)");
    EXPECT_NEAR(std::atof(extremes.rows[2][4].c_str()), -delta_in, 0.002);
    EXPECT_NEAR(std::atof(extremes.rows[2][5].c_str()), 8.43, 0.011);
    // The beam never deflects upward: "na" as the results file writes it.
    EXPECT_EQ(extremes.rows[2][2], "na");

    // Rotation at joint 1: wL^3/48EI clockwise.
    const ReportTable& joints = table_after(r, "Joint displacements and rotations");
    EXPECT_NEAR(std::atof(joints.rows[0][2].c_str()), -1000 * 8000 / (48 * ei), 2e-6);
    EXPECT_EQ(joints.rows[1][2], "0.000000");

    // The decimals come from the settings.
    Settings settings;
    settings.shear_decimals = 3;
    settings.moment_decimals = 0;
    const CalculationReport fewer = build(two_spans(), settings);
    EXPECT_EQ(table_after(fewer, "Support reactions").rows[1][1], "25000.000");
    EXPECT_EQ(table_after(fewer, "Extremes of every span").rows[1][2], "28125");
}

TEST(CalculationReport, LiveLoadsCombinationsAndSpringsHaveTheirSections) {
    Beam beam = two_spans();
    beam.spans[1].uniforms[0].load_case = LoadCase::Live;
    beam.spans[0].points.push_back({5, HeldNumber::computed(200), LoadCase::Live});
    beam.combinations.push_back({"1.2D + 1.6L", 1.2, 1.6});
    const CalculationReport report = build(beam);
    const std::vector<std::string> h = headings(report);
    ASSERT_NE(std::find(h.begin(), h.end(), "LIVE LOAD ENVELOPES"), h.end());
    ASSERT_NE(std::find(h.begin(), h.end(), "COMBINATION  1.2D + 1.6L"), h.end());
    EXPECT_TRUE(has_paragraph(report, "Dead Load Factor = 1.2, Live Load Factor = 1.6"));

    const ReportTable& loads = table_after(report, "Loads");
    EXPECT_EQ(column(loads, 1), (std::vector<std::string>{"Uniform", "Point", "Uniform"}));
    EXPECT_EQ(column(loads, 2), (std::vector<std::string>{"Dead", "Live", "Live"}));

    // Envelope of span 1: the largest positive moment needs span 1's live load and not span
    // 2's (which lifts span 1); the largest support moment needs both.
    const ReportTable& env = table_after(report, "COMBINATION  1.2D + 1.6L");
    ASSERT_EQ(env.rows.size(), 6u);
    EXPECT_EQ(env.columns[4], "Spans loaded");
    EXPECT_EQ(env.rows[1][4], "1");
    EXPECT_EQ(env.rows[1][7], "1, 2");
    EXPECT_EQ(env.rows[1][6], "20.00");
    // No spring or imposed movement: no such section.
    EXPECT_EQ(std::find(h.begin(), h.end(), "Springs and imposed movements"), h.end());
}

TEST(CalculationReport, SpringsAndSettlementsShowTheirInputValues) {
    Beam beam = two_spans();
    beam.joints[2] = Joint{};
    beam.joints[2].spring_y = true;
    beam.joints[2].ky = 5000;
    beam.joints[0].settlement = 0.25;
    const CalculationReport report = build(beam);
    const ReportTable& springs = table_after(report, "Springs and imposed movements");
    EXPECT_EQ(springs.columns[1], "ky (#/in)");
    EXPECT_EQ(springs.columns[2], "kz (ft-#/rad)");
    ASSERT_EQ(springs.rows.size(), 2u);
    EXPECT_EQ(springs.rows[0], (std::vector<std::string>{"1", "-", "-", ".25", "-"}));
    EXPECT_EQ(springs.rows[1], (std::vector<std::string>{"3", "5000", "-", "-", "-"}));
    EXPECT_EQ(table_after(report, "Supports").rows[2][2], "Spring");
}

// Column units by system: lengths of the entry fields, the force and moment words of the
// diagrams, deflections in the diagrams' unit (cm in M3), springs and settlements in the
// displacement unit of the joint output (in, m, mm).
TEST(CalculationReport, UnitWordsOfEverySystem) {
    using Words = std::array<std::string, 6>;
    const std::pair<UnitSystem, Words> all[] = {
        {UnitSystem::E, {"ft", "#", "ft-#", "#/lf", "in", "in"}},
        {UnitSystem::E2, {"in", "#", "in-#", "#/in", "in", "in"}},
        {UnitSystem::M, {"m", "N", "N-m", "N/m", "m", "m"}},
        {UnitSystem::M2, {"m", "N", "N-m", "N/m", "m", "m"}},
        {UnitSystem::M3, {"m", "kg", "kg-m", "kg/m", "cm", "m"}},
        {UnitSystem::M4, {"mm", "N", "N-mm", "N/mm", "mm", "mm"}},
    };
    for (const auto& [units, expected] : all) {
        const ReportUnitWords w = report_unit_words(units);
        EXPECT_EQ((Words{w.length, w.force, w.moment, w.distributed, w.deflection, w.displacement}),
                  expected)
            << unit_tag(units);
    }
}

TEST(CalculationReport, PaperAndClock) {
    EXPECT_EQ(default_paper(UnitSystem::E), Paper::Letter);
    EXPECT_EQ(default_paper(UnitSystem::E2), Paper::Letter);
    for (UnitSystem metric : {UnitSystem::M, UnitSystem::M2, UnitSystem::M3, UnitSystem::M4})
        EXPECT_EQ(default_paper(metric), Paper::A4);
    EXPECT_EQ(parse_paper("A4"), Paper::A4);
    EXPECT_EQ(parse_paper("letter"), Paper::Letter);
    EXPECT_FALSE(parse_paper("legal"));

    ::setenv("SOURCE_DATE_EPOCH", "1765062000", 1);  // 2025-12-06 23:00:00 UTC
    const ReportClock clock = report_clock();
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_TRUE(clock.utc);
    EXPECT_EQ(clock.when.tm_year, 125);
    EXPECT_EQ(clock.when.tm_mday, 6);
    EXPECT_EQ(clock.when.tm_hour, 23);
}

}  // namespace
}  // namespace spanlyx
