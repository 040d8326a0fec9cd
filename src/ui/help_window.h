#pragma once
// Help, Contents: the user guide bundled with the program.

#include <QWidget>

class QTextBrowser;

namespace spanlyx {

class HelpWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QString text() const;

  private:
    QTextBrowser* view_;
};

// The guide's Markdown text from the program's resources; empty when it is missing.
QString user_guide_markdown();

}  // namespace spanlyx
