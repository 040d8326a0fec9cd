#include "ui/entry_wiring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "ui/action_applier.h"
#include "ui/control_map.h"
#include "ui/text_encoding.h"
#include "ui/typed_keys.h"
#include "ui/workflow/entry_workflow.h"
#include "ui/workflow/load_lists.h"

namespace spanlyx {
namespace {

constexpr Control kButtons[] = {Control::Command7, Control::Command8, Control::nextjoint,
                                Control::Command3, Control::Command4, Control::Command5,
                                Control::jyfixed,  Control::jyfree,   Control::jzfixed,
                                Control::jzfree,   Control::jyspring, Control::jzspring};

// The controls whose keys and focus the workflow sees.
bool takes_events(Control control) {
    return is_text_field(control) || control == Control::Combo1 || control == Control::Check1;
}

}  // namespace

EntryWiring::EntryWiring(EntryWorkflow& workflow, ActionApplier& applier,
                         const ControlMap& controls, QObject* parent)
    : QObject(parent), workflow_(workflow), applier_(applier), controls_(controls) {
    connect_fields();
    connect_buttons();
}

void EntryWiring::connect_fields() {
    for (Control control : text_fields()) {
        auto* field = controls_.get<QLineEdit>(control);
        if (!field)
            continue;
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, control](const QString& text) {
            applier_.apply(workflow_.text_changed(control, encode_text(text)));
        });
    }
    if (auto* release = controls_.get<QComboBox>(Control::Combo1)) {
        release->installEventFilter(this);
        connect(release, &QComboBox::activated, this, [this](int index) {
            if (index >= 0 && index <= static_cast<int>(Release::Both))
                applier_.apply(workflow_.release_chosen(static_cast<Release>(index)));
        });
        // Text typed into the box is checked when the box is left.
        connect(release->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
            applier_.apply(workflow_.text_changed(Control::Combo1, encode_text(text)));
        });
    }
    for (LoadKind kind : kLoadKindsShown) {
        auto* box = controls_.get<QComboBox>(load_list(kind).case_box);
        if (!box)
            continue;
        connect(box, &QComboBox::activated, this, [this, kind](int index) {
            const LoadCase chosen = index == 1 ? LoadCase::Live : LoadCase::Dead;
            applier_.apply(workflow_.load_case_chosen(kind, chosen));
        });
    }
    if (auto* first_span = controls_.get<QCheckBox>(Control::Check1)) {
        first_span->installEventFilter(this);
        connect(first_span, &QCheckBox::clicked, this,
                [this](bool checked) { applier_.apply(workflow_.first_span_ei_clicked(checked)); });
    }
}

void EntryWiring::connect_buttons() {
    for (Control control : kButtons) {
        auto* button = controls_.get<QAbstractButton>(control);
        if (!button)
            continue;
        connect(button, &QAbstractButton::clicked, this,
                [this, control] { applier_.apply(workflow_.button_clicked(control)); });
    }
}

bool EntryWiring::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut)
        return false;
    const std::optional<Control> control = control_from_name(watched->objectName().toStdString());
    if (!control || !takes_events(*control))
        return false;
    if (type == QEvent::KeyPress)
        return key_pressed(*control, event);
    return focus_changed(*control, watched, event);
}

bool EntryWiring::key_pressed(Control control, QEvent* event) {
    const std::optional<char16_t> code = typed_character(*static_cast<QKeyEvent*>(event));
    if (!code)
        return false;
    const KeyResult result = workflow_.key_typed(control, *code);
    applier_.apply(result.actions);
    return !result.accepted;
}

bool EntryWiring::focus_changed(Control control, QObject* watched, QEvent* event) {
    const auto* focus = static_cast<QFocusEvent*>(event);
    if (applier_.applying() || !engineer_moved_focus(focus->reason()))
        return false;
    // The field takes its own focus event first (cursor, selection); the rules then act on a
    // field that is settled, and may move the focus again.
    watched->event(event);
    if (event->type() == QEvent::FocusIn) {
        applier_.apply(workflow_.field_entered(control));
    } else {
        applier_.apply(workflow_.field_left(control));
    }
    return true;
}

}  // namespace spanlyx
