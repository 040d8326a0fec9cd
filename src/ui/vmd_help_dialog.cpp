#include "ui/vmd_help_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace spanlyx {
namespace {

// The doubled blanks belong to the texts.
constexpr const char* kReadingText =
    "You can use the cursor with the left mouse button on the Loading, Shear, Moment or "
    "Deflection diagram to  have the Span Number  X dist and V, M, and  D values filled in the "
    "boxes provided. You can also can type in a span and a X dist to diplay values at that X "
    "value. NOTE X values must be to the hundreths  (ex 5.25, 5.00, 1.00 okay!)";
constexpr const char* kPlottingText =
    "If you want to place the values shown for the particular span and X dist on the three "
    "plots then hit the \"Plot X\" button and it will place them. If you made a mistake just "
    "hit the \"Clear X\" button to remove the value you just placed . ";

QLabel* paragraph(const char* text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

VmdHelpDialog::VmdHelpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("vmdhelp"));
    setWindowTitle(QStringLiteral("V-M-D HELP"));
    auto* done = new QPushButton(QStringLiteral("Return"), this);
    done->setObjectName(QStringLiteral("Command1"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(paragraph(kReadingText, QStringLiteral("Label1"), this));
    layout->addWidget(paragraph(kPlottingText, QStringLiteral("Label2"), this));
    layout->addWidget(done, 0, Qt::AlignRight);
    setMinimumWidth(440);
}

}  // namespace spanlyx
