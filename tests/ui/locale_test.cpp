// The window under a comma-decimal locale (de_DE.UTF-8, switched for the whole process as a
// German desktop does) types, saves, reopens and calculates a beam exactly as under "C".

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "comma_locale.h"
#include "file_fixtures.h"
#include "ui/results_viewer.h"
#include "ui/results_window.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

// One span of 12.5 ft under 1000.8 lb/ft, pinned at both ends, in the file layout: the span
// count, length and uniform-load count as typed, the E typed in millions of psi as its psi text,
// the total length, I, the loads and the untyped counts in the general number form.
std::string expected_file() {
    const std::string text =
        "Spanlyx Program\n# OF COMMENT LINES (0-4)\n 0 \nEND COMMENTS\nMetric E,M,M2,M3 Or M4\n"
        "E\nnumber of spans\n1\ntotal length \n 12.5 \nSTART MEMBER INFO\n"
        "MEMBER NUMBER\n 1 \nmember length \n12.5\nmember I\n 100 \nmember E  \n29000000\n"
        "member release\n 0 \n******** Number of uniform loads\n1\n"
        "dist 1 from the left end of member (ft)\n 0 \nuniform load #1\n 1000.8 \n"
        "dist 2 from the left end of member (ft)\n 12.5 \nuniform load #2\n 1000.8 \n"
        "******** Number of point loads\n 0 \n******** Number of Applied Moments\n 0 \n"
        "Number of Joints\n 2 \n"
        "Joint Number\n 1 \nJoint Restraint  Y\n 1 \nJoint Restraint  Z\n 0 \n"
        "Joint Number\n 2 \nJoint Restraint  Y\n 1 \nJoint Restraint  Z\n 0 \n";
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
}

}  // namespace

class LocaleTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void typedBeamSavesReopensAndCalculatesAsInC_data();
    void typedBeamSavesReopensAndCalculatesAsInC();

  private:
    // Calculate, then "Results" for the viewer's text and "Return" to the main window.
    QString calculate();

    RunningProgram app_;
};

void LocaleTest::cleanup() {
    app_.stop();
}

QString LocaleTest::calculate() {
    auto* button = widget<QPushButton>(*app_.window, Control::vm);
    if (!button->isEnabled())
        return QStringLiteral("<Calculate disabled>");
    QTest::mouseClick(button, Qt::LeftButton);
    auto* results = app_.window->findChild<ResultsWindow*>();
    if (!results)
        return QStringLiteral("<no results window>");
    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    const QList<ResultsViewer*> viewers = app_.window->findChildren<ResultsViewer*>();
    const QString text = viewers.isEmpty() ? QStringLiteral("<no viewer>") : viewers.last()->text();
    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    return text;
}

void LocaleTest::typedBeamSavesReopensAndCalculatesAsInC_data() {
    QTest::addColumn<bool>("comma");
    QTest::newRow("C") << false;
    QTest::newRow("de_DE.UTF-8") << true;
}

void LocaleTest::typedBeamSavesReopensAndCalculatesAsInC() {
    QFETCH(bool, comma);
    std::unique_ptr<spanlyx::test::CommaLocale> german;
    if (comma) {
        german = std::make_unique<spanlyx::test::CommaLocale>();
        if (!german->active())
            QSKIP(german->reason().c_str());
    }
    QVERIFY(app_.start());

    enter(QStringLiteral("1"));
    QCOMPARE(focused_control(), Control::spanlengthtext);
    QVERIFY(type_span(QStringLiteral("12.5"), QStringLiteral("100"), QStringLiteral("29"),
                      QStringLiteral("1000.8")));
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(widget<QLabel>(*app_.window, Control::spannumber)->text(), QStringLiteral("1"));
    QCOMPARE(line_text(*app_.window, Control::total_lengthtext), QStringLiteral("12.50"));

    // Simply supported span: each reaction is wL/2 = 1000.8 x 12.5 / 2 = 6255.
    static const QRegularExpression reaction(
        QStringLiteral(R"(Shear  Reaction \(#\)\s+=\s+(\S+))"));
    const auto reactions = [](const QString& results) {
        QStringList found;
        for (auto m = reaction.globalMatch(results); m.hasNext();)
            found << m.next().captured(1);
        return found;
    };
    const QStringList expected_reactions = {QStringLiteral("6255.00"), QStringLiteral("6255.00")};
    QCOMPARE(reactions(calculate()), expected_reactions);

    const QString file = app_.home->folder() + QStringLiteral("/girder.cb");
    app_.h->dialogs.paths.push_back(file);
    app_.trigger("mnuSaveas");
    QVERIFY(app_.h->prompter.shown.empty());
    // Line by line first, so that a difference names its line.
    QCOMPARE(QString::fromStdString(read_file(file)).split(QStringLiteral("\r\n")),
             QString::fromStdString(expected_file()).split(QStringLiteral("\r\n")));
    QCOMPARE(read_file(file), expected_file());

    // Opened again: the fields show the file's values, and Calculate gives the same reactions.
    app_.trigger("mnuNew");
    app_.h->dialogs.paths.push_back(file);
    app_.trigger("mnuOpen");
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(line_text(*app_.window, Control::spanlengthtext), QStringLiteral("12.50"));
    QCOMPARE(line_text(*app_.window, Control::uniformtext), QStringLiteral("1000.80"));
    QCOMPARE(line_text(*app_.window, Control::total_lengthtext), QStringLiteral("12.50"));
    QCOMPARE(reactions(calculate()), expected_reactions);
    app_.stop();
}

std::unique_ptr<QObject> make_locale_suite() {
    return std::make_unique<LocaleTest>();
}

}  // namespace spanlyx::testing

#include "locale_test.moc"
