#include "ui/workflow/support_rules.h"

#include <array>

#include "ui/workflow/joint_values.h"
#include "ui/workflow/sketch_refresh.h"

namespace spanlyx {
namespace {

constexpr std::string_view kEndConditionsNotValid = "End Conditions not Valid.";
constexpr std::string_view kRollerMessage =
    "Cannot have roller on single span with out fixed support on opposite side";

// One row of the single-span table: restraints Y1, Z1, Y2, Z2 and the message.
struct EndConditionRow {
    std::array<int, 4> restraints;
    std::string_view message;
};

constexpr std::array<EndConditionRow, 8> kRefusedEndConditions = {{
    {{1, 0, 0, 0}, kEndConditionsNotValid},
    {{0, 0, 1, 0}, kEndConditionsNotValid},
    {{0, 0, 0, 0}, "Cannot have free end on single span and free end on other end."},
    {{0, 0, 0, 1}, kEndConditionsNotValid},
    {{0, 1, 0, 0}, kEndConditionsNotValid},
    {{1, 0, 0, 1}, kEndConditionsNotValid},
    {{0, 1, 1, 0}, kEndConditionsNotValid},
    {{0, 1, 0, 1}, kEndConditionsNotValid},
}};

bool single_span(const EntryContext& c) {
    return c.span_count() == 1 && c.beam.joint_count() >= 2;
}

// A spring holds its coordinate as a fixed restraint does: the single-span rules, which refuse
// the supports that leave a span unheld, judge a spring as fixed.
int held_y(const Joint& joint) {
    return joint.restraint_y == 1 || joint.spring_y ? 1 : 0;
}
int held_z(const Joint& joint) {
    return joint.restraint_z == 1 || joint.spring_z ? 1 : 0;
}

bool is_pin(const Joint& joint) {
    return held_y(joint) == 1 && held_z(joint) == 0;
}

// A rotation restraint chosen under a joint free to translate needs a pin at the other end.
void roller_rule(EntryContext& c) {
    if (!single_span(c))
        return;
    const int j = c.state.current_joint;
    const auto& joints = c.beam.joints;
    if (held_y(joints[static_cast<std::size_t>(j - 1)]) != 0)
        return;
    bool refused = false;
    if (j - 1 >= 1 && is_pin(joints[static_cast<std::size_t>(j - 2)])) {
        c.message(std::string(kRollerMessage));
        refused = true;
    }
    if (j + 1 <= c.beam.joint_count() && is_pin(joints[static_cast<std::size_t>(j)])) {
        c.message(std::string(kRollerMessage) + ".");
        refused = true;
    }
    if (!refused)
        return;
    c.beam.joints[static_cast<std::size_t>(j - 1)] = Joint{1, 0};
    c.choose_option(Control::jyfixed);
    c.choose_option(Control::jzfree);
    show_joint_values(c);
    refresh_sketch(c);
}

}  // namespace

void save_end_conds(EntryContext& c) {
    if (!single_span(c))
        return;
    c.state.saved_end_conditions = {c.beam.joints[0], c.beam.joints[1]};
}

void check_end_conds(EntryContext& c) {
    if (!single_span(c))
        return;
    const Joint& first = c.beam.joints[0];
    const Joint& second = c.beam.joints[1];
    const std::array<int, 4> now = {held_y(first), held_z(first), held_y(second), held_z(second)};
    for (const EndConditionRow& row : kRefusedEndConditions) {
        if (row.restraints != now)
            continue;
        c.message(std::string(row.message));
        before_cond_fixed(c);
        return;
    }
}

void before_cond_fixed(EntryContext& c) {
    if (!single_span(c))
        return;
    c.beam.joints[0] = c.state.saved_end_conditions[0];
    c.beam.joints[1] = c.state.saved_end_conditions[1];
    const int j = c.state.current_joint;
    if (j != 1 && j != 2)
        return;
    const Joint restored = c.beam.joints[static_cast<std::size_t>(j - 1)];
    c.choose_option(translation_option(restored));
    c.choose_option(rotation_option(restored));
    // The options' own click rules leave the joint as restored; the kept values come back too.
    c.beam.joints[static_cast<std::size_t>(j - 1)] = restored;
    show_joint_values(c);
}

void show_joint_options_unchanged(EntryContext& c) {
    const int j = c.state.current_joint;
    if (j < 1 || j > c.beam.joint_count())
        return;
    const Joint& joint = c.beam.joints[static_cast<std::size_t>(j - 1)];
    for (Control chosen : {translation_option(joint), rotation_option(joint)}) {
        for (Control option : support_option_group(chosen))
            c.set_checked(option, option == chosen);
    }
    show_joint_values(c);
}

namespace {

enum class Hold { Fixed, Free, Spring };

Hold held_by(Control option, Control fixed, Control spring) {
    if (option == fixed)
        return Hold::Fixed;
    return option == spring ? Hold::Spring : Hold::Free;
}

// A stiffness belongs to its spring and a movement to its fixed restraint: the values a choice
// leaves without meaning are dropped, so the joint never carries a hidden value.
void hold_coordinate(Hold how, int& restraint, bool& spring, double& stiffness, double& movement) {
    restraint = how == Hold::Fixed ? 1 : 0;
    spring = how == Hold::Spring;
    if (how != Hold::Spring)
        stiffness = 0;
    if (how != Hold::Fixed)
        movement = 0;
}

}  // namespace

void run_support_click(EntryContext& c, Control option) {
    if (c.span_count() == 0) {
        show_joint_options_unchanged(c);
        return;
    }
    const int j = c.state.current_joint;
    if (j < 1 || j > c.beam.joint_count())
        return;
    save_end_conds(c);
    Joint& joint = c.beam.joints[static_cast<std::size_t>(j - 1)];
    switch (option) {
        case Control::jyfixed:
        case Control::jyfree:
        case Control::jyspring:
            hold_coordinate(held_by(option, Control::jyfixed, Control::jyspring), joint.restraint_y,
                            joint.spring_y, joint.ky, joint.settlement);
            break;
        case Control::jzfixed:
        case Control::jzfree:
        case Control::jzspring:
            hold_coordinate(held_by(option, Control::jzfixed, Control::jzspring), joint.restraint_z,
                            joint.spring_z, joint.kz, joint.imposed_rotation);
            break;
        default:
            return;
    }
    show_joint_values(c);
    c.mark_unsaved();
    refresh_sketch(c);
    if (option == Control::jyfree || option == Control::jzfree)
        check_end_conds(c);
    if (option == Control::jzfixed)
        roller_rule(c);
}

}  // namespace spanlyx
