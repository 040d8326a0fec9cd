#include "ui/inertia_choice_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace spanlyx {

InertiaChoiceDialog::InertiaChoiceDialog(std::function<void(Control)> chosen, QWidget* parent)
    : QDialog(parent), chosen_(std::move(chosen)) {
    setObjectName(QStringLiteral("inertiaChoice"));
    setWindowTitle(QStringLiteral("Choice for Calculation of Moment of Interia"));
    setModal(false);

    auto* frame = new QGroupBox(this);
    typed_ = new QRadioButton(QStringLiteral("Allow  I for entry"), frame);
    section_ = new QRadioButton(QStringLiteral("Allow b, d entry to Calc I:   bd^3/12"), frame);
    auto* options = new QVBoxLayout(frame);
    options->addWidget(typed_);
    options->addWidget(section_);

    auto* close_button = new QPushButton(QStringLiteral("Return"), this);
    close_button->setObjectName(QStringLiteral("Return"));
    close_button->setDefault(true);
    connect(close_button, &QPushButton::clicked, this, &QDialog::close);
    connect(typed_, &QRadioButton::clicked, this, [this] { chosen_(Control::Option2); });
    connect(section_, &QRadioButton::clicked, this, [this] { chosen_(Control::Option1); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void InertiaChoiceDialog::select(Control option) {
    QRadioButton* button = option == Control::Option2 ? typed_ : section_;
    const QSignalBlocker blocker(button);
    button->setChecked(true);
}

}  // namespace spanlyx
