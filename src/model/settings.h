#pragma once
// Preferences kept in sx.ini, the number patterns derived from them, and the options of the
// running session that are not kept in the file.

#include <string>

#include "model/units.h"

namespace spanlyx {

inline constexpr int kMaxForceDecimals = 5;  // loads, shear, moment, axial
inline constexpr int kMaxDeflectionDecimals = 6;

// Number patterns of every report, label and diagram value.
struct NumberPatterns {
    std::string load = "0.0";
    std::string shear = "0.0";
    std::string moment = "0.0";
    std::string deflection = "0.000";
    std::string axial = "0.0";
};

struct Settings {
    UnitSystem units = UnitSystem::E;
    char letterhead = 'n';  // 'y' or 'n'
    char speed_up = 'n';    // 'y' or 'n'
    int load_decimals = 1;
    int shear_decimals = 1;
    int moment_decimals = 1;
    int deflection_decimals = 3;
    int axial_decimals = 1;              // set in the display window only, never kept in the file
    std::string white_background = "n";  // as read; "y" selects it
    bool use_first_span_ei = false;

    NumberPatterns patterns() const;
};

// The options of the running session that shape the results file.
struct SessionOptions {
    bool detailed_output = false;  // detailed instead of brief matrix output
    bool interval_wanted = false;
    double interval_step = 0;
    bool specific_wanted = false;
    double specific_x = 0;
    bool zero_residual = true;  // zero the integration residual at a free far end
};

}  // namespace spanlyx
