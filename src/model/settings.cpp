#include "model/settings.h"

#include "model/number_text.h"

namespace spanlyx {

NumberPatterns Settings::patterns() const {
    NumberPatterns p;
    p.load = decimals_pattern(load_decimals);
    p.shear = decimals_pattern(shear_decimals);
    p.moment = decimals_pattern(moment_decimals);
    p.deflection = decimals_pattern(deflection_decimals);
    p.axial = decimals_pattern(axial_decimals);
    return p;
}

}  // namespace spanlyx
