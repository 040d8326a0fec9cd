#include "ui_test_support.h"

#include "ui/results_window.h"
#include "ui/start_up.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace spanlyx::testing {

PromptAnswer RecordingPrompter::show(const Message& message, PromptButtons offered) {
    shown.push_back(message);
    buttons.push_back(offered);
    if (!answers.empty()) {
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return offered == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
}

std::optional<QString> ScriptedFileDialogs::open_path(QWidget*, const QString&, const QString&) {
    if (paths.empty())
        return std::nullopt;
    QString path = paths.front();
    paths.pop_front();
    return path;
}

std::optional<QString> ScriptedFileDialogs::save_path(QWidget*, const QString&, const QString&,
                                                      const QString&) {
    return open_path(nullptr, {}, {});
}

DataHome::DataHome() {
    qputenv("XDG_DATA_HOME", base().toLocal8Bit());
    qputenv("UserName", "user1");
}

DataHome::~DataHome() {
    qunsetenv("XDG_DATA_HOME");
}

void DataHome::write_settings(const std::vector<std::string>& lines) const {
    QDir().mkpath(folder());
    QFile file(folder() + QStringLiteral("/sx.ini"));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the settings file");
    for (const std::string& line : lines) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\r\n");
    }
}

std::vector<std::string> settings_lines(const std::string& units, const std::string& first_span) {
    return {"Spanlyx ini file",
            "=>Units (E,E2,M,M2,M3) E (I=in^4, E=psi) or E2 (units all inches)",
            units,
            "=>LetterHead Option (Y or M)",
            "N",
            "=>Speed Up Drawing Process By dropping plotted data points",
            "N",
            "=>Graph Decimal Output (1 to 5)",
            "Loads",
            "2",
            "Shear",
            "2",
            "Moment",
            "2",
            "Deflection",
            "4",
            "=>Graph Results on White Background for ClipBoard",
            "N",
            "=>Use 1st span E&& I on all spans",
            first_span};
}

bool show_active(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void type(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void press(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

void enter(const QString& text) {
    type(text);
    press(Qt::Key_Return);
}

bool type_span(const QString& length, const QString& inertia, const QString& modulus,
               const QString& load) {
    for (const QString& value : {length, inertia, modulus})
        enter(value);
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    if (focused_control() != Control::uniforms)
        return false;
    for (const QString& value : {QStringLiteral("1"), QStringLiteral("0"), load, length, load})
        enter(value);
    return true;
}

Control focused_control() {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return Control::none;
    return control_from_name(focus->objectName().toStdString()).value_or(Control::none);
}

QString text_of(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool RunningProgram::start() {
    home = std::make_unique<DataHome>();
    home->write_settings(settings_lines("E", "no"));
    h = std::make_unique<Harness>();
    window = start_up(h->services);
    return window != nullptr && show_active(*window);
}

void RunningProgram::stop() {
    window.reset();
    h.reset();
    home.reset();
}

void RunningProgram::trigger(const char* item) const {
    window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
}

void RunningProgram::open(const QString& path) const {
    h->dialogs.paths.push_back(path);
    trigger("mnuOpen");
}

void RunningProgram::save_as(const QString& path) const {
    h->dialogs.paths.push_back(path);
    trigger("mnuSaveas");
}

bool RunningProgram::calculate_and_return() const {
    QTest::mouseClick(widget<QPushButton>(*window, Control::vm), Qt::LeftButton);
    auto* results = window->findChild<ResultsWindow*>();
    if (results == nullptr)
        return false;
    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    return true;
}

int red_pixels(QWidget& widget) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour(image.pixel(x, y));
            if (colour.red() > 200 && colour.green() < 60 && colour.blue() < 60)
                ++count;
        }
    }
    return count;
}

QString line_text(const MainWindow& window, Control control) {
    return widget<QLineEdit>(window, control)->text();
}

void click_button(const QWidget& window, const char* name) {
    QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

QString child_text(const QWidget& window, const char* name) {
    const QString object = QString::fromLatin1(name);
    if (const auto* field = window.findChild<QLineEdit*>(object))
        return field->text();
    if (const auto* label = window.findChild<QLabel*>(object))
        return label->text();
    return QStringLiteral("<missing>");
}

void save_screenshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("SPANLYX_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    if (!window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")))
        qWarning("could not save the screenshot %s", qPrintable(name));
}

}  // namespace spanlyx::testing
