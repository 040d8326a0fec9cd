// The sampling sweep: each span walked point by point (span_walk.h), every point recorded and
// offered to the span's extremes, the joints' reactions acting between spans.

#include "response/span_response.h"

#include <cassert>
#include <cmath>
#include <cstdint>

#include "model/number_text.h"
#include "model/print_line.h"
#include "response/extra_output.h"
#include "response/extremes_report.h"
#include "response/record_rounding.h"
#include "response/sample_file_writer.h"
#include "response/span_walk.h"
#include "response/sweep_spans.h"

namespace spanlyx {
namespace {

constexpr double kStepsPerUnit = 100.0;
constexpr int kPositionDecimals = 5;
constexpr int kForceDecimals = 5;
constexpr int kDeflectionDecimals = 10;
constexpr long long kProgressEvery = 16384;
// An output distance beyond any beam the entry window takes; it never meets a sampled point.
constexpr double kFarBeyondAnyBeam = 1e12;
constexpr long long kNeverReached = -1;

// An interval or specific X as whole hundredths, the nearest one, half away from zero.
long long output_hundredths(double value) {
    return std::fabs(value) < kFarBeyondAnyBeam ? hundredths(value) : kNeverReached;
}

struct PointState {
    double shear = 0;
    double moment = 0;
    double deflection = 0;
    double beam_x = 0;
    double span_x = 0;
};

class Sweep {
  public:
    Sweep(const Beam& beam, const StiffnessModel& model, const AnalysisResults& results,
          const NumberPatterns& patterns, const SessionOptions& options, SampleSink& samples,
          const ProgressCallback& progress)
        : beam_(beam),
          patterns_(patterns),
          options_(options),
          samples_(samples),
          progress_(progress),
          spans_(prepare_sweep_spans(beam, model, results)),
          k_(deflection_unit_factor(beam.units)),
          interval_h_(output_hundredths(options.interval_step)),
          specific_h_(output_hundredths(options.specific_x)),
          total_length_(beam.total_length()) {
        // Start of the beam: the reaction and reaction moment of joint 1, and its settlement.
        state_.shear = results.reaction_shear.front();
        state_.moment = -results.reaction_moment.front();
        state_.deflection = results.joint_disp_y.front() * k_;
    }

    ResponseOutcome run();

  private:
    void walk_span(std::size_t i);
    static SamplePoint record_of(const PointState& point, int span_number);
    void write_sample(const PointState& point, int span_number);
    void report_progress(double beam_x);

    const Beam& beam_;
    const NumberPatterns& patterns_;
    const SessionOptions& options_;
    SampleSink& samples_;
    const ProgressCallback& progress_;
    const std::vector<SweepSpan> spans_;
    const double k_;
    const long long interval_h_;
    const long long specific_h_;
    const double total_length_;

    PointState state_;
    RunningExtremes running_;
    bool first_record_pending_ = true;
    std::int64_t sample_count_ = 0;
    long long steps_since_progress_ = 0;
    int last_percent_ = -1;
    std::vector<SpanExtremes> rows_;
    std::vector<SamplePoint> first_points_;
    TextWriter extra_;
};

ResponseOutcome Sweep::run() {
    if (options_.interval_wanted)
        write_interval_head(extra_, interval_h_);
    running_.offer_moment(state_.moment, 0.0);
    for (std::size_t i = 0; i < spans_.size(); ++i)
        walk_span(i);
    if (progress_)
        progress_(100);

    ResponseOutcome out;
    out.span_extremes = std::move(rows_);
    out.span_first_points = std::move(first_points_);
    for (const SweepSpan& s : spans_)
        out.span_start.push_back(s.start_x);
    out.beam_extremes = beam_extremes(out.span_extremes);
    out.extremes_text = extremes_report(out.span_extremes, out.span_start, beam_.units, patterns_);
    if (options_.interval_wanted || options_.specific_wanted)
        out.extra_text = extra_.take();
    out.sample_count = sample_count_;
    return out;
}

void Sweep::walk_span(std::size_t i) {
    const SweepSpan& s = spans_[i];
    const int span_number = static_cast<int>(i + 1);
    const bool last_span = i + 1 == spans_.size();
    // The integration leaves a residual at a free far end; hidden on request.
    const bool zero_far_end =
        last_span && options_.zero_residual && beam_.joints.back().restraint_z == 0;
    // Over a support that does not move the deflection is 0 by definition; over a settled one
    // the true deflection is kept. (A spring joint is not fixed in Y.)
    const Joint& right_joint = beam_.joints[i + 1];
    const bool right_end_fixed_y = right_joint.restraint_y == 1 && right_joint.settlement == 0;

    long long next_interval_h = interval_h_;
    if (options_.interval_wanted)
        write_span_banner(extra_, span_number);

    SpanWalk walk(s, k_, state_.shear, state_.moment, state_.deflection);
    PointState prev = state_;
    PointState now;
    for (long long n = 0; n <= s.steps; ++n) {
        const bool first = n == 0;
        const bool at_end = n == s.steps;
        walk.step(n);
        now.span_x = walk.span_x();
        now.beam_x = s.start_x + now.span_x;
        now.shear = walk.shear();
        now.moment = walk.moment();
        now.deflection = walk.deflection();

        // At a free far end the moment just left of the end is known exactly: the couples
        // applied there. The option puts that in place of the integrated value, whose
        // difference from it is the residual of the integration.
        const bool far_end = zero_far_end && at_end;
        if (walk.moment_applied_here()) {
            running_.offer_moment(
                far_end ? s.end_moment_jump + walk.applied_moment() : walk.moment_left(),
                now.beam_x);
        }

        // The first point of a span holds the shear just right of its left joint.
        running_.offer_shear(now.shear, now.beam_x);
        running_.offer_moment(far_end ? s.end_moment_jump : now.moment, now.beam_x);
        running_.offer_deflection(now.deflection, now.beam_x);

        const PointValues values{now.span_x, now.shear, now.moment, now.deflection};
        if (options_.interval_wanted && interval_h_ > 0 && n == next_interval_h) {
            next_interval_h += interval_h_;
            write_data_block(extra_, beam_.units, patterns_, values);
        }
        if (options_.specific_wanted && n == specific_h_) {
            write_specific_head(extra_, span_number);
            write_data_block(extra_, beam_.units, patterns_, values);
        }

        if (first) {
            // Not recorded: span 1's is the first record, a later span's stands beside them.
            first_points_.push_back(record_of(now, span_number));
        } else {
            if (first_record_pending_) {
                write_sample(prev, span_number);
                first_record_pending_ = false;
            }
            write_sample(now, span_number);
        }

        // The support acts after its point is recorded, so the point shows the values just
        // left of it and the next strip lies wholly right of it.
        if (at_end) {
            now.shear = walk.shear_out();
            now.moment = walk.moment_out();
        }
        prev = now;
        if (++steps_since_progress_ == kProgressEvery)
            report_progress(now.beam_x);
    }
    state_ = now;

    SpanExtremes row = running_.take();
    if (right_end_fixed_y) {
        const long long end_h =
            hundredths(s.start_x + static_cast<double>(s.steps) / kStepsPerUnit);
        for (Extreme* e : {&row.deflection_max, &row.deflection_min}) {
            if (hundredths(e->at) == end_h)
                e->value = 0;
        }
    }
    rows_.push_back(row);
}

SamplePoint Sweep::record_of(const PointState& point, int span_number) {
    SamplePoint record;
    record.beam_x = round_record_field(point.beam_x, kPositionDecimals);
    record.shear = round_record_field(point.shear, kForceDecimals);
    record.moment = round_record_field(point.moment, kForceDecimals);
    record.deflection = round_record_field(point.deflection, kDeflectionDecimals);
    record.span = static_cast<std::int16_t>(span_number);
    record.span_x = point.span_x;  // already the double of its two-decimal text
    return record;
}

void Sweep::write_sample(const PointState& point, int span_number) {
    samples_.write(record_of(point, span_number));
    ++sample_count_;
}

void Sweep::report_progress(double beam_x) {
    steps_since_progress_ = 0;
    if (!progress_ || !(total_length_ > 0))
        return;
    const int percent = static_cast<int>(beam_x / total_length_ * 100);
    if (percent != last_percent_) {
        last_percent_ = percent;
        progress_(percent);
    }
}

}  // namespace

ResponseOutcome sweep_response(const Beam& beam, const StiffnessModel& model,
                               const AnalysisResults& results, const NumberPatterns& patterns,
                               const SessionOptions& options, SampleSink& samples,
                               const ProgressCallback& progress) {
    Sweep sweep(beam, model, results, patterns, options, samples, progress);
    return sweep.run();
}

ResponseOutcome compute_response(const Beam& beam, const StiffnessModel& model,
                                 const AnalysisResults& results, const NumberPatterns& patterns,
                                 const SessionOptions& options,
                                 const std::filesystem::path& sample_file,
                                 const ProgressCallback& progress) {
    SampleFileWriter writer;
    std::optional<std::string> error = writer.open(sample_file);
    ResponseOutcome outcome =
        sweep_response(beam, model, results, patterns, options, writer, progress);
    const std::optional<std::string> close_error = writer.close();
    outcome.sample_file_error = error ? error : close_error;
    return outcome;
}

}  // namespace spanlyx
