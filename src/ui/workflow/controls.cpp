#include "ui/workflow/controls.h"

#include <algorithm>
#include <array>

namespace spanlyx {
namespace {

struct NamedControl {
    Control control;
    std::string_view name;
};

constexpr std::array<NamedControl, kControlCount> kNames = {{
    {Control::none, ""},
    {Control::spans, "spans"},
    {Control::spanlengthtext, "spanlengthtext"},
    {Control::spanwidthtext, "spanwidthtext"},
    {Control::spandepthtext, "spandepthtext"},
    {Control::moi, "moi"},
    {Control::spanetext, "spanetext"},
    {Control::points, "points"},
    {Control::pxtext, "pxtext"},
    {Control::ptext, "ptext"},
    {Control::uniforms, "uniforms"},
    {Control::uniformx1text, "uniformx1text"},
    {Control::uniformtext, "uniformtext"},
    {Control::uniformx2text, "uniformx2text"},
    {Control::uniformtext2, "uniformtext2"},
    {Control::moments, "moments"},
    {Control::momentxtext, "momentxtext"},
    {Control::momenttext, "momenttext"},
    {Control::total_lengthtext, "total_lengthtext"},
    {Control::Combo1, "Combo1"},
    {Control::Check1, "Check1"},
    {Control::uniformcase, "uniformcase"},
    {Control::pointcase, "pointcase"},
    {Control::momentcase, "momentcase"},
    {Control::jyfixed, "jyfixed"},
    {Control::jyfree, "jyfree"},
    {Control::jzfixed, "jzfixed"},
    {Control::jzfree, "jzfree"},
    {Control::Command7, "Command7"},
    {Control::Command8, "Command8"},
    {Control::nextjoint, "nextjoint"},
    {Control::Command3, "Command3"},
    {Control::Command4, "Command4"},
    {Control::Command5, "Command5"},
    {Control::vm, "vm"},
    {Control::next_span, "next_span"},
    {Control::spannumber, "spannumber"},
    {Control::Jointnumber, "Jointnumber"},
    {Control::pnumber, "pnumber"},
    {Control::unumber, "unumber"},
    {Control::mnumber, "mnumber"},
    {Control::Label10, "Label10"},
    {Control::Label19, "Label19"},
    {Control::Label23, "Label23"},
    {Control::Label11, "Label11"},
    {Control::Label12, "Label12"},
    {Control::Label13, "Label13"},
    {Control::Label4, "Label4"},
    {Control::Label7, "Label7"},
    {Control::Label8, "Label8"},
    {Control::Label15, "Label15"},
    {Control::Label14, "Label14"},
    {Control::Label21, "Label21"},
    {Control::Label22, "Label22"},
    {Control::Option1, "Option1"},
    {Control::Option2, "Option2"},
    {Control::mnuEnglish, "mnuEnglish"},
    {Control::mnuEnglish2, "mnuEnglish2"},
    {Control::mnumetric, "mnumetric"},
    {Control::mnumetric2, "mnumetric2"},
    {Control::mnumetric3, "mnumetric3"},
    {Control::mnumetric4, "mnumetric4"},
    {Control::jyspring, "jyspring"},
    {Control::jzspring, "jzspring"},
    {Control::kytext, "kytext"},
    {Control::kztext, "kztext"},
    {Control::settlementtext, "settlementtext"},
    {Control::rotationtext, "rotationtext"},
    {Control::kylabel, "kylabel"},
    {Control::kzlabel, "kzlabel"},
    {Control::settlementlabel, "settlementlabel"},
    {Control::rotationlabel, "rotationlabel"},
}};

// Each row sits at the index of its control, so a name is found by the control's value.
constexpr bool rows_in_order() {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (index_of(kNames[i].control) != i)
            return false;
    }
    return true;
}
static_assert(rows_in_order());

constexpr std::array kTextFields = {
    Control::spans,
    Control::spanlengthtext,
    Control::spanwidthtext,
    Control::spandepthtext,
    Control::moi,
    Control::spanetext,
    Control::points,
    Control::pxtext,
    Control::ptext,
    Control::uniforms,
    Control::uniformx1text,
    Control::uniformtext,
    Control::uniformx2text,
    Control::uniformtext2,
    Control::moments,
    Control::momentxtext,
    Control::momenttext,
    Control::total_lengthtext,
    Control::kytext,
    Control::kztext,
    Control::settlementtext,
    Control::rotationtext,
};

constexpr std::array kCaseBoxes = {Control::uniformcase, Control::pointcase, Control::momentcase};

constexpr std::array kEntryControlsAfterSpans = {
    Control::spanlengthtext,   Control::spanwidthtext,
    Control::spandepthtext,    Control::moi,
    Control::spanetext,        Control::Combo1,
    Control::Check1,           Control::jyfixed,
    Control::jyfree,           Control::jzfixed,
    Control::jzfree,           Control::points,
    Control::pxtext,           Control::ptext,
    Control::uniforms,         Control::uniformx1text,
    Control::uniformtext,      Control::uniformx2text,
    Control::uniformtext2,     Control::moments,
    Control::momentxtext,      Control::momenttext,
    Control::total_lengthtext, Control::uniformcase,
    Control::pointcase,        Control::momentcase,
    Control::jyspring,         Control::jzspring,
};

constexpr std::array kLoadControls = {
    Control::points,        Control::pxtext,      Control::ptext,         Control::uniforms,
    Control::uniformx1text, Control::uniformtext, Control::uniformx2text, Control::uniformtext2,
    Control::moments,       Control::momentxtext, Control::momenttext,    Control::jyfixed,
    Control::jyfree,        Control::uniformcase, Control::pointcase,     Control::momentcase,
    Control::jyspring,
};

constexpr std::array kTranslationOptions = {Control::jyfixed, Control::jyfree, Control::jyspring};
constexpr std::array kRotationOptions = {Control::jzfixed, Control::jzfree, Control::jzspring};

constexpr std::array kJointValueFields = {Control::kytext, Control::kztext, Control::settlementtext,
                                          Control::rotationtext};

}  // namespace

std::string_view control_name(Control control) {
    return kNames[index_of(control)].name;
}

std::optional<Control> control_from_name(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    for (const NamedControl& row : kNames) {
        if (row.name == name)
            return row.control;
    }
    return std::nullopt;
}

Control control_of(FocusField field) {
    switch (field) {
        case FocusField::None:
            return Control::none;
        case FocusField::spans:
            return Control::spans;
        case FocusField::spanlengthtext:
            return Control::spanlengthtext;
        case FocusField::spanwidthtext:
            return Control::spanwidthtext;
        case FocusField::spandepthtext:
            return Control::spandepthtext;
        case FocusField::moi:
            return Control::moi;
        case FocusField::spanetext:
            return Control::spanetext;
        case FocusField::uniforms:
            return Control::uniforms;
        case FocusField::points:
            return Control::points;
        case FocusField::moments:
            return Control::moments;
    }
    return Control::none;
}

std::span<const Control> text_fields() {
    return kTextFields;
}

bool is_text_field(Control control) {
    return std::find(kTextFields.begin(), kTextFields.end(), control) != kTextFields.end();
}

std::span<const Control> case_boxes() {
    return kCaseBoxes;
}

bool is_case_box(Control control) {
    return std::find(kCaseBoxes.begin(), kCaseBoxes.end(), control) != kCaseBoxes.end();
}

std::span<const Control> entry_controls_after_spans() {
    return kEntryControlsAfterSpans;
}

std::span<const Control> load_controls() {
    return kLoadControls;
}

std::span<const Control> support_option_group(Control option) {
    const auto in = [option](const auto& group) {
        return std::find(group.begin(), group.end(), option) != group.end();
    };
    if (in(kTranslationOptions))
        return kTranslationOptions;
    if (in(kRotationOptions))
        return kRotationOptions;
    return {};
}

std::span<const Control> joint_value_fields() {
    return kJointValueFields;
}

}  // namespace spanlyx
