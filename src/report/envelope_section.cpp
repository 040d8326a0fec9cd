#include "report/envelope_section.h"

#include <string_view>

#include "model/number_text.h"
#include "model/print_line.h"
#include "report/report_sections.h"
#include "response/extremes_report.h"
#include "response/response_labels.h"

namespace spanlyx {
namespace {

constexpr std::size_t kBannerAsterisks = 28;

void write_extreme(TextWriter& out, std::string_view label, const std::string& pattern,
                   double factor, std::string_view location_label, const EnvelopeExtreme& e) {
    out.empty_line();
    out.line(std::string(label) + format_pattern(e.value * factor, pattern));
    out.line(std::string(location_label) + format_fixed(e.at, 2));
    out.line("    " + spans_loaded_text(e.loaded_spans));
}

void write_reaction(TextWriter& out, std::string_view which, std::string_view label,
                    const std::string& pattern, const EnvelopeExtreme& e) {
    out.line(PrintLine("    ").join(which).join(label).join(format_pattern(e.value, pattern)));
    out.line("    " + spans_loaded_text(e.loaded_spans));
}

void write_combination(TextWriter& out, const CombinationEnvelope& env, UnitSystem units,
                       const NumberPatterns& patterns) {
    const std::string stars = asterisk_line(kBannerAsterisks);
    out.empty_line();
    out.empty_line();
    out.line(stars);
    out.line("    COMBINATION  " + env.combination.name);
    out.line(PrintLine("    Dead Load Factor = ").join_number(env.combination.dead));
    out.line(PrintLine("    Live Load Factor = ").join_number(env.combination.live));
    out.line(stars);

    const ExtremesLabels& labels = extremes_labels(units);
    const double defl = deflection_display_factor(units);
    for (std::size_t j = 0; j < env.spans.size(); ++j) {
        const SpanEnvelope& s = env.spans[j];
        write_span_banner(out, static_cast<int>(j + 1));
        write_extreme(out, labels.shear_max, patterns.shear, 1, labels.location, s.shear_max);
        write_extreme(out, labels.shear_min, patterns.shear, 1, labels.location, s.shear_min);
        write_extreme(out, labels.moment_max, patterns.moment, 1, labels.location, s.moment_max);
        write_extreme(out, labels.moment_min, patterns.moment, 1, labels.location, s.moment_min);
        write_extreme(out, labels.deflection_max, patterns.deflection, defl, labels.location,
                      s.deflection_max);
        write_extreme(out, labels.deflection_min, patterns.deflection, defl, labels.location,
                      s.deflection_min);
    }

    const ReactionLabels reaction = reaction_labels(units);
    out.empty_line();
    out.empty_line();
    out.line(stars);
    out.line("    SUPPORT REACTIONS  " + env.combination.name);
    out.line(stars);
    for (std::size_t i = 0; i < env.reactions.size(); ++i) {
        const ReactionEnvelope& r = env.reactions[i];
        out.empty_line();
        out.line(PrintLine("    Joint # ").join_number(static_cast<double>(i + 1)));
        write_reaction(out, "Maximum", reaction.shear, patterns.shear, r.shear_max);
        write_reaction(out, "Minimum", reaction.shear, patterns.shear, r.shear_min);
        write_reaction(out, "Maximum", reaction.moment, patterns.moment, r.moment_max);
        write_reaction(out, "Minimum", reaction.moment, patterns.moment, r.moment_min);
    }
}

}  // namespace

std::string spans_loaded_text(const std::vector<int>& spans) {
    if (spans.empty())
        return "Spans loaded: none";
    std::string text = "Spans loaded: ";
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += std::to_string(spans[i]);
    }
    return text;
}

std::string envelope_section(const std::vector<CombinationEnvelope>& envelopes, UnitSystem units,
                             const NumberPatterns& patterns) {
    if (envelopes.empty())
        return {};
    TextWriter out;
    const std::string stars = asterisk_line(kBannerAsterisks);
    out.empty_line();
    out.empty_line();
    out.line(stars);
    out.line("    LIVE LOAD ENVELOPES");
    out.line(stars);
    for (const CombinationEnvelope& env : envelopes)
        write_combination(out, env, units, patterns);
    return out.take();
}

}  // namespace spanlyx
