// The "envelopes" of the --json document, as scripts read them.
#include <gtest/gtest.h>

#include "batch/batch_json.h"

namespace spanlyx {
namespace {

// Two equal spans of 10 m (system M) under a live uniform load of 10 N/m on each.
Beam two_live_spans() {
    Beam beam;
    beam.units = UnitSystem::M;
    for (int s = 0; s < 2; ++s) {
        Span span;
        span.length = HeldNumber::computed(10);
        span.modulus = HeldNumber::computed(200e9);
        span.inertia = 1e-4;
        span.uniforms.push_back({0, 10, 10, 10, LoadCase::Live});
        beam.spans.push_back(span);
    }
    beam.joints = {{1, 0}, {1, 0}, {1, 0}};
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}};
    return beam;
}

TEST(EnvelopesJson, EveryCombinationWithSpanExtremesAndReactions) {
    const Beam beam = two_live_spans();
    nlohmann::json doc;
    add_envelopes_json(doc, beam, compute_envelopes(beam, {}));
    ASSERT_EQ(doc["envelopes"].size(), 1u);
    const auto& env = doc["envelopes"][0];
    EXPECT_EQ(env["name"], "1.2D + 1.6L");
    EXPECT_DOUBLE_EQ(env["dead"].get<double>(), 1.2);
    EXPECT_DOUBLE_EQ(env["live"].get<double>(), 1.6);
    ASSERT_EQ(env["span_extremes"].size(), 2u);
    const auto& span2 = env["span_extremes"][1];
    EXPECT_EQ(span2["span"], 2);
    // Over the middle support, at the start of span 2: 1.6 (-wL^2/8) with both spans loaded.
    EXPECT_NEAR(span2["moment_min"]["value"].get<double>(), -1.6 * 10 * 100 / 8, 1e-6);
    EXPECT_DOUBLE_EQ(span2["moment_min"]["at"].get<double>(), 0);
    EXPECT_EQ(span2["moment_min"]["loaded_spans"], nlohmann::json::array({1, 2}));
    for (const char* key : {"shear_max", "shear_min", "moment_max", "moment_min", "deflection_max",
                            "deflection_min"}) {
        EXPECT_TRUE(span2[key].contains("at")) << key;
        EXPECT_TRUE(span2[key].contains("value")) << key;
        EXPECT_TRUE(span2[key]["loaded_spans"].is_array()) << key;
    }
    ASSERT_EQ(env["reactions"].size(), 3u);
    const auto& joint1 = env["reactions"][0];
    EXPECT_EQ(joint1["joint"], 1);
    EXPECT_NEAR(joint1["shear_max"]["value"].get<double>(), 1.6 * 7 * 10 * 10 / 16, 1e-9);
    EXPECT_EQ(joint1["shear_max"]["loaded_spans"], nlohmann::json::array({1}));
    EXPECT_FALSE(joint1["shear_max"].contains("at"));
    EXPECT_EQ(joint1["moment_max"]["loaded_spans"], nlohmann::json::array());
}

TEST(EnvelopesJson, AnEmptyListWithoutCombinations) {
    Beam beam = two_live_spans();
    beam.combinations.clear();
    nlohmann::json doc;
    add_envelopes_json(doc, beam, compute_envelopes(beam, {}));
    EXPECT_TRUE(doc["envelopes"].is_array());
    EXPECT_TRUE(doc["envelopes"].empty());
}

}  // namespace
}  // namespace spanlyx
