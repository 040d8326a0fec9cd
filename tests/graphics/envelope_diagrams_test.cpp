// The envelope diagrams and read-out against closed-form two-span results: two equal spans on
// three pins, dead load wd and live load wl on both, combination 1.2D + 1.6L. With span s
// loaded alone (wL^2/16 over the middle support) and with both (wL^2/8) the moments at the
// points checked below follow from statics.
#include "graphics/envelope_diagrams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "diagram_fixtures.h"
#include "graphics/printed_page.h"
#include "graphics/readout.h"
#include "response/response_test_support.h"

namespace spanlyx {
namespace {

constexpr double kL = 10;
constexpr double kDeadW = 4;
constexpr double kLiveW = 10;
constexpr double kDeadFactor = 1.2;
constexpr double kLiveFactor = 1.6;

// Moments of the span on the left at x from its left end.
double both_loaded(double w, double x) {  // R1 = 3wL/8
    return 3 * w * kL / 8 * x - w * x * x / 2;
}
double own_span_loaded(double w, double x) {  // R1 = 7wL/16
    return 7 * w * kL / 16 * x - w * x * x / 2;
}
double other_span_loaded(double w, double x) {  // R1 = -wL/16
    return -w * kL / 16 * x;
}

Beam two_span_beam(bool with_combination) {
    // A slender section, so that the deflections show in three decimals of a metre.
    Beam beam = test::make_beam({kL, kL}, {test::kPinned, test::kPinned, test::kPinned},
                                UnitSystem::M, test::kE, 1e-6);
    for (int span : {1, 2}) {
        test::add_uniform(beam, span, kDeadW);
        test::add_uniform(beam, span, kLiveW);
        test::span_of(beam, span).uniforms.back().load_case = LoadCase::Live;
    }
    if (with_combination)
        beam.combinations = {{"1.2D + 1.6L", kDeadFactor, kLiveFactor}};
    return beam;
}

const NumberPatterns kPatterns{"0.0", "0.0", "0.00", "0.000", "0.0"};

struct DrawnEnvelope {
    RecordingCanvas shear, moment, deflection;
};

// The highest and lowest drawn curve height within one pixel column either side of x: the
// maximum and the minimum curve there.
struct Heights {
    double high = -1e300, low = 1e300;
};
Heights curve_heights_near(const RecordingCanvas& canvas, double x) {
    Heights h;
    for (const LineCall& l : canvas.lines(kCurveMagenta, kCurvePenWidth)) {
        if (std::max(l.x1, l.x2) < x - test::kPixel || std::min(l.x1, l.x2) > x + test::kPixel)
            continue;
        for (double y : {l.y1, l.y2}) {
            h.high = std::max(h.high, y);
            h.low = std::min(h.low, y);
        }
    }
    return h;
}

// The text with every run of blanks made one blank.
std::string single_spaced(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' || out.empty() || out.back() != ' ')
            out += c;
    }
    return out;
}

TEST(EnvelopeDiagrams, CurvesAndValuesFollowTheGoverningArrangements) {
    const Beam beam = two_span_beam(true);
    const auto env = compute_envelopes(beam, {});
    ASSERT_EQ(env.size(), 1u);
    DrawnEnvelope drawn;
    const SessionOptions options;
    const EnvelopeSetup setup{beam, options, 0, env[0], kPatterns, false};
    draw_envelope_diagrams({drawn.shear, drawn.moment, drawn.deflection}, setup);
    const double x_scale = 10 / (2 * kL);

    // Over the middle support both spans loaded give the smallest moment.
    const double support_min =
        kDeadFactor * -kDeadW * kL * kL / 8 + kLiveFactor * -kLiveW * kL * kL / 8;  // -260
    // Mid-span 1: span 1 alone raises it, span 2 alone lowers it.
    const double mid = kL / 2;
    const double mid_max =
        kDeadFactor * both_loaded(kDeadW, mid) + kLiveFactor * own_span_loaded(kLiveW, mid);  // 180
    const double mid_min = kDeadFactor * both_loaded(kDeadW, mid) +
                           kLiveFactor * other_span_loaded(kLiveW, mid);  // -20

    const Heights at_support = curve_heights_near(drawn.moment, kL * x_scale);
    const Heights at_mid = curve_heights_near(drawn.moment, mid * x_scale);
    ASSERT_LT(at_support.low, 0);
    // Compared as shares of the support moment, so the check does not lean on the scale.
    EXPECT_NEAR(at_mid.high / at_support.low, mid_max / support_min, 0.005);
    EXPECT_NEAR(at_mid.low / at_support.low, mid_min / support_min, 0.005);
    // The support moment is the largest magnitude: it stands 3.3 from the axis, give or take
    // the whole-number rounding of the scale.
    EXPECT_NEAR(at_support.low, -kLargestDrawnValue, 0.02);
    EXPECT_TRUE(test::all_finite(drawn.moment));

    // Largest span moment: dM/dx = 0 of 1.2 M_D + 1.6 M_1 at x = 88 / 20.8, value 88^2 / 41.6.
    const double x_peak = 88.0 / 20.8;
    const std::vector<TextCall> peaks = drawn.moment.texts_equal("186.15");
    ASSERT_EQ(peaks.size(), 2u);  // one per span, mirror images
    std::vector<double> centres;
    for (const TextCall& t : peaks)
        centres.push_back(t.x + drawn.moment.text_extent(t.text).width / 2);
    std::sort(centres.begin(), centres.end());
    EXPECT_NEAR(centres[0], x_peak * x_scale, 0.006);
    EXPECT_NEAR(centres[1], (2 * kL - x_peak) * x_scale, 0.006);
    // The support moment closes span 1 and opens span 2: written once, over the support.
    EXPECT_EQ(drawn.moment.texts_equal("-260.00").size(), 1u);

    // Shear at the left end: 1.2 (3 wd L / 8) + 1.6 (7 wl L / 16) with span 1 alone; just left
    // of the middle support: 1.2 (-5 wd L / 8) + 1.6 (-5 wl L / 8) with both.
    EXPECT_EQ(drawn.shear.texts_equal("88.0").size(), 1u);
    EXPECT_EQ(drawn.shear.texts_equal("-130.0").size(), 1u);
    // Deflection extremes are written too: a largest downward one in each span.
    std::size_t negative = 0;
    for (const TextCall& t : drawn.deflection.texts())
        negative += t.text.front() == '-' ? 1 : 0;
    EXPECT_EQ(negative, 2u);
}

TEST(EnvelopeReadout, MaximumAndMinimumWithTheSpansLoadedForEach) {
    const Beam beam = two_span_beam(true);
    const SessionOptions options;
    const EnvelopeChoice choice{beam, options, 0};
    const auto mid = look_up_envelope_typed(choice, 1, 500, kPatterns, beam.units);
    ASSERT_TRUE(mid.has_value());
    EXPECT_EQ(mid->real_x, "5");
    ASSERT_EQ(mid->envelope.size(), 3u);
    EXPECT_EQ(single_spaced(mid->envelope[1]),
              "M max 180.00 Spans loaded: 1 min -20.00 Spans loaded: 2");
    // The shear: both live loads lower it, 1.2 (3wd L/8 - wd L/2) - 1.6 (wl L/16 + wl L/16).
    EXPECT_EQ(single_spaced(mid->envelope[0]),
              "V max -6.0 Spans loaded: none min -26.0 Spans loaded: 1, 2");
    // The lines read as a table: the spans loaded and "min" start in the same columns.
    for (const std::string& line : mid->envelope) {
        EXPECT_EQ(line.find("Spans loaded"), mid->envelope[0].find("Spans loaded")) << line;
        EXPECT_EQ(line.find("min"), mid->envelope[0].find("min")) << line;
        EXPECT_EQ(line.rfind("Spans loaded"), mid->envelope[0].rfind("Spans loaded")) << line;
    }
    // At a joint picked from the diagrams: the end of span 1; the live loads of both spans
    // lower the support moment and neither raises it.
    const auto support = look_up_envelope_picked(choice, 1000, kPatterns, beam.units);
    ASSERT_TRUE(support.has_value());
    EXPECT_EQ(support->span, 1);
    EXPECT_EQ(support->x_text, "10.00");
    EXPECT_EQ(single_spaced(support->envelope[1]),
              "M max -60.00 Spans loaded: none min -260.00 Spans loaded: 1, 2");
    // Past the span's end there is no point.
    EXPECT_FALSE(look_up_envelope_typed(choice, 1, 1001, kPatterns, beam.units).has_value());
    EXPECT_FALSE(look_up_envelope_typed(choice, 3, 0, kPatterns, beam.units).has_value());
}

// The printed page of a shown envelope: its curves in black, its extremes, the combination
// named beside the loading title, and no "Plot X" mark (those are values as entered).
TEST(EnvelopeDiagrams, PrintedPageTakesTheEnvelopeAndNamesIt) {
    const Beam beam = two_span_beam(true);
    const test::Swept swept = test::sweep(beam, {}, kPatterns);
    ASSERT_TRUE(swept.calc.results.has_value());
    const auto env = compute_envelopes(beam, {});
    Settings settings;
    PlotMarks marks;
    ReadOut shown;
    shown.real_x = "5";
    shown.moment = "77.0";
    shown.moment_value = 77;
    ASSERT_TRUE(marks.plot(shown));
    const SessionOptions options;
    const EnvelopeSetup setup{beam, options, 0, env.at(0), kPatterns, true};
    const PageInput input{beam,    *swept.calc.results, swept.response, settings, marks,
                          "/b.cb", std::tm{},           &setup};
    RecordingCanvas page(612, 792);
    MemorySampleSource source(swept.points);
    draw_printed_page(page, input, source);

    const std::vector<TextCall> title = page.texts_equal("ENVELOPE  1.2D + 1.6L");
    ASSERT_EQ(title.size(), 1u);
    const AreaScale loading = page_layout(settings.letterhead == 'y').loading;
    // Ends at the column's right edge: 21 cells of 0.6 x the title's font size, in page units.
    const double title_char = 0.6 * kPageTitleFontSize * 9.5 / 612;
    EXPECT_NEAR(title[0].x + 21 * title_char, loading.left + loading.width, 1e-9);
    EXPECT_EQ(page.texts_equal("186.15").size(), 2u);
    for (const TextCall& t : page.texts())
        EXPECT_NE(t.text.rfind("77", 0), 0u) << t.text;
    EXPECT_FALSE(page.lines(kBlack, kCurvePenWidth).empty());
    for (const LineCall& l : page.lines())
        EXPECT_NE(l.colour, kCurveMagenta);
}

// Marking loads live and adding combinations leaves the diagrams as entered alone: the beam
// draws exactly as the same beam with every load dead.
TEST(EnvelopeDiagrams, AsEnteredDrawingIgnoresCasesAndCombinations) {
    auto draw_as_entered = [](const Beam& beam) {
        const test::Swept swept = test::sweep(beam, {}, kPatterns);
        MemorySampleSource source(swept.points);
        DrawnEnvelope drawn;
        const DiagramSetup setup{beam, swept.response, kPatterns, false, false};
        draw_diagrams({drawn.shear, drawn.moment, drawn.deflection}, setup, source);
        return drawn;
    };
    Beam plain = two_span_beam(false);
    for (Span& span : plain.spans) {
        for (UniformLoad& load : span.uniforms)
            load.load_case = LoadCase::Dead;
    }
    const DrawnEnvelope expected = draw_as_entered(plain);
    const DrawnEnvelope drawn = draw_as_entered(two_span_beam(true));
    // Same calls, and the same lines and texts in the same places.
    auto same = [](const RecordingCanvas& a, const RecordingCanvas& b) {
        const auto la = a.lines(), lb = b.lines();
        const auto ta = a.texts(), tb = b.texts();
        return a.calls().size() == b.calls().size() &&
               std::equal(la.begin(), la.end(), lb.begin(), lb.end(),
                          [](const LineCall& p, const LineCall& q) {
                              return p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 && p.y2 == q.y2 &&
                                     p.colour == q.colour;
                          }) &&
               std::equal(ta.begin(), ta.end(), tb.begin(), tb.end(),
                          [](const TextCall& p, const TextCall& q) {
                              return p.text == q.text && p.x == q.x && p.y == q.y;
                          });
    };
    EXPECT_TRUE(same(drawn.shear, expected.shear));
    EXPECT_TRUE(same(drawn.moment, expected.moment));
    EXPECT_TRUE(same(drawn.deflection, expected.deflection));
    EXPECT_FALSE(expected.moment.lines().empty());
}

}  // namespace
}  // namespace spanlyx
