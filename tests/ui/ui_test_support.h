#pragma once
// What the window tests share: a recording Prompter, file dialogs that answer from a script, a
// private data folder for each test, and the keyboard as the engineer uses it.

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/app_services.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/prompter.h"
#include "ui/workflow/controls.h"

class QObject;
class QWidget;

namespace spanlyx {
class MainWindow;
}

namespace spanlyx::testing {

class RecordingPrompter final : public Prompter {
  public:
    PromptAnswer show(const Message& message, PromptButtons buttons) override;

    std::vector<Message> shown;
    std::vector<PromptButtons> buttons;  // the buttons each message offered
    std::deque<PromptAnswer> answers;    // taken in order; Ok or No when none is left
};

class ScriptedFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> open_path(QWidget*, const QString&, const QString&) override;
    std::optional<QString> save_path(QWidget*, const QString&, const QString&,
                                     const QString&) override;
    std::deque<QString> paths;  // taken in order; a cancel when none is left
};

// A temporary XDG_DATA_HOME (not yet created) and the login name user1.
class DataHome {
  public:
    DataHome();
    ~DataHome();
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

    QString base() const { return dir_.path() + QStringLiteral("/xdg"); }
    QString folder() const { return base() + QStringLiteral("/Spanlyx"); }
    // Writes <folder>/sx.ini with CRLF line ends, creating the folder.
    void write_settings(const std::vector<std::string>& lines) const;
    QString root() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

// The twenty lines of a settings file with the given unit tag and first-span option.
std::vector<std::string> settings_lines(const std::string& units, const std::string& first_span);

struct Harness {
    RecordingPrompter prompter;
    ScriptedFileDialogs dialogs;
    AppServices services{prompter, dialogs};
};

// The window shown and active, with the focus where the program puts it.
bool show_active(QWidget& window);

// The program started on a fresh data folder whose sx.ini holds the imperial defaults, its
// main window shown and active: where most window tests begin.
struct RunningProgram {
    std::unique_ptr<DataHome> home;
    std::unique_ptr<Harness> h;
    std::unique_ptr<MainWindow> window;

    // False when the program did not start or its window could not be made active.
    bool start();
    void stop();
    // The main window's menu item of that object name, triggered.
    void trigger(const char* item) const;
    // "Open" and "Save As", the file dialog answering with the path.
    void open(const QString& path) const;
    void save_as(const QString& path) const;
    // Calculate, then "Return" from the results window; false when no results window came.
    bool calculate_and_return() const;
    QString in_folder(const QString& name) const { return home->folder() + '/' + name; }
};

// Keys to the widget that has the focus, as the engineer types them.
void type(const QString& text);
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Text, then Enter.
void enter(const QString& text);

// One span typed by keys alone from its span length field: length, I, E, the release chosen with
// the arrow keys, Enter past the check box, then one uniform load w over the whole span. False
// when Enter after the release did not lead to the count of distributed loads.
bool type_span(const QString& length, const QString& inertia, const QString& modulus,
               const QString& load);

// The focused control; none when the focus is elsewhere.
Control focused_control();

// The window's widget of a control.
template <class T>
T* widget(const MainWindow& window, Control control);

QString text_of(std::string_view text);

// The text of the main window's field of a control.
QString line_text(const MainWindow& window, Control control);

// A click on the window's push button of that object name.
void click_button(const QWidget& window, const char* name);

// The text of the window's line edit or label of that object name; "<missing>" when it has none.
QString child_text(const QWidget& window, const char* name);

// Pixels of the widget drawn in the load colour (pure red).
int red_pixels(QWidget& widget);

// With SPANLYX_SCREENSHOT_DIR set, the window is saved there as <name>.png for a person to look
// at; nothing otherwise.
void save_screenshot(QWidget& window, const QString& name);

template <class T>
T* widget(const MainWindow& window, Control control) {
    return window.controls().get<T>(control);
}
}  // namespace spanlyx::testing
