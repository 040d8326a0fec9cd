#pragma once
// The span response: a walk along the whole beam in steps of 0.01 length unit that samples
// shear, moment and deflection from the analysis results and the span loads, writes every point
// to the sample file, keeps the extremes of each span and writes the extremes and extra-output
// pieces of the results file.
//
// Conventions: shear and moment in the force and moment units of the unit system, sagging
// moment positive; deflection up positive, in inches in the imperial systems and in the length
// unit of the metric systems. The interval and the specific X of the session options are taken
// to the nearest hundredth (half away from zero) as they come in, so output points always fall
// on sampled points; an interval that comes to 0 gives the span banners but no blocks.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "model/beam.h"
#include "model/settings.h"
#include "response/sample_point.h"
#include "response/span_extremes.h"

namespace spanlyx {

// Called now and then with the share of the beam walked so far, 0 to 100.
using ProgressCallback = std::function<void(int percent)>;

struct ResponseOutcome {
    std::vector<SpanExtremes> span_extremes;  // one per span; locations are beam_x
    std::vector<double> span_start;           // beam_x of each span's left end
    // Each span's first point as a record holds it: the values just right of its left joint.
    // The sample file has it for span 1 only; later spans' records start 0.01 in.
    std::vector<SamplePoint> span_first_points;
    BeamExtremes beam_extremes;
    std::string extremes_text;              // "_CONT03.TMP", CRLF lines
    std::optional<std::string> extra_text;  // "_CONT08.TMP"; none when neither output is on
    std::int64_t sample_count = 0;
    std::optional<std::string> sample_file_error;  // the sample file could not be written
};

// The walk with its points handed to a sink. The results must be those of a stable analysis of
// this beam and model.
ResponseOutcome sweep_response(const Beam& beam, const StiffnessModel& model,
                               const AnalysisResults& results, const NumberPatterns& patterns,
                               const SessionOptions& options, SampleSink& samples,
                               const ProgressCallback& progress = {});

// The walk writing the sample file "_cont10.tmp" at sample_file (created anew).
ResponseOutcome compute_response(const Beam& beam, const StiffnessModel& model,
                                 const AnalysisResults& results, const NumberPatterns& patterns,
                                 const SessionOptions& options,
                                 const std::filesystem::path& sample_file,
                                 const ProgressCallback& progress = {});

}  // namespace spanlyx
