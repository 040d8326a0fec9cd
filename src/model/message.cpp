#include "model/message.h"

namespace spanlyx {

std::string_view object_name(FocusField field) {
    switch (field) {
        case FocusField::None:
            return "";
        case FocusField::spans:
            return "spans";
        case FocusField::spanlengthtext:
            return "spanlengthtext";
        case FocusField::spanwidthtext:
            return "spanwidthtext";
        case FocusField::spandepthtext:
            return "spandepthtext";
        case FocusField::moi:
            return "moi";
        case FocusField::spanetext:
            return "spanetext";
        case FocusField::uniforms:
            return "uniforms";
        case FocusField::points:
            return "points";
        case FocusField::moments:
            return "moments";
    }
    return "";
}

}  // namespace spanlyx
