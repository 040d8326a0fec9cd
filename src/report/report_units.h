#pragma once
// Unit words of the calculation report's column headings, taken from the unit system's own
// words (model/units.h) so that the report names units exactly as the windows and diagrams do.

#include <string>
#include <string_view>

#include "model/units.h"

namespace spanlyx {

struct ReportUnitWords {
    std::string length;        // span lengths and positions: "ft", "in", "m", "mm"
    std::string force;         // "#", "N", "kg"
    std::string moment;        // "ft-#", "in-#", "N-m", "kg-m", "N-mm"
    std::string distributed;   // "#/lf", "#/in", "N/m", "kg/m", "N/mm"
    std::string deflection;    // deflections and joint displacements: "in", "m", "cm", "mm"
    std::string displacement;  // the unit springs and settlements are entered in: "in", "m", "mm"
};
ReportUnitWords report_unit_words(UnitSystem units);

// "Name (unit)".
std::string with_unit(std::string_view name, std::string_view unit);

}  // namespace spanlyx
