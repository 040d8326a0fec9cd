#include "report/report_units.h"

#include "model/number_text.h"

namespace spanlyx {

ReportUnitWords report_unit_words(UnitSystem units) {
    const SketchUnitWords& loads = loading_unit_words(units);
    const DiagramUnitLabels& diagrams = diagram_unit_labels(units);
    ReportUnitWords words;
    words.length = is_imperial(units) ? (lengths_in_feet(units) ? "ft" : "in")
                                      : (units == UnitSystem::M4 ? "mm" : "m");
    words.force = std::string(trim(loads.force));
    words.moment = std::string(trim(loads.moment));
    words.distributed = std::string(trim(loads.distributed));
    words.deflection = std::string(diagrams.deflection);
    // Joint displacements of the analysis are in inches (imperial), millimetres (M4) or metres.
    words.displacement = is_imperial(units) ? "in" : (units == UnitSystem::M4 ? "mm" : "m");
    return words;
}

std::string with_unit(std::string_view name, std::string_view unit) {
    return std::string(name) + " (" + std::string(unit) + ")";
}

}  // namespace spanlyx
