// Exit, New and Open never drop a changed beam: the save question after an edit without
// Calculate, its Cancel and Escape, a Yes whose Save As is cancelled; the keyboard shortcuts
// of the menus, Escape in Help and in the results viewer, and the status line of a Calculate
// that finds no loads.

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "file_fixtures.h"
#include "ui/help_window.h"
#include "ui/message_box_prompter.h"
#include "ui/results_viewer.h"
#include "ui/results_window.h"
#include "ui/start_up.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {

class UnsavedWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void editWithoutCalculateIsAskedAbout();
    void cancelKeepsTheBeamForExitNewAndOpen();
    void yesOnABeamNeverCalculatedGoesBackToIt();
    void cancelledSaveAsAfterYesWritesNothing();
    void escapeInTheQuestionGoesBackToTheBeam();
    void shortcutsReachTheFileAndHelpCommands();
    void escapeClosesTheResultsViewer();
    void calculateWithoutLoadsSaysSoInTheStatusBar();

  private:
    QString untitled() const { return app_.home->folder() + QStringLiteral("/user1_untitled.cb"); }
    // One span of 10 ft typed from the keyboard, with I and E and no load; nothing calculated.
    void type_unloaded_span() {
        enter(QStringLiteral("1"));
        enter(QStringLiteral("10"));
        enter(QStringLiteral("100"));
        enter(QStringLiteral("29"));
        QVERIFY(app_.h->prompter.shown.empty());
    }
    Message question() const {
        return {"Do you want to save file " + untitled().toStdString(), "Spanlyx",
                MessageIcon::Question};
    }

    RunningProgram app_;
};

void UnsavedWorkTest::init() {
    QVERIFY(app_.start());
}

void UnsavedWorkTest::cleanup() {
    app_.stop();
}

void UnsavedWorkTest::editWithoutCalculateIsAskedAbout() {
    type_unloaded_span();
    QCOMPARE(app_.window->file_state().calculated_flag, std::string("n"));
    app_.trigger("mnuQuit");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0], question());
    QCOMPARE(app_.h->prompter.buttons[0], PromptButtons::YesNoCancel);
    // Answered No: the program ends without writing anything.
    QVERIFY(!app_.window->isVisible());
    QVERIFY(!QFileInfo::exists(untitled()));
}

void UnsavedWorkTest::cancelKeepsTheBeamForExitNewAndOpen() {
    type_unloaded_span();
    app_.h->prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Cancel, PromptAnswer::Cancel};
    app_.h->dialogs.paths = {app_.home->folder() + QStringLiteral("/never.cb")};
    app_.trigger("mnuQuit");
    QVERIFY(app_.window->isVisible());
    app_.trigger("mnuNew");
    app_.trigger("mnuOpen");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{3});
    for (const Message& shown : app_.h->prompter.shown)
        QCOMPARE(shown, question());
    QCOMPARE(app_.h->dialogs.paths.size(), std::size_t{1});  // Open showed no dialog
    QCOMPARE(app_.window->beam().span_count(), 1);
    QCOMPARE(app_.window->beam().spans[0].length.value, 10.0);
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);

    // Answered No, New starts a new beam; with nothing typed since, Exit asks nothing.
    app_.trigger("mnuNew");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{4});
    QCOMPARE(app_.window->beam().span_count(), 0);
    app_.trigger("mnuQuit");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{4});
    QVERIFY(!app_.window->isVisible());
}

void UnsavedWorkTest::yesOnABeamNeverCalculatedGoesBackToIt() {
    type_unloaded_span();
    app_.h->prompter.answers = {PromptAnswer::Yes};
    app_.trigger("mnuQuit");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QCOMPARE(app_.h->prompter.shown[1].text,
             std::string("You Must Calculate Input Before Saving It"));
    QVERIFY(app_.window->isVisible());
    QCOMPARE(app_.window->beam().span_count(), 1);
    QVERIFY(!QFileInfo::exists(untitled()));
}

void UnsavedWorkTest::cancelledSaveAsAfterYesWritesNothing() {
    // A loaded span typed and calculated, then back to the main window.
    enter(QStringLiteral("1"));
    QVERIFY(type_span(QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("29"),
                      QStringLiteral("1000")));
    QTest::mouseClick(widget<QPushButton>(*app_.window, Control::vm), Qt::LeftButton);
    auto* results = app_.window->findChild<ResultsWindow*>();
    QVERIFY(results);
    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(app_.window->file_state().current_file.string(), untitled().toStdString());

    // Exit, Yes, and the Save As dialog of the untitled beam cancelled: nothing is written and
    // the program stays with the beam, still unsaved.
    app_.h->prompter.answers = {PromptAnswer::Yes};
    app_.trigger("mnuQuit");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0], question());
    QVERIFY(app_.window->isVisible());
    QVERIFY(!QFileInfo::exists(untitled()));
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);
}

// The real message box: Escape answers Cancel, and the box offers Yes, No and Cancel.
void UnsavedWorkTest::escapeInTheQuestionGoesBackToTheBeam() {
    app_.stop();
    DataHome home;
    home.write_settings(settings_lines("E", "no"));
    MessageBoxPrompter prompter;
    ScriptedFileDialogs dialogs;
    AppServices services{prompter, dialogs};
    const std::unique_ptr<MainWindow> window = start_up(services);
    QVERIFY(window && show_active(*window));
    enter(QStringLiteral("2"));

    QMessageBox::StandardButtons offered;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        offered = box->standardButtons();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    watcher.start(20);
    window->findChild<QAction*>(QStringLiteral("mnuQuit"))->trigger();
    watcher.stop();
    QCOMPARE(offered, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QVERIFY(window->isVisible());
    QCOMPARE(window->beam().span_count(), 2);
}

void UnsavedWorkTest::shortcutsReachTheFileAndHelpCommands() {
    enter(QStringLiteral("2"));
    app_.h->prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Cancel, PromptAnswer::Cancel};
    for (const auto& key : {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::CTRL | Qt::Key_O),
                            QKeySequence(Qt::CTRL | Qt::Key_Q)}) {
        QTest::keySequence(app_.window.get(), key);
    }
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{3});
    QVERIFY(app_.window->isVisible());
    QCOMPARE(app_.window->beam().span_count(), 2);

    // Save and Save As before Calculate: the specified refusal each time.
    app_.h->prompter.shown.clear();
    QTest::keySequence(app_.window.get(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QTest::keySequence(app_.window.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QCOMPARE(app_.h->prompter.shown[1].text,
             std::string("You Must Calculate Input Before Saving It"));

    // F1 opens Help; Escape closes it.
    QTest::keyClick(app_.window.get(), Qt::Key_F1);
    auto* help = app_.window->findChild<HelpWindow*>();
    QVERIFY(help && help->isVisible());
    QTest::keyClick(help->findChild<QWidget*>(QStringLiteral("helpText")), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void UnsavedWorkTest::escapeClosesTheResultsViewer() {
    const QString path = app_.home->folder() + QStringLiteral("/one.cb");
    write_file(path, one_span_file("E"));
    app_.h->dialogs.paths = {path};
    app_.trigger("mnuOpen");
    QTest::mouseClick(widget<QPushButton>(*app_.window, Control::vm), Qt::LeftButton);
    auto* results = app_.window->findChild<ResultsWindow*>();
    QVERIFY(results);
    // Return on the focused "Results" button presses it.
    auto* show_results = results->findChild<QPushButton*>(QStringLiteral("Command3"));
    QVERIFY(show_active(*results));
    show_results->setFocus(Qt::TabFocusReason);
    QTest::keyClick(show_results, Qt::Key_Return);
    QPointer<ResultsViewer> viewer = app_.window->findChild<ResultsViewer*>();
    QVERIFY(viewer && viewer->isVisible());
    QTest::keyClick(viewer->findChild<QWidget*>(QStringLiteral("resultsText")), Qt::Key_Escape);
    QTRY_VERIFY(!viewer || !viewer->isVisible());
    QVERIFY(results->isVisible());
}

void UnsavedWorkTest::calculateWithoutLoadsSaysSoInTheStatusBar() {
    type_unloaded_span();
    auto* calculate = widget<QPushButton>(*app_.window, Control::vm);
    QVERIFY(calculate->isEnabled());
    QTest::mouseClick(calculate, Qt::LeftButton);
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(!app_.window->findChild<ResultsWindow*>());
    QVERIFY(app_.window->isVisible());
    QCOMPARE(app_.window->statusBar()->currentMessage(),
             QStringLiteral("No loads to analyse: enter a load on at least one span."));
}

std::unique_ptr<QObject> make_unsaved_work_suite() {
    return std::make_unique<UnsavedWorkTest>();
}

}  // namespace spanlyx::testing

#include "unsaved_work_test.moc"
