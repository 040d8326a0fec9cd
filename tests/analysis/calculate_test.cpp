#include "analysis/calculate.h"

#include <gtest/gtest.h>

#include "beam_fixtures.h"

namespace spanlyx {
namespace {

using namespace test;

Message response(std::string text, MessageIcon icon = MessageIcon::Information) {
    return {std::move(text), "Continuous Beam Response", icon};
}
Message zero(const char* kind) {
    return response(std::string("There is a Span ") + kind + " = 0. Please Check");
}

TEST(Calculate, EndsEarlyWithoutLoadsOrOnARejectedLoad) {
    const CalculateOutcome none = calculate(make_beam({10}, {kPinned, kPinned}));
    EXPECT_EQ(none.status, CalculateStatus::NoLoads);
    EXPECT_TRUE(none.messages.empty());
    const CalculateOutcome out = calculate(make_beam({10}, {kPinned, kPinned}, {point(1, 0, 4)}));
    EXPECT_EQ(out.status, CalculateStatus::LoadRejected);
    EXPECT_EQ(out.messages.at(0).title, "Spanlyx");
    EXPECT_EQ(out.focus, FocusField::points);
    EXPECT_FALSE(out.model.has_value());
}

TEST(Calculate, SectionChecksReportEveryFailureAndFocusTheLastKind) {
    // I from b and d: width, depth, E per span; I is not looked at.
    Beam beam =
        make_beam({10, 10}, {kPinned, kPinned, kPinned}, {uniform(1, 5)}, UnitSystem::M4, 1, 0);
    beam.inertia_entered = false;
    beam.spans[0].depth = 20;
    beam.spans[0].modulus = HeldNumber::computed(0);
    beam.spans[1].width = 10;
    beam.spans[1].depth = -1;
    CalculateOutcome out = calculate(beam);
    EXPECT_EQ(out.status, CalculateStatus::SectionRejected);
    EXPECT_EQ(out.messages, (std::vector{zero("Width"), zero("E"), zero("Depth")}));
    EXPECT_EQ(out.focus, FocusField::spanwidthtext);
    beam.spans[0].width = 10;
    EXPECT_EQ(calculate(beam).focus, FocusField::spandepthtext);
    beam.spans[1].depth = 20;
    EXPECT_EQ(calculate(beam).focus, FocusField::spanetext);
    // I typed: I then E per span; width is not looked at.
    beam.inertia_entered = true;
    beam.spans[0].width = 0;
    beam.spans[1].inertia = 5;
    out = calculate(beam);
    EXPECT_EQ(out.messages, (std::vector{zero("I"), zero("E")}));
    EXPECT_EQ(out.focus, FocusField::moi);
}

TEST(Calculate, UnstableBeamsGetTheShortOrTheReleaseMessage) {
    const CalculateOutcome plain = calculate(make_beam({10}, {kPinned, kFree}, {uniform(1, 5)}));
    EXPECT_EQ(plain.status, CalculateStatus::Unstable);
    EXPECT_EQ(plain.messages, (std::vector{response("Stiffness Matrix not Positive Definite!!.",
                                                    MessageIcon::Critical)}));
    const CalculateOutcome hinged = calculate(released(
        make_beam({10, 10}, {kPinned, kFree, kPinned}, {uniform(1, 5)}), 1, Release::Right));
    EXPECT_EQ(hinged.status, CalculateStatus::Unstable);
    EXPECT_TRUE(hinged.any_release);
    EXPECT_EQ(hinged.messages,
              (std::vector{response("Stiffness Matrix not Positive Definite!!  - Beam "
                                    "supports are unstable. Please check your span releases.",
                                    MessageIcon::Critical)}));
    const CalculateOutcome good = calculate(make_beam({10}, {kFixed, kFree}, {point(1, 8, 10)}));
    EXPECT_EQ(good.status, CalculateStatus::Analysed);
    EXPECT_TRUE(good.messages.empty());
    EXPECT_CLOSE(good.results->reaction_moment[0], 80);
}

// Values that parse but describe no beam end Calculate before anything is generated, with one
// message; the specified zero-section messages keep their place.
TEST(Calculate, RefusesNonsenseBeforeTheAnalysis) {
    const auto refused = [](const Beam& beam, const std::string& text, FocusField focus) {
        const CalculateOutcome out = calculate(beam);
        EXPECT_EQ(out.status, CalculateStatus::BeamRejected);
        EXPECT_EQ(out.messages, (std::vector{response(text)}));
        EXPECT_EQ(out.focus, focus);
        EXPECT_FALSE(out.model.has_value());
        EXPECT_FALSE(out.results.has_value());
    };
    const std::string not_positive =
        "Span 2 Length is not valid as it is not greater than 0. "
        "Please Check";
    for (double length : {0.0, -10.0}) {
        Beam beam = make_beam({10, 10}, {kPinned, kPinned, kPinned}, {point(2, 1000, 5)});
        beam.spans[1].length = HeldNumber::computed(length);
        refused(beam, not_positive, FocusField::spanlengthtext);
    }
    Beam beam = make_beam({10, 10}, {kPinned, kPinned, kPinned}, {point(1, 1000, 5)});
    beam.spans[1].length = HeldNumber::computed(INFINITY);
    refused(beam, "Span 2 Length is not valid as it is not a finite number. Please Check",
            FocusField::spanlengthtext);

    // A NaN end of a distributed load is not mistaken for an X2 below X1.
    beam = make_beam({10}, {kPinned, kPinned}, {uniform(1, 5, 0, NAN)});
    refused(beam,
            "Uniform Load # 1 on span 1 is not valid as X2 is not a finite number. Please Check",
            FocusField::uniforms);

    // E = 1e-320 is refused; an ordinary E on the same beam gives the P/2 reactions.
    beam = make_beam({10}, {kPinned, kPinned}, {point(1, 1000, 5)});
    beam.spans[0].modulus = HeldNumber::computed(1e-320);
    refused(beam, "Span 1 E is not valid as it is too small to calculate with. Please Check",
            FocusField::spanetext);
    beam.spans[0].modulus = HeldNumber::computed(200000);
    const CalculateOutcome good = calculate(beam);
    ASSERT_EQ(good.status, CalculateStatus::Analysed);
    EXPECT_CLOSE(good.results->reaction_shear[0], 500);
    EXPECT_CLOSE(good.results->reaction_shear[1], 500);
    // E = 0 keeps its own message.
    beam.spans[0].modulus = HeldNumber::computed(0);
    EXPECT_EQ(calculate(beam).messages, (std::vector{zero("E")}));
}

TEST(Calculate, RefusesABeamSampledAtMoreThanTwentyMillionPoints) {
    // 199999.99 m: 1 + 19,999,999 points, at the limit; 200000 m: one point more.
    Beam beam = make_beam({199999.99}, {kPinned, kPinned}, {point(1, 1000, 100000)}, UnitSystem::M,
                          200e9, 1e-3);
    EXPECT_EQ(calculate(beam).status, CalculateStatus::Analysed);
    beam.spans[0].length = HeldNumber::computed(200000);
    const CalculateOutcome out = calculate(beam);
    EXPECT_EQ(out.status, CalculateStatus::BeamRejected);
    EXPECT_EQ(out.messages.at(0).text,
              "This beam would be sampled at 20000001 points, one every 0.01 length unit, more "
              "than the limit of 20000000 points (1.6 GB of sample file). Please shorten the "
              "spans, or enter a long beam in a unit system in metres (M, M2 or M3).");
    EXPECT_EQ(out.focus, FocusField::spanlengthtext);
}

}  // namespace
}  // namespace spanlyx
