// The envelope at one point, with the spans loaded for each value, against the brute force:
// every arrangement of live load analysed and swept as a beam of its own with the factors
// applied to its loads, the largest and smallest value at the point taken over all of them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "response/envelope.h"
#include "response_test_support.h"

namespace spanlyx::test {
namespace {

using Spans = std::vector<int>;

constexpr double kDead = 1.2;
constexpr double kLive = 1.6;

// Three pinned spans: dead load on all, live uniform load on every span and a live point load
// and a live couple in span 2, so the loaded spans differ from point to point and quantity to
// quantity.
Beam three_spans() {
    Beam beam = make_beam({6, 8, 5}, {kPinned, kPinned, kPinned, kPinned});
    for (int s = 1; s <= 3; ++s) {
        add_uniform(beam, s, 2);
        span_of(beam, s).uniforms.push_back(
            {0, 5, span_of(beam, s).length.value, 5, LoadCase::Live});
    }
    span_of(beam, 2).points.push_back({3, HeldNumber::computed(10), LoadCase::Live});
    span_of(beam, 2).moments.push_back({5, 12, LoadCase::Live});
    beam.combinations = {{"1.2D + 1.6L", kDead, kLive}};
    return beam;
}

// The beam of one arrangement: dead loads times the dead factor, the live loads of the spans
// in `on` times the live factor, every other live load left out.
Beam arrangement(const Beam& beam, unsigned on) {
    Beam out = beam;
    out.combinations.clear();
    for (std::size_t j = 0; j < out.spans.size(); ++j) {
        Span& span = out.spans[j];
        const bool loaded = (on >> j) & 1U;
        const auto factor = [&](LoadCase c) { return c == LoadCase::Dead ? kDead : kLive; };
        const auto dropped = [&](LoadCase c) { return c == LoadCase::Live && !loaded; };
        std::erase_if(span.uniforms, [&](const UniformLoad& l) { return dropped(l.load_case); });
        std::erase_if(span.points, [&](const PointLoad& l) { return dropped(l.load_case); });
        std::erase_if(span.moments, [&](const MomentLoad& l) { return dropped(l.load_case); });
        for (UniformLoad& l : span.uniforms) {
            l.w1 *= factor(l.load_case);
            l.w2 *= factor(l.load_case);
            l.load_case = LoadCase::Dead;
        }
        for (PointLoad& l : span.points) {
            l.load = HeldNumber::computed(l.load.value * factor(l.load_case));
            l.load_case = LoadCase::Dead;
        }
        for (MomentLoad& l : span.moments) {
            l.value *= factor(l.load_case);
            l.load_case = LoadCase::Dead;
        }
    }
    return out;
}

Spans spans_of(unsigned on) {
    Spans spans;
    for (int s = 0; s < 3; ++s) {
        if ((on >> s) & 1U)
            spans.push_back(s + 1);
    }
    return spans;
}

struct Extreme {
    double value;
    unsigned on;
};

TEST(EnvelopeAt, EqualsTheBruteForceOverEveryArrangementWithItsLoadedSpans) {
    const Beam beam = three_spans();
    std::vector<Swept> swept;
    for (unsigned on = 0; on < 8; ++on)
        swept.push_back(sweep(arrangement(beam, on)));

    struct Probe {
        int span;
        long long index;
    };
    // Inside spans, at the point load and the couple of span 2, and at the joints' left sides.
    const Probe probes[] = {{1, 250}, {1, 600}, {2, 150}, {2, 300}, {2, 500},
                            {2, 650}, {2, 800}, {3, 100}, {3, 400}};
    for (const Probe& p : probes) {
        const auto at = envelope_at(beam, {}, 0, p.span, p.index);
        ASSERT_TRUE(at.has_value());
        EXPECT_DOUBLE_EQ(at->moment_max.at, static_cast<double>(p.index) / 100);
        using Get = double SamplePoint::*;
        const auto check = [&](Get get, const EnvelopeExtreme& max, const EnvelopeExtreme& min,
                               const char* what) {
            Extreme high{-std::numeric_limits<double>::infinity(), 0};
            Extreme low{std::numeric_limits<double>::infinity(), 0};
            double scale = 0;
            for (unsigned on = 0; on < 8; ++on) {
                const double v = swept[on].at(p.span, p.index).*get;
                scale = std::max(scale, std::fabs(v));
                // Ties keep the smallest set of spans: a span whose load changes nothing is not
                // listed.
                if (v > high.value + 1e-9 * (1 + std::fabs(v)))
                    high = {v, on};
                if (v < low.value - 1e-9 * (1 + std::fabs(v)))
                    low = {v, on};
            }
            const double tolerance = 1e-4 * (1 + scale);
            EXPECT_NEAR(max.value, high.value, tolerance)
                << what << " " << p.span << "/" << p.index;
            EXPECT_NEAR(min.value, low.value, tolerance) << what << " " << p.span << "/" << p.index;
            EXPECT_EQ(max.loaded_spans, spans_of(high.on))
                << what << " max " << p.span << "/" << p.index;
            EXPECT_EQ(min.loaded_spans, spans_of(low.on))
                << what << " min " << p.span << "/" << p.index;
        };
        check(&SamplePoint::shear, at->shear_max, at->shear_min, "shear");
        check(&SamplePoint::moment, at->moment_max, at->moment_min, "moment");
        check(&SamplePoint::deflection, at->deflection_max, at->deflection_min, "deflection");
    }
}

TEST(EnvelopeAt, NothingForAPointOrCombinationTheBeamDoesNotHave) {
    const Beam beam = three_spans();
    EXPECT_TRUE(envelope_at(beam, {}, 0, 3, 500).has_value());  // the far end
    EXPECT_FALSE(envelope_at(beam, {}, 0, 3, 501).has_value());
    EXPECT_FALSE(envelope_at(beam, {}, 0, 4, 0).has_value());
    EXPECT_FALSE(envelope_at(beam, {}, 0, 0, 0).has_value());
    EXPECT_FALSE(envelope_at(beam, {}, 1, 1, 0).has_value());
}

}  // namespace
}  // namespace spanlyx::test
