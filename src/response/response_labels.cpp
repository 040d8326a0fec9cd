#include "response/response_labels.h"

#include <cassert>

namespace spanlyx {
namespace {

constexpr ExtremesLabels kImperialFeet = {
    "    Maximum '+' Shear      (#)     = ", "    Minimum '-' Shear      (#)     = ",
    "    Maximum '+' Moment     (ft-#)  = ", "    Minimum '-' Moment     (ft-#)  = ",
    "    Maximum '+' Deflection (in)    = ", "    Maximum '-' Deflection (in)    = ",
    "             @  Location   (ft)    = ",
};
constexpr ExtremesLabels kImperialInches = {
    "    Maximum '+' Shear      (#)     = ", "    Minimum '-' Shear      (#)     = ",
    "    Maximum '+' Moment     (in-#)  = ", "    Minimum '-' Moment     (in-#)  = ",
    "    Maximum '+' Deflection (in)    = ", "    Maximum '-' Deflection (in)    = ",
    "             @  Location   (in)    = ",
};
constexpr ExtremesLabels kMetres = {
    "    Maximum '+' Shear      (N)     = ", "    Minimum '-' Shear      (N)     = ",
    "    Maximum '+' Moment     (N-m)   = ", "    Minimum '-' Moment     (N-m)   = ",
    "    Maximum '+' Deflection (m)     = ", "    Maximum '-' Deflection (m)     = ",
    "             @  Location   (m)     = ",
};
constexpr ExtremesLabels kKilogramMetres = {
    "    Maximum '+' Shear      (kg)     = ", "    Minimum '-' Shear      (kg)     = ",
    "    Maximum '+' Moment     (kg-m)   = ", "    Minimum '-' Moment     (kg-m)   = ",
    "    Maximum '+' Deflection (cm)     = ", "    Maximum '-' Deflection (cm)     = ",
    "             @  Location   (m)     = ",
};
constexpr ExtremesLabels kMillimetres = {
    "    Maximum '+' Shear      (N)     = ",  "    Minimum '-' Shear      (N)     = ",
    "    Maximum '+' Moment     (N-mm)   = ", "    Minimum '-' Moment     (N-mm)   = ",
    "    Maximum '+' Deflection (mm)     = ", "    Maximum '-' Deflection (mm)     = ",
    "             @  Location   (mm)     = ",
};

constexpr ExtraOutputLabels kExtraFeet = {"    Dist X from Lt side of span (ft)   = ",
                                          "    Deflection (in) = "};
constexpr ExtraOutputLabels kExtraInches = {"    Dist X from Lt side of span (in)   = ",
                                            "    Deflection (in) = "};
constexpr ExtraOutputLabels kExtraMetres = {"    Dist X from Lt side of span (m)   = ",
                                            "    Deflection (m) = "};
constexpr ExtraOutputLabels kExtraCentimetres = {"    Dist X from Lt side of span (m)   = ",
                                                 "    Deflection (cm) = "};
// The distance label of system M4 names metres, as the program has always printed it.
constexpr ExtraOutputLabels kExtraMillimetres = {"    Dist X from Lt side of span (m)   = ",
                                                 "    Deflection (mm) = "};

}  // namespace

const ExtremesLabels& extremes_labels(UnitSystem system) {
    switch (system) {
        case UnitSystem::E:
            return kImperialFeet;
        case UnitSystem::E2:
            return kImperialInches;
        case UnitSystem::M:
        case UnitSystem::M2:
            return kMetres;
        case UnitSystem::M3:
            return kKilogramMetres;
        case UnitSystem::M4:
            return kMillimetres;
    }
    assert(false && "unknown unit system");
    return kImperialFeet;
}

const ExtraOutputLabels& extra_output_labels(UnitSystem system) {
    switch (system) {
        case UnitSystem::E:
            return kExtraFeet;
        case UnitSystem::E2:
            return kExtraInches;
        case UnitSystem::M:
        case UnitSystem::M2:
            return kExtraMetres;
        case UnitSystem::M3:
            return kExtraCentimetres;
        case UnitSystem::M4:
            return kExtraMillimetres;
    }
    assert(false && "unknown unit system");
    return kExtraFeet;
}

double deflection_display_factor(UnitSystem system) {
    return defl_unit(system) == "cm" ? 100 : 1;
}

}  // namespace spanlyx
