#pragma once
// What the sweep needs of each span, worked out once before the walk: load positions as whole
// hundredths, the flexural rigidity, the slope and deflection at the span's left end, and the
// support actions at its right-hand joint.

#include <vector>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "model/beam.h"

namespace spanlyx {

struct SweepUniform {
    long long h1 = 0, h2 = 0;  // start and end, hundredths
    double x1 = 0;
    double w1 = 0;
    double slope = 0;  // change of intensity per unit length
};

// A concentrated load or applied moment inside the walk of its span.
struct SweepPointAction {
    long long h = 0;
    double value = 0;
};

struct SweepSpan {
    long long steps = 0;  // hundredths of the length: the span is sampled at 0 .. steps
    double start_x = 0;   // beam_x of the left end
    double rigidity = 0;  // E I in the analysis units
    double theta_left = 0;
    double y_left = 0;  // sampled unit
    std::vector<SweepUniform> uniforms;
    // Loads and moments that act where the walk meets them. Those that stand exactly on a
    // joint that carries them into its reaction are left out and act with the reaction.
    std::vector<SweepPointAction> points;
    std::vector<SweepPointAction> moments;
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
