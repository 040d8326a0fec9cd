#include "ui/workflow/joint_values.h"

#include <string>

#include "model/number_text.h"
#include "ui/workflow/sketch_refresh.h"

namespace spanlyx {
namespace {

Joint* shown_joint(EntryContext& c) {
    const int j = c.state.current_joint;
    if (c.span_count() == 0 || j < 1 || j > c.beam.joint_count())
        return nullptr;
    return &c.beam.joints[static_cast<std::size_t>(j - 1)];
}

// A value of 0 shows as an empty field: nothing typed yet.
std::string value_text(bool applies, double value) {
    return applies && value != 0 ? general_number(value) : std::string();
}

void show_field(EntryContext& c, Control field, bool applies, double value) {
    c.show_text(field, value_text(applies, value));
    c.enable(field, applies);
}

}  // namespace

Control translation_option(const Joint& joint) {
    if (joint.spring_y)
        return Control::jyspring;
    return joint.restraint_y == 1 ? Control::jyfixed : Control::jyfree;
}

Control rotation_option(const Joint& joint) {
    if (joint.spring_z)
        return Control::jzspring;
    return joint.restraint_z == 1 ? Control::jzfixed : Control::jzfree;
}

void show_joint_values(EntryContext& c) {
    const Joint* joint = shown_joint(c);
    const Joint none;
    const Joint& shown = joint ? *joint : none;
    const bool exists = joint != nullptr;
    show_field(c, Control::kytext, exists && shown.spring_y, shown.ky);
    show_field(c, Control::kztext, exists && shown.spring_z, shown.kz);
    show_field(c, Control::settlementtext, exists && shown.restraint_y == 1, shown.settlement);
    show_field(c, Control::rotationtext, exists && shown.restraint_z == 1, shown.imposed_rotation);
}

void joint_value_changed(EntryContext& c, Control field) {
    Joint* joint = shown_joint(c);
    if (!joint) {
        c.refuse_change();
        return;
    }
    const double value = leading_value(c.text(field));
    switch (field) {
        case Control::kytext:
            if (!joint->spring_y)
                return c.refuse_change();
            joint->ky = value;
            break;
        case Control::kztext:
            if (!joint->spring_z)
                return c.refuse_change();
            joint->kz = value;
            break;
        case Control::settlementtext:
            if (joint->restraint_y != 1)
                return c.refuse_change();
            joint->settlement = value;
            break;
        case Control::rotationtext:
            if (joint->restraint_z != 1)
                return c.refuse_change();
            joint->imposed_rotation = value;
            break;
        default:
            return;
    }
    c.mark_unsaved();
    // The sketch writes the imposed movements beside their supports.
    if (field == Control::settlementtext || field == Control::rotationtext)
        refresh_sketch(c);
}

}  // namespace spanlyx
