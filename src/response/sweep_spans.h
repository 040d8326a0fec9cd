#pragma once
// What the sweep needs of each span, worked out once before the walk: load positions as whole
// hundredths, the flexural rigidity, the slope and deflection at the span's left end, and the
// support actions at its right-hand joint.
//
// A load may stand between two sampled points (a file may hold 6.6666667, and some unit systems
// take three decimals), and so may the end of a span. A load still acts at the sampled point its
// two-decimal text names, but the strip that holds its true position is corrected so that the
// strip integrates the load where it really stands, and the last strip of a span ends at the
// span's true end: the moment after them is exact and nothing is carried into the rest of the
// beam.

#include <vector>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "model/beam.h"

namespace spanlyx {

struct SweepUniform {
    // The strips h1 + 1 .. h2 lie wholly under the load: h1 is the first sampled point at or
    // after its start, h2 the last one at or before its end (its ends in hundredths when they
    // stand on sampled points).
    long long h1 = 0, h2 = 0;
    double x1 = 0;
    double w1 = 0;
    double slope = 0;  // change of intensity per unit length
};

// A concentrated load or applied moment inside the walk of its span.
struct SweepPointAction {
    long long h = 0;
    double value = 0;
};

// What a load standing off the sampled points adds to the strip ending at sampled point
// `strip` (the strip from strip - 1 to strip hundredths).
struct StripCorrection {
    long long strip = 0;
    double shear = 0;        // distributed load on the part of the strip that the load covers
    double moment = 0;       // added to the strip's area of shear
    double area = 0;         // added to the strip's area of M (before division by E I)
    double area_moment = 0;  // that area's first moment about the span's left end
};

struct SweepSpan {
    long long steps = 0;  // hundredths of the length: the span is sampled at 0 .. steps
    // The end point stands at the span's true length, which may lie off the grid: the last
    // strip is then narrower or wider than 0.01.
    double end_x = 0;
    double end_width = 0.01;
    double start_x = 0;   // beam_x of the left end
    double rigidity = 0;  // E I in the analysis units
    double theta_left = 0;
    double y_left = 0;  // sampled unit
    std::vector<SweepUniform> uniforms;
    // Loads and moments that act where the walk meets them. Those that stand exactly on a
    // joint that carries them into its reaction are left out and act with the reaction.
    std::vector<SweepPointAction> points;
    std::vector<SweepPointAction> moments;
    std::vector<StripCorrection> corrections;  // by strip, ascending
    // At the span's end point, before the point is recorded: the loads at x = 0 of the next
    // span when the joint between is free vertically, so they act once, at the joint.
    double next_start_load = 0;
    // After the end point is recorded: the jumps at the right-hand joint.
    double end_shear_jump = 0;   // reaction less the loads standing on the joint
    double end_moment_jump = 0;  // reaction moment plus the moments applied at the joint
};

// Sampled deflections are in inches in system E (lengths in feet) and in the length unit
// otherwise.
double deflection_unit_factor(UnitSystem units);

std::vector<SweepSpan> prepare_sweep_spans(const Beam& beam, const StiffnessModel& model,
                                           const AnalysisResults& results);

}  // namespace spanlyx
