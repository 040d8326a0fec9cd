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

}  // namespace
}  // namespace spanlyx
