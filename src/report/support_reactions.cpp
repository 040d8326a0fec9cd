// Shear and moment reaction of every support record, in both pieces. Free directions print 0.

#include <cassert>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::size_t kReactionAsterisks = 28;

}  // namespace

ReactionLabels reaction_labels(UnitSystem units) {
    switch (units) {
        case UnitSystem::E:
            return {" Shear  Reaction (#)    = ", " Moment Reaction (FT-#) = "};
        case UnitSystem::E2:
            return {" Shear  Reaction (#)    = ", " Moment Reaction (IN-#) = "};
        case UnitSystem::M:
        case UnitSystem::M2:
            return {" Shear  Reaction (N)    = ", " Moment Reaction (m-N) = "};
        case UnitSystem::M3:
            return {" Shear  Reaction (kg)    = ", " Moment Reaction (m-kg) = "};
        case UnitSystem::M4:
            return {" Shear  Reaction (N)    = ", " Moment Reaction (mm-N) = "};
    }
    assert(false && "unknown unit system");
    return {};
}

namespace {

void write_piece(TextWriter& out, const StiffnessModel& model, const AnalysisResults& results,
                 const NumberPatterns& patterns) {
    const ReactionLabels labels = reaction_labels(model.units);
    const std::string stars = asterisk_line(kReactionAsterisks);
    out.blank_line();
    out.blank_line();
    out.line(stars);
    out.line("    SUPPORT REACTIONS '");
    out.line(stars);
    out.blank_line();
    for (const SupportRecord& record : model.supports) {
        assert(record.joint >= 1 && record.joint <= model.joint_count());
        const auto joint = static_cast<std::size_t>(record.joint - 1);
        out.blank_line();
        out.blank_line();
        out.line(PrintLine("    Joint # ")
                     .zone_number(record.joint)
                     .zone(labels.shear)
                     .zone(format_pattern(results.reaction_shear[joint], patterns.shear)));
        out.line(PrintLine("    Joint # ")
                     .zone_number(record.joint)
                     .zone(labels.moment)
                     .zone(format_pattern(results.reaction_moment[joint], patterns.moment)));
        out.blank_line();
    }
}

}  // namespace

void write_support_reactions(PieceWriters& pieces, const StiffnessModel& model,
                             const AnalysisResults& results, const NumberPatterns& patterns) {
    assert(results.reaction_shear.size() == model.joint_coord.size());
    assert(results.reaction_moment.size() == model.joint_coord.size());
    write_piece(pieces.detailed, model, results, patterns);
    write_piece(pieces.brief, model, results, patterns);
}

}  // namespace spanlyx
