#pragma once
// The six unit systems: codes, entry-to-stored scaling of E and I, allowed decimals and the
// captions of the entry fields.

#include <array>
#include <optional>
#include <string_view>

namespace spanlyx {

// E: imperial with lengths in feet; E2: imperial with every length in inches;
// M, M2, M3: metric with lengths in metres; M4: metric with lengths in millimetres.
enum class UnitSystem { E, E2, M, M2, M3, M4 };

inline constexpr std::array<UnitSystem, 6> kAllUnitSystems = {
    UnitSystem::E, UnitSystem::E2, UnitSystem::M, UnitSystem::M2, UnitSystem::M3, UnitSystem::M4};

// The family code kept in memory: "E" for both imperial systems, else "M", "M2", "M3", "M4".
std::string_view unit_code(UnitSystem system);
// "y" only for E2.
bool inch_units(UnitSystem system);
// Display unit of deflections: "no" for both imperial systems (inches), else "m", "cm", "mm".
std::string_view defl_unit(UnitSystem system);
// The one-code form of files: "E2" for imperial inches, otherwise the family code.
std::string_view unit_tag(UnitSystem system);
// Exact match of a whole tag ("E", "E2", "M", "M2", "M3", "M4"); case matters.
std::optional<UnitSystem> parse_unit_tag(std::string_view tag);

bool is_imperial(UnitSystem system);
// System E keeps lengths in feet while E is in psi and I in in^4: the engine rescales them.
bool lengths_in_feet(UnitSystem system);

// Entered I and E to the stored (internal) unit and back.
double inertia_to_stored(UnitSystem system, double entered);
double inertia_to_entry(UnitSystem system, double stored);
double modulus_to_stored(UnitSystem system, double entered);
double modulus_to_entry(UnitSystem system, double stored);

// The imperial E rule of the E field: a value below 30 is millions of psi.
inline constexpr double kImperialModulusMillionsBelow = 30.0;
double imperial_entered_modulus(double entered);

// Decimals allowed in lengths and distances: 3 in E2 and M4, else 2.
int allowed_decimals(UnitSystem system);

// Captions of the eleven unit-dependent labels of the entry window.
struct EntryCaptions {
    std::string_view label10;  // span length
    std::string_view label19;  // moment of inertia
    std::string_view label23;  // modulus
    std::string_view label11;  // X1
    std::string_view label12;  // W1
    std::string_view label13;  // X2
    std::string_view label4;   // W2
    std::string_view label7;   // point-load distance
    std::string_view label8;   // point load
    std::string_view label15;  // moment distance
    std::string_view label14;  // moment
};
const EntryCaptions& entry_captions(UnitSystem system);

// Unit words of the load labels of the input sketch: force, distributed load and applied moment.
// The moment word carries its leading blank, the other two follow the value directly.
struct SketchUnitWords {
    std::string_view force;        // "#", "N", "kg"
    std::string_view distributed;  // "#/lf", "#/in", "N/m", "kg/m", "N/mm"
    std::string_view moment;       // " ft-#", " in-#", " m-N", " m-kg", " mm-N"
};
const SketchUnitWords& sketch_unit_words(UnitSystem system);

// Unit words of the load labels of the results window's loading diagram, in the shape of the
// sketch's: the force word has two leading blanks ("  #", "  N", "  kg"), the moment word one
// (" ft-#", " in-#", " N-m", " kg-m", " N-mm"), the distributed word none.
const SketchUnitWords& loading_unit_words(UnitSystem system);

// Units of the results window's shear, moment and deflection diagrams, the labels beside "V",
// "M" and "D"; a printed page writes them in parentheses under its axis titles.
struct DiagramUnitLabels {
    std::string_view shear;       // "#", "N", "kg"
    std::string_view moment;      // "ft-#", "in-#", "N-m", "kg-m", "N-mm"
    std::string_view deflection;  // "in", "m", "cm", "mm"
};
const DiagramUnitLabels& diagram_unit_labels(UnitSystem system);

// Units of the elastic supports and imposed movements of a joint, in the units the report gives
// joint displacements and forces in: a vertical spring in force per displacement unit, a
// rotational spring in moment unit per radian, a settlement in the displacement unit and an
// imposed rotation in radians.
struct SupportUnitWords {
    std::string_view ky;          // "lb/in", "N/m", "kg/m", "N/mm"
    std::string_view kz;          // "ft-lb/rad", "in-lb/rad", "N-m/rad", "kg-m/rad", "N-mm/rad"
    std::string_view settlement;  // "in", "m", "mm"
    std::string_view rotation;    // "rad"
};
const SupportUnitWords& support_unit_words(UnitSystem system);

// Units menu: item object name and caption (a doubled ampersand shows as one).
struct UnitMenuItem {
    std::string_view object_name;
    std::string_view caption;
};
const UnitMenuItem& unit_menu_item(UnitSystem system);

}  // namespace spanlyx
