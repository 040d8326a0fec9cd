#include "graphics/readout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "diagram_fixtures.h"
#include "graphics/plot_marks.h"

namespace spanlyx {
namespace {

constexpr double kTol = 1e-9;

// Spans of 5 and 6 (total 11). Every value names its point: shear 100 x span + span_x, moment
// -2 x span_x, deflection -0.001234 x span_x.
const std::vector<double> kLengths{5, 6};
test::Values named(int span, double x) {
    return {100.0 * span + x, -2 * x, -0.001234 * x};
}
const NumberPatterns kPatterns{"0.0", "0.00", "0.0", "0.0000", "0.0"};

MemorySampleSource samples() {
    return MemorySampleSource(test::sampled(kLengths, named));
}

// The span starts and the first point of every span, as the sweep keeps them.
ResponseOutcome response() {
    ResponseOutcome r = test::response_of({SpanExtremes{}, SpanExtremes{}}, kLengths);
    for (int span : {1, 2}) {
        const test::Values v = named(span, 0);
        SamplePoint first;
        first.beam_x = r.span_start[static_cast<std::size_t>(span - 1)];
        first.span = static_cast<std::int16_t>(span);
        first.shear = v.shear;
        first.moment = v.moment;
        first.deflection = v.deflection;
        r.span_first_points.push_back(first);
    }
    return r;
}

TEST(ReadOut, TypedSpanAndX) {
    EXPECT_FALSE(x_typed_to_hundredths("3.5"));
    EXPECT_FALSE(x_typed_to_hundredths("3"));
    EXPECT_FALSE(x_typed_to_hundredths("3.500"));
    EXPECT_TRUE(x_typed_to_hundredths("3.50"));
    EXPECT_TRUE(x_typed_to_hundredths(".50"));

    MemorySampleSource source = samples();
    const ResponseOutcome r = response();
    const auto found = look_up_typed(source, r, 2, 350, kPatterns, UnitSystem::M);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->span, 2);
    EXPECT_EQ(found->x_text, "3.50");
    EXPECT_EQ(found->real_x, "8.5");
    EXPECT_EQ(found->shear, "203.50");
    EXPECT_EQ(found->moment, "-7.0");
    EXPECT_EQ(found->deflection, "-0.0043");  // metres
    EXPECT_EQ(found->deflection_value, -0.001234 * 3.5);

    // The end of span 1 is the joint; X 6.00 of span 1 lies in span 2 and X 6.01 of span 2
    // beyond the beam: neither matches.
    const auto end = look_up_typed(source, r, 1, 500, kPatterns, UnitSystem::M);
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->shear, "105.00");
    EXPECT_FALSE(look_up_typed(source, r, 1, 600, kPatterns, UnitSystem::M).has_value());
    EXPECT_FALSE(look_up_typed(source, r, 2, 601, kPatterns, UnitSystem::M).has_value());
    EXPECT_FALSE(look_up_typed(source, r, 3, 100, kPatterns, UnitSystem::M).has_value());
    EXPECT_FALSE(look_up_typed(source, r, 0, 0, kPatterns, UnitSystem::M).has_value());

    // The very end of the beam is the last record.
    const auto last = look_up_typed(source, r, 2, 600, kPatterns, UnitSystem::M);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->real_x, "11");
    EXPECT_EQ(last->x_text, "6.00");
    EXPECT_EQ(last->shear, "206.00");
    EXPECT_EQ(last->moment, "-12.0");
}

TEST(ReadOut, XZeroOfALaterSpanReadsTheValuesJustRightOfTheJoint) {
    MemorySampleSource source = samples();
    const ResponseOutcome r = response();
    const auto right = look_up_typed(source, r, 2, 0, kPatterns, UnitSystem::M);
    ASSERT_TRUE(right.has_value());
    EXPECT_EQ(right->span_text, "2");
    EXPECT_EQ(right->x_text, "0.00");
    EXPECT_EQ(right->real_x, "5");
    EXPECT_EQ(right->shear, "200.00");
    const auto left = look_up_typed(source, r, 1, 500, kPatterns, UnitSystem::M);
    ASSERT_TRUE(left.has_value());
    EXPECT_EQ(left->shear, "105.00");
    const auto start = look_up_typed(source, r, 1, 0, kPatterns, UnitSystem::M);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->shear, "100.00");
    EXPECT_EQ(start->real_x, "0");
    // A pick over the joint still reads the end of the span on its left.
    const auto picked = look_up_picked(source, 500, kPatterns, UnitSystem::M);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->span, 1);
}

TEST(ReadOut, CentimetreSystemShowsDeflectionsInCentimetres) {
    // -0.001234 x 4.89 m = -0.60343 cm.
    MemorySampleSource source = samples();
    const auto found = look_up_typed(source, response(), 2, 489, kPatterns, UnitSystem::M3);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->deflection, "-0.6034");
    EXPECT_EQ(look_up_picked(source, 989, kPatterns, UnitSystem::M3)->deflection, "-0.6034");
    EXPECT_EQ(look_up_picked(source, 989, kPatterns, UnitSystem::M)->deflection, "-0.0060");
    EXPECT_EQ(look_up_picked(source, 989, kPatterns, UnitSystem::M4)->deflection, "-0.0060");
}

TEST(ReadOut, MousePicks) {
    // An area 800 pixels wide shows x -0.5 to 10.5; the beam of 11 is drawn at 10/11 per unit.
    const double total = 11;
    auto device_x_of = [](double drawn_x) { return (drawn_x + 0.5) / 11 * 800; };
    MemorySampleSource source = samples();

    // Left of the beam reads its left end.
    EXPECT_EQ(picked_position(10, 800, total), 0);
    const auto left =
        look_up_picked(source, picked_position(10, 800, total), kPatterns, UnitSystem::E);
    ASSERT_TRUE(left.has_value());
    EXPECT_EQ(left->span_text, "1");
    EXPECT_EQ(left->x_text, "0.00");
    EXPECT_EQ(left->shear, "100.00");

    // Over the support at beam_x 5: the end of the left span.
    const long long support = picked_position(device_x_of(5 * 10.0 / 11), 800, total);
    EXPECT_EQ(support, 500);
    const auto over = look_up_picked(source, support, kPatterns, UnitSystem::E);
    ASSERT_TRUE(over.has_value());
    EXPECT_EQ(over->span_text, "1");
    EXPECT_EQ(over->x_text, "5.00");
    EXPECT_EQ(over->real_x, "5");

    // Inside span 2 and right of the beam.
    const auto inside =
        look_up_picked(source, picked_position(device_x_of(7.25 * 10.0 / 11), 800, total),
                       kPatterns, UnitSystem::E);
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(inside->span_text, "2");
    EXPECT_EQ(inside->x_text, "2.25");
    EXPECT_EQ(picked_position(799, 800, total), 1100);
    EXPECT_EQ(look_up_picked(source, 1100, kPatterns, UnitSystem::E)->x_text, "6.00");
}

TEST(PlotMarks, PlaceClearAndRefuseTheNinetyFirst) {
    MemorySampleSource source = samples();
    const ResponseOutcome r = response();
    PlotMarks marks;
    ReadOut at_850 = *look_up_typed(source, r, 2, 350, kPatterns, UnitSystem::M3);
    ReadOut at_200 = *look_up_typed(source, r, 1, 200, kPatterns, UnitSystem::M3);
    ReadOut zero_shear = at_200;
    zero_shear.real_x = "3";
    zero_shear.shear = "0.00";  // a field that shows 0 writes no mark, whatever remains
    ASSERT_TRUE(marks.plot(at_850));
    ASSERT_TRUE(marks.plot(zero_shear));
    ASSERT_TRUE(marks.plot(at_200));
    marks.clear_last();
    marks.clear_last();  // takes back nothing more
    ASSERT_EQ(marks.entries().size(), 3u);
    const std::vector<PlotMark> placed = marks.placed();
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].beam_x, 8.5);
    EXPECT_EQ(placed[1].beam_x, 3);
    EXPECT_EQ(placed[1].shear, 0);
    // The values as sampled, not as the fields round them.
    EXPECT_EQ(placed[0].deflection, -0.001234 * 3.5);

    // Drawn as the span marks are, in M3 (deflection marks in centimetres).
    Beam beam = test::beam_of(kLengths, UnitSystem::M3);
    SpanExtremes span;
    span.shear_max = {206, 11};
    span.moment_min = {-12, 11};
    span.deflection_min = {-0.0074, 11};
    const ResponseOutcome response = test::response_of({span}, kLengths);
    const DiagramSetup setup{beam, response, kPatterns, false, false};
    RecordingCanvas shear, moment, deflection;
    draw_plot_marks({shear, moment, deflection}, marks, setup);

    const double cw = test::char_width(6);
    const double x = 8.5 * 10 / 11;
    ASSERT_EQ(shear.texts().size(), 1u);  // the zero shear of the second mark is not written
    const TextCall v = shear.texts()[0];
    EXPECT_EQ(v.text, "203.50");
    EXPECT_NEAR(v.x, x - 6 * cw / 2, kTol);
    EXPECT_NEAR(v.y, 203.5 * 3.3 / 206 + test::text_height(6, 10.5), kTol);

    ASSERT_EQ(moment.texts().size(), 2u);
    const TextCall m = moment.texts_equal("-7.0").at(0);
    EXPECT_NEAR(m.x, x - 4 * cw / 2, kTol);
    EXPECT_NEAR(m.y, -7 * 3.3 / 12 - test::text_height(6, 10) / 4.5, kTol);
    EXPECT_EQ(moment.texts_equal("-4.0").size(), 1u);  // the second mark at span 1, X 2.00

    // -0.004319 m, shown -0.4319 cm in the read-out, is marked -0.4319 cm, not from the
    // rounded metres.
    EXPECT_EQ(at_850.deflection, "-0.4319");
    EXPECT_EQ(deflection.texts_equal("-0.4319").size(), 1u);

    PlotMarks full;
    for (int i = 0; i < 90; ++i)
        ASSERT_TRUE(full.plot(at_850));
    EXPECT_FALSE(full.plot(at_850));
    EXPECT_EQ(full.entries().size(), 90u);
}

}  // namespace
}  // namespace spanlyx
