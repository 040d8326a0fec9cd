// Spring joints and moved supports in the --json document.
#include <gtest/gtest.h>

#include <cmath>

#include "batch/batch_json.h"

namespace spanlyx {
namespace {

// System M4 (N, mm): a 6000 mm span, E I = 2e13 N mm^2, fixed at joint 1, a vertical spring of
// 100 N/mm at joint 2 and a 10000 N load at its tip. Tip deflection of the cantilever on a
// spring: P / (k + 3 E I / L^3); the spring's reaction is k times that, upward.
TEST(SpringsJson, JointEntriesGiveTheSupportAndTheSpringReaction) {
    Beam beam;
    beam.units = UnitSystem::M4;
    Span span;
    span.length = HeldNumber::computed(6000);
    span.modulus = HeldNumber::computed(200000);
    span.inertia = 1e8;
    span.points.push_back({6000, HeldNumber::computed(10000)});
    beam.spans.push_back(span);
    beam.joints = {{1, 1}, {0, 0}};
    beam.joints[0].settlement = 2.5;
    beam.joints[1].spring_y = true;
    beam.joints[1].ky = 100;
    const nlohmann::json doc = analysis_json(beam, calculate(beam));
    ASSERT_EQ(doc["status"], "analysed");
    const auto& fixed = doc["joints"][0];
    EXPECT_EQ(fixed["y"], "fixed");
    EXPECT_EQ(fixed["z"], "fixed");
    EXPECT_DOUBLE_EQ(fixed["settlement"].get<double>(), 2.5);
    EXPECT_DOUBLE_EQ(fixed["displacement"].get<double>(), -2.5);
    EXPECT_FALSE(fixed.contains("ky"));

    const auto& tip = doc["joints"][1];
    EXPECT_EQ(tip["y"], "spring");
    EXPECT_EQ(tip["z"], "free");
    EXPECT_DOUBLE_EQ(tip["ky"].get<double>(), 100);
    EXPECT_FALSE(tip.contains("settlement"));
    // The wall settles 2.5 mm and carries the cantilever down with it; the spring stands on
    // the ground and resists the whole tip displacement d. The beam's tip force is kb times the
    // tip's movement relative to the settled wall.
    const double ei = 200000.0 * 1e8, l = 6000, k = 100, p = 10000, s = 2.5;
    const double kb = 3 * ei / (l * l * l);  // the cantilever's tip stiffness
    // Tip: kb (d - (-s)) + k d = -p  ->  d = (-p - kb s) / (kb + k).
    const double d = (-p - kb * s) / (kb + k);
    EXPECT_NEAR(tip["displacement"].get<double>(), d, 1e-9 * std::abs(d));
    EXPECT_NEAR(tip["reaction_shear"].get<double>(), -k * d, 1e-9 * std::abs(k * d));
    EXPECT_EQ(tip["reaction_moment"].get<double>(), 0);
}

}  // namespace
}  // namespace spanlyx
