#include "ui/extra_output_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/number_text.h"
#include "model/settings.h"
#include "ui/option_box.h"
#include "ui/prompter.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

// The sampling grid of the sweep is hundredths of a length unit.
constexpr int kDistanceDecimals = 2;

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(name));
    shown->setWordWrap(true);
    return shown;
}

QGroupBox* frame(const char* name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Two option buttons in their own container, so that they exclude each other only.
QWidget* pair(QWidget* parent, QRadioButton* yes, QRadioButton* no) {
    auto* container = new QWidget(parent);
    yes->setParent(container);
    no->setParent(container);
    auto* row = new QHBoxLayout(container);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(yes);
    row->addWidget(no);
    row->addStretch();
    return container;
}

QString hundredths_text(double value) {
    return QString::fromStdString(format_fixed(value, kDistanceDecimals));
}

}  // namespace

ExtraOutputDialog::ExtraOutputDialog(SessionOptions& options, Prompter& prompter,
                                     std::function<void(bool)> open_changed, QWidget* parent)
    : QDialog(parent),
      options_(options),
      prompter_(prompter),
      open_changed_(std::move(open_changed)) {
    setObjectName(QStringLiteral("extraOutput"));
    setWindowTitle(QStringLiteral("Extra Ouput"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(matrix_frame());
    layout->addWidget(extra_frame());
    layout->addWidget(file_frame());
    auto* back = new QPushButton(QStringLiteral("return"), this);
    back->setObjectName(QStringLiteral("Command1"));
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    layout->addLayout(buttons);
}

QRadioButton* ExtraOutputDialog::option(const char* name, const QString& text, QWidget* parent,
                                        std::function<void()> chosen) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QRadioButton::clicked, this, std::move(chosen));
    return button;
}

QWidget* ExtraOutputDialog::matrix_frame() {
    QGroupBox* box = frame("Frame2", QString(), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(label(
        "Label4", QStringLiteral("Type of Output to be put into the \"Results\" file."), box));
    layout->addWidget(pair(box,
                           option("dmo1", QStringLiteral("Detailed Matrix Output"), box,
                                  [this] { options_.detailed_output = true; }),
                           option("bmo1", QStringLiteral("Brief Matrix Output"), box,
                                  [this] { options_.detailed_output = false; })));
    return box;
}

QWidget* ExtraOutputDialog::extra_frame() {
    QGroupBox* box = frame("Frame1", QStringLiteral("Extra Results Output "), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(label(
        "Label1", QStringLiteral("Create output for certain interval in Results File?"), box));
    layout->addWidget(
        pair(box, option("Option5", QStringLiteral("Yes"), box, [this] { interval_chosen(true); }),
             option("Option6", QStringLiteral("No"), box, [this] { interval_chosen(false); })));
    layout->addWidget(label("Label2", QStringLiteral("Enter interval "), box));
    interval_ = distance_box("fileoutcount", &SessionOptions::interval_step, box);
    layout->addWidget(interval_);

    layout->addWidget(
        label("Label5", QStringLiteral("Create output for specific X in Results file "), box));
    layout->addWidget(
        pair(box, option("Option3", QStringLiteral("Yes"), box, [this] { specific_chosen(true); }),
             option("Option4", QStringLiteral("No"), box, [this] { specific_chosen(false); })));
    layout->addWidget(label("Label6",
                            QStringLiteral("Enter 1 specific X value - On multi spans, a value "
                                           "will be given for each span. (if span length is "
                                           "greater than X value)"),
                            box));
    specific_ = distance_box("fileoutcount_s", &SessionOptions::specific_x, box);
    layout->addWidget(specific_);
    layout->addWidget(label("Label3",
                            QStringLiteral("Note:  Interval or specific X selected will be at the "
                                           "bottom of the results file which is generated when "
                                           "the Shear,  Moment and  Deflections are calculated."),
                            box));
    return box;
}

QWidget* ExtraOutputDialog::file_frame() {
    QGroupBox* box = frame("Frame5", QStringLiteral("Print Extra Output to a File"), this);
    auto* layout = new QVBoxLayout(box);
    auto* note =
        label("Label7", QStringLiteral("Output file name will be your input file + \"ext\""), box);
    // The choice shows or hides the note; no separate file is written.
    layout->addWidget(pair(
        box, option("res_out_yes", QStringLiteral("Yes"), box, [note] { note->setVisible(true); }),
        option("res_out_no", QStringLiteral("No"), box, [note] { note->setVisible(false); })));
    layout->addWidget(note);
    box->findChild<QRadioButton*>(QStringLiteral("res_out_no"))->setChecked(true);
    note->setVisible(false);
    return box;
}

QLineEdit* ExtraOutputDialog::distance_box(const char* name, double SessionOptions::*value,
                                           QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaximumWidth(120);
    const auto left = [this, box, value] {
        const QSignalBlocker blocker(box);
        box->setText(hundredths_text(options_.*value));
    };
    OptionBox::Rules rules;
    rules.accepts = is_decimal_key;
    rules.refusal.text = "Data Input was other than Numeric";
    rules.refusal.title = std::string(kResponseTitle);
    rules.left = left;
    OptionBox::attach(box, prompter_, std::move(rules));
    connect(box, &QLineEdit::textEdited, this, [this, value](const QString& text) {
        const double typed = round_to_decimals(leading_value(encode_text(text)), kDistanceDecimals);
        if (typed > 0)
            options_.*value = typed;
    });
    return box;
}

void ExtraOutputDialog::interval_chosen(bool wanted) {
    options_.interval_wanted = wanted;
    interval_->setEnabled(wanted);
    if (!wanted) {
        interval_->clear();
        options_.interval_step = 0;
    }
    show_labels();
}

void ExtraOutputDialog::specific_chosen(bool wanted) {
    options_.specific_wanted = wanted;
    specific_->setEnabled(wanted);
    if (!wanted) {
        specific_->clear();
        options_.specific_x = 0;
    }
    show_labels();
}

void ExtraOutputDialog::show_labels() {
    findChild<QLabel*>(QStringLiteral("Label2"))->setVisible(options_.interval_wanted);
    findChild<QLabel*>(QStringLiteral("Label6"))->setVisible(options_.specific_wanted);
    findChild<QLabel*>(QStringLiteral("Label3"))
        ->setVisible(options_.interval_wanted || options_.specific_wanted);
}

void ExtraOutputDialog::load() {
    const auto select = [this](const char* name) {
        auto* button = findChild<QRadioButton*>(QString::fromLatin1(name));
        const QSignalBlocker blocker(button);
        button->setChecked(true);
    };
    select(options_.detailed_output ? "dmo1" : "bmo1");
    select(options_.interval_wanted ? "Option5" : "Option6");
    select(options_.specific_wanted ? "Option3" : "Option4");
    const auto fill = [](QLineEdit* box, bool wanted, double value) {
        const QSignalBlocker blocker(box);
        box->setEnabled(wanted);
        box->setText(wanted && value > 0 ? hundredths_text(value) : QString());
    };
    fill(interval_, options_.interval_wanted, options_.interval_step);
    fill(specific_, options_.specific_wanted, options_.specific_x);
    show_labels();
}

void ExtraOutputDialog::showEvent(QShowEvent* event) {
    open_changed_(true);
    QDialog::showEvent(event);
}

void ExtraOutputDialog::hideEvent(QHideEvent* event) {
    open_changed_(false);
    QDialog::hideEvent(event);
}

}  // namespace spanlyx
