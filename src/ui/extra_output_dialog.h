#pragma once
// "Extra Ouput" (from "File: Extra Output"): which matrix output starts the results file, and
// the values at an interval or at one distance X added at its end. The choices go straight to
// the session options that the next results file uses. Modeless; the main window keeps one
// instance, and "return" hides it.

#include <QDialog>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace spanlyx {

class Prompter;
struct SessionOptions;

class ExtraOutputDialog final : public QDialog {
    Q_OBJECT
  public:
    // `open_changed` hears when the window is shown (true) and hidden (false).
    ExtraOutputDialog(SessionOptions& options, Prompter& prompter,
                      std::function<void(bool)> open_changed, QWidget* parent = nullptr);

    // The options and boxes show the session options.
    void load();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* matrix_frame();
    QWidget* extra_frame();
    QWidget* file_frame();
    QRadioButton* option(const char* name, const QString& text, QWidget* parent,
                         std::function<void()> chosen);
    // A distance box: decimal keys only; a value above 0 is stored in hundredths at once.
    QLineEdit* distance_box(const char* name, double SessionOptions::*value, QWidget* parent);
    void interval_chosen(bool wanted);
    void specific_chosen(bool wanted);
    void show_labels();

    SessionOptions& options_;
    Prompter& prompter_;
    std::function<void(bool)> open_changed_;
    QLineEdit* interval_ = nullptr;
    QLineEdit* specific_ = nullptr;
};

}  // namespace spanlyx
