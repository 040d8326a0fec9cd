#pragma once
// The controls of the entry window that the entry rules read or change, named by their object
// names so that the window finds each widget by objectName.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "model/message.h"

namespace spanlyx {

enum class Control {
    none,
    // text fields
    spans,
    spanlengthtext,
    spanwidthtext,
    spandepthtext,
    moi,
    spanetext,
    points,
    pxtext,
    ptext,
    uniforms,
    uniformx1text,
    uniformtext,
    uniformx2text,
    uniformtext2,
    moments,
    momentxtext,
    momenttext,
    total_lengthtext,
    // release box and the first-span E and I check box
    Combo1,
    Check1,
    // the case ("Dead" or "Live") of the shown load of each list
    uniformcase,
    pointcase,
    momentcase,
    // support option buttons of the shown joint
    jyfixed,
    jyfree,
    jzfixed,
    jzfree,
    // buttons; next_span is the hidden span-navigation routine
    Command7,
    Command8,
    nextjoint,
    Command3,
    Command4,
    Command5,
    vm,
    next_span,
    // counters
    spannumber,
    Jointnumber,
    pnumber,
    unumber,
    mnumber,
    // unit captions, then the width and depth captions
    Label10,
    Label19,
    Label23,
    Label11,
    Label12,
    Label13,
    Label4,
    Label7,
    Label8,
    Label15,
    Label14,
    Label21,
    Label22,
    // the I-entry choice window
    Option1,
    Option2,
    // the Units menu
    mnuEnglish,
    mnuEnglish2,
    mnumetric,
    mnumetric2,
    mnumetric3,
    mnumetric4,
    // elastic supports and imposed movements of the shown joint: the Spring options of the
    // frames "Y" and "Z", the stiffness, settlement and imposed-rotation fields, their captions
    jyspring,
    jzspring,
    kytext,
    kztext,
    settlementtext,
    rotationtext,
    kylabel,
    kzlabel,
    settlementlabel,
    rotationlabel,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::rotationlabel) + 1;

inline constexpr std::size_t index_of(Control control) {
    return static_cast<std::size_t>(control);
}

// The widget's objectName; empty for none.
std::string_view control_name(Control control);
std::optional<Control> control_from_name(std::string_view name);

// The field a core outcome (load check, Calculate) puts the focus on.
Control control_of(FocusField field);

// The twenty-two text fields, spans first, the joint's value fields last.
std::span<const Control> text_fields();
bool is_text_field(Control control);

// The case boxes of the three load lists.
std::span<const Control> case_boxes();
bool is_case_box(Control control);

// The controls that leave and rejoin the tab order together: every entry control but `spans`.
std::span<const Control> entry_controls_after_spans();

// The load controls that stay disabled until a number of spans is entered.
std::span<const Control> load_controls();

// The option buttons of the frame a support option belongs to ("Y": jyfixed, jyfree, jyspring;
// "Z": jzfixed, jzfree, jzspring); empty for any other control.
std::span<const Control> support_option_group(Control option);

// The value fields of the shown joint: stiffnesses ky and kz, settlement, imposed rotation.
std::span<const Control> joint_value_fields();

}  // namespace spanlyx
