// Fixed-end actions per member, as a span fixed at both ends carries its member loads
// before any release redistribution. Detailed piece only.

#include <cassert>
#include <string_view>

#include "model/number_text.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::size_t kFemAsterisks = 27;
constexpr std::string_view kFemPattern = "0.00";

struct FemUnits {
    std::string_view shear;
    std::string_view moment;
};

FemUnits fem_units(UnitSystem units) {
    switch (units) {
        case UnitSystem::E:
        case UnitSystem::E2:
            return {" (#)", " (#/lf)"};
        case UnitSystem::M:
        case UnitSystem::M2:
            return {" (N)", " (N/m)"};
        case UnitSystem::M3:
            return {" (kg)", " (kg/m)"};
        case UnitSystem::M4:
            return {" (N)", " (N/mm)"};
    }
    assert(false && "unknown unit system");
    return {};
}

void write_value(TextWriter& out, std::string_view label, double value, std::string_view unit) {
    out.empty_line();
    out.line(PrintLine(label).zone(format_pattern(value, kFemPattern)).join(unit));
}

}  // namespace

void write_fem_section(TextWriter& detailed, const StiffnessModel& model) {
    assert(model.span_fem.size() == model.members.size());
    const FemUnits units = fem_units(model.units);
    const std::string stars = asterisk_line(kFemAsterisks);
    detailed.empty_line();
    detailed.line(stars);
    detailed.line("    FEM FOR EACH MEMBER");
    detailed.line(stars);
    detailed.empty_line();
    detailed.blank_line();
    for (std::size_t m = 0; m < model.span_fem.size(); ++m) {
        const FixedEndActions& fem = model.span_fem[m];
        detailed.line(PrintLine("    MEMBER # ").join_number(static_cast<double>(m + 1)));
        // "Span one" stands in every member's lines, whatever its number.
        write_value(detailed, "    Span one LT FEA = ", fem.start_shear, units.shear);
        write_value(detailed, "    Span one LT FEM = ", fem.start_moment, units.moment);
        write_value(detailed, "    Span one RT FEA = ", fem.end_shear, units.shear);
        write_value(detailed, "    Span one RT FEM = ", fem.end_moment, units.moment);
        detailed.blank_line();
    }
}

}  // namespace spanlyx
