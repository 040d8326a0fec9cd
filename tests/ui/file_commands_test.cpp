// The File menu through the real window: Save refused before Calculate, an untitled beam named
// through Save As, a cancelled Save As still writing the untitled file, Open in every unit
// system, refused files, the save question, comments through the file, failed saves and Exit.

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "file_fixtures.h"
#include "ui/comments_window.h"
#include "ui/start_up.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

const QString kPrefix = QStringLiteral("Spanlyx:    version (8.8)");

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void saveBeforeCalculateIsRefused();
    void untitledBeamIsNamedThroughSaveAs();
    void openFollowsTheUnitSystemOfTheFile();
    void refusedFileLeavesANewBeamAndAUsableWindow();
    void saveQuestionOnlyAfterAChange();
    void saveTakesTheFieldBeingTyped();
    void commentsTravelInTheFile();
    void failedSaveKeepsTheOldFileAndTheBeamUnsaved();

  private:
    QString in_folder(const QString& name) const { return app_.home->folder() + '/' + name; }
    // Opens the one-span beam written under `name` in the data folder.
    void open_file(const QString& name, const std::string& bytes) {
        write_file(in_folder(name), bytes);
        app_.open(in_folder(name));
    }
    // The results window took the keyboard: back to the main window to type a new length and
    // move on, which stores it.
    void change_span_length() {
        app_.window->activateWindow();
        QVERIFY(QTest::qWaitFor([this] { return app_.window->isActiveWindow(); }));
        widget<QWidget>(*app_.window, Control::spanlengthtext)->setFocus();
        enter(QStringLiteral("12"));
        QCOMPARE(line_text(*app_.window, Control::spanlengthtext), QStringLiteral("12"));
    }
    // Calculate, then "Return" from the results window to the main window.
    void calculate() {
        QVERIFY(app_.calculate_and_return());
        QCOMPARE(app_.window->file_state().calculated_flag, std::string("y"));
        QVERIFY(app_.window->isVisible());
    }

    RunningProgram app_;
};

void FileCommandsTest::init() {
    QVERIFY(app_.start());
}

void FileCommandsTest::cleanup() {
    app_.stop();
}

void FileCommandsTest::saveBeforeCalculateIsRefused() {
    widget<QWidget>(*app_.window, Control::ptext)->setFocus();
    for (const char* item : {"mnuSave", "mnuSaveas"}) {
        app_.h->prompter.shown.clear();
        app_.h->dialogs.paths = {in_folder(QStringLiteral("never.cb"))};
        app_.trigger(item);
        QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
        QCOMPARE(app_.h->prompter.shown[0],
                 (Message{"You Must Calculate Input Before Saving It", "Continuous Beam Response",
                          MessageIcon::Information}));
        QCOMPARE(focused_control(), Control::spans);
        QCOMPARE(app_.h->dialogs.paths.size(), std::size_t{1});  // no dialog was shown
    }
    QVERIFY(!QFileInfo::exists(in_folder(QStringLiteral("user1_untitled.cb"))));
}

void FileCommandsTest::untitledBeamIsNamedThroughSaveAs() {
    // A one-span beam typed from the keyboard, then Calculate.
    enter(QStringLiteral("1"));
    QVERIFY(type_span(QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("29"),
                      QStringLiteral("1000")));
    QVERIFY(app_.h->prompter.shown.empty());
    calculate();
    const QString untitled = in_folder(QStringLiteral("user1_untitled.cb"));
    const QString title = app_.window->windowTitle();

    // The Save As dialog cancelled: the beam still goes to the untitled file.
    app_.trigger("mnuSave");
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(QFileInfo::exists(untitled));
    QCOMPARE(file_lines(untitled).at(5), std::string("E"));
    QCOMPARE(app_.window->windowTitle(), title);
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Saved);

    // Named in the dialog: the file is written there and the caption shows its name.
    const QString named = in_folder(QStringLiteral("girder.cb"));
    app_.h->dialogs.paths.push_back(named);
    app_.trigger("mnuSave");
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(read_file(named), read_file(untitled));
    QCOMPARE(app_.window->windowTitle(), kPrefix + QStringLiteral("   Current File: girder.cb"));
    QCOMPARE(QString::fromStdString(app_.window->file_state().current_file.string()), named);
}

// Each unit system of a file chooses its menu item and captions, and I and E are shown back in
// that system's entry units (the file holds the same section in each).
void FileCommandsTest::openFollowsTheUnitSystemOfTheFile() {
    const struct {
        const char* tag;
        const char* item;
        const char* length_caption;
        const char* modulus_caption;
    } systems[] = {
        {"E", "mnuEnglish", "Span Length (ft)", "Span E (psi)"},
        {"E2", "mnuEnglish2", "Span Length (in)", "Span E (psi)"},
        {"M", "mnumetric", "Span Length (m)", "Span E (GN/m^2)"},
        {"M2", "mnumetric2", "Span Length (m)", "Span E (N/mm^2)"},
        {"M3", "mnumetric3", "Span Length (m)", "Span E (kg/cm^2)"},
        {"M4", "mnumetric4", "Span Length (mm)", "Span E (N/mm^2)"},
    };
    for (const auto& system : systems) {
        open_file(QStringLiteral("beam.cb"), one_span_file(system.tag));
        QVERIFY2(app_.h->prompter.shown.empty(), system.tag);
        QCOMPARE(app_.window->windowTitle(), kPrefix + QStringLiteral("  Current File: beam.cb"));
        QVERIFY2(app_.window->findChild<QAction*>(QString::fromLatin1(system.item))->isChecked(),
                 system.tag);
        QCOMPARE(widget<QLabel>(*app_.window, Control::Label10)->text(),
                 QString::fromLatin1(system.length_caption));
        QCOMPARE(widget<QLabel>(*app_.window, Control::Label23)->text(),
                 QString::fromLatin1(system.modulus_caption));
        QCOMPARE(line_text(*app_.window, Control::moi), QStringLiteral("12.5000"));
        QCOMPARE(line_text(*app_.window, Control::spanetext), QStringLiteral("200.00"));
        QCOMPARE(app_.window->file_state().calculated_flag, std::string("n"));
    }
}

void FileCommandsTest::refusedFileLeavesANewBeamAndAUsableWindow() {
    open_file(QStringLiteral("good.cb"), one_span_file("M"));
    std::string lower = one_span_file("E");
    lower.replace(lower.find("\r\nE\r\n"), 5, "\r\ne\r\n");
    open_file(QStringLiteral("lower.cb"), lower);
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0],
             (Message{"The Data file Does not Contain a Metric or English Tag Aborting open",
                      "Continuous Beam Response", MessageIcon::Information}));
    QVERIFY(app_.window->isVisible());
    QVERIFY(app_.window->beam().spans.empty());
    QCOMPARE(line_text(*app_.window, Control::spans), QString());
    QCOMPARE(line_text(*app_.window, Control::spanlengthtext), QString());
    QCOMPARE(app_.window->windowTitle(), kPrefix + QStringLiteral("  Current File: ") +
                                             in_folder(QStringLiteral("user1_untitled.cb")));

    // A file cut short is refused with the line where it ends.
    const std::string whole = one_span_file("E");
    open_file(QStringLiteral("short.cb"), whole.substr(0, whole.find("member E  ")));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QVERIFY(app_.h->prompter.shown[1].text.starts_with("Line 18: "));
    QVERIFY(app_.window->beam().spans.empty());

    // The window goes on working: a good file opens.
    open_file(QStringLiteral("good.cb"), one_span_file("M"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QCOMPARE(line_text(*app_.window, Control::spanetext), QStringLiteral("200.00"));
}

void FileCommandsTest::saveQuestionOnlyAfterAChange() {
    const QString path = in_folder(QStringLiteral("beam.cb"));
    open_file(QStringLiteral("beam.cb"), one_span_file("E"));
    calculate();
    app_.trigger("mnuSave");
    QVERIFY(app_.h->prompter.shown.empty());
    // Saved, nothing changed since: New asks nothing.
    app_.trigger("mnuNew");
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(app_.window->file_state().calculated_flag, std::string("n"));

    open_file(QStringLiteral("beam.cb"), read_file(path));
    calculate();
    app_.trigger("mnuSave");
    change_span_length();
    app_.trigger("mnuNew");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0], (Message{"Do you want to save file " + path.toStdString(),
                                                 "Spanlyx", MessageIcon::Question}));
    // Answered No (the recording prompter's default): nothing written, the beam is new.
    QCOMPARE(file_lines(path).at(14), std::string("10.00"));
    QVERIFY(app_.window->beam().spans.empty());

    // Exit after a change asks too; Yes saves before the program ends.
    open_file(QStringLiteral("beam.cb"), read_file(path));
    calculate();
    change_span_length();
    app_.h->prompter.shown.clear();
    app_.h->prompter.answers = {PromptAnswer::Yes};
    app_.trigger("mnuQuit");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(file_lines(path).at(14), std::string("12"));
    QVERIFY(!app_.window->isVisible());
}

void FileCommandsTest::saveTakesTheFieldBeingTyped() {
    const QString path = in_folder(QStringLiteral("beam.cb"));
    open_file(QStringLiteral("beam.cb"), one_span_file("E"));
    calculate();
    app_.window->activateWindow();
    QVERIFY(QTest::qWaitFor([this] { return app_.window->isActiveWindow(); }));
    auto* length = widget<QLineEdit>(*app_.window, Control::spanlengthtext);
    length->setFocus();
    length->selectAll();
    QTest::keyClicks(length, QStringLiteral("12"));  // typed, the field not left
    app_.trigger("mnuSave");
    QCOMPARE(file_lines(path).at(14), std::string("12"));
}

void FileCommandsTest::commentsTravelInTheFile() {
    open_file(QStringLiteral("beam.cb"), one_span_file("E"));
    app_.trigger("mnucomment");
    auto* comments = app_.window->findChild<CommentsWindow*>();
    QVERIFY(comments && comments->isVisible());
    QCOMPARE(comments->windowTitle(), QStringLiteral("Comments for Input and Output Files"));
    comments->findChild<QLineEdit*>(QStringLiteral("Text1"))
        ->setText(QStringLiteral("Caf\u00e9 floor"));
    comments->findChild<QLineEdit*>(QStringLiteral("text3"))->setText(QStringLiteral("Grid B"));
    click_button(*comments, "Command1");
    QVERIFY(!comments->isVisible());

    calculate();
    const QString path = in_folder(QStringLiteral("noted.cb"));
    app_.save_as(path);
    const std::vector<std::string> lines = file_lines(path);
    QCOMPARE(lines.at(2), std::string(" 2 "));
    QCOMPARE(lines.at(3), std::string("Caf\xe9 floor"));  // Windows-1252
    QCOMPARE(lines.at(4), std::string("Grid B"));
    QCOMPARE(lines.at(5), std::string("END COMMENTS"));

    // New empties the comments; opening the file fills comments 1 and 2.
    app_.trigger("mnuNew");
    QCOMPARE(child_text(*comments, "Text1"), QString());
    app_.open(path);
    QCOMPARE(child_text(*comments, "Text1"), QStringLiteral("Caf\u00e9 floor"));
    QCOMPARE(child_text(*comments, "Text2"), QStringLiteral("Grid B"));
    QCOMPARE(child_text(*comments, "text3"), QString());
    QVERIFY(app_.h->prompter.shown.empty());
}

void FileCommandsTest::failedSaveKeepsTheOldFileAndTheBeamUnsaved() {
    open_file(QStringLiteral("beam.cb"), one_span_file("E"));
    calculate();

    // The chosen name is a folder.
    const QString folder = in_folder(QStringLiteral("taken.cb"));
    QVERIFY(QDir().mkdir(folder));
    app_.save_as(folder);
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0].title, std::string("Continuous Beam Response"));
    QVERIFY(app_.h->prompter.shown[0].text.find(folder.toStdString()) != std::string::npos);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);
    QCOMPARE(app_.window->windowTitle(),
             kPrefix + QStringLiteral("  Current File: ") + in_folder(QStringLiteral("beam.cb")));

    // An existing file whose name leaves no room for the temporary beside it: the system refuses
    // the temporary, and the file keeps its old content.
    const QString old_file = in_folder(QString(250, QLatin1Char('k')) + QStringLiteral(".cb"));
    write_file(old_file, "the last good copy\r\n");
    app_.save_as(old_file);
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QVERIFY(app_.h->prompter.shown[1].text.find(old_file.toStdString()) != std::string::npos);
    QCOMPARE(read_file(old_file), std::string("the last good copy\r\n"));
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);

    // Exit asks again.
    app_.trigger("mnuQuit");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{3});
    QCOMPARE(app_.h->prompter.shown[2].icon, MessageIcon::Question);
}

std::unique_ptr<QObject> make_file_commands_suite() {
    return std::make_unique<FileCommandsTest>();
}

}  // namespace spanlyx::testing

#include "file_commands_test.moc"
