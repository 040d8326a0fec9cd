#pragma once
// "Graphics Display" (`Form4`, from "Input/Output Info"): the decimals of loads, shear, moment,
// deflection and axial force, the residual zeroing of the plots, speed-up, letterhead, white
// background and the first span's E and I for all spans. Every choice takes effect at once;
// "Return" writes sx.ini and closes. Modeless; the main window keeps one instance.

#include <QDialog>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace spanlyx {

class Prompter;
struct SessionOptions;
struct Settings;

class GraphicsDisplayDialog final : public QDialog {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<void(bool)> first_span_ei;  // option10 / option11 chosen
        std::function<void()> write_settings;     // sx.ini, a failure reported
        std::function<void(bool)> open_changed;   // shown (true) or hidden (false)
    };

    GraphicsDisplayDialog(Settings& settings, SessionOptions& options, Prompter& prompter,
                          Hooks hooks, QWidget* parent = nullptr);

    // The boxes and options show the current settings.
    void load();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* decimals_frame();
    QWidget* colour_frame();
    QWidget* options_frame();
    QLineEdit* decimals_box(int row);
    QRadioButton* option(const char* name, const QString& text, QWidget* parent,
                         std::function<void()> chosen);

    Settings& settings_;
    SessionOptions& options_;
    Prompter& prompter_;
    Hooks hooks_;
};

}  // namespace spanlyx
