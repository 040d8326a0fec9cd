#include "ui/sections_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/number_text.h"
#include "ui/prompter.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(name));
    return shown;
}

QLineEdit* value_box(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString number_text(double value) {
    return QString::fromStdString(general_number(value));
}

}  // namespace

SectionsWindow::SectionsWindow(std::filesystem::path file, Prompter& prompter, QWidget* parent)
    : QDialog(parent), file_(std::move(file)), prompter_(prompter) {
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("Choose or Define Sections"));
    setModal(false);

    names_ = new QComboBox(this);
    names_->setObjectName(QStringLiteral("Combo1"));
    names_->setMinimumWidth(220);
    inertia_ = value_box("Text1", this);
    modulus_ = value_box("Text2", this);
    auto* grid = new QGridLayout;
    grid->addWidget(label("Label1", QStringLiteral("Choose Section"), this), 0, 0);
    grid->addWidget(names_, 0, 1);
    grid->addWidget(label("Label2", QStringLiteral("Moment of Inertia I:"), this), 1, 0);
    grid->addWidget(inertia_, 1, 1);
    grid->addWidget(label("Label3", QStringLiteral("Modulus of Elasticity E:"), this), 2, 0);
    grid->addWidget(modulus_, 2, 1);
    connect(names_, &QComboBox::activated, this, &SectionsWindow::chosen);

    auto* back = new QPushButton(QStringLiteral("Return"), this);
    back->setObjectName(QStringLiteral("Command1"));
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void SectionsWindow::load() {
    SectionsReadResult read = read_sections_file(file_);
    sections_ = std::move(read.sections);
    {
        const QSignalBlocker blocker(names_);
        names_->clear();
        for (const Section& section : sections_)
            names_->addItem(decode_text(section.name));
        names_->setCurrentIndex(-1);
    }
    inertia_->clear();
    modulus_->clear();
    if (!read.problem.empty())
        prompter_.show({read.problem, std::string(kResponseTitle), MessageIcon::Information});
}

void SectionsWindow::chosen(int index) {
    if (index < 0 || index >= static_cast<int>(sections_.size()))
        return;
    const Section& section = sections_[static_cast<std::size_t>(index)];
    inertia_->setText(number_text(section.inertia));
    modulus_->setText(number_text(section.modulus));
}

}  // namespace spanlyx
