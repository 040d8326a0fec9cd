// "Calculate" from the keyboard alone: a two-span beam typed field by field, the results window
// with its extremes and the results file in a viewer, a refused beam's messages and focus, and
// the temporary files removed at exit.

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

#include "file_fixtures.h"
#include "ui/entry_form.h"
#include "ui/results_viewer.h"
#include "ui/results_window.h"
#include "ui/sketch_view.h"
#include "ui/start_up.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

// The shear reactions of the results file, joint by joint.
std::vector<double> shear_reactions(const QString& results) {
    static const QRegularExpression line(
        QStringLiteral(R"(Joint #\s+(\d+)\s+Shear  Reaction \(#\)\s+=\s+(-?[0-9.]+))"));
    std::vector<double> reactions;
    auto matches = line.globalMatch(results);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const auto joint = static_cast<std::size_t>(match.captured(1).toInt());
        if (reactions.size() < joint)
            reactions.resize(joint);
        reactions[joint - 1] = match.captured(2).toDouble();
    }
    return reactions;
}

// The temporary files a Calculate writes.
constexpr const char* kPieces[] = {"_CONT01.TMP", "_CONT02.TMP", "_CONT03.TMP", "_CONTOUT.TMP",
                                   "_cont10.tmp"};

// Tab until the control has the focus; false when it never comes.
bool tab_to(Control control) {
    for (int presses = 0; presses < 60 && focused_control() != control; ++presses)
        press(Qt::Key_Tab);
    return focused_control() == control;
}

}  // namespace

class CalculateTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void typedTwoSpanBeamGivesTheReactionsOfBeamTheory();
    void refusedBeamShowsEveryMessageAndFocusesTheField_data();
    void refusedBeamShowsEveryMessageAndFocusesTheField();
    void reportPiecesThatCannotBeWrittenAreReported();
    void twoProgramsOfOneUserEachShowTheirOwnResults();

  private:
    // The folder of this program's temporary files; empty before the first Calculate.
    QString session_folder() const {
        const std::filesystem::path results = app_.window->session().paths().results;
        return results.empty() ? QString() : QString::fromStdString(results.parent_path().string());
    }
    static QString in(const QString& folder, const char* suffix) {
        return folder + QStringLiteral("/user1") + QString::fromLatin1(suffix);
    }

    RunningProgram app_;
};

void CalculateTest::init() {
    QVERIFY(app_.start());
}

void CalculateTest::cleanup() {
    app_.stop();
}

void CalculateTest::typedTwoSpanBeamGivesTheReactionsOfBeamTheory() {
    QCOMPARE(focused_control(), Control::spans);
    enter(QStringLiteral("2"));
    QVERIFY(type_span(QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("29"),
                      QStringLiteral("1000")));
    QVERIFY(app_.window->form().sketch()->drawn());
    QVERIFY(!widget<QPushButton>(*app_.window, Control::vm)->isEnabled());
    // Leaving the moment value of span 1 moves on to span 2, which has no length yet.
    QVERIFY(tab_to(Control::momenttext));
    press(Qt::Key_Return);
    QCOMPARE(widget<QLabel>(*app_.window, Control::spannumber)->text(), QStringLiteral("2"));
    QVERIFY(type_span(QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("29"),
                      QStringLiteral("1000")));
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(widget<QLineEdit>(*app_.window, Control::total_lengthtext)->text(),
             QStringLiteral("20.00"));

    save_screenshot(*app_.window, QStringLiteral("main-window"));
    // File > "Export Report..." waits for a Calculate.
    const auto* export_item = app_.window->findChild<QAction*>(QStringLiteral("mnuExportReport"));
    QVERIFY(export_item && !export_item->isEnabled());
    QVERIFY(tab_to(Control::vm));
    press(Qt::Key_Space);
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(app_.window->file_state().calculated_flag, std::string("y"));
    // The results window replaces the main window. The typed beam is the one analysed: the
    // hogging moment wL^2/8 over the middle support (the extremes themselves are the core's
    // tests), and a deflection that holds E and I in the units they were typed in.
    ResultsWindow* results = app_.window->findChild<ResultsWindow*>();
    QVERIFY(results && results->isVisible());
    QVERIFY(!app_.window->isVisible());
    QCOMPARE(results->windowTitle(), QStringLiteral("     SHEAR  -  MOMENT  -  DEFLECTION"));
    QCOMPARE(child_text(*results, "Labelmomentmin"), QStringLiteral("-12500"));
    // Deflection wL^4/185EI = 83.33 x 120^4 / (185 x 29e6 x 100) = 0.0322 in, down.
    QCOMPARE(child_text(*results, "Labeldeflectionmin"), QStringLiteral("-0.032"));
    QCOMPARE(child_text(*results, "Label11"), QStringLiteral("#"));
    QCOMPARE(child_text(*results, "Label10"), QStringLiteral("ft-#"));
    // "I: " and "E: " belong to a one-span beam.
    QVERIFY(!results->findChild<QLabel*>(QStringLiteral("Label18"))->isVisible());
    save_screenshot(*results, QStringLiteral("results-window-after-calculate"));

    // "Results" joins the pieces into a viewer; each press opens a new one.
    click_button(*results, "Command3");
    const QList<ResultsViewer*> viewers = app_.window->findChildren<ResultsViewer*>();
    QCOMPARE(viewers.size(), 1);
    QVERIFY(viewers[0]->isVisible());

    // Two equal spans L under w: end reactions 3wL/8, middle 10wL/8 (w = 1000, L = 10).
    const std::vector<double> reactions = shear_reactions(viewers[0]->text());
    QCOMPARE(reactions, (std::vector<double>{3750, 12500, 3750}));
    QVERIFY(viewers[0]->text().contains(QStringLiteral("SUPPORT REACTIONS")));
    save_screenshot(*viewers[0], QStringLiteral("results-viewer"));

    // The temporary files lie in a folder of this program's own under the data folder.
    const QString session = session_folder();
    QCOMPARE(QFileInfo(session).absolutePath(), app_.home->folder() + QStringLiteral("/instances"));
    for (const char* suffix : kPieces)
        QVERIFY2(QFileInfo::exists(in(session, suffix)), suffix);

    // "Return" shows the main window again; a second Calculate from the keyboard opens a new
    // results window, whose "Results" opens a second viewer. The first keeps its text.
    click_button(*results, "Command1");
    QVERIFY(app_.window->isVisible());
    QVERIFY(QFileInfo::exists(in(app_.home->folder(), "_contfile.tmp")));
    QVERIFY(show_active(*app_.window));
    // After it, the report of the analysed beam is written where the engineer says.
    QVERIFY(export_item->isEnabled());
    const QString report = app_.home->root() + QStringLiteral("/report.pdf");
    app_.h->dialogs.paths.push_back(report);
    app_.trigger("mnuExportReport");
    QVERIFY(app_.h->prompter.shown.empty());
    QFile written(report);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(5), QByteArray("%PDF-"));
    widget<QWidget>(*app_.window, Control::ptext)->setFocus();
    press(Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(app_.window->findChildren<ResultsWindow*>().size(), 1);
    results = app_.window->findChild<ResultsWindow*>();
    click_button(*results, "Command3");
    QCOMPARE(app_.window->findChildren<ResultsViewer*>().size(), 2);
    QCOMPARE(shear_reactions(viewers[0]->text()), reactions);

    // Exit removes the temporary files and closes every window.
    app_.trigger("mnuQuit");
    QVERIFY(!app_.window->isVisible());
    QTRY_COMPARE(app_.window->findChildren<ResultsViewer*>().size(), 0);
    for (const char* suffix : kPieces)
        QVERIFY2(!QFileInfo::exists(in(session, suffix)), suffix);
    QVERIFY(!QFileInfo::exists(session));
    QVERIFY(QFileInfo::exists(in(app_.home->folder(), "_contfile.tmp")));
    QVERIFY(QFileInfo::exists(app_.home->folder() + QStringLiteral("/sx.ini")));
}

// A beam Calculate refuses: every message of the check, the focus on the field to mend, and
// neither results nor a results file. A span of 200000 ft sampled every 0.01 ft is one point
// more than the sampling limit; a span E left empty is 0.
void CalculateTest::refusedBeamShowsEveryMessageAndFocusesTheField_data() {
    QTest::addColumn<QStringList>("spans");  // length, I, E and w of each span
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::newRow("E empty") << QStringList{"8", "50", "", "500", "8", "50", "", "500"}
                             << "There is a Span E = 0. Please Check"
                             << static_cast<int>(Control::spanetext);
    QTest::newRow("too long to sample")
        << QStringList{"200000", "100", "29", "1000"}
        << "This beam would be sampled at 20000001 points, one every 0.01 length unit, more than "
           "the limit of 20000000 points (1.6 GB of sample file). Please shorten the spans, or "
           "enter a long beam in a unit system in metres (M, M2 or M3)."
        << static_cast<int>(Control::spanlengthtext);
}

void CalculateTest::refusedBeamShowsEveryMessageAndFocusesTheField() {
    QFETCH(QStringList, spans);
    QFETCH(QString, message);
    QFETCH(int, focus);
    const auto count = spans.size() / 4;
    enter(QString::number(count));
    for (qsizetype s = 0; s < count; ++s) {
        if (s > 0) {
            QVERIFY(tab_to(Control::momenttext));
            press(Qt::Key_Tab);
        }
        QVERIFY(type_span(spans[4 * s], spans[4 * s + 1], spans[4 * s + 2], spans[4 * s + 3]));
    }
    QVERIFY(app_.h->prompter.shown.empty());
    auto* calculate = widget<QPushButton>(*app_.window, Control::vm);
    QVERIFY(calculate->isEnabled());
    QTest::mouseClick(calculate, Qt::LeftButton);
    QCOMPARE(app_.h->prompter.shown.size(), static_cast<std::size_t>(count));
    for (const Message& shown : app_.h->prompter.shown) {
        QCOMPARE(shown, (Message{message.toStdString(), "Continuous Beam Response",
                                 MessageIcon::Information}));
    }
    QCOMPARE(focused_control(), static_cast<Control>(focus));
    QVERIFY(app_.window->findChildren<ResultsWindow*>().isEmpty());
    QCOMPARE(app_.window->file_state().calculated_flag, std::string("y"));
    for (const char* suffix : {"_CONTOUT.TMP", "_cont10.tmp"})
        QVERIFY(session_folder().isEmpty() || !QFileInfo::exists(in(session_folder(), suffix)));
}

void CalculateTest::reportPiecesThatCannotBeWrittenAreReported() {
    enter(QStringLiteral("1"));
    QVERIFY(type_span(QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("29"),
                      QStringLiteral("1000")));
    QVERIFY(app_.h->prompter.shown.empty());
    // The data folder becomes a plain file after start-up: nothing can be written into it.
    QVERIFY(QDir(app_.home->folder()).removeRecursively());
    QFile blocker(app_.home->folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QTest::mouseClick(widget<QPushButton>(*app_.window, Control::vm), Qt::LeftButton);
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    const Message& failure = app_.h->prompter.shown[0];
    QCOMPARE(failure.icon, MessageIcon::Critical);
    QVERIFY2(QString::fromStdString(failure.text).contains(app_.home->folder()),
             failure.text.c_str());
    // No results from pieces that were never written.
    QVERIFY(app_.window->findChildren<ResultsWindow*>().isEmpty());
}

// Opens the beam file through File > Open, calculates it and presses "Results"; the results
// window and the viewer it opened.
static std::pair<ResultsWindow*, ResultsViewer*> open_and_calculate(MainWindow& window, Harness& h,
                                                                    const QString& path) {
    h.dialogs.paths.push_back(path);
    window.findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QTest::mouseClick(widget<QPushButton>(window, Control::vm), Qt::LeftButton);
    auto* results = window.findChild<ResultsWindow*>();
    if (!results)
        return {nullptr, nullptr};
    click_button(*results, "Command3");
    const QList<ResultsViewer*> viewers = window.findChildren<ResultsViewer*>();
    return {results, viewers.isEmpty() ? nullptr : viewers.back()};
}

// Two programs of one user over one data folder, each with its own beam: a span of 10 ft fixed
// at joint 1 and on a roller at joint 2 under w, whose reactions are 5wL/8 and 3wL/8.
void CalculateTest::twoProgramsOfOneUserEachShowTheirOwnResults() {
    const QString light = app_.home->folder() + QStringLiteral("/light.cb");
    const QString heavy = app_.home->folder() + QStringLiteral("/heavy.cb");
    std::string heavy_bytes = one_span_file("E");
    for (std::size_t at; (at = heavy_bytes.find(" 1000 ")) != std::string::npos;)
        heavy_bytes.replace(at, 6, " 2000 ");
    write_file(light, one_span_file("E"));
    write_file(heavy, heavy_bytes);

    Harness other_h;
    std::unique_ptr<MainWindow> other = start_up(other_h.services);
    QVERIFY(other);
    const auto [first_results, first_viewer] = open_and_calculate(*app_.window, *app_.h, light);
    const auto [other_results, other_viewer] = open_and_calculate(*other, other_h, heavy);
    QVERIFY(first_viewer && other_viewer);
    const QPointer<ResultsViewer> kept_viewer = other_viewer;
    QVERIFY(app_.h->prompter.shown.empty() && other_h.prompter.shown.empty());
    QCOMPARE(shear_reactions(first_viewer->text()), (std::vector<double>{6250, 3750}));
    QCOMPARE(shear_reactions(other_viewer->text()), (std::vector<double>{12500, 7500}));

    // The first program's "Results" again, after the other calculated: still its own beam; and
    // its diagrams' extremes are its own (the fixed-end moment wL^2/8).
    click_button(*first_results, "Command3");
    QCOMPARE(shear_reactions(app_.window->findChildren<ResultsViewer*>().back()->text()),
             (std::vector<double>{6250, 3750}));
    QCOMPARE(child_text(*first_results, "Labelmomentmin"), QStringLiteral("-12500"));
    QCOMPARE(child_text(*other_results, "Labelmomentmin"), QStringLiteral("-25000"));

    // The first program ends; the other's results file is still its own.
    const QString first_folder = session_folder();
    click_button(*first_results, "Command1");
    app_.trigger("mnuQuit");
    QVERIFY(!app_.window->isVisible());
    QVERIFY(!QFileInfo::exists(first_folder));
    // The other program is untouched: its viewer and results window stay open (closed ones
    // would be deleted here), its main window stays hidden behind them, its files stay.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(kept_viewer && kept_viewer->isVisible());
    QVERIFY(other_results->isVisible());
    QVERIFY(!other->isVisible());
    QVERIFY(QFileInfo::exists(QString::fromStdString(other->session().paths().results.string())));
    const int viewers_before = static_cast<int>(other->findChildren<ResultsViewer*>().size());
    click_button(*other_results, "Command3");
    const QList<ResultsViewer*> viewers = other->findChildren<ResultsViewer*>();
    QCOMPARE(static_cast<int>(viewers.size()), viewers_before + 1);
    QCOMPARE(shear_reactions(viewers.back()->text()), (std::vector<double>{12500, 7500}));
    QVERIFY(other_h.prompter.shown.empty());
    other.reset();
}

std::unique_ptr<QObject> make_calculate_suite() {
    return std::make_unique<CalculateTest>();
}

}  // namespace spanlyx::testing

#include "calculate_test.moc"
