#pragma once
// "Comments for Input and Output Files": the four comment lines that travel in the beam file,
// the results file and the printed header. Every change is stored at once; "Return" hides the
// window and brings the main window back. Modeless; the main window keeps one instance.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QLineEdit;

namespace spanlyx {

class Prompter;

class CommentsWindow final : public QDialog {
    Q_OBJECT
  public:
    // `changed` receives the comment's index (0 to 3) and its Windows-1252 text.
    CommentsWindow(std::function<void(int, std::string)> changed, Prompter& prompter,
                   QWidget* main_window);

    // The boxes show these comments (Windows-1252), without reporting a change.
    void show_comments(const std::array<std::string, 4>& comments);

  private:
    std::function<void(int, std::string)> changed_;
    std::array<QLineEdit*, 4> boxes_{};
};

}  // namespace spanlyx
