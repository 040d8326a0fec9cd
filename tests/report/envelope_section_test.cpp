// The envelope section of the results file: its lines, labels and number forms.
#include "report/envelope_section.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_test_support.h"

namespace spanlyx {
namespace {

CombinationEnvelope one_span_envelope() {
    CombinationEnvelope env;
    env.combination = {"1.2D + 1.6L", 1.2, 1.6};
    SpanEnvelope s;
    s.shear_max = {1250.5, 0, {1}};
    s.shear_min = {-980.25, 10, {1, 3, 5}};
    s.moment_max = {3125.04, 5, {1}};
    s.moment_min = {-12.5, 10, {}};
    s.deflection_max = {0.0123, 4.99, {2}};
    s.deflection_min = {-0.25, 5, {1}};
    env.spans = {s};
    ReactionEnvelope r;
    r.shear_max = {1250.5, 0, {1}};
    r.shear_min = {-20, 0, {2}};
    env.reactions = {r, r};
    return env;
}

TEST(EnvelopeSection, NothingWithoutCombinations) {
    EXPECT_EQ(envelope_section({}, UnitSystem::E, NumberPatterns{}), "");
}

TEST(EnvelopeSection, CombinationSpanExtremesAndReactionsInTheReportsLabels) {
    const auto lines =
        test::crlf_lines(envelope_section({one_span_envelope()}, UnitSystem::E, NumberPatterns{}));
    const std::vector<std::string> head = {
        "",
        "",
        "    ****************************",
        "    LIVE LOAD ENVELOPES",
        "    ****************************",
        "",
        "",
        "    ****************************",
        "    COMBINATION  1.2D + 1.6L",
        "    Dead Load Factor =  1.2 ",
        "    Live Load Factor =  1.6 ",
        "    ****************************",
        // The span banner of the extremes section.
        "",
        "",
        "    ****************************",
        "    SPAN  1 ",
        "    ****************************",
        "",
        "",
        // Values with the settings' patterns (one decimal for forces, three for deflection),
        // locations from the span's left end with two decimals.
        "",
        "    Maximum '+' Shear      (#)     = 1250.5",
        "             @  Location   (ft)    = 0.00",
        "    Spans loaded: 1",
        "",
        "    Minimum '-' Shear      (#)     = -980.3",
        "             @  Location   (ft)    = 10.00",
        "    Spans loaded: 1, 3, 5",
        "",
        "    Maximum '+' Moment     (ft-#)  = 3125.0",
        "             @  Location   (ft)    = 5.00",
        "    Spans loaded: 1",
        "",
        "    Minimum '-' Moment     (ft-#)  = -12.5",
        "             @  Location   (ft)    = 10.00",
        "    Spans loaded: none",
        "",
        "    Maximum '+' Deflection (in)    = 0.012",
        "             @  Location   (ft)    = 4.99",
        "    Spans loaded: 2",
        "",
        "    Maximum '-' Deflection (in)    = -0.250",
        "             @  Location   (ft)    = 5.00",
        "    Spans loaded: 1",
        "",
        "",
        "    ****************************",
        "    SUPPORT REACTIONS  1.2D + 1.6L",
        "    ****************************",
        "",
        "    Joint #  1 ",
        "    Maximum Shear  Reaction (#)    = 1250.5",
        "    Spans loaded: 1",
        "    Minimum Shear  Reaction (#)    = -20.0",
        "    Spans loaded: 2",
        "    Maximum Moment Reaction (FT-#) = 0.0",
        "    Spans loaded: none",
        "    Minimum Moment Reaction (FT-#) = 0.0",
        "    Spans loaded: none",
        "",
        "    Joint #  2 ",
    };
    ASSERT_GE(lines.size(), head.size());
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;
    EXPECT_EQ(lines.size(), head.size() + 8);
}

TEST(EnvelopeSection, DeflectionsInTheDisplayUnitOfTheSystem) {
    // System M3 shows deflections in cm: the sampled metres times 100.
    NumberPatterns patterns;
    patterns.deflection = "0.00";
    const std::string text = envelope_section({one_span_envelope()}, UnitSystem::M3, patterns);
    EXPECT_NE(text.find("    Maximum '-' Deflection (cm)     = -25.00\r\n"), std::string::npos);
    EXPECT_NE(text.find("    Maximum '+' Moment     (kg-m)   = 3125.0\r\n"), std::string::npos);
    EXPECT_NE(text.find("    Maximum Shear  Reaction (kg)    = 1250.5\r\n"), std::string::npos);
}

}  // namespace
}  // namespace spanlyx
