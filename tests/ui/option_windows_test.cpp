// The Options and Sections windows through the real widgets: "Graphics Display" decimals with
// their keys, limits and messages reaching the next report and sx.ini; "Extra Ouput" options
// reaching the next results file; "Save Units Option"; the sections list.

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "file_fixtures.h"
#include "ui/results_viewer.h"
#include "ui/results_window.h"
#include "ui/start_up.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

Message response(const char* text) {
    return {text, "Continuous Beam Response", MessageIcon::Information};
}

}  // namespace

class OptionWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void decimalsReachTheReportAndTheSettingsFile();
    void extraOutputReachesTheResultsFile();
    void saveUnitsOptionWritesTheUnitSystem();
    void sectionsShowIAndEAndReportProblems();

  private:
    QWidget* open_window(const char* item, const char* name) {
        app_.window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        auto* shown = app_.window->findChild<QWidget*>(QString::fromLatin1(name));
        // Offscreen, the window's handle may report itself active before the application does.
        if (!shown || !QTest::qWaitFor([shown] { return shown->isActiveWindow(); }))
            return nullptr;
        return shown;
    }
    // Opens the one-span beam, calculates and gives the text of the results file.
    QString results_of_a_calculation() {
        const QString path = app_.home->folder() + QStringLiteral("/beam.cb");
        write_file(path, one_span_file("E"));
        app_.h->dialogs.paths.push_back(path);
        app_.trigger("mnuOpen");
        QTest::mouseClick(widget<QPushButton>(*app_.window, Control::vm), Qt::LeftButton);
        auto* results = app_.window->findChild<ResultsWindow*>();
        if (!results)
            return {};
        QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("Command3")),
                          Qt::LeftButton);
        const QList<ResultsViewer*> viewers = app_.window->findChildren<ResultsViewer*>();
        return viewers.isEmpty() ? QString() : viewers.last()->text();
    }

    RunningProgram app_;
};

void OptionWindowsTest::init() {
    QVERIFY(app_.start());
}

void OptionWindowsTest::cleanup() {
    app_.stop();
}

void OptionWindowsTest::decimalsReachTheReportAndTheSettingsFile() {
    QWidget* form = open_window("mnuGraphics", "Form4");
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Graphics Display"));
    const auto box = [form](const char* name) {
        return form->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    QCOMPARE(box("Text2")->text(), QStringLiteral("2"));
    QCOMPARE(box("text4")->text(), QStringLiteral("4"));

    // Loads take "1" to "5": "6" is refused before it reaches the box.
    box("Text1")->setFocus();
    type(QStringLiteral("63"));
    QCOMPARE(app_.h->prompter.shown,
             std::vector<Message>{response("Data Input was other than Numeric")});
    QCOMPARE(box("Text1")->text(), QStringLiteral("3"));
    // Shear "12" is over the limit: said when the box is left, and the focus stays.
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), box("Text2"));
    type(QStringLiteral("12"));
    press(Qt::Key_Tab);
    QCOMPARE(app_.h->prompter.shown.back(), response("Max 5 decimal places to the Right"));
    QCOMPARE(QApplication::focusWidget(), box("Text2"));
    QCOMPARE(app_.window->settings().shear_decimals, 1);  // 12 never becomes a setting
    type(QStringLiteral("4"));
    // Deflection takes "6", refuses "7" with its own message, and stops at 6.
    box("text4")->setFocus();
    type(QStringLiteral("7"));
    QCOMPARE(app_.h->prompter.shown.back(),
             response("Data Input was other than Numeric or your integer is > 6"));
    type(QStringLiteral("16"));
    press(Qt::Key_Tab);
    QCOMPARE(app_.h->prompter.shown.back(), response("Max 6 decimal places to the Right"));
    QCOMPARE(QApplication::focusWidget(), box("text4"));
    type(QStringLiteral("6"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{4});

    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    const std::vector<std::string> ini =
        file_lines(app_.home->folder() + QStringLiteral("/sx.ini"));
    QCOMPARE(ini.at(9), std::string("3"));
    QCOMPARE(ini.at(11), std::string("4"));
    QCOMPARE(ini.at(13), std::string("2"));
    QCOMPARE(ini.at(15), std::string("6"));

    // Span 10 clamped at joint 1, roller at joint 2, w = 1000: reactions 5wL/8 = 6250 and
    // 3wL/8 = 3750, now with four decimals.
    const QString results = results_of_a_calculation();
    const auto reaction = [&results](int joint, const char* value) {
        return results.contains(QRegularExpression(
            QStringLiteral(R"(Joint #\s+%1\s+Shear  Reaction \(#\)\s+=\s+%2(?![0-9]))")
                .arg(joint)
                .arg(QString::fromLatin1(value))));
    };
    QVERIFY(reaction(1, "6250\\.0000"));
    QVERIFY(reaction(2, "3750\\.0000"));
}

void OptionWindowsTest::extraOutputReachesTheResultsFile() {
    QWidget* extra = open_window("mnufileo", "extraOutput");
    QVERIFY(extra);
    QCOMPARE(extra->windowTitle(), QStringLiteral("Extra Ouput"));
    const auto button = [extra](const char* name) {
        return extra->findChild<QRadioButton*>(QString::fromLatin1(name));
    };
    const auto shown = [extra](const char* name) {
        return extra->findChild<QLabel*>(QString::fromLatin1(name))->isVisibleTo(extra);
    };
    auto* interval = extra->findChild<QLineEdit*>(QStringLiteral("fileoutcount"));
    auto* specific = extra->findChild<QLineEdit*>(QStringLiteral("fileoutcount_s"));
    QVERIFY(button("bmo1")->isChecked() && button("Option6")->isChecked());
    QVERIFY(!interval->isEnabled() && !shown("Label2") && !shown("Label3"));

    QTest::mouseClick(button("dmo1"), Qt::LeftButton);
    QTest::mouseClick(button("Option5"), Qt::LeftButton);
    QVERIFY(interval->isEnabled() && shown("Label2") && shown("Label3"));
    interval->setFocus();
    type(QStringLiteral("2a"));
    QCOMPARE(app_.h->prompter.shown,
             std::vector<Message>{response("Data Input was other than Numeric")});
    QCOMPARE(interval->text(), QStringLiteral("2"));
    QCOMPARE(app_.window->session().options().interval_step, 2.0);
    type(QStringLiteral(".5"));
    press(Qt::Key_Return);
    QCOMPARE(interval->text(), QStringLiteral("2.50"));

    QTest::mouseClick(button("Option3"), Qt::LeftButton);
    QVERIFY(shown("Label6"));
    specific->setFocus();
    type(QStringLiteral("4"));
    // Interval No empties its box; the note stays while specific X is on.
    QTest::mouseClick(button("Option6"), Qt::LeftButton);
    QCOMPARE(interval->text(), QString());
    QCOMPARE(app_.window->session().options().interval_step, 0.0);
    QVERIFY(!shown("Label2") && shown("Label3"));
    QTest::mouseClick(button("Option5"), Qt::LeftButton);
    interval->setFocus();
    type(QStringLiteral("2.5"));
    QTest::mouseClick(button("res_out_yes"), Qt::LeftButton);
    QVERIFY(shown("Label7"));
    QTest::mouseClick(extra->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!extra->isVisible());

    // Span 10 clamped at x = 0, roller at x = 10, w = 1000:
    // V(x) = 6250 - 1000x, M(x) = -12500 + 6250x - 500x^2.
    const QString results = results_of_a_calculation();
    QVERIFY(results.contains(QStringLiteral("FEM FOR EACH MEMBER")));  // detailed output
    QVERIFY(results.contains(QStringLiteral("EXTRA DATA REQUESTED BY USER")));
    QVERIFY(results.contains(QStringLiteral("Interval @2.50")));
    QVERIFY(results.contains(QStringLiteral("Specific X Dist From Left")));
    const auto block = [&results](const char* x, const char* shear, const char* moment) {
        return results.contains(QRegularExpression(
            QStringLiteral(
                R"(%1\r?\n    Shear           = -?%2\r?\n    Moment          = -?%3\r?\n)")
                .arg(QString::fromLatin1(x), QString::fromLatin1(shear),
                     QString::fromLatin1(moment))));
    };
    QVERIFY(block("5\\.00", "1250\\.00", "6250\\.00"));  // the interval's second point
    QVERIFY(block("4\\.00", "2250\\.00", "4500\\.00"));  // the specific X
}

void OptionWindowsTest::saveUnitsOptionWritesTheUnitSystem() {
    app_.trigger("mnuEnglish2");
    app_.trigger("mnu_saveini");
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(file_lines(app_.home->folder() + QStringLiteral("/sx.ini")).at(2), std::string("E2"));
    QCOMPARE(app_.window->beam().units, UnitSystem::E2);
}

void OptionWindowsTest::sectionsShowIAndEAndReportProblems() {
    const QString file = app_.home->folder() + QStringLiteral("/sections.dat");
    // Missing: the message names the file.
    QWidget* sections = open_window("mnusection2", "Form23");
    QVERIFY(sections);
    QCOMPARE(sections->windowTitle(), QStringLiteral("Choose or Define Sections"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QVERIFY(app_.h->prompter.shown[0].text.find(file.toStdString()) != std::string::npos);
    sections->close();

    write_file(file,
               "  3 sections\r\nW8x10\r\n29000000\r\n30.8\r\n  W10x12  \r\n 29000000 \r\n"
               " 53.8 \r\nHE 200 A\r\n210000\r\n36920000\r\n");
    sections = open_window("mnusection2", "Form23");
    auto* names = sections->findChild<QComboBox*>(QStringLiteral("Combo1"));
    QCOMPARE(names->count(), 3);
    QCOMPARE(names->itemText(1), QStringLiteral("W10x12"));
    names->setFocus();
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(sections->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
             QStringLiteral("53.8"));
    QCOMPARE(sections->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(),
             QStringLiteral("29000000"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    sections->close();

    // More than the window holds: the first 100 are listed and the window says so.
    std::string many = "101\r\n";
    for (int k = 1; k <= 101; ++k)
        many += "S" + std::to_string(k) + "\r\n200\r\n" + std::to_string(k) + "\r\n";
    write_file(file, many);
    sections = open_window("mnusection2", "Form23");
    QCOMPARE(names->count(), 100);
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QVERIFY(app_.h->prompter.shown[1].text.find("left out") != std::string::npos);
}

std::unique_ptr<QObject> make_option_windows_suite() {
    return std::make_unique<OptionWindowsTest>();
}

}  // namespace spanlyx::testing

#include "option_windows_test.moc"
