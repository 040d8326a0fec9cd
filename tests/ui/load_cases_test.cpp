// Load cases and combinations through the real window: a load marked live with its case box is
// saved into the beam file's extension block and comes back live; "Load Combinations" fills
// its common sets, refuses bad entries without losing any, applies on OK, drops on Cancel, and
// marks the beam changed; the combinations travel in the file.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "file_fixtures.h"
#include "ui/combinations_dialog.h"
#include "ui/results_window.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

// CRLF lines as the beam file writes them.
std::string crlf_lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

}  // namespace

class LoadCasesTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void enterPassesOverTheCaseBoxes();
    void liveLoadTravelsThroughTheFile();
    void commonSetsFillTheTableAndOkApplies();
    void badEntriesAreRefusedAndKept();
    void cancelDropsTheEdits();
    void combinationsTravelThroughTheFile();

  private:
    QString in_folder(const QString& name) const { return app_.home->folder() + '/' + name; }
    void open_file(const QString& path) {
        app_.h->dialogs.paths.push_back(path);
        app_.trigger("mnuOpen");
    }
    void save_as(const QString& path) {
        app_.h->dialogs.paths.push_back(path);
        app_.trigger("mnuSaveas");
    }
    // Calculate, then "Return" from the results window to the main window.
    void calculate() {
        QTest::mouseClick(widget<QPushButton>(*app_.window, Control::vm), Qt::LeftButton);
        auto* results = app_.window->findChild<ResultsWindow*>();
        QVERIFY(results);
        QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }
    CombinationsDialog* open_combinations() {
        app_.trigger("combinations");
        auto* dialog = app_.window->findChild<CombinationsDialog*>();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }
    static void click(QWidget* dialog, const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    static QTableWidget* table(QWidget* dialog) {
        return dialog->findChild<QTableWidget*>(QStringLiteral("combinationtable"));
    }

    RunningProgram app_;
};

void LoadCasesTest::init() {
    QVERIFY(app_.start());
}

void LoadCasesTest::cleanup() {
    app_.stop();
}

// Typing the loads runs as it did before the case boxes: Enter after the last value of a list
// goes on to the next list's count; Tab stops at the case box.
void LoadCasesTest::enterPassesOverTheCaseBoxes() {
    enter(QStringLiteral("1"));
    QVERIFY(type_span(QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("29"),
                      QStringLiteral("1000")));
    QCOMPARE(focused_control(), Control::points);
    for (const char* value : {"1", "5", "200"})
        enter(QString::fromLatin1(value));
    QCOMPARE(focused_control(), Control::moments);
    QVERIFY(app_.h->prompter.shown.empty());
    widget<QWidget>(*app_.window, Control::ptext)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    QCOMPARE(focused_control(), Control::pointcase);
}

// The one-span beam of the fixtures saved with all loads dead: no block after the joints. Its
// distributed load made live with the keyboard is then written as the one entry of LIVE LOADS
// after the same lines, and the file read back shows it live.
void LoadCasesTest::liveLoadTravelsThroughTheFile() {
    const QString original = in_folder(QStringLiteral("beam.cb"));
    write_file(original, one_span_file("E"));
    open_file(original);
    auto* box = widget<QComboBox>(*app_.window, Control::uniformcase);
    QVERIFY(box && box->isEnabled());
    QCOMPARE(box->currentText(), QStringLiteral("Dead"));
    QCOMPARE(box->objectName(), QStringLiteral("uniformcase"));
    QVERIFY(widget<QComboBox>(*app_.window, Control::pointcase));
    QVERIFY(widget<QComboBox>(*app_.window, Control::momentcase));
    calculate();
    const QString dead_copy = in_folder(QStringLiteral("dead.cb"));
    save_as(dead_copy);
    // All loads dead: the file ends with the last joint, as it always did.
    const std::string dead_saved = read_file(dead_copy);
    const std::string last_joint = crlf_lines(
        {"Joint Number", " 2 ", "Joint Restraint  Y", " 1 ", "Joint Restraint  Z", " 0 "});
    QVERIFY(dead_saved.ends_with(last_joint));
    QVERIFY(dead_saved.find("EXTENSIONS") == std::string::npos);

    app_.window->activateWindow();
    QVERIFY(QTest::qWaitFor([this] { return app_.window->isActiveWindow(); }));
    box->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Down);
    QCOMPARE(box->currentText(), QStringLiteral("Live"));
    QCOMPARE(app_.window->beam().spans.at(0).uniforms.at(0).load_case, LoadCase::Live);
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);
    calculate();
    const QString live_copy = in_folder(QStringLiteral("live.cb"));
    save_as(live_copy);
    QVERIFY(app_.h->prompter.shown.empty());
    const std::string block =
        crlf_lines({"START EXTENSIONS", "LIVE LOADS", "Number of live loads", " 1 ",
                    "live load span", " 1 ", "live load kind (1 uniform, 2 point, 3 moment)", " 1 ",
                    "live load number", " 1 ", "END EXTENSIONS"});
    QCOMPARE(read_file(live_copy), dead_saved + block);

    app_.trigger("mnuNew");
    QCOMPARE(box->currentText(), QStringLiteral("Dead"));
    open_file(live_copy);
    QCOMPARE(box->currentText(), QStringLiteral("Live"));
    QCOMPARE(app_.window->beam().spans.at(0).uniforms.at(0).load_case, LoadCase::Live);
    QVERIFY(app_.window->beam().has_live_loads());
}

void LoadCasesTest::commonSetsFillTheTableAndOkApplies() {
    QAction* item = app_.window->findChild<QAction*>(QStringLiteral("combinations"));
    QVERIFY(item && item->isEnabled());
    QCOMPARE(item->text().remove(QLatin1Char('&')), QStringLiteral("Load Combinations..."));
    CombinationsDialog* dialog = open_combinations();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Load Combinations"));
    QCOMPARE(table(dialog)->rowCount(), 0);

    auto* strength = dialog->findChild<QPushButton*>(QStringLiteral("strengthset"));
    QCOMPARE(strength->text(), QStringLiteral("1.2D + 1.6L, 1.4D, D + L"));
    click(dialog, "strengthset");
    const std::vector<CombinationRow> strength_rows = {
        {"1.2D + 1.6L", "1.2", "1.6"}, {"1.4D", "1.4", "0"}, {"D + L", "1", "1"}};
    QCOMPARE(dialog->rows(), strength_rows);

    // The Eurocode set into a fresh table: exactly its two combinations.
    click(dialog, "cancelbutton");
    QVERIFY(!app_.window->findChild<CombinationsDialog*>() ||
            !app_.window->findChild<CombinationsDialog*>()->isVisible());
    dialog = open_combinations();
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("eurocodeset"))->text(),
             QStringLiteral("1.35G + 1.5Q, G + Q"));
    click(dialog, "eurocodeset");
    const std::vector<CombinationRow> eurocode_rows = {{"1.35G + 1.5Q", "1.35", "1.5"},
                                                       {"G + Q", "1", "1"}};
    QCOMPARE(dialog->rows(), eurocode_rows);

    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unset);
    click(dialog, "okbutton");
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(!dialog->isVisible() || !app_.window->findChild<CombinationsDialog*>());
    const std::vector<Combination> expected = {{"1.35G + 1.5Q", 1.35, 1.5}, {"G + Q", 1, 1}};
    QCOMPARE(app_.window->beam().combinations, expected);
    // A changed list is unsaved work: the question comes before the window closes.
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);

    // OK on the list as it stands changes nothing.
    dialog = open_combinations();
    QVERIFY(dialog);
    QCOMPARE(dialog->rows().size(), std::size_t{2});
    click(dialog, "okbutton");
    QCOMPARE(app_.window->beam().combinations, expected);
}

// A bad factor is refused with its message; the dialog stays open with every entry as typed,
// the beam keeps its combinations, and the cell at fault is current.
void LoadCasesTest::badEntriesAreRefusedAndKept() {
    CombinationsDialog* dialog = open_combinations();
    QVERIFY(dialog);
    click(dialog, "strengthset");
    click(dialog, "addcombination");
    QTableWidget* cells = table(dialog);
    QCOMPARE(cells->rowCount(), 4);
    cells->item(3, 0)->setText(QStringLiteral("Roof"));
    cells->item(3, 2)->setText(QStringLiteral("1,6"));
    click(dialog, "okbutton");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0],
             (Message{"The live load factor of combination 4 must be a number such as 1.2, found "
                      "\"1,6\"",
                      "Continuous Beam Response", MessageIcon::Information}));
    QVERIFY(dialog->isVisible());
    QCOMPARE(cells->currentRow(), 3);
    QCOMPARE(cells->currentColumn(), 2);
    QCOMPARE(cells->item(3, 2)->text(), QStringLiteral("1,6"));
    QCOMPARE(cells->rowCount(), 4);
    QVERIFY(app_.window->beam().combinations.empty());
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unset);

    // Mended, the fourth row removed: the three of the set are taken.
    cells->setCurrentCell(3, 0);
    click(dialog, "removecombination");
    QCOMPARE(cells->rowCount(), 3);
    click(dialog, "okbutton");
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    const std::vector<Combination> expected = {
        {"1.2D + 1.6L", 1.2, 1.6}, {"1.4D", 1.4, 0}, {"D + L", 1, 1}};
    QCOMPARE(app_.window->beam().combinations, expected);
}

void LoadCasesTest::cancelDropsTheEdits() {
    CombinationsDialog* dialog = open_combinations();
    QVERIFY(dialog);
    click(dialog, "strengthset");
    click(dialog, "cancelbutton");
    QVERIFY(app_.window->beam().combinations.empty());
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unset);
    dialog = open_combinations();
    QVERIFY(dialog);
    QCOMPARE(table(dialog)->rowCount(), 0);
    click(dialog, "cancelbutton");
}

// Combinations set in the window are written after the joints and shown again from the file.
void LoadCasesTest::combinationsTravelThroughTheFile() {
    const QString original = in_folder(QStringLiteral("beam.cb"));
    write_file(original, one_span_file("M"));
    open_file(original);
    calculate();
    const QString plain = in_folder(QStringLiteral("plain.cb"));
    save_as(plain);
    CombinationsDialog* dialog = open_combinations();
    QVERIFY(dialog);
    // Add opens the new row's name for typing; the name still in its editor when OK is
    // clicked is taken.
    QVERIFY(QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }));
    click(dialog, "addcombination");
    table(dialog)->item(0, 1)->setText(QStringLiteral("1.1"));
    table(dialog)->item(0, 2)->setText(QStringLiteral(".5"));
    QVERIFY(
        QTest::qWaitFor([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); }));
    type(QStringLiteral("Service"));
    QCOMPARE(dialog->rows().at(0).name, std::string("Service"));
    click(dialog, "okbutton");
    QVERIFY(app_.h->prompter.shown.empty());
    calculate();
    const QString saved = in_folder(QStringLiteral("combined.cb"));
    save_as(saved);
    const std::string block = crlf_lines(
        {"START EXTENSIONS", "COMBINATIONS", "Number of combinations", " 1 ", "combination name",
         "Service", "dead load factor", " 1.1 ", "live load factor", " .5 ", "END EXTENSIONS"});
    QCOMPARE(read_file(saved), read_file(plain) + block);

    app_.trigger("mnuNew");
    QVERIFY(app_.window->beam().combinations.empty());
    open_file(saved);
    dialog = open_combinations();
    QVERIFY(dialog);
    const std::vector<CombinationRow> rows = {{"Service", "1.1", ".5"}};
    QCOMPARE(dialog->rows(), rows);
    click(dialog, "cancelbutton");
}

std::unique_ptr<QObject> make_load_cases_suite() {
    return std::make_unique<LoadCasesTest>();
}

}  // namespace spanlyx::testing

#include "load_cases_test.moc"
