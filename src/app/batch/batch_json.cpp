#include "batch/batch_json.h"

#include <string>

#include "model/units.h"
#include "response/response_labels.h"

namespace spanlyx {
namespace {

struct UnitNames {
    const char* length;
    const char* displacement;
    const char* force;
    const char* moment;
};

UnitNames unit_names(UnitSystem system) {
    switch (system) {
        case UnitSystem::E:
            return {"ft", "in", "lb", "ft-lb"};
        case UnitSystem::E2:
            return {"in", "in", "lb", "in-lb"};
        case UnitSystem::M:
        case UnitSystem::M2:
            return {"m", "m", "N", "N-m"};
        case UnitSystem::M3:
            return {"m", "m", "kg", "kg-m"};
        case UnitSystem::M4:
            return {"mm", "mm", "N", "N-mm"};
    }
    return {"", "", "", ""};
}

const char* status_text(CalculateStatus status) {
    switch (status) {
        case CalculateStatus::NoLoads:
            return "no loads";
        case CalculateStatus::BeamRejected:
            return "beam rejected";
        case CalculateStatus::LoadRejected:
            return "load rejected";
        case CalculateStatus::SectionRejected:
            return "section rejected";
        case CalculateStatus::Unstable:
            return "unstable";
        case CalculateStatus::Analysed:
            return "analysed";
    }
    return "";
}

// A running extreme starts at 0 and only a value beyond 0 on its side replaces it, so an
// extreme that is exactly 0 was never set in the span (or, for deflections, is a support's
// zero): it has no value and no location to report, and is written as null.
bool is_set(double extreme) {
    return extreme != 0;
}

nlohmann::json extreme_value(double value, double scale) {
    return is_set(value) ? nlohmann::json(value * scale) : nlohmann::json(nullptr);
}

const char* support_word(int restraint, bool spring) {
    if (spring)
        return "spring";
    return restraint == 1 ? "fixed" : "free";
}

// The support of a joint with a spring or a movement, in the words of the JSON beam: a spring's
// reaction is the joint's reaction on that coordinate (-k times its displacement).
void add_support(nlohmann::json& entry, const Joint& joint) {
    entry["y"] = support_word(joint.restraint_y, joint.spring_y);
    entry["z"] = support_word(joint.restraint_z, joint.spring_z);
    if (joint.spring_y)
        entry["ky"] = joint.ky;
    if (joint.spring_z)
        entry["kz"] = joint.kz;
    if (joint.settlement != 0)
        entry["settlement"] = joint.settlement;
    if (joint.imposed_rotation != 0)
        entry["imposed_rotation"] = joint.imposed_rotation;
}

}  // namespace

nlohmann::json analysis_json(const Beam& beam, const CalculateOutcome& outcome) {
    using nlohmann::json;
    const UnitNames names = unit_names(beam.units);
    json doc;
    doc["status"] = status_text(outcome.status);
    doc["units"] = {{"system", std::string(unit_tag(beam.units))},
                    {"length", names.length},
                    {"displacement", names.displacement},
                    {"force", names.force},
                    {"moment", names.moment},
                    {"rotation", "rad"}};
    json messages = json::array();
    for (const Message& m : outcome.messages)
        messages.push_back(m.text);
    doc["messages"] = messages;
    if (!outcome.model || !outcome.results || !outcome.results->stable)
        return doc;

    const StiffnessModel& model = *outcome.model;
    const AnalysisResults& results = *outcome.results;
    // Vertical displacements as the report prints them: inches in system E.
    const double displacement_factor = lengths_in_feet(beam.units) ? 12.0 : 1.0;
    json joints = json::array();
    for (int j = 0; j < model.joint_count(); ++j) {
        const auto k = static_cast<std::size_t>(j);
        json entry = {{"joint", j + 1},
                      {"x", model.joint_coord[k][0]},
                      {"displacement", results.joint_disp_y[k] * displacement_factor},
                      {"rotation", results.joint_rotation[k]},
                      {"reaction_shear", results.reaction_shear[k]},
                      {"reaction_moment", results.reaction_moment[k]}};
        if (k < beam.joints.size() && beam.joints[k].is_elastic_or_moved())
            add_support(entry, beam.joints[k]);
        joints.push_back(std::move(entry));
    }
    doc["joints"] = joints;
    json members = json::array();
    for (int m = 0; m < model.member_count(); ++m) {
        const auto k = static_cast<std::size_t>(m);
        const auto& q = results.member_force_local[k];
        const auto& fem = model.span_fem[k];
        members.push_back({{"member", m + 1},
                           {"start_joint", model.members[k].start_joint},
                           {"end_joint", model.members[k].end_joint},
                           {"start", {{"axial", q[0]}, {"shear", q[1]}, {"moment", q[2]}}},
                           {"end", {{"axial", q[3]}, {"shear", q[4]}, {"moment", q[5]}}},
                           {"fixed_end",
                            {{"start_shear", fem.start_shear},
                             {"start_moment", fem.start_moment},
                             {"end_shear", fem.end_shear},
                             {"end_moment", fem.end_moment}}}});
    }
    doc["members"] = members;
    return doc;
}

void add_response_json(nlohmann::json& doc, const Beam& beam, const ResponseOutcome& response) {
    using nlohmann::json;
    const double factor = deflection_display_factor(beam.units);
    json spans = json::array();
    for (std::size_t s = 0; s < response.span_extremes.size(); ++s) {
        const SpanExtremes& e = response.span_extremes[s];
        const double start = response.span_start[s];
        const auto entry = [start](const Extreme& x, double scale) {
            if (!is_set(x.value))
                return json(nullptr);
            return json{{"value", x.value * scale}, {"at", x.at - start}};
        };
        spans.push_back({{"span", s + 1},
                         {"shear_max", entry(e.shear_max, 1)},
                         {"shear_min", entry(e.shear_min, 1)},
                         {"moment_max", entry(e.moment_max, 1)},
                         {"moment_min", entry(e.moment_min, 1)},
                         {"deflection_max", entry(e.deflection_max, factor)},
                         {"deflection_min", entry(e.deflection_min, factor)}});
    }
    doc["span_extremes"] = spans;
    const BeamExtremes& b = response.beam_extremes;
    doc["beam_extremes"] = {{"shear_min", extreme_value(b.shear_min, 1)},
                            {"shear_max", extreme_value(b.shear_max, 1)},
                            {"moment_min", extreme_value(b.moment_min, 1)},
                            {"moment_max", extreme_value(b.moment_max, 1)},
                            {"deflection_min", extreme_value(b.deflection_min, factor)},
                            {"deflection_max", extreme_value(b.deflection_max, factor)}};
    doc["sample_count"] = response.sample_count;
    doc["units"]["deflection"] = std::string(defl_unit(beam.units)) == "no"
                                     ? std::string("in")
                                     : std::string(defl_unit(beam.units));
}

void add_envelopes_json(nlohmann::json& doc, const Beam& beam,
                        const std::vector<CombinationEnvelope>& envelopes) {
    using nlohmann::json;
    const double factor = deflection_display_factor(beam.units);
    const auto at_point = [](const EnvelopeExtreme& e, double scale) {
        return json{{"at", e.at}, {"value", e.value * scale}, {"loaded_spans", e.loaded_spans}};
    };
    const auto reaction = [](const EnvelopeExtreme& e) {
        return json{{"value", e.value}, {"loaded_spans", e.loaded_spans}};
    };
    json list = json::array();
    for (const CombinationEnvelope& env : envelopes) {
        json spans = json::array();
        for (std::size_t s = 0; s < env.spans.size(); ++s) {
            const SpanEnvelope& e = env.spans[s];
            spans.push_back({{"span", s + 1},
                             {"shear_max", at_point(e.shear_max, 1)},
                             {"shear_min", at_point(e.shear_min, 1)},
                             {"moment_max", at_point(e.moment_max, 1)},
                             {"moment_min", at_point(e.moment_min, 1)},
                             {"deflection_max", at_point(e.deflection_max, factor)},
                             {"deflection_min", at_point(e.deflection_min, factor)}});
        }
        json reactions = json::array();
        for (std::size_t j = 0; j < env.reactions.size(); ++j) {
            const ReactionEnvelope& r = env.reactions[j];
            reactions.push_back({{"joint", j + 1},
                                 {"shear_max", reaction(r.shear_max)},
                                 {"shear_min", reaction(r.shear_min)},
                                 {"moment_max", reaction(r.moment_max)},
                                 {"moment_min", reaction(r.moment_min)}});
        }
        list.push_back({{"name", env.combination.name},
                        {"dead", env.combination.dead},
                        {"live", env.combination.live},
                        {"span_extremes", spans},
                        {"reactions", reactions}});
    }
    doc["envelopes"] = list;
}

}  // namespace spanlyx
