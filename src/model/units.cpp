#include "model/units.h"

#include <cassert>
#include <cstddef>

namespace spanlyx {
namespace {

std::size_t index_of(UnitSystem system) {
    switch (system) {
        case UnitSystem::E:
            return 0;
        case UnitSystem::E2:
            return 1;
        case UnitSystem::M:
            return 2;
        case UnitSystem::M2:
            return 3;
        case UnitSystem::M3:
            return 4;
        case UnitSystem::M4:
            return 5;
    }
    assert(false && "unknown unit system");
    return 0;
}

struct SystemRow {
    std::string_view code;
    bool inch_units;
    std::string_view defl_unit;
    std::string_view tag;
    // stored = entered x multiplier / divisor; entry = stored x divisor / multiplier
    double inertia_multiplier, inertia_divisor;
    double modulus_multiplier, modulus_divisor;
    int decimals;
};

// 100^4 and 100^2 are the cm-to-m factors of system M3.
constexpr std::array<SystemRow, 6> kRows = {{
    {"E", false, "no", "E", 1.0, 1.0, 1.0, 1.0, 2},
    {"E", true, "no", "E2", 1.0, 1.0, 1.0, 1.0, 3},
    {"M", false, "m", "M", 0.00001, 1.0, 1000000000.0, 1.0, 2},
    {"M2", false, "m", "M2", 0.00000001, 1.0, 1000000.0, 1.0, 2},
    {"M3", false, "cm", "M3", 1.0, 100.0 * 100.0 * 100.0 * 100.0, 100.0 * 100.0, 1.0, 2},
    {"M4", false, "mm", "M4", 1.0, 1.0, 1.0, 1.0, 3},
}};

constexpr std::array<EntryCaptions, 6> kCaptions = {{
    {"Span Length (ft)", "Moment of Inertia (in^4)", "Span E (psi)", "X1(ft)", "W1 (#/ft)",
     "X2(ft)", "W2 (#/ft)", "X Dist (ft)", "P (#)", "X Dist (ft)", "M (ft-#)"},
    {"Span Length (in)", "Moment of Inertia (in^4)", "Span E (psi)", "X1(in)", "W1 (#/in)",
     "X2(in)", "W2 (#/in)", "X Dist (in)", "P (#)", "X Dist (in)", "M (in-#)"},
    {"Span Length (m)", "Mom of Inertia (x10^-5 m^4)", "Span E (GN/m^2)", "X1(m)", "W1 (N/m)",
     "X2(m)", "W2 (N/m)", "X Dist (m)", "P (N)", "X Dist (m)", "M (N-m)"},
    {"Span Length (m)", "Mom of Inertia (x10^4 mm^4)", "Span E (N/mm^2)", "X1(m)", "W1 (N/m)",
     "X2(m)", "W2 (N/m)", "X Dist (m)", "P (N)", "X Dist (m)", "M (N-m)"},
    {"Span Length (m)", "Mom of Inertia (cm^4)", "Span E (kg/cm^2)", "X1(m)", "W1 (kg/m)", "X2(m)",
     "W2 (kg/m)", "X Dist (m)", "P (kg)", "X Dist (m)", "M (kg-m)"},
    {"Span Length (mm)", "Mom of Inertia (mm^4)", "Span E (N/mm^2)", "X1(mm)", "W1 (N/mm)",
     "X2(mm)", "W2 (N/mm)", "X Dist (mm)", "P (N)", "X Dist (mm)", "M (N-mm)"},
}};

constexpr std::array<UnitMenuItem, 6> kMenu = {{
    {"mnuEnglish", "Imperial (ft)"},
    {"mnuEnglish2", "Imperial (in)"},
    {"mnumetric", "Metric I: x10^-5 m^4 && E: GN/m^2"},
    {"mnumetric2", "Metric I: x10^4 mm^4 && E: N/mm^2"},
    {"mnumetric3", "Metric I: cm^4 && E: Kg/cm^2"},
    {"mnumetric4", "Metric (mm),  I: mm^4 && E N/mm^2"},
}};

constexpr std::array<SketchUnitWords, 6> kSketchWords = {{
    {"#", "#/lf", " ft-#"},
    {"#", "#/in", " in-#"},
    {"N", "N/m", " m-N"},
    {"N", "N/m", " m-N"},
    {"kg", "kg/m", " m-kg"},
    {"N", "N/mm", " mm-N"},
}};

constexpr std::array<SketchUnitWords, 6> kLoadingWords = {{
    {"  #", "#/lf", " ft-#"},
    {"  #", "#/in", " in-#"},
    {"  N", "N/m", " N-m"},
    {"  N", "N/m", " N-m"},
    {"  kg", "kg/m", " kg-m"},
    {"  N", "N/mm", " N-mm"},
}};

constexpr std::array<DiagramUnitLabels, 6> kDiagramUnits = {{
    {"#", "ft-#", "in"},
    {"#", "in-#", "in"},
    {"N", "N-m", "m"},
    {"N", "N-m", "m"},
    {"kg", "kg-m", "cm"},
    {"N", "N-mm", "mm"},
}};

constexpr std::array<SupportUnitWords, 6> kSupportWords = {{
    {"lb/in", "ft-lb/rad", "in", "rad"},
    {"lb/in", "in-lb/rad", "in", "rad"},
    {"N/m", "N-m/rad", "m", "rad"},
    {"N/m", "N-m/rad", "m", "rad"},
    {"kg/m", "kg-m/rad", "m", "rad"},
    {"N/mm", "N-mm/rad", "mm", "rad"},
}};

const SystemRow& row(UnitSystem system) {
    return kRows[index_of(system)];
}

}  // namespace

std::string_view unit_code(UnitSystem system) {
    return row(system).code;
}
bool inch_units(UnitSystem system) {
    return row(system).inch_units;
}
std::string_view defl_unit(UnitSystem system) {
    return row(system).defl_unit;
}
std::string_view unit_tag(UnitSystem system) {
    return row(system).tag;
}

std::optional<UnitSystem> parse_unit_tag(std::string_view tag) {
    for (UnitSystem system : kAllUnitSystems) {
        if (row(system).tag == tag)
            return system;
    }
    return std::nullopt;
}

bool is_imperial(UnitSystem system) {
    return system == UnitSystem::E || system == UnitSystem::E2;
}
bool lengths_in_feet(UnitSystem system) {
    return system == UnitSystem::E;
}

double inertia_to_stored(UnitSystem system, double entered) {
    const SystemRow& r = row(system);
    return entered * r.inertia_multiplier / r.inertia_divisor;
}
double inertia_to_entry(UnitSystem system, double stored) {
    const SystemRow& r = row(system);
    return stored * r.inertia_divisor / r.inertia_multiplier;
}
double modulus_to_stored(UnitSystem system, double entered) {
    const SystemRow& r = row(system);
    return entered * r.modulus_multiplier / r.modulus_divisor;
}
double modulus_to_entry(UnitSystem system, double stored) {
    const SystemRow& r = row(system);
    return stored * r.modulus_divisor / r.modulus_multiplier;
}

double imperial_entered_modulus(double entered) {
    return entered < kImperialModulusMillionsBelow ? entered * 1000000.0 : entered;
}

int allowed_decimals(UnitSystem system) {
    return row(system).decimals;
}

const EntryCaptions& entry_captions(UnitSystem system) {
    return kCaptions[index_of(system)];
}
const UnitMenuItem& unit_menu_item(UnitSystem system) {
    return kMenu[index_of(system)];
}
const SketchUnitWords& sketch_unit_words(UnitSystem system) {
    return kSketchWords[index_of(system)];
}
const SketchUnitWords& loading_unit_words(UnitSystem system) {
    return kLoadingWords[index_of(system)];
}
const DiagramUnitLabels& diagram_unit_labels(UnitSystem system) {
    return kDiagramUnits[index_of(system)];
}

const SupportUnitWords& support_unit_words(UnitSystem system) {
    return kSupportWords[index_of(system)];
}

}  // namespace spanlyx
