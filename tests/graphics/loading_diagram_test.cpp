#include "graphics/loading_diagram.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "diagram_fixtures.h"
#include "graphics/results_labels.h"

namespace spanlyx {
namespace {

constexpr double kTol = 1e-9;
// Loading texts are font size 7 on a scale 11 wide and 8 high.
const double kCw = test::char_width(7);
const double kLine = test::text_height(7, 8);

// Spans of 4 and 6 (total 10, x scale 1): a clamp at the left end, a pin at the interior
// joint, a free right end; span 2 hinged at both ends. Span 1 carries a uniform load and an
// applied moment, span 2 two point loads.
Beam loaded_beam(UnitSystem units) {
    Beam beam = test::beam_of({4, 6}, units);
    beam.joints[0] = {1, 1};
    beam.joints[1] = {1, 0};
    beam.spans[1].release = Release::Both;
    beam.spans[0].uniforms.push_back({0, 2.5, 4, 2.5});
    beam.spans[0].moments.push_back({2, 3});
    beam.spans[1].points.push_back({3, HeldNumber::computed(5)});
    beam.spans[1].points.push_back({5, HeldNumber::computed(2.5)});
    return beam;
}

AnalysisResults reactions() {
    AnalysisResults results;
    results.reaction_shear = {12.34, 7.25, 0};
    results.reaction_moment = {-8.75, 0, 0};
    return results;
}

RecordingCanvas drawn(const Beam& beam) {
    RecordingCanvas canvas;
    draw_loading_diagram(canvas, beam, reactions());
    return canvas;
}

std::size_t texts_starting(const RecordingCanvas& canvas, std::string_view prefix) {
    std::size_t n = 0;
    for (const TextCall& t : canvas.texts())
        n += t.text.starts_with(prefix) ? 1 : 0;
    return n;
}

TEST(LoadingDiagram, ScaleBeamSupportsReactionsAndHinges) {
    const RecordingCanvas canvas = drawn(loaded_beam(UnitSystem::E));

    EXPECT_EQ(canvas.scales().size(), 1u);
    EXPECT_EQ(test::first_scale(canvas), (std::array{-0.5, 5.0, 11.0, -8.0}));
    EXPECT_EQ(canvas.clear_count(), 0u);

    EXPECT_TRUE(canvas.has_line(0, 0, 4, 0));
    EXPECT_TRUE(canvas.has_line(4, 0, 10, 0));
    // The glyphs of the input sketch: the clamp's wall and hatching at the left end, in black,
    // and the pin at x 4.
    EXPECT_EQ(canvas.lines_between(0, -0.4, 0, 0.4).at(0).colour, kBlack);
    EXPECT_TRUE(canvas.has_line(0, -0.4, -0.4, -0.1));
    EXPECT_TRUE(canvas.has_line(3.7, -0.4, 4.3, -0.4));
    // Nothing at the free end but the hinge of span 2 (release code 3: both its ends).
    EXPECT_EQ(canvas.circles_at(4, 0, 0.075).size(), 1u);
    EXPECT_EQ(canvas.circles_at(10, 0, 0.075).size(), 1u);
    EXPECT_TRUE(canvas.circles_at(0, 0, 0.075).empty());

    // Reactions with one decimal, centred under their joints: the fixed end shows both the
    // shear and the moment, the pin the shear only, the free end nothing.
    EXPECT_EQ(texts_starting(canvas, "v= "), 2u);
    EXPECT_EQ(texts_starting(canvas, "m= "), 1u);
    const TextCall v1 = test::only_text(canvas, "v= 12.3");
    const TextCall m1 = test::only_text(canvas, "m= -8.8");
    const TextCall v2 = test::only_text(canvas, "v= 7.3");
    EXPECT_NEAR(v1.x, 0 - 7 * kCw / 2, kTol);
    EXPECT_NEAR(m1.x, 0 - 7 * kCw / 2, kTol);
    EXPECT_NEAR(v2.x, 4 - 6 * kCw / 2, kTol);
    // Below every glyph (the lowest reaches -0.575), the moment under the shear.
    EXPECT_LT(v1.y, -0.575);
    EXPECT_NEAR(v2.y, v1.y, kTol);
    EXPECT_LE(m1.y, v1.y - kLine + kTol);
    EXPECT_GE(m1.y - kLine, -3.0);  // inside the area
    EXPECT_EQ(v1.colour, kBlack);
}

TEST(LoadingDiagram, LoadsWithTheirValuesAndUnits) {
    const RecordingCanvas canvas = drawn(loaded_beam(UnitSystem::E));

    // Distributed loads with two decimals, in red.
    const TextCall uniform = test::only_text(canvas, "2.50#/lf");
    EXPECT_EQ(uniform.colour, kRed);
    EXPECT_NEAR(uniform.x, 2 - 8 * kCw / 2, kTol);
    // Point loads: whole numbers as such, others with two decimals, then "  #".
    const TextCall whole = test::only_text(canvas, "5  #");
    EXPECT_NEAR(whole.x, 7 - 4 * kCw / 2, kTol);
    EXPECT_TRUE(canvas.has_line(7, 1.5, 7, 0));
    test::only_text(canvas, "2.50  #");
    // The applied moment: an arc round its position and the value with two decimals.
    test::only_text(canvas, "3.00 ft-#");
    ASSERT_FALSE(canvas.arcs().empty());
    EXPECT_NEAR(canvas.arcs()[0].cx, 2, kTol);
}

// The results window's loading diagram draws loads through the same glyphs as the sketch: a
// live load there is dashed and marked too.
TEST(LoadingDiagram, LiveLoadsDashedAndMarked) {
    Beam beam = loaded_beam(UnitSystem::E);
    beam.spans[1].points[0].load_case = LoadCase::Live;
    const RecordingCanvas canvas = drawn(beam);
    // The live point load of 5 at x = 4 + 3: stand-in "5  # L" of 6 characters.
    EXPECT_NEAR(test::only_text(canvas, "5  # L").x, 7 - 6 * kCw / 2, kTol);
    EXPECT_EQ(canvas.lines_between(7, 1.5, 7, 0).at(0).style, LineStyle::Dashed);
    EXPECT_EQ(canvas.lines(LineStyle::Dashed).size(), 1u);
    test::only_text(canvas, "2.50  #");
    test::only_text(canvas, "2.50#/lf");
}

TEST(LoadingDiagram, UnitWordsAndLabelsFollowTheUnitSystem) {
    for (const auto& [units, texts] :
         {std::pair{UnitSystem::E2, std::array{"2.50#/in", "3.00 in-#", "5  #"}},
          {UnitSystem::M3, std::array{"2.50kg/m", "3.00 kg-m", "5  kg"}}}) {
        const RecordingCanvas canvas = drawn(loaded_beam(units));
        for (const char* text : texts)
            test::only_text(canvas, text);
    }
    // Shear, moment and deflection words of the diagram axes.
    const auto words = [](UnitSystem units) {
        const auto labels = diagram_unit_labels(units);
        return std::array<std::string_view, 3>{labels.shear, labels.moment, labels.deflection};
    };
    EXPECT_EQ(words(UnitSystem::E), (std::array<std::string_view, 3>{"#", "ft-#", "in"}));
    EXPECT_EQ(words(UnitSystem::E2), (std::array<std::string_view, 3>{"#", "in-#", "in"}));
    EXPECT_EQ(words(UnitSystem::M2), (std::array<std::string_view, 3>{"N", "N-m", "m"}));
    EXPECT_EQ(words(UnitSystem::M3), (std::array<std::string_view, 3>{"kg", "kg-m", "cm"}));
    EXPECT_EQ(words(UnitSystem::M4), (std::array<std::string_view, 3>{"N", "N-mm", "mm"}));
}

TEST(LoadingDiagram, InertiaAndModulusOfAOneSpanBeamInEntryUnits) {
    Beam imperial = test::beam_of({12});
    imperial.spans[0].inertia = 100;
    imperial.spans[0].modulus = HeldNumber::computed(29000000);
    const auto e = single_span_texts(imperial);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->inertia, "I: 100.00");
    EXPECT_EQ(e->modulus, "E: 29000000");

    // M3 keeps I in m^4 and E in kg/m^2; they are shown in cm^4 and kg/cm^2.
    Beam metric = test::beam_of({6}, UnitSystem::M3);
    metric.spans[0].inertia = 0.00008;
    metric.spans[0].modulus = HeldNumber::computed(2.0e9);
    const auto m = single_span_texts(metric);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->inertia, "I: 8000.00");
    EXPECT_EQ(m->modulus, "E: 200000");

    EXPECT_FALSE(single_span_texts(test::beam_of({6, 6})).has_value());
}

}  // namespace
}  // namespace spanlyx
