#include "ui/action_applier.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "ui/prompter.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

void set_widget_text(QObject* object, const QString& text) {
    if (auto* field = qobject_cast<QLineEdit*>(object)) {
        field->setText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(object)) {
        // A text of the list selects that entry; any other text stands in the edit field.
        const int index = box->findText(text, Qt::MatchExactly);
        box->setCurrentIndex(index);
        if (index < 0)
            box->setEditText(text);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
    }
}

void select_whole_text(QObject* object) {
    if (auto* field = qobject_cast<QLineEdit*>(object)) {
        field->selectAll();
    } else if (auto* box = qobject_cast<QComboBox*>(object)) {
        if (box->lineEdit())
            box->lineEdit()->selectAll();
    }
}

}  // namespace

ActionApplier::ActionApplier(const ControlMap& controls, Prompter& prompter, Hooks hooks)
    : controls_(controls), prompter_(prompter), hooks_(std::move(hooks)) {}

void ActionApplier::apply(const Actions& actions) {
    ++depth_;
    for (const Action& action : actions)
        apply_one(action);
    --depth_;
}

void ActionApplier::focus(Control control, bool select_all) {
    auto* widget = controls_.get<QWidget>(control);
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (select_all)
        select_whole_text(widget);
}

void ActionApplier::apply_one(const Action& action) {
    QObject* object = controls_.object(action.control);
    // The hidden span routine and the controls of a window not yet opened have no object.
    const QSignalBlocker blocker(object);
    switch (action.kind) {
        case ActionKind::SetText:
        case ActionKind::SetCaption:
            if (object)
                set_widget_text(object, decode_text(action.text));
            break;
        case ActionKind::Focus:
            focus(action.control, true);
            break;
        case ActionKind::FocusNext: {
            // Enter sent on as Tab is the engineer's own move: its leave and enter rules run.
            const int depth = depth_;
            depth_ = 0;
            if (hooks_.focus_next)
                hooks_.focus_next();
            depth_ = depth;
            break;
        }
        case ActionKind::SelectAll:
            if (object)
                select_whole_text(object);
            break;
        case ActionKind::Enable:
            if (auto* widget = qobject_cast<QWidget*>(object)) {
                widget->setEnabled(action.flag);
            } else if (auto* item = qobject_cast<QAction*>(object)) {
                item->setEnabled(action.flag);
            }
            break;
        case ActionKind::SetTabStop:
            // Out of the tab order, a field still takes the focus when it is clicked.
            if (auto* widget = qobject_cast<QWidget*>(object))
                widget->setFocusPolicy(action.flag ? Qt::StrongFocus : Qt::ClickFocus);
            break;
        case ActionKind::SetVisible:
            if (auto* widget = qobject_cast<QWidget*>(object))
                widget->setVisible(action.flag);
            break;
        case ActionKind::SetChecked:
            if (auto* button = qobject_cast<QAbstractButton*>(object)) {
                button->setChecked(action.flag);
            } else if (auto* item = qobject_cast<QAction*>(object)) {
                item->setChecked(action.flag);
            }
            break;
        case ActionKind::ShowMessage:
            prompter_.show(action.message);
            break;
        case ActionKind::ClearSketch:
            if (hooks_.sketch)
                hooks_.sketch(false);
            break;
        case ActionKind::DrawSketch:
            if (hooks_.sketch)
                hooks_.sketch(true);
            break;
        case ActionKind::WriteSettings:
            if (hooks_.write_settings)
                hooks_.write_settings();
            break;
    }
}

}  // namespace spanlyx
