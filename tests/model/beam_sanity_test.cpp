#include "model/beam_sanity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace spanlyx {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSmallestNormal = std::numeric_limits<double>::min();

// Spans in system M4 (mm, N/mm^2, mm^4) of a steel section, pinned at every joint, a point load
// of 1000 N at the middle of span 1.
Beam steel_beam(std::initializer_list<double> lengths) {
    Beam beam;
    beam.units = UnitSystem::M4;
    for (double length : lengths) {
        Span& span = beam.spans.emplace_back();
        span.length = HeldNumber::computed(length);
        span.inertia = 1e8;
        span.modulus = HeldNumber::computed(200000);
    }
    beam.spans[0].points.push_back({beam.spans[0].length.value / 2, HeldNumber::computed(1000)});
    beam.joints.assign(beam.spans.size() + 1, Joint{1, 0});
    return beam;
}

// The text of the first fault, checked for its title, icon and focus; "" when the beam is sound.
std::string fault_text(const Beam& beam, FocusField expected_focus = FocusField::None) {
    const std::optional<BeamFault> found = find_nonsense(beam);
    if (!found)
        return "";
    EXPECT_EQ(found->message.title, "Continuous Beam Response");
    EXPECT_EQ(found->message.icon, MessageIcon::Information);
    if (expected_focus != FocusField::None) {
        EXPECT_EQ(found->focus, expected_focus);
    }
    return found->message.text;
}

TEST(BeamSanity, ClassifiesDimensionsAroundZeroAndTheSmallestNormalNumber) {
    EXPECT_EQ(dimension_fault(kSmallestNormal), DimensionFault::None);
    EXPECT_EQ(dimension_fault(kSmallestNormal / 2), DimensionFault::Subnormal);
    EXPECT_EQ(dimension_fault(1e-320), DimensionFault::Subnormal);
    EXPECT_EQ(dimension_fault(0.0), DimensionFault::Zero);
    EXPECT_EQ(dimension_fault(-0.0), DimensionFault::Zero);
    EXPECT_EQ(dimension_fault(-1e-320), DimensionFault::Negative);
    EXPECT_EQ(dimension_fault(-kInf), DimensionFault::NotFinite);
    EXPECT_EQ(dimension_fault(kNaN), DimensionFault::NotFinite);
    EXPECT_EQ(dimension_fault(1e300), DimensionFault::None);
}

TEST(BeamSanity, SpanLengthsMustBePositiveFiniteAndHoldOneSamplingStep) {
    EXPECT_EQ(fault_text(steel_beam({10, 10})), "");
    const std::string second = "Span 2 Length is not valid as it is ";
    for (double bad : {0.0, -10.0, -kInf}) {
        SCOPED_TRACE(bad);
        Beam beam = steel_beam({10, 10});
        beam.spans[1].length = HeldNumber::computed(bad);
        const std::string expected =
            second + (std::isinf(bad) ? "not a finite number" : "not greater than 0");
        EXPECT_EQ(fault_text(beam, FocusField::spanlengthtext), expected + ". Please Check");
    }
    Beam beam = steel_beam({10, 10});
    beam.spans[1].length = HeldNumber::computed(kNaN);
    EXPECT_EQ(fault_text(beam), second + "not a finite number. Please Check");
    // 0.005 rounds to one hundredth, 0.0049 to none.
    beam.spans[1].length = HeldNumber::computed(0.005);
    EXPECT_EQ(fault_text(beam), "");
    beam.spans[1].length = HeldNumber::computed(0.0049);
    EXPECT_EQ(
        fault_text(beam),
        second + "shorter than .005, half the 0.01 step the beam is sampled at. Please Check");
    beam.spans[1].length = HeldNumber::computed(1e-300);
    EXPECT_NE(fault_text(beam), "");
}

TEST(BeamSanity, SamplingStopsAtTwentyMillionPoints) {
    // One record at the start of the beam and one per hundredth of every span.
    EXPECT_EQ(sample_point_count(steel_beam({20, 20})), 4001);
    EXPECT_EQ(sample_point_count(steel_beam({10.004, 0.005})), 1 + 1000 + 1);

    const std::string over =
        " points, one every 0.01 length unit, more than the limit of 20000000 points (1.6 GB of "
        "sample file). Please shorten the spans, or enter a long beam in a unit system in metres "
        "(M, M2 or M3).";
    // 1 + 10,000,000 + 9,999,999 points: at the limit.
    EXPECT_EQ(fault_text(steel_beam({100000, 99999.99})), "");
    EXPECT_EQ(fault_text(steel_beam({100000, 100000}), FocusField::spanlengthtext),
              "This beam would be sampled at 20000001" + over);
    EXPECT_EQ(fault_text(steel_beam({1e30})), "This beam would be sampled at 1E+32" + over);
}

TEST(BeamSanity, SectionValuesMustBeNormalNumbersAndZeroIsLeftToCalculate) {
    Beam beam = steel_beam({10});
    beam.spans[0].modulus = HeldNumber::computed(1e-320);
    EXPECT_EQ(fault_text(beam, FocusField::spanetext),
              "Span 1 E is not valid as it is too small to calculate with. Please Check");
    beam.spans[0].modulus = HeldNumber::computed(kInf);
    EXPECT_EQ(fault_text(beam), "Span 1 E is not valid as it is not a finite number. Please Check");
    beam.spans[0].modulus = HeldNumber::computed(200000);
    beam.spans[0].inertia = kNaN;
    EXPECT_EQ(fault_text(beam, FocusField::moi),
              "Span 1 I is not valid as it is not a finite number. Please Check");
    // Zero and negative values have their own messages in Calculate.
    beam.spans[0].inertia = 0;
    EXPECT_EQ(fault_text(beam), "");
    beam.spans[0].inertia = -1e8;
    EXPECT_EQ(fault_text(beam), "");

    // I from b and d: the width and depth are looked at, the stored I is not.
    beam.inertia_entered = false;
    beam.spans[0].width = 1e-320;
    beam.spans[0].depth = 300;
    EXPECT_EQ(fault_text(beam, FocusField::spanwidthtext),
              "Span 1 Width is not valid as it is too small to calculate with. Please Check");
    beam.spans[0].width = 100;
    beam.spans[0].depth = kInf;
    EXPECT_EQ(fault_text(beam, FocusField::spandepthtext),
              "Span 1 Depth is not valid as it is not a finite number. Please Check");
    beam.spans[0].depth = 300;
    EXPECT_EQ(fault_text(beam), "");
}

TEST(BeamSanity, StiffnessMustStayWithinTheRangeOfDoubles) {
    const std::string stiffness =
        "Span 1 E x I is not valid as the stiffness it gives the span lies outside the range of "
        "numbers the analysis can hold. Please Check";
    Beam beam = steel_beam({10});
    beam.spans[0].points[0].load = HeldNumber::computed(1e-200);  // keeps the load effects small
    // E = 1e-154 and I = 1e-154: E I = 1e-308 is below the smallest normal number (2.2e-308).
    beam.spans[0].modulus = HeldNumber::computed(1e-154);
    beam.spans[0].inertia = 1e-154;
    EXPECT_EQ(fault_text(beam, FocusField::spanetext), stiffness);
    // I = 1e-150: E I = 1e-304, 12 E I / L^3 = 1.2e-307, E / L = 1e-155, all normal.
    beam.spans[0].inertia = 1e-150;
    EXPECT_EQ(fault_text(beam), "");
    // 12 E I / L^3 on a span of 0.01: 1.2e307 for E I = 1e300 fits, 1.2e309 for 1e302 does not.
    beam = steel_beam({10, 0.01});
    beam.spans[1].modulus = HeldNumber::computed(1e150);
    beam.spans[1].inertia = 1e150;
    EXPECT_EQ(fault_text(beam), "");
    beam.spans[1].inertia = 1e152;
    EXPECT_EQ(fault_text(beam),
              "Span 2 E x I is not valid as the stiffness it gives the span lies "
              "outside the range of numbers the analysis can hold. Please Check");
}

TEST(BeamSanity, LoadEffectsMustStayFarBelowTheLargestDouble) {
    // One span of 10 with P at 5, E I = 1e-190: the moment bound is P x 10 and the deflection
    // bound P x 10 x 10^2 / E I = P x 1e193.
    Beam beam = steel_beam({10});
    beam.spans[0].modulus = HeldNumber::computed(1);
    beam.spans[0].inertia = 1e-190;
    beam.spans[0].points[0].load = HeldNumber::computed(1e6);  // 1e199
    EXPECT_EQ(fault_text(beam), "");
    beam.spans[0].points[0].load = HeldNumber::computed(1e8);  // 1e201
    EXPECT_EQ(fault_text(beam, FocusField::spanetext),
              "The loads are too large for the stiffness of span 1: its moments or deflections "
              "would exceed 1E+200. Please Check");
    // The moments alone: 1e300 x 10 on an ordinary steel section.
    beam = steel_beam({10});
    beam.spans[0].points[0].load = HeldNumber::computed(1e300);
    EXPECT_NE(fault_text(beam), "");
}

TEST(BeamSanity, LoadValuesAndPositionsMustBeFinite) {
    Beam beam = steel_beam({10, 10});
    Span& span = beam.spans[1];
    span.uniforms = {{0, 5, 10, 5}, {0, 5, 10, kInf}};
    EXPECT_EQ(fault_text(beam, FocusField::uniforms),
              "Uniform Load # 2 on span 2 is not valid as W2 is not a finite number. Please Check");
    span.uniforms[1].w2 = 5;
    span.points = {{kNaN, HeldNumber::computed(10)}};
    EXPECT_EQ(fault_text(beam, FocusField::points),
              "Point Load # 1 on span 2 is not valid as X dist is not a finite number. Please "
              "Check");
    span.points = {{5, HeldNumber::computed(-kInf)}};
    EXPECT_EQ(fault_text(beam),
              "Point Load # 1 on span 2 is not valid as the Load Value is not a "
              "finite number. Please Check");
    span.points.clear();
    span.moments = {{4, 1}, {kNaN, 1}};
    EXPECT_EQ(fault_text(beam, FocusField::moments),
              "Applied Moment # 2 on span 2 is not valid as X dist is not a finite number. Please "
              "Check");
    span.moments = {{4, kNaN}};
    EXPECT_EQ(fault_text(beam),
              "Applied Moment # 1 on span 2 is not valid as the Moment Value is "
              "not a finite number. Please Check");
    // A bad length is reported before the loads of an earlier span.
    beam.spans[1].length = HeldNumber::computed(0);
    beam.spans[0].points[0].x = kNaN;
    EXPECT_EQ(fault_text(beam),
              "Span 2 Length is not valid as it is not greater than 0. Please Check");
}

}  // namespace
}  // namespace spanlyx
