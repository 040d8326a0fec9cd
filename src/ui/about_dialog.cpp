#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/message.h"

namespace spanlyx {
namespace {

QString text_of(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About %1").arg(text_of(kProgramTitle)));

    auto* name =
        new QLabel(QStringLiteral("<h2>%1</h2>").arg(text_of(kProgramTitle).toHtmlEscaped()), this);
    name->setObjectName(QStringLiteral("aboutName"));
    auto* version = new QLabel(tr("Version %1").arg(text_of(kProgramVersion)), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    auto* purpose = new QLabel(tr("Analysis of continuous beams by the Direct Stiffness Method: "
                                  "reactions, joint displacements and rotations, and shear, "
                                  "moment and deflection along every span."),
                               this);
    purpose->setWordWrap(true);
    auto* disclaimer =
        new QLabel(tr("The program is an aid to the engineer, not a substitute for judgement. "
                      "The engineer using it remains responsible for checking every input and "
                      "every result before relying on it."),
                   this);
    disclaimer->setObjectName(QStringLiteral("aboutDisclaimer"));
    disclaimer->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addSpacing(8);
    layout->addWidget(disclaimer);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace spanlyx
