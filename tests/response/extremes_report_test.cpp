// The extremes section: exact texts, the "na" rules and the display factor of deflections.
#include <gtest/gtest.h>

#include <string>

#include "response/extremes_report.h"
#include "response_test_support.h"

namespace spanlyx::test {
namespace {

const std::string kBanner1 =
    "\r\n\r\n    ****************************\r\n    SPAN  1 \r\n"
    "    ****************************\r\n\r\n\r\n";
const std::string kNaLocation = "             @  Location           = na\r\n";

TEST(ExtremesReport, QuantitiesNeverSetInALaterSpanPrintNa) {
    // Two equal spans, only span 1 loaded: span 2 has M from -wL^2/16 up to 0, a constant
    // positive shear wL/16 (first met just right of the joint) and an upward deflection.
    Beam beam = make_beam({5, 5}, {kPinned, kPinned, kPinned});
    add_uniform(beam, 1, 10000);
    const std::string text = sweep(beam).response.extremes_text;
    const std::string span2 =
        "    SPAN  2 \r\n    ****************************\r\n\r\n\r\n"
        "\r\n    Maximum '+' Shear      (N)     = 3125.0\r\n"
        "             @  Location   (m)     = 0.00\r\n"
        "\r\n    Maximum '-' Shear              = na\r\n" +
        kNaLocation + "\r\n    Maximum '+' Moment             = na\r\n" + kNaLocation +
        "\r\n    Minimum '-' Moment     (N-m)   = -15625.0\r\n"
        "             @  Location   (m)     = 0.00\r\n"
        "\r\n    Maximum '+' Deflection (m)     = 0.001\r\n";
    EXPECT_NE(text.find(span2), std::string::npos) << text;
    const std::string tail = "    Maximum '-' Deflection         = na\r\n" + kNaLocation;
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ExtremesReport, LabelsLocationsAndDeflectionFactorByUnitSystem) {
    SpanExtremes row;
    row.shear_max = {1.25, 3.5};
    row.moment_min = {-2.5, 4.25};
    row.deflection_max = {0.00004, 3.5};  // 0 at four decimals: na
    row.deflection_min = {-0.0123, 4.5};
    const NumberPatterns patterns;
    const std::vector<double> start = {3.0};

    // System M3 shows deflections in centimetres (x100) with locations in metres.
    const std::string m3 = extremes_report({row}, start, UnitSystem::M3, patterns);
    EXPECT_NE(m3.find("\r\n    Maximum '+' Shear      (kg)     = 1.3\r\n"
                      "             @  Location   (m)     = 0.50\r\n"),
              std::string::npos);
    EXPECT_NE(m3.find("\r\n    Minimum '-' Moment     (kg-m)   = -2.5\r\n"
                      "             @  Location   (m)     = 1.25\r\n"),
              std::string::npos);
    EXPECT_NE(m3.find("             @  Location   (m)     = 1.25\r\n"
                      "    Maximum '+' Deflection         = na\r\n" +
                      kNaLocation +
                      "\r\n    Maximum '-' Deflection (cm)     = -1.230\r\n"
                      "             @  Location   (m)     = 1.50\r\n"),
              std::string::npos);

    const std::string e = extremes_report({row}, start, UnitSystem::E, patterns);
    EXPECT_NE(e.find("    Minimum '-' Moment     (ft-#)  = -2.5\r\n"
                     "             @  Location   (ft)    = 1.25\r\n"),
              std::string::npos);
    EXPECT_NE(e.find("    Maximum '-' Deflection (in)    = -0.012\r\n"), std::string::npos);
    const std::string m4 = extremes_report({row}, start, UnitSystem::M4, patterns);
    EXPECT_NE(m4.find("    Maximum '+' Shear      (N)     = 1.3\r\n"
                      "             @  Location   (mm)     = 0.50\r\n"),
              std::string::npos);
    EXPECT_NE(m4.find("    Maximum '-' Deflection (mm)     = -0.012\r\n"), std::string::npos);
}

TEST(ExtremesReport, EveryNaRule) {
    // Nothing ever set: span 1 prints 0 at 0.00 for shear and moment, a later span "na"; a
    // deflection of 0 is "na" in every span, without the empty line before it.
    const std::string text =
        extremes_report({SpanExtremes{}, SpanExtremes{}}, {0, 4}, UnitSystem::M, {});
    const std::string zero_location = "             @  Location   (m)     = 0.00\r\n";
    const std::string deflections_na = "    Maximum '+' Deflection         = na\r\n" + kNaLocation +
                                       "    Maximum '-' Deflection         = na\r\n" + kNaLocation;
    const std::string span1 = kBanner1 + "\r\n    Maximum '+' Shear      (N)     = 0.0\r\n" +
                              zero_location + "\r\n    Minimum '-' Shear      (N)     = 0.0\r\n" +
                              zero_location + "\r\n    Maximum '+' Moment     (N-m)   = 0.0\r\n" +
                              zero_location + "\r\n    Minimum '-' Moment     (N-m)   = 0.0\r\n" +
                              zero_location + deflections_na;
    const std::string span2 =
        "\r\n\r\n    ****************************\r\n    SPAN  2 \r\n"
        "    ****************************\r\n\r\n\r\n"
        "\r\n    Maximum '+' Shear              = na\r\n" +
        kNaLocation + "\r\n    Maximum '-' Shear              = na\r\n" + kNaLocation +
        "\r\n    Maximum '+' Moment             = na\r\n" + kNaLocation +
        "\r\n    Maximum '-' Moment             = na\r\n" + kNaLocation + deflections_na;
    EXPECT_EQ(text, span1 + span2);
}

TEST(ExtremesReport, BeamExtremesAndScaleMagnitudes) {
    SpanExtremes a, b;
    a.shear_max = {120.7, 1};
    a.shear_min = {-80, 2};
    b.shear_min = {-250.9, 7};
    a.moment_max = {999.99, 1};
    b.moment_min = {-10, 6};
    a.deflection_min = {-0.0042, 2};
    b.deflection_max = {0.0031, 8};
    const BeamExtremes beam = beam_extremes({a, b});
    EXPECT_EQ(beam.shear_min, -250.9);
    EXPECT_EQ(beam.shear_max, 120.7);
    EXPECT_EQ(beam.shear_magnitude, 250);  // whole-number part
    EXPECT_EQ(beam.moment_magnitude, 999);
    EXPECT_EQ(beam.deflection_magnitude, 0.0042);  // not truncated
}

}  // namespace
}  // namespace spanlyx::test
