// Live-load envelopes against closed-form continuous-beam results and against the brute-force
// extremes over every arrangement of live load, each arrangement analysed and swept as entered.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "response/envelope.h"
#include "response_test_support.h"

namespace spanlyx::test {
namespace {

using Spans = std::vector<int>;

void make_live(Beam& beam, int span) {
    Span& s = span_of(beam, span);
    s.uniforms.back().load_case = LoadCase::Live;
}
void add_live_uniform(Beam& beam, int span, double w) {
    add_uniform(beam, span, w);
    make_live(beam, span);
}

// Every point of every combination, by (span, index).
struct CurveSink final : EnvelopeSink {
    std::map<std::pair<int, long long>, std::vector<EnvelopeValues>> points;
    void point(int span, long long index, const std::vector<EnvelopeValues>& values) override {
        points[{span, index}] = values;
    }
};

// The value and loaded spans of an extreme, and its location where one is given.
void expect_extreme(const EnvelopeExtreme& e, double value, double tolerance, const Spans& spans) {
    EXPECT_NEAR(e.value, value, tolerance);
    EXPECT_EQ(e.loaded_spans, spans);
}
void expect_extreme(const EnvelopeExtreme& e, double value, double tolerance, const Spans& spans,
                    double at, double at_tolerance = 1e-9) {
    expect_extreme(e, value, tolerance, spans);
    EXPECT_NEAR(e.at, at, at_tolerance);
}
std::array<const EnvelopeExtreme*, 6> all_extremes(const SpanEnvelope& s) {
    return {&s.shear_max,  &s.shear_min,      &s.moment_max,
            &s.moment_min, &s.deflection_max, &s.deflection_min};
}

// ---- Equal spans, uniform live load w on each (textbook coefficients) ---------------------

constexpr double kL = 10.0;
constexpr double kW = 10.0;

Beam equal_live_spans(int n, double dead = 0) {
    Beam beam = make_beam(std::vector<double>(static_cast<std::size_t>(n), kL),
                          std::vector<Joint>(static_cast<std::size_t>(n) + 1, kPinned));
    for (int s = 1; s <= n; ++s) {
        if (dead != 0)
            add_uniform(beam, s, dead);
        add_live_uniform(beam, s, kW);
    }
    return beam;
}

TEST(EnvelopeTwoSpans, SpanMomentWithOneSpanLoadedSupportMomentWithBoth) {
    Beam beam = equal_live_spans(2);
    beam.combinations = {{"D + L", 1, 1}};
    const auto env = compute_envelopes(beam, {});
    ASSERT_EQ(env.size(), 1u);
    const SpanEnvelope& s1 = env[0].spans[0];
    // Span 1 alone: R1 = 7wL/16, M max = R1^2 / 2w = 49 wL^2 / 512 at 7L/16 = 4.375 (between
    // two grid points, each w/2 (0.005)^2 below it).
    expect_extreme(s1.moment_max, 49.0 / 512 * kW * kL * kL, 2e-4, {1}, 4.375, 0.0051);
    // Both spans: -wL^2/8 over the middle support.
    expect_extreme(s1.moment_min, -kW * kL * kL / 8, 1e-6, {1, 2}, kL);
    // End reaction 7wL/16 with span 1 loaded; span 2 alone lifts it by wL/16.
    const ReactionEnvelope& r1 = env[0].reactions[0];
    expect_extreme(r1.shear_max, 7 * kW * kL / 16, 1e-9, {1});
    expect_extreme(r1.shear_min, -kW * kL / 16, 1e-9, {2});
    // Middle support: 10wL/8 with both; no arrangement lowers it, and a pin carries no moment.
    const ReactionEnvelope& r2 = env[0].reactions[1];
    expect_extreme(r2.shear_max, 10 * kW * kL / 8, 1e-9, {1, 2});
    expect_extreme(r2.shear_min, 0, 0, {});
    expect_extreme(r2.moment_max, 0, 0, {});
}

TEST(EnvelopeTwoSpans, FactoredDeadAndLiveMaximumSpanMoment) {
    constexpr double kDead = 5.0;
    Beam beam = equal_live_spans(2, kDead);
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}};
    const auto env = compute_envelopes(beam, {});
    // On span 1 the maximum curve is 1.2 M_D + 1.6 M_1 = a x - b x^2/2 (span 2's live load only
    // lowers it): a = 1.2 (3/8) wd L + 1.6 (7/16) w L, b = 1.2 wd + 1.6 w; peak a^2/2b at a/b.
    const double a = 1.2 * 3.0 / 8 * kDead * kL + 1.6 * 7.0 / 16 * kW * kL;
    const double b = 1.2 * kDead + 1.6 * kW;
    expect_extreme(env[0].spans[0].moment_max, a * a / (2 * b), b / 2 * 0.005 * 0.005 + 1e-9, {1},
                   a / b, 0.0051);
    // Support: 1.2 (-wd L^2/8) + 1.6 (-w L^2/8).
    expect_extreme(env[0].spans[0].moment_min, -b * kL * kL / 8, 1e-6, {1, 2});
}

// ---- Three equal spans --------------------------------------------------------------------

TEST(EnvelopeThreeSpans, EndSpanMomentFromSpansOneAndThreeSupportMomentFromOneAndTwo) {
    Beam beam = equal_live_spans(3);
    beam.combinations = {{"L", 0, 1}};
    const auto env = compute_envelopes(beam, {});
    // Spans 1 and 3: support moments -wL^2/20 (three-moment equation), R1 = 0.45 wL,
    // M max = 0.45^2 wL^2 / 2 at 0.45 L.
    expect_extreme(env[0].spans[0].moment_max, 0.10125 * kW * kL * kL, 1e-6, {1, 3}, 4.5);
    // Spans 1 and 2: 4 M_B + M_C = -wL^2/2, M_B + 4 M_C = -wL^2/4, so M_B = -7 wL^2 / 60.
    expect_extreme(env[0].spans[0].moment_min, -7.0 / 60 * kW * kL * kL, 1e-6, {1, 2}, kL);
    // Middle span alone: wL^2/8 - wL^2/20 at mid-span.
    expect_extreme(env[0].spans[1].moment_max, 0.075 * kW * kL * kL, 1e-6, {2}, 5.0);
    EXPECT_EQ(env[0].spans[2].moment_max.loaded_spans, (Spans{1, 3}));
}

// ---- Overhang -----------------------------------------------------------------------------

TEST(EnvelopeOverhang, BackSpanLiveLoadRelievesTheOverhang) {
    constexpr double kBack = 6.0, kOver = 2.0;
    constexpr double kWdBack = 2.0, kWdOver = 20.0, kWl = 10.0;
    constexpr double kSoftE = 2e9;  // E I = 2e5 N m^2
    const double ei = kSoftE * kI;
    Beam beam = make_beam({kBack, kOver}, {kPinned, kPinned, kFree}, UnitSystem::M, kSoftE);
    add_uniform(beam, 1, kWdBack);
    add_uniform(beam, 2, kWdOver);
    add_live_uniform(beam, 1, kWl);
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}};
    const auto env = compute_envelopes(beam, {});
    const SpanEnvelope& over = env[0].spans[1];
    // The overhang is statically determinate: its moment ignores the back span's load.
    expect_extreme(over.moment_min, -1.2 * kWdOver * kOver * kOver / 2, 1e-6, {}, 0);
    // Tip: down w a^3 (4L + 3a) / 24EI under the overhang load, up w L^3 a / 24EI under the back
    // span's; the back span's live load lifts it, so its lowest position loads no span.
    const double tip_dead = (-kWdOver * std::pow(kOver, 3) * (4 * kBack + 3 * kOver) +
                             kWdBack * std::pow(kBack, 3) * kOver) /
                            (24 * ei);
    expect_extreme(over.deflection_min, 1.2 * tip_dead, 1e-4 * std::fabs(tip_dead), {}, kOver);
    // Back support reaction: R1 = (wd L^2/2 - wo a^2/2) / L... by moments about joint 2.
    const double r1_dead = (kWdBack * kBack * kBack / 2 - kWdOver * kOver * kOver / 2) / kBack;
    expect_extreme(env[0].reactions[0].shear_min, 1.2 * r1_dead, 1e-9, {});
    expect_extreme(env[0].reactions[0].shear_max, 1.2 * r1_dead + 1.6 * kWl * kBack / 2, 1e-9, {1});
}

// ---- A couple at a free tip ---------------------------------------------------------------

TEST(EnvelopeCantilever, CoupleAtTheFreeTipIsTheMomentThere) {
    // Cantilever of 2 m fixed at the left: dead w = 1000 N/m gives M = -w (L - x)^2 / 2; a live
    // counterclockwise couple C = 900 N m at the tip gives M = C all along. The largest moment
    // is at the tip, 1.6 C with the span loaded (the sweep's own tip record is proven elsewhere).
    constexpr double kLength = 2.0, kWd = 1000, kC = 900;
    Beam beam = make_beam({kLength}, {kFixed, kFree});
    add_uniform(beam, 1, kWd);
    span_of(beam, 1).moments.push_back({kLength, kC, LoadCase::Live});
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}};
    const auto env = compute_envelopes(beam, {});
    const SpanEnvelope& s = env[0].spans[0];
    expect_extreme(s.moment_max, 1.6 * kC, 1e-9, {1}, kLength);
    expect_extreme(s.moment_min, -1.2 * kWd * kLength * kLength / 2, 1e-6, {}, 0);
}

// ---- No live load, and no combinations ----------------------------------------------------

Beam mixed_beam() {
    Beam beam = make_beam({4, 5.5, 3, 2}, {kFixed, kPinned, kPinned, kPinned, kFree});
    span_of(beam, 2).release = Release::Left;
    add_uniform(beam, 1, 3000);
    span_of(beam, 2).uniforms.push_back({1.25, 2000, 4.5, 5000});
    add_point(beam, 2, 7000, 2.5);
    add_moment(beam, 3, 4000, 1.5);
    add_point(beam, 3, 2500, 3);  // on the joint between spans 3 and 4
    add_uniform(beam, 4, 1500);
    add_point(beam, 4, 1000, 2);  // at the free tip
    return beam;
}

TEST(EnvelopeWithoutLiveLoad, EveryCombinationIsTheFactoredAsEnteredResponse) {
    Beam beam = mixed_beam();
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}, {"0.9D", 0.9, 0}};
    const Swept as_entered = sweep(beam);
    CurveSink sink;
    const auto env = compute_envelopes(beam, {}, &sink);
    ASSERT_EQ(env.size(), 2u);
    double peak_d = 0;
    for (const SamplePoint& p : as_entered.points)
        peak_d = std::max(peak_d, std::fabs(p.deflection));
    for (const SamplePoint& p : as_entered.points) {
        const auto found = sink.points.find({p.span, std::llround(p.span_x * 100)});
        ASSERT_NE(found, sink.points.end());
        for (std::size_t c = 0; c < 2; ++c) {
            const double f = beam.combinations[c].dead;
            const EnvelopeValues& v = found->second[c];
            EXPECT_NEAR(v.shear_max, f * p.shear, 1e-4);
            EXPECT_DOUBLE_EQ(v.shear_max, v.shear_min);
            EXPECT_NEAR(v.moment_max, f * p.moment, 1e-4);
            EXPECT_DOUBLE_EQ(v.moment_max, v.moment_min);
            // Over fixed joints the walk's integration residual (the envelope takes the joint).
            EXPECT_NEAR(v.deflection_max, f * p.deflection, 1e-4 * peak_d);
            EXPECT_DOUBLE_EQ(v.deflection_max, v.deflection_min);
        }
    }
    for (std::size_t c = 0; c < 2; ++c) {
        const double f = beam.combinations[c].dead;
        for (std::size_t j = 0; j < beam.spans.size(); ++j) {
            const SpanEnvelope& s = env[c].spans[j];
            for (const EnvelopeExtreme* e : all_extremes(s))
                EXPECT_TRUE(e->loaded_spans.empty());
            // The as-entered moment extremes, where they were set, scaled by the dead factor.
            const Extreme& m = as_entered.response.span_extremes[j].moment_max;
            if (m.value > 0) {
                EXPECT_NEAR(s.moment_max.value, f * m.value, 1e-4);
            }
        }
        for (std::size_t i = 0; i < beam.joints.size(); ++i) {
            const ReactionEnvelope& r = env[c].reactions[i];
            EXPECT_NEAR(r.shear_max.value, f * as_entered.calc.results->reaction_shear[i], 1e-6);
            EXPECT_DOUBLE_EQ(r.shear_max.value, r.shear_min.value);
            EXPECT_NEAR(r.moment_min.value, f * as_entered.calc.results->reaction_moment[i], 1e-6);
        }
    }
}

TEST(EnvelopeWithoutLiveLoad, LiveLoadsWithoutCombinationsGiveNoEnvelopes) {
    Beam beam = make_beam({kL, kL}, {kPinned, kPinned, kPinned});
    add_live_uniform(beam, 1, kW);
    EXPECT_TRUE(compute_envelopes(beam, {}).empty());
}

TEST(EnvelopeLoadCases, JointLoadsBelongToTheSpanTheyAreEnteredOn) {
    Beam beam = make_beam({3, 4}, {kPinned, kFree, kFixed});
    add_point(beam, 1, 500, 3);  // at x = L of span 1
    span_of(beam, 1).points.back().load_case = LoadCase::Live;
    add_point(beam, 2, 700, 0);  // the same joint, entered on span 2
    span_of(beam, 2).points.back().load_case = LoadCase::Live;
    add_uniform(beam, 2, 50);
    const Beam dead = load_case_beam(beam, 0);
    EXPECT_TRUE(dead.spans[0].points.empty());
    EXPECT_EQ(dead.spans[1].uniforms.size(), 1u);
    EXPECT_TRUE(dead.spans[1].points.empty());
    const Beam one = load_case_beam(beam, 1);
    ASSERT_EQ(one.spans[0].points.size(), 1u);
    EXPECT_DOUBLE_EQ(one.spans[0].points[0].load.value, 500);
    EXPECT_TRUE(one.spans[1].points.empty() && one.spans[1].uniforms.empty());
    const Beam two = load_case_beam(beam, 2);
    EXPECT_TRUE(two.spans[0].points.empty());
    ASSERT_EQ(two.spans[1].points.size(), 1u);
    EXPECT_TRUE(two.spans[1].uniforms.empty());
}

// ---- Brute force over every arrangement ---------------------------------------------------

// The beam of one arrangement: dead loads times the dead factor, the live loads of the chosen
// spans times the live factor, all analysed as entered.
Beam arrangement(const Beam& beam, const Combination& c, unsigned chosen) {
    Beam out = beam;
    out.combinations.clear();
    for (std::size_t j = 0; j < out.spans.size(); ++j) {
        Span& s = out.spans[j];
        const bool on = (chosen >> j) & 1u;
        const auto factor = [&](LoadCase lc) {
            return lc == LoadCase::Dead ? c.dead : (on ? c.live : 0.0);
        };
        for (UniformLoad& u : s.uniforms) {
            const double f = factor(u.load_case);
            u.w1 *= f;
            u.w2 *= f;
        }
        for (PointLoad& p : s.points)
            p.load = HeldNumber::computed(p.load.value * factor(p.load_case));
        for (MomentLoad& m : s.moments)
            m.value *= factor(m.load_case);
        // A load that does not act is left out, as the engineer would leave it out.
        const auto idle = [&](const auto& load) { return factor(load.load_case) == 0; };
        std::erase_if(s.uniforms, idle);
        std::erase_if(s.points, idle);
        std::erase_if(s.moments, idle);
        s.count_text = {};
    }
    return out;
}

struct Peak {
    double max = -1e300, min = 1e300;
    void take(double v) {
        max = std::max(max, v);
        min = std::min(min, v);
    }
};

void expect_matches_brute_force(const Beam& beam) {
    SCOPED_TRACE(testing::Message() << beam.span_count() << " spans");
    CurveSink sink;
    const auto env = compute_envelopes(beam, {}, &sink);
    ASSERT_EQ(env.size(), beam.combinations.size());
    const unsigned arrangements = 1u << beam.spans.size();
    for (std::size_t c = 0; c < beam.combinations.size(); ++c) {
        SCOPED_TRACE(beam.combinations[c].name);
        std::vector<std::array<Peak, 3>> peaks;  // shear, moment, deflection
        std::vector<std::pair<int, long long>> where;
        std::array<double, 3> scale{};
        for (unsigned a = 0; a < arrangements; ++a) {
            const Swept s = sweep(arrangement(beam, beam.combinations[c], a));
            ASSERT_FALSE(s.points.empty());
            if (peaks.empty()) {
                peaks.resize(s.points.size());
                for (const SamplePoint& p : s.points)
                    where.emplace_back(p.span, std::llround(p.span_x * 100));
            }
            ASSERT_EQ(peaks.size(), s.points.size());
            for (std::size_t i = 0; i < s.points.size(); ++i) {
                const SamplePoint& p = s.points[i];
                const std::array<double, 3> q{p.shear, p.moment, p.deflection};
                for (std::size_t k = 0; k < 3; ++k) {
                    peaks[i][k].take(q[k]);
                    scale[k] = std::max(scale[k], std::fabs(q[k]));
                }
            }
        }
        const double tol_v = 1e-9 * scale[0] + 2e-5, tol_m = 1e-9 * scale[1] + 2e-5;
        // The sweep integrates M/EI in strips with their mid-points as levers: an error of up to
        // h^2/12 * (M(x) - M(0)) / EI against the cubic the envelope evaluates.
        const double tol_d = 5e-5 * scale[2];
        for (std::size_t i = 0; i < peaks.size(); ++i) {
            const auto found = sink.points.find(where[i]);
            ASSERT_NE(found, sink.points.end());
            const EnvelopeValues& v = found->second[c];
            SCOPED_TRACE(testing::Message()
                         << "span " << where[i].first << " x " << where[i].second);
            EXPECT_NEAR(v.shear_max, peaks[i][0].max, tol_v);
            EXPECT_NEAR(v.shear_min, peaks[i][0].min, tol_v);
            EXPECT_NEAR(v.moment_max, peaks[i][1].max, tol_m);
            EXPECT_NEAR(v.moment_min, peaks[i][1].min, tol_m);
            // Over a vertically fixed joint the envelope takes the joint's own movement, where
            // the walk ends with its integration residual (hidden in the as-entered extremes).
            const auto& [span, h] = where[i];
            const Span& sp = beam.spans[static_cast<std::size_t>(span - 1)];
            if (h == std::llround(sp.length.value * 100) &&
                beam.joints[static_cast<std::size_t>(span)].restraint_y == 1) {
                EXPECT_DOUBLE_EQ(v.deflection_max, 0);
                continue;
            }
            EXPECT_NEAR(v.deflection_max, peaks[i][2].max, tol_d);
            EXPECT_NEAR(v.deflection_min, peaks[i][2].min, tol_d);
        }
        // The loaded spans of each moment and deflection extreme, swept as entered, give the
        // extreme at its location.
        for (std::size_t j = 0; j < beam.spans.size(); ++j) {
            const SpanEnvelope& row = env[c].spans[j];
            const int span = static_cast<int>(j + 1);
            const auto check = [&](const EnvelopeExtreme& e, int quantity, double tolerance) {
                const long long h = std::llround(e.at * 100);
                if (span > 1 && h == 0)
                    return;  // the start of a later span is not a record
                const auto& moments = beam.spans[j].moments;
                if (std::any_of(moments.begin(), moments.end(),
                                [h](const MomentLoad& m) { return std::llround(m.x * 100) == h; }))
                    return;  // the record holds the moment right of an applied moment
                unsigned chosen = 0;
                for (int s : e.loaded_spans)
                    chosen |= 1u << (s - 1);
                const Swept s = sweep(arrangement(beam, beam.combinations[c], chosen));
                const SamplePoint& p = s.at(span, h);
                const double got = quantity == 1 ? p.moment : p.deflection;
                EXPECT_NEAR(got, e.value, tolerance) << "span " << span << " at " << e.at;
            };
            check(row.moment_max, 1, tol_m);
            check(row.moment_min, 1, tol_m);
            check(row.deflection_max, 2, tol_d);
            check(row.deflection_min, 2, tol_d);
        }
    }
}

// A beam of n spans with dead and live loads of every kind, supports of every kind, loads on
// joints and a hinge; the pattern is fixed by the span number so the case is repeatable.
Beam varied_beam(int n) {
    std::vector<double> lengths;
    std::vector<Joint> joints{n % 2 ? kFixed : kPinned};
    for (int s = 1; s <= n; ++s) {
        lengths.push_back(2.0 + 0.37 * ((s * 7) % 5));
        joints.push_back(s == n ? (n % 3 == 0 ? kFree : kPinned) : kPinned);
    }
    Beam beam = make_beam(lengths, joints);
    if (n >= 4)
        span_of(beam, 3).release = Release::Right;
    for (int s = 1; s <= n; ++s) {
        const double length = lengths[static_cast<std::size_t>(s - 1)];
        add_uniform(beam, s, 1000.0 + 150 * s);  // dead
        Span& span = span_of(beam, s);
        span.uniforms.push_back({0.25 * length, 4000.0, 0.75 * length, 2500.0, LoadCase::Live});
        if (s % 2 == 1)
            span.points.push_back({length, HeldNumber::computed(3000), LoadCase::Live});
        if (s % 3 == 2)
            span.moments.push_back({0.5, -5000.0 * s, LoadCase::Live});
        if (s % 4 == 0)
            span.points.push_back({0, HeldNumber::computed(-1200), LoadCase::Live});
    }
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}, {"0.9D - L", 0.9, -1.0}};
    return beam;
}

TEST(EnvelopeBruteForce, SuperposedEnvelopeEqualsTheWorstOfEveryArrangement) {
    for (int n : {1, 2, 3, 5, 8})
        expect_matches_brute_force(varied_beam(n));
}

// Loads and span ends between the sampled points: a point load at 2/3 of the 10 m span, a
// partial load starting half-way between two points, a couple at a third decimal, a span of
// 4.125 and an overhang of 10/3.
Beam off_grid_beam() {
    Beam beam = make_beam({10, 4.125, 3.3333333}, {kPinned, kPinned, kFixed, kFree});
    Span& s1 = span_of(beam, 1);
    add_uniform(beam, 1, 1000);
    s1.uniforms.push_back({2.505, 3000.0, 5.1234, 7000.0, LoadCase::Live});
    s1.points.push_back({6.6666667, HeldNumber::computed(5000), LoadCase::Live});
    s1.moments.push_back({1.2345, 4000.0, LoadCase::Dead});
    Span& s2 = span_of(beam, 2);
    s2.uniforms.push_back({0.333, 2000.0, 4.125, 2000.0, LoadCase::Live});
    s2.points.push_back({2.0625, HeldNumber::computed(3000), LoadCase::Dead});
    s2.moments.push_back({3.007, -2500.0, LoadCase::Live});
    s2.points.push_back({4.125, HeldNumber::computed(1500), LoadCase::Live});  // on joint 3
    Span& s3 = span_of(beam, 3);
    s3.uniforms.push_back({0, 1500.0, 3.3333333, 1500.0, LoadCase::Live});
    s3.points.push_back({1.111, HeldNumber::computed(800), LoadCase::Live});
    s3.points.push_back({3.3333333, HeldNumber::computed(-600), LoadCase::Dead});  // at the tip
    s3.moments.push_back({3.3333333, 900.0, LoadCase::Live});
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}, {"0.9D - L", 0.9, -1.0}};
    return beam;
}

TEST(EnvelopeBruteForce, LoadsAndSpanEndsBetweenSampledPoints) {
    expect_matches_brute_force(off_grid_beam());
}

TEST(EnvelopeBruteForce, SpanWithoutLiveLoadIsNeverListed) {
    Beam beam = varied_beam(4);
    std::erase_if(span_of(beam, 2).uniforms,
                  [](const UniformLoad& u) { return u.load_case == LoadCase::Live; });
    span_of(beam, 2).moments.clear();
    expect_matches_brute_force(beam);
    for (const CombinationEnvelope& c : compute_envelopes(beam, {})) {
        for (const SpanEnvelope& s : c.spans)
            for (const EnvelopeExtreme* e : all_extremes(s))
                EXPECT_EQ(std::count(e->loaded_spans.begin(), e->loaded_spans.end(), 2), 0);
    }
}

}  // namespace
}  // namespace spanlyx::test
