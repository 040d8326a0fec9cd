#include "ui/comments_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/option_box.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

constexpr std::array<const char*, 4> kBoxNames = {"Text1", "Text2", "text3", "text4"};

}  // namespace

CommentsWindow::CommentsWindow(std::function<void(int, std::string)> changed, Prompter& prompter,
                               QWidget* main_window)
    : QDialog(main_window), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("comments"));
    setWindowTitle(QStringLiteral("Comments for Input and Output Files"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* instruction = new QLabel(
        QStringLiteral("Please Enter Any Comments you want printed in the input and output files."),
        this);
    instruction->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(instruction);

    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(kBoxNames[i]));
        box->setMinimumWidth(520);
        // Any key is taken; the whole line is selected when the box is entered.
        OptionBox::attach(box, prompter, {[](char16_t) { return true; }, {}, {}});
        const int index = static_cast<int>(i);
        connect(box, &QLineEdit::textChanged, this,
                [this, index](const QString& text) { changed_(index, encode_text(text)); });
        boxes_[i] = box;
        layout->addWidget(box);
    }

    auto* back = new QPushButton(QStringLiteral("Return"), this);
    back->setObjectName(QStringLiteral("Command1"));
    connect(back, &QPushButton::clicked, this, [this, main_window] {
        hide();
        main_window->show();
        main_window->raise();
        main_window->activateWindow();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    layout->addLayout(buttons);
}

void CommentsWindow::show_comments(const std::array<std::string, 4>& comments) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QSignalBlocker blocker(boxes_[i]);
        boxes_[i]->setText(decode_text(comments[i]));
    }
}

}  // namespace spanlyx
