// The springs and imposed movements of the joints, echoed after the joints in both pieces. A beam
// whose joints are only fixed or free has no such block.

#include <cassert>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::size_t kSpringAsterisks = 29;
constexpr std::string_view kRotationPattern = "0.000000";

// The units of the columns: stiffnesses and settlements per displacement unit of the report.
struct SpringUnits {
    std::string_view ky;
    std::string_view kz;
    std::string_view settlement;
};

SpringUnits spring_units(UnitSystem units) {
    switch (units) {
        case UnitSystem::E:
            return {"(#/in)", "(ft-#/rad)", "(in)"};
        case UnitSystem::E2:
            return {"(#/in)", "(in-#/rad)", "(in)"};
        case UnitSystem::M:
        case UnitSystem::M2:
            return {"(N/m)", "(m-N/rad)", "(m)"};
        case UnitSystem::M3:
            return {"(kg/m)", "(m-kg/rad)", "(m)"};
        case UnitSystem::M4:
            return {"(N/mm)", "(mm-N/rad)", "(mm)"};
    }
    assert(false && "unknown unit system");
    return {};
}

void write_piece(TextWriter& out, const Beam& beam, const NumberPatterns& patterns) {
    const SpringUnits units = spring_units(beam.units);
    const std::string stars = asterisk_line(kSpringAsterisks);
    out.line(stars);
    out.line("    Springs and Imposed Movements");
    out.line(stars);
    out.empty_line();
    out.line(PrintLine()
                 .zone("Joint")
                 .zone("Y Spring")
                 .zone("Z Spring")
                 .zone("Settlement")
                 .zone("Imposed Rot"));
    out.line(
        PrintLine().zone("").zone(units.ky).zone(units.kz).zone(units.settlement).zone("(rad)"));
    out.empty_line();
    for (std::size_t j = 0; j < beam.joints.size(); ++j) {
        const Joint& joint = beam.joints[j];
        if (!joint.is_elastic_or_moved())
            continue;
        PrintLine line;
        line.zone_number(static_cast<double>(j + 1));
        line.zone(joint.spring_y ? format_pattern(joint.ky, patterns.shear) : "none");
        line.zone(joint.spring_z ? format_pattern(joint.kz, patterns.moment) : "none");
        line.zone(format_pattern(joint.settlement, patterns.deflection));
        line.zone(format_pattern(joint.imposed_rotation, kRotationPattern));
        out.line(line);
    }
    out.empty_line();
}

}  // namespace

void write_springs_echo(PieceWriters& pieces, const Beam& beam, const NumberPatterns& patterns) {
    if (!beam.has_springs_or_movements())
        return;
    write_piece(pieces.detailed, beam, patterns);
    write_piece(pieces.brief, beam, patterns);
}

}  // namespace spanlyx
