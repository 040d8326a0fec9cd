// Envelope assembly. On its own span a case is walked with the sweep's steps (its loads are
// there); on every other span it acts only through end forces and joint movements, so there
//   V = const,  M = M_0 + V x,  D = y_L + k x (theta_L + x (M_0 / 2EI + x V / 6EI)),
// evaluated directly (case_polynomials.h). Per point this costs two walks (the dead case and the
// span's own case) and the sums of the other cases' positive and negative parts; the loaded
// spans of an extreme are worked out once, at its point, when the span is done, so nothing per
// case and point is kept.

#include "response/envelope.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <optional>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "response/case_polynomials.h"
#include "response/span_walk.h"
#include "response/sweep_spans.h"

namespace spanlyx {
namespace {

constexpr double kStepsPerUnit = 100.0;
// A case value smaller than this share of the case's own scale is solver noise of a value that
// is 0 by statics (the moment over an overhang under load behind it, say): taken as 0, so it
// neither moves the envelope nor names a span.
constexpr double kNoiseShare = 1e-9;

template <typename Load>
void keep_case(std::vector<Load>& loads, bool keep_dead, bool keep_live) {
    std::erase_if(loads, [&](const Load& load) {
        return load.load_case == LoadCase::Dead ? !keep_dead : !keep_live;
    });
}

bool has_live_load(const Span& span) {
    const auto live = [](const auto& load) { return load.load_case == LoadCase::Live; };
    return std::any_of(span.uniforms.begin(), span.uniforms.end(), live) ||
           std::any_of(span.points.begin(), span.points.end(), live) ||
           std::any_of(span.moments.begin(), span.moments.end(), live);
}

// One load case analysed, with the tolerances below which its values are noise.
struct CaseRun {
    int span = 0;  // 1-based span of a live case; 0 for the dead case
    StiffnessModel model;
    AnalysisResults results;
    std::vector<SweepSpan> spans;
    double shear_tolerance = 0;
    double moment_tolerance = 0;
    double deflection_tolerance = 0;
    // Shear and moment carried into the span being walked.
    double shear_in = 0;
    double moment_in = 0;
};

CaseRun run_case(const Beam& beam, int live_span, double k) {
    CaseRun run;
    run.span = live_span;
    const Beam case_beam = load_case_beam(beam, live_span);
    run.model = generate_structure(case_beam);
    run.results = runanalysis(run.model);
    // The loads do not enter stability: the structure is that of the stable as-entered beam.
    assert(run.results.stable && "a load case of a stable beam is stable");
    run.spans = prepare_sweep_spans(case_beam, run.model, run.results);

    const AnalysisResults& r = run.results;
    double forces = 0, moments = 0, movement = 0, turning = 0;
    for (std::size_t j = 0; j < r.reaction_shear.size(); ++j) {
        forces += std::fabs(r.reaction_shear[j]);
        moments += std::fabs(r.reaction_moment[j]);
        movement = std::max(movement, std::fabs(r.joint_disp_y[j]));
        turning = std::max(turning, std::fabs(r.joint_rotation[j]));
    }
    const double length = beam.total_length();
    run.shear_tolerance = kNoiseShare * forces;
    run.moment_tolerance = kNoiseShare * (moments + forces * length);
    run.deflection_tolerance = kNoiseShare * k * (movement + turning * length);
    run.shear_in = r.reaction_shear.front();
    run.moment_in = -r.reaction_moment.front();
    return run;
}

enum Quantity { kShear, kMoment, kDeflection, kQuantities };

// A running extreme of one combination and quantity: the point it was taken at and the value
// of the span's own live case there, from which its loaded spans follow.
struct Running {
    bool set = false;
    double value = 0;
    long long index = 0;
    double own = 0;
    // The moment at a free far end, taken from the couples there: only the span's own case
    // has a value there.
    bool exact_end = false;

    // Strict comparisons: ties keep the earlier (leftmost) point.
    void offer(double v, bool is_max, long long n, double own_value, bool at_exact_end) {
        if (set && !(is_max ? v > value : v < value))
            return;
        *this = {true, v, n, own_value, at_exact_end};
    }
};

struct CombinationRunning {
    Running max[kQuantities];
    Running min[kQuantities];
};

class EnvelopeBuilder {
  public:
    EnvelopeBuilder(const Beam& beam, const SessionOptions& options, EnvelopeSink* sink)
        : beam_(beam),
          options_(options),
          sink_(sink),
          k_(deflection_unit_factor(beam.units)),
          poly_(k_) {}

    std::vector<CombinationEnvelope> run();
    // Walks only as far as the point and keeps its envelope, with loaded spans, for one
    // combination.
    std::optional<SpanEnvelope> probe(std::size_t combination, int span, long long index);

  private:
    void walk_span(std::size_t j);
    // The loaded spans of an extreme at point n of span j: the live cases whose factored value
    // has the sign the extreme asks for.
    std::vector<int> loaded_spans(Quantity q, const Running& r, bool is_max, double live,
                                  bool last) const;
    void reactions();
    // Runs the dead case and one case per span with live load.
    void run_cases();
    // The probed point's envelope of the probed combination.
    void keep_probe(const std::vector<EnvelopeValues>& values, long long n, double own_v,
                    double own_m, double own_d, bool last);

    const Beam& beam_;
    const SessionOptions& options_;
    EnvelopeSink* sink_;
    const double k_;
    std::optional<CaseRun> dead_;
    std::vector<CaseRun> live_;
    std::vector<CombinationEnvelope> out_;
    // Span being walked: the live cases other than its own, and its own case.
    CasePolynomials poly_;
    std::vector<std::size_t> poly_case_;  // index into live_ per polynomial
    std::optional<std::size_t> own_;
    bool right_fixed_y_ = false;
    std::vector<EnvelopeValues> values_;
    // The point probe() asks for: span 0 when there is none.
    int probe_span_ = 0;
    long long probe_index_ = 0;
    std::size_t probe_combination_ = 0;
    std::optional<SpanEnvelope> probed_;
};

void EnvelopeBuilder::run_cases() {
    dead_ = run_case(beam_, 0, k_);
    for (int s = 1; s <= beam_.span_count(); ++s) {
        if (has_live_load(beam_.spans[static_cast<std::size_t>(s - 1)]))
            live_.push_back(run_case(beam_, s, k_));
    }
    for (const Combination& c : beam_.combinations) {
        CombinationEnvelope e;
        e.combination = c;
        e.spans.resize(beam_.spans.size());
        out_.push_back(std::move(e));
    }
    values_.resize(out_.size());
}

std::vector<CombinationEnvelope> EnvelopeBuilder::run() {
    if (beam_.combinations.empty())
        return {};
    run_cases();
    for (std::size_t j = 0; j < beam_.spans.size(); ++j)
        walk_span(j);
    reactions();
    return std::move(out_);
}

std::optional<SpanEnvelope> EnvelopeBuilder::probe(std::size_t combination, int span,
                                                   long long index) {
    if (combination >= beam_.combinations.size() || span < 1 || span > beam_.span_count() ||
        index < 0)
        return std::nullopt;
    probe_span_ = span;
    probe_index_ = index;
    probe_combination_ = combination;
    run_cases();
    for (std::size_t j = 0; j < static_cast<std::size_t>(span); ++j)
        walk_span(j);
    return std::move(probed_);
}

void EnvelopeBuilder::keep_probe(const std::vector<EnvelopeValues>& values, long long n,
                                 double own_v, double own_m, double own_d, bool last) {
    const EnvelopeValues& e = values[probe_combination_];
    const double fl = out_[probe_combination_].combination.live;
    const double at = static_cast<double>(n) / kStepsPerUnit;
    const auto extreme = [&](Quantity q, double value, bool is_max, double own) {
        const Running r{true, value, n, own, false};
        return EnvelopeExtreme{value, at, loaded_spans(q, r, is_max, fl, last)};
    };
    probed_ = SpanEnvelope{extreme(kShear, e.shear_max, true, own_v),
                           extreme(kShear, e.shear_min, false, own_v),
                           extreme(kMoment, e.moment_max, true, own_m),
                           extreme(kMoment, e.moment_min, false, own_m),
                           extreme(kDeflection, e.deflection_max, true, own_d),
                           extreme(kDeflection, e.deflection_min, false, own_d)};
}

void EnvelopeBuilder::walk_span(std::size_t j) {
    const int span_number = static_cast<int>(j + 1);
    const SweepSpan& dead_span = dead_->spans[j];
    const long long steps = dead_span.steps;
    const bool last_span = j + 1 == beam_.spans.size();
    const bool zero_far_end =
        last_span && options_.zero_residual && beam_.joints.back().restraint_z == 0;
    const bool right_fixed_y = beam_.joints[j + 1].restraint_y == 1;
    right_fixed_y_ = right_fixed_y;

    poly_.clear();
    poly_case_.clear();
    own_.reset();
    for (std::size_t c = 0; c < live_.size(); ++c) {
        if (live_[c].span == span_number) {
            own_ = c;
        } else {
            const CaseRun& run = live_[c];
            const SweepSpan& s = run.spans[j];
            poly_.add({run.shear_in, run.shear_in - s.next_start_load, run.moment_in, s.y_left,
                       s.theta_left, s.rigidity, k_ * run.results.joint_disp_y[j + 1],
                       run.shear_tolerance, run.moment_tolerance, run.deflection_tolerance});
            poly_case_.push_back(c);
        }
    }
    const std::size_t np = poly_.size();
    Parts shear_inner, shear_last;
    for (std::size_t c = 0; c < np; ++c) {
        shear_inner.add(poly_.shear_at(c, false));
        shear_last.add(poly_.shear_at(c, true));
    }

    poly_.start_sums(steps, dead_span.end_x);

    // Each case's deflection starts from its own joint movement, not from the end of its walk
    // along the span before (see deflection_end).
    SpanWalk dead(dead_span, k_, dead_->shear_in, dead_->moment_in, dead_span.y_left);
    std::optional<SpanWalk> own;
    const CaseRun* own_case = own_ ? &live_[*own_] : nullptr;
    if (own_case) {
        const SweepSpan& s = own_case->spans[j];
        own.emplace(s, k_, own_case->shear_in, own_case->moment_in, s.y_left);
    }

    std::vector<CombinationRunning> running(out_.size());
    for (long long n = 0; n <= steps; ++n) {
        const bool last = n == steps;
        dead.step(n);
        double own_v = 0, own_m = 0, own_ml = 0, own_d = 0;
        if (own) {
            own->step(n);
            own_v = snap_to_zero(own->shear(), own_case->shear_tolerance);
            own_m = snap_to_zero(own->moment(), own_case->moment_tolerance);
            own_ml = snap_to_zero(own->moment_left(), own_case->moment_tolerance);
            own_d = snap_to_zero(own->deflection(), own_case->deflection_tolerance);
        }
        double dead_d = dead.deflection();
        if (last && right_fixed_y) {
            // The joint's own movement, not the walk's residual.
            dead_d = k_ * dead_->results.joint_disp_y[j + 1];
            if (own_case)
                own_d = snap_to_zero(k_ * own_case->results.joint_disp_y[j + 1],
                                     own_case->deflection_tolerance);
        }

        Parts v = last ? shear_last : shear_inner;
        Parts m, d;
        if (last) {
            for (std::size_t c = 0; c < np; ++c) {
                m.add(poly_.moment_at(c, n));
                d.add(poly_.deflection_end(c, n, right_fixed_y));
            }
        } else {
            poly_.sums_at(n, m, d);
        }
        Parts ml = m;
        v.add(own_v);
        m.add(own_m);
        ml.add(own_ml);
        d.add(own_d);
        const double own_m_sampled = own_m;  // before a free far end's exact moment
        const bool two_moments = dead.moment_applied_here() || (own && own->moment_applied_here());
        const bool far_end = zero_far_end && last;
        // At a free far end the extremes take each case's exact moment there, the couples applied
        // at the tip, in place of the integrated value (as the as-entered extremes do): the dead
        // case's and the span's own; every other case has none there.
        double dead_end = 0, dead_end_left = 0;
        Parts end, end_left;
        if (far_end) {
            dead_end = dead_span.end_moment_jump;
            dead_end_left = dead_end + dead.applied_moment();
            if (own) {
                const SweepSpan& s = own_case->spans[j];
                own_m = snap_to_zero(s.end_moment_jump, own_case->moment_tolerance);
                own_ml = snap_to_zero(s.end_moment_jump + own->applied_moment(),
                                      own_case->moment_tolerance);
            }
            end.add(own_m);
            end_left.add(own_ml);
        }

        for (std::size_t c = 0; c < out_.size(); ++c) {
            const double fd = out_[c].combination.dead;
            const double fl = out_[c].combination.live;
            const auto high = [fl](const Parts& p) { return fl >= 0 ? fl * p.plus : fl * p.minus; };
            const auto low = [fl](const Parts& p) { return fl >= 0 ? fl * p.minus : fl * p.plus; };
            CombinationRunning& r = running[c];
            EnvelopeValues& e = values_[c];
            e.shear_max = fd * dead.shear() + high(v);
            e.shear_min = fd * dead.shear() + low(v);
            r.max[kShear].offer(e.shear_max, true, n, own_v, false);
            r.min[kShear].offer(e.shear_min, false, n, own_v, false);
            if (two_moments) {
                // The moment just left of an applied moment is an extreme of this span too.
                const double left_max = far_end ? fd * dead_end_left + high(end_left)
                                                : fd * dead.moment_left() + high(ml);
                const double left_min = far_end ? fd * dead_end_left + low(end_left)
                                                : fd * dead.moment_left() + low(ml);
                r.max[kMoment].offer(left_max, true, n, own_ml, far_end);
                r.min[kMoment].offer(left_min, false, n, own_ml, far_end);
            }
            e.moment_max = fd * dead.moment() + high(m);
            e.moment_min = fd * dead.moment() + low(m);
            r.max[kMoment].offer(far_end ? fd * dead_end + high(end) : e.moment_max, true, n, own_m,
                                 far_end);
            r.min[kMoment].offer(far_end ? fd * dead_end + low(end) : e.moment_min, false, n, own_m,
                                 far_end);
            e.deflection_max = fd * dead_d + high(d);
            e.deflection_min = fd * dead_d + low(d);
            r.max[kDeflection].offer(e.deflection_max, true, n, own_d, false);
            r.min[kDeflection].offer(e.deflection_min, false, n, own_d, false);
        }
        if (sink_)
            sink_->point(span_number, n, values_);
        if (span_number == probe_span_ && n == probe_index_)
            keep_probe(values_, n, own_v, own_m_sampled, own_d, last);
    }

    for (std::size_t c = 0; c < out_.size(); ++c) {
        const double fl = out_[c].combination.live;
        const CombinationRunning& r = running[c];
        SpanEnvelope& row = out_[c].spans[j];
        EnvelopeExtreme* maxima[kQuantities] = {&row.shear_max, &row.moment_max,
                                                &row.deflection_max};
        EnvelopeExtreme* minima[kQuantities] = {&row.shear_min, &row.moment_min,
                                                &row.deflection_min};
        for (int q = 0; q < kQuantities; ++q) {
            for (const bool is_max : {true, false}) {
                const Running& run = is_max ? r.max[q] : r.min[q];
                EnvelopeExtreme& e = is_max ? *maxima[q] : *minima[q];
                e.value = run.value;
                e.at = static_cast<double>(run.index) / kStepsPerUnit;
                e.loaded_spans =
                    loaded_spans(static_cast<Quantity>(q), run, is_max, fl, run.index == steps);
            }
        }
    }

    // What each case carries into the next span.
    dead_->shear_in = dead.shear_out();
    dead_->moment_in = dead.moment_out();
    for (std::size_t p = 0; p < np; ++p) {
        CaseRun& c = live_[poly_case_[p]];
        const SweepSpan& s = c.spans[j];
        c.moment_in = c.moment_in + c.shear_in * s.end_x - s.end_moment_jump;
        c.shear_in = c.shear_in - s.next_start_load + s.end_shear_jump;
    }
    if (own) {
        live_[*own_].shear_in = own->shear_out();
        live_[*own_].moment_in = own->moment_out();
    }
}

std::vector<int> EnvelopeBuilder::loaded_spans(Quantity q, const Running& r, bool is_max,
                                               double live, bool last) const {
    std::vector<int> spans;
    if (live == 0)
        return spans;
    // The maximum takes the cases that raise the value: positive ones for a positive factor.
    const double sign = (is_max ? 1.0 : -1.0) * (live > 0 ? 1.0 : -1.0);
    std::size_t p = 0;
    for (std::size_t c = 0; c < live_.size(); ++c) {
        double value = 0;
        if (own_ && c == *own_) {
            value = r.own;
        } else {
            switch (q) {
                case kShear:
                    value = poly_.shear_at(p, last);
                    break;
                case kMoment:
                    value = r.exact_end ? 0.0 : poly_.moment_at(p, r.index);
                    break;
                case kDeflection:
                    value = last ? poly_.deflection_end(p, r.index, right_fixed_y_)
                                 : poly_.deflection_at(p, r.index);
                    break;
                case kQuantities:
                    assert(false && "not a quantity");
                    break;
            }
            ++p;
        }
        if (sign * value > 0)
            spans.push_back(live_[c].span);
    }
    return spans;
}

void EnvelopeBuilder::reactions() {
    const std::size_t joints = beam_.joints.size();
    for (CombinationEnvelope& e : out_) {
        const double fd = e.combination.dead;
        const double fl = e.combination.live;
        e.reactions.resize(joints);
        for (std::size_t i = 0; i < joints; ++i) {
            const auto superpose = [&](const std::vector<double> AnalysisResults::*table,
                                       double CaseRun::*tolerance, EnvelopeExtreme& high,
                                       EnvelopeExtreme& low) {
                const double base = fd * (dead_->results.*table)[i];
                high = {base, 0, {}};
                low = {base, 0, {}};
                for (const CaseRun& c : live_) {
                    const double v = fl * snap_to_zero((c.results.*table)[i], c.*tolerance);
                    if (v > 0) {
                        high.value += v;
                        high.loaded_spans.push_back(c.span);
                    } else if (v < 0) {
                        low.value += v;
                        low.loaded_spans.push_back(c.span);
                    }
                }
            };
            ReactionEnvelope& r = e.reactions[i];
            superpose(&AnalysisResults::reaction_shear, &CaseRun::shear_tolerance, r.shear_max,
                      r.shear_min);
            superpose(&AnalysisResults::reaction_moment, &CaseRun::moment_tolerance, r.moment_max,
                      r.moment_min);
        }
    }
}

}  // namespace

Beam load_case_beam(const Beam& beam, int live_span) {
    Beam out = beam;
    for (std::size_t j = 0; j < out.spans.size(); ++j) {
        Span& span = out.spans[j];
        const bool dead = live_span == 0;
        const bool live = static_cast<int>(j + 1) == live_span;
        keep_case(span.uniforms, dead, live);
        keep_case(span.points, dead, live);
        keep_case(span.moments, dead, live);
        span.count_text = {};  // the counts as typed belong to the beam as entered
    }
    // Support movements are permanent, as dead loads are: only the dead case carries them.
    if (live_span != 0) {
        for (Joint& joint : out.joints) {
            joint.settlement = 0;
            joint.imposed_rotation = 0;
        }
    }
    return out;
}

std::vector<CombinationEnvelope> compute_envelopes(const Beam& beam, const SessionOptions& options,
                                                   EnvelopeSink* sink) {
    EnvelopeBuilder builder(beam, options, sink);
    return builder.run();
}

std::optional<SpanEnvelope> envelope_at(const Beam& beam, const SessionOptions& options,
                                        std::size_t combination, int span, long long index) {
    EnvelopeBuilder builder(beam, options, nullptr);
    return builder.probe(combination, span, index);
}

}  // namespace spanlyx
