// Load cases and combinations through the real window: the case boxes, the "Load Combinations"
// dialog's buttons and refusals, and both through the beam file. The rules themselves are proved
// without widgets by the workflow and storage tests.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "file_fixtures.h"
#include "ui/combinations_dialog.h"
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
    void init() { QVERIFY(app_.start()); }
    void cleanup() { app_.stop(); }
    void enterPassesOverTheCaseBoxes();
    void liveLoadAndCombinationTravelThroughTheFile();
    void commonSetsFillTheTableOkAppliesCancelDrops();
    void badEntriesAreRefusedAndKept();

  private:
    bool combinations_shown() const {
        auto* dialog = app_.window->findChild<CombinationsDialog*>();
        return dialog && dialog->isVisible();
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
// distributed load made live with the keyboard and a combination added in the dialog are then
// written as one extension block after the same lines, and the file read back shows both.
void LoadCasesTest::liveLoadAndCombinationTravelThroughTheFile() {
    const QString original = app_.in_folder(QStringLiteral("beam.cb"));
    write_file(original, one_span_file("E"));
    app_.open(original);
    auto* box = widget<QComboBox>(*app_.window, Control::uniformcase);
    QVERIFY(box && box->isEnabled());
    QCOMPARE(box->currentText(), QStringLiteral("Dead"));
    QVERIFY(app_.calculate_and_return());
    const QString dead_copy = app_.in_folder(QStringLiteral("dead.cb"));
    app_.save_as(dead_copy);
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
    click(dialog, "okbutton");
    QVERIFY(app_.calculate_and_return());
    const QString saved = app_.in_folder(QStringLiteral("live.cb"));
    app_.save_as(saved);
    QVERIFY(app_.h->prompter.shown.empty());
    const std::string block =
        crlf_lines({"START EXTENSIONS", "LIVE LOADS", "Number of live loads", " 1 ",
                    "live load span", " 1 ", "live load kind (1 uniform, 2 point, 3 moment)", " 1 ",
                    "live load number", " 1 "}) +
        crlf_lines({"COMBINATIONS", "Number of combinations", " 1 ", "combination name", "Service",
                    "dead load factor", " 1.1 ", "live load factor", " .5 ", "END EXTENSIONS"});
    QCOMPARE(read_file(saved), dead_saved + block);

    app_.trigger("mnuNew");
    QCOMPARE(box->currentText(), QStringLiteral("Dead"));
    QVERIFY(app_.window->beam().combinations.empty());
    app_.open(saved);
    QCOMPARE(box->currentText(), QStringLiteral("Live"));
    QCOMPARE(app_.window->beam().spans.at(0).uniforms.at(0).load_case, LoadCase::Live);
    dialog = open_combinations();
    QVERIFY(dialog);
    const std::vector<CombinationRow> rows = {{"Service", "1.1", ".5"}};
    QCOMPARE(dialog->rows(), rows);
    click(dialog, "cancelbutton");
}

// The set buttons fill the table; Cancel drops the edits, OK applies them and marks the beam
// changed. Which combinations each set holds is proved by the workflow tests.
void LoadCasesTest::commonSetsFillTheTableOkAppliesCancelDrops() {
    QAction* item = app_.window->findChild<QAction*>(QStringLiteral("combinations"));
    QVERIFY(item && item->isEnabled());
    QCOMPARE(item->text().remove(QLatin1Char('&')), QStringLiteral("Load Combinations..."));
    CombinationsDialog* dialog = open_combinations();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Load Combinations"));
    QCOMPARE(table(dialog)->rowCount(), 0);
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("strengthset"))->text(),
             QStringLiteral("1.2D + 1.6L, 1.4D, D + L"));
    click(dialog, "strengthset");
    const std::vector<CombinationRow> strength_rows = {
        {"1.2D + 1.6L", "1.2", "1.6"}, {"1.4D", "1.4", "0"}, {"D + L", "1", "1"}};
    QCOMPARE(dialog->rows(), strength_rows);
    click(dialog, "cancelbutton");
    QVERIFY(!combinations_shown());
    QVERIFY(app_.window->beam().combinations.empty());

    // Opened again: a fresh table, which the Eurocode set fills with exactly its two.
    dialog = open_combinations();
    QVERIFY(dialog);
    QCOMPARE(table(dialog)->rowCount(), 0);
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("eurocodeset"))->text(),
             QStringLiteral("1.35G + 1.5Q, G + Q"));
    click(dialog, "eurocodeset");
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unset);
    click(dialog, "okbutton");
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(!combinations_shown());
    const std::vector<Combination> expected = {{"1.35G + 1.5Q", 1.35, 1.5}, {"G + Q", 1, 1}};
    QCOMPARE(app_.window->beam().combinations, expected);
    // A changed list is unsaved work: the question comes before the window closes.
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);
    // OK on the list as it stands changes nothing.
    dialog = open_combinations();
    QVERIFY(dialog);
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

std::unique_ptr<QObject> make_load_cases_suite() {
    return std::make_unique<LoadCasesTest>();
}

}  // namespace spanlyx::testing

#include "load_cases_test.moc"
