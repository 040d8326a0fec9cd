#include "ui/entry_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "ui/control_map.h"
#include "ui/sketch_view.h"

namespace spanlyx {
namespace {

constexpr int kFieldMinimumWidth = 96;
constexpr int kFieldMaximumWidth = 150;
constexpr int kJointFieldMinimumWidth = 64;

QPushButton* make_button(ControlMap& controls, Control control, const QString& text,
                         QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    controls.bind(control, button);
    return button;
}

QRadioButton* make_option(ControlMap& controls, Control control, const QString& text,
                          QWidget* parent) {
    auto* option = new QRadioButton(text, parent);
    controls.bind(control, option);
    return option;
}

}  // namespace

EntryForm::EntryForm(const Beam& beam, const Settings& settings, ControlMap& controls,
                     QWidget* parent)
    : QWidget(parent), controls_(controls) {
    auto* top = new QHBoxLayout;
    top->addWidget(beam_box());
    top->addWidget(joint_box());
    top->addStretch();
    top->addWidget(section_box());

    auto* loads = new QHBoxLayout;
    loads->addWidget(uniform_box(), 4);
    loads->addWidget(point_box(), 3);
    loads->addWidget(moment_box(), 3);

    auto* calculate_row = new QHBoxLayout;
    calculate_row->addStretch();
    auto* calculate = make_button(controls_, Control::vm, QStringLiteral("Calculate"), this);
    calculate->setMinimumWidth(140);
    calculate->setToolTip(tr("Analyse the beam and show the results file (Ctrl+Return)"));
    calculate_row->addWidget(calculate);

    sketch_ = new SketchView(beam, settings, this);
    sketch_->setObjectName(QStringLiteral("loading"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(loads);
    layout->addLayout(calculate_row);
    layout->addWidget(sketch_, 1);
    set_tab_order();
}

QLineEdit* EntryForm::field(Control control, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMinimumWidth(kFieldMinimumWidth);
    edit->setMaximumWidth(kFieldMaximumWidth);
    controls_.bind(control, edit);
    return edit;
}

QLabel* EntryForm::caption(Control control, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    if (control != Control::none)
        controls_.bind(control, label);
    return label;
}

QLabel* EntryForm::counter(Control control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(48);
    label->setMaximumWidth(kFieldMaximumWidth);
    controls_.bind(control, label);
    return label;
}

void EntryForm::add_pair(QGridLayout* grid, int row, int column, QLabel* label, QWidget* widget) {
    label->setBuddy(widget);
    grid->addWidget(label, row, column);
    grid->addWidget(widget, row, column + 1);
    // Spare width goes to the right of the fields, so each caption stays beside its field.
    grid->setColumnStretch(column + 2, 1);
}

void EntryForm::add_case_box(QGridLayout* grid, int row, Control control, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems({QStringLiteral("Dead"), QStringLiteral("Live")});
    box->setMaximumWidth(kFieldMaximumWidth);
    box->setToolTip(
        tr("The case of the shown load: dead loads always act; the live loads of a "
           "span are patterned span by span in the load combinations"));
    controls_.bind(control, box);
    add_pair(grid, row, 0, caption(Control::none, QStringLiteral("Case"), parent), box);
}

QWidget* EntryForm::beam_box() {
    auto* box = new QGroupBox(tr("Beam"), this);
    auto* grid = new QGridLayout(box);
    add_pair(grid, 0, 0, caption(Control::none, QStringLiteral("Number Spans?"), box),
             field(Control::spans, box));
    add_pair(grid, 1, 0, caption(Control::none, QStringLiteral("Total Length (ft)"), box),
             field(Control::total_lengthtext, box));
    add_pair(grid, 2, 0, caption(Control::none, QStringLiteral("Span #"), box),
             counter(Control::spannumber, box));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(make_button(controls_, Control::Command7, QStringLiteral("Next Span"), box));
    buttons->addWidget(make_button(controls_, Control::Command8, QStringLiteral("Last Span"), box));
    grid->addLayout(buttons, 3, 0, 1, 2);

    auto* release = new QComboBox(box);
    release->setEditable(true);
    release->setInsertPolicy(QComboBox::NoInsert);
    release->setMinimumWidth(150);
    controls_.bind(Control::Combo1, release);
    add_pair(grid, 4, 0, caption(Control::none, QStringLiteral("Span Release"), box), release);

    auto* first_span = new QCheckBox(QStringLiteral("Use 1st span E&& I on all spans"), box);
    controls_.bind(Control::Check1, first_span);
    grid->addWidget(first_span, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    return box;
}

// A frame "Y" or "Z": its Fixed, Free and Spring option buttons in a row, and under them the
// spring's stiffness beside the imposed movement of the fixed restraint, one row for both so
// that the supports take no more height than the span fields beside them.
QGroupBox* EntryForm::support_frame(const QString& title, const SupportFrameControls& frame) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    auto* options = new QHBoxLayout;
    options->addWidget(make_option(controls_, frame.fixed, QStringLiteral("Fixed"), box));
    options->addWidget(make_option(controls_, frame.free, QStringLiteral("Free"), box));
    options->addWidget(make_option(controls_, frame.spring, QStringLiteral("Spring"), box));
    options->addStretch();
    grid->addLayout(options, 0, 0, 1, 4);
    int column = 0;
    for (const auto& [label, control] : {std::pair{frame.stiffness_label, frame.stiffness},
                                         std::pair{frame.movement_label, frame.movement}}) {
        QLabel* caption_label = caption(label, {}, box);
        QLineEdit* value = field(control, box);
        value->setMinimumWidth(kJointFieldMinimumWidth);
        caption_label->setBuddy(value);
        grid->addWidget(caption_label, 1, column);
        grid->addWidget(value, 1, column + 1);
        column += 2;
    }
    return box;
}

QWidget* EntryForm::joint_box() {
    auto* box = new QGroupBox(tr("Supports"), this);
    auto* grid = new QGridLayout(box);
    add_pair(grid, 0, 0, caption(Control::none, QStringLiteral("Joint Number"), box),
             counter(Control::Jointnumber, box));
    grid->addWidget(make_button(controls_, Control::nextjoint, QStringLiteral("Next Joint"), box),
                    1, 0, 1, 2);
    grid->addWidget(
        support_frame(QStringLiteral("Y"),
                      {Control::jyfixed, Control::jyfree, Control::jyspring, Control::kylabel,
                       Control::kytext, Control::settlementlabel, Control::settlementtext}),
        2, 0, 1, 2);
    grid->addWidget(
        support_frame(QStringLiteral("Z"),
                      {Control::jzfixed, Control::jzfree, Control::jzspring, Control::kzlabel,
                       Control::kztext, Control::rotationlabel, Control::rotationtext}),
        3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    box->setToolTip(
        tr("Y: vertical translation of the joint; Z: its rotation. Spring: an elastic support "
           "of stiffness ky or kz. A fixed Y may settle (downward positive); a fixed Z may turn "
           "by an imposed rotation (counterclockwise positive)."));
    return box;
}

QWidget* EntryForm::section_box() {
    auto* box = new QGroupBox(tr("Span"), this);
    auto* grid = new QGridLayout(box);
    add_pair(grid, 0, 0, caption(Control::Label10, {}, box), field(Control::spanlengthtext, box));
    add_pair(grid, 1, 0, caption(Control::Label19, {}, box), field(Control::moi, box));
    // Width and depth take the place of I when I is computed from them.
    add_pair(grid, 2, 0, caption(Control::Label22, QStringLiteral("Span width (in)"), box),
             field(Control::spanwidthtext, box));
    add_pair(grid, 3, 0, caption(Control::Label21, QStringLiteral("Span Depth  (in)"), box),
             field(Control::spandepthtext, box));
    add_pair(grid, 4, 0, caption(Control::Label23, {}, box), field(Control::spanetext, box));
    grid->setRowStretch(5, 1);
    return box;
}

QGroupBox* EntryForm::uniform_box() {
    auto* box = new QGroupBox(tr("Distributed loads"), this);
    auto* grid = new QGridLayout(box);
    add_pair(grid, 0, 0, caption(Control::none, QStringLiteral("# of Distributed Loads"), box),
             field(Control::uniforms, box));
    add_pair(grid, 1, 0, caption(Control::none, QStringLiteral("Load #"), box),
             counter(Control::unumber, box));
    add_pair(grid, 2, 0, caption(Control::Label11, {}, box), field(Control::uniformx1text, box));
    add_pair(grid, 3, 0, caption(Control::Label12, {}, box), field(Control::uniformtext, box));
    add_pair(grid, 4, 0, caption(Control::Label13, {}, box), field(Control::uniformx2text, box));
    add_pair(grid, 5, 0, caption(Control::Label4, {}, box), field(Control::uniformtext2, box));
    add_case_box(grid, 6, Control::uniformcase, box);
    grid->addWidget(
        make_button(controls_, Control::Command4, QStringLiteral("Next Distributed"), box), 7, 0, 1,
        2);
    grid->setRowStretch(8, 1);
    return box;
}

QGroupBox* EntryForm::point_box() {
    auto* box = new QGroupBox(tr("Point loads"), this);
    auto* grid = new QGridLayout(box);
    add_pair(grid, 0, 0, caption(Control::none, QStringLiteral("Number of Point Loads?"), box),
             field(Control::points, box));
    add_pair(grid, 1, 0, caption(Control::none, QStringLiteral("P Load #"), box),
             counter(Control::pnumber, box));
    add_pair(grid, 2, 0, caption(Control::Label7, {}, box), field(Control::pxtext, box));
    add_pair(grid, 3, 0, caption(Control::Label8, {}, box), field(Control::ptext, box));
    add_case_box(grid, 4, Control::pointcase, box);
    grid->addWidget(make_button(controls_, Control::Command3, QStringLiteral("Next P Load"), box),
                    5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    return box;
}

QGroupBox* EntryForm::moment_box() {
    auto* box = new QGroupBox(tr("Applied moments"), this);
    auto* grid = new QGridLayout(box);
    add_pair(grid, 0, 0, caption(Control::none, QStringLiteral("Num of Applied Moments?"), box),
             field(Control::moments, box));
    add_pair(grid, 1, 0, caption(Control::none, QStringLiteral("Moment #"), box),
             counter(Control::mnumber, box));
    add_pair(grid, 2, 0, caption(Control::Label15, {}, box), field(Control::momentxtext, box));
    add_pair(grid, 3, 0, caption(Control::Label14, {}, box), field(Control::momenttext, box));
    add_case_box(grid, 4, Control::momentcase, box);
    grid->addWidget(make_button(controls_, Control::Command5, QStringLiteral("Next Moment"), box),
                    5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    return box;
}

// The order of entry: the number of spans, the span and its section, the release, the loads
// (distributed, point, moments, each with its case box: leaving M moves on to the next span),
// then navigation, the supports, the total length and "Calculate".
void EntryForm::set_tab_order() {
    constexpr Control kOrder[] = {
        Control::spans,
        Control::spanlengthtext,
        Control::spanwidthtext,
        Control::spandepthtext,
        Control::moi,
        Control::spanetext,
        Control::Combo1,
        Control::Check1,
        Control::uniforms,
        Control::uniformx1text,
        Control::uniformtext,
        Control::uniformx2text,
        Control::uniformtext2,
        Control::uniformcase,
        Control::Command4,
        Control::points,
        Control::pxtext,
        Control::ptext,
        Control::pointcase,
        Control::Command3,
        Control::moments,
        Control::momentxtext,
        Control::momenttext,
        Control::momentcase,
        Control::Command5,
        Control::Command7,
        Control::Command8,
        Control::nextjoint,
        Control::jyfixed,
        Control::jyfree,
        Control::jyspring,
        Control::kytext,
        Control::settlementtext,
        Control::jzfixed,
        Control::jzfree,
        Control::jzspring,
        Control::kztext,
        Control::rotationtext,
        Control::total_lengthtext,
        Control::vm,
    };
    QWidget* previous = nullptr;
    for (Control control : kOrder) {
        auto* widget = controls_.get<QWidget>(control);
        if (previous && widget)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace spanlyx
