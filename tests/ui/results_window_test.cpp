// The results window over a beam built here and analysed through the session, driven through
// its widgets: the read-out typed and picked, "Plot X" and "Clr X", the Copy menu, printing to
// PDF, a failed print, and "Return". Expected values are those of beam theory for two equal
// spans L = 10 ft under w = 1000 lb/ft on three pins: reactions 3wL/8, 10wL/8, 3wL/8; in the
// right span, x from the middle support, V = 5wL/8 - wx and M = -wL^2/8 + 5wLx/8 - wx^2/2.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "session/analysis_session.h"
#include "ui/diagram_area.h"
#include "ui/progress_window.h"
#include "ui/results_window.h"
#include "ui/vmd_help_dialog.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

Beam two_equal_spans() {
    Beam beam;
    for (int i = 0; i < 2; ++i) {
        Span span;
        span.length = HeldNumber::computed(10);
        span.inertia = 100;                         // in^4
        span.modulus = HeldNumber::computed(29e6);  // psi
        span.uniforms.push_back({0, 1000, 10, 1000});
        beam.spans.push_back(span);
    }
    beam.joints.assign(3, Joint{1, 0});
    beam.comments = {"comment one", "comment two", "comment three", "comment four"};
    return beam;
}

bool enabled(const QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled();
}

// What pdfinfo says of the file, its blanks run together.
QString pdf_info(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    return info.waitForFinished(20000)
               ? QString::fromUtf8(info.readAllStandardOutput()).simplified()
               : QString();
}

#define SKIP_WITHOUT_POPPLER()                                                   \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() || \
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())     \
    QSKIP("poppler-utils is not installed")

// The text of a PDF, its lines as laid out with their blanks run together and without empty
// lines; empty when it cannot be read.
QString pdf_text(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split('\n')) {
        if (!line.simplified().isEmpty())
            lines.push_back(line.simplified());
    }
    return lines.join(QLatin1Char('\n'));
}

// With SPANLYX_SCREENSHOT_DIR set, a copy of a printed file for a person to look at.
void keep_for_review(const QString& file, const QString& name) {
    const QString folder = qEnvironmentVariable("SPANLYX_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString copy = folder + QLatin1Char('/') + name + QStringLiteral(".pdf");
    QFile::remove(copy);
    QFile::copy(file, copy);
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void readOutTypedAndPicked();
    void onlyTheMostRecentMarkIsTakenBack();
    void copyPutsEachAreaOnTheClipboard();
    void printedPageCarriesTheHeaderBlock_data();
    void printedPageCarriesTheHeaderBlock();
    void failedPrintRestoresTheButtons();
    void printSafeWritesTheDiagramsAsText();
    void reportButtonWritesTheCalculationReport();
    void returnWritesTheSnapshotAndShowsTheMainWindow();

  private:
    void open(const Settings& settings);

    std::unique_ptr<DataHome> home_;
    std::unique_ptr<Harness> h_;
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<AnalysisSession> session_;
    QPointer<ResultsWindow> window_;
};

void ResultsWindowTest::init() {
    home_ = std::make_unique<DataHome>();
    QVERIFY(QDir().mkpath(home_->folder()));
    h_ = std::make_unique<Harness>();
    main_ = std::make_unique<QWidget>();
    session_ =
        std::make_unique<AnalysisSession>(DataFolder{home_->folder().toStdString(), "user1"});
}

void ResultsWindowTest::cleanup() {
    main_.reset();  // the results window with it
    session_.reset();
    h_.reset();
    home_.reset();
}

void ResultsWindowTest::open(const Settings& settings) {
    const CalculateRun run =
        session_->calculate(two_equal_spans(), settings, "/beams/two-spans.cb", std::tm{});
    QCOMPARE(run.outcome.status, CalculateStatus::Analysed);
    window_ = new ResultsWindow(*session_, settings, "/beams/two-spans.cb", h_->services, *main_);
    window_->show();
    // The progress window is up while the sweep starts, and gone once the diagrams are drawn.
    QStringList progress;
    QTimer::singleShot(0, window_, [this, &progress] {
        if (const auto* shown = window_->findChild<ProgressWindow*>())
            progress << shown->windowTitle() << shown->status() << shown->percent();
    });
    window_->start();
    QCOMPARE(progress, QStringList({QStringLiteral("CALCULATING........"),
                                    QStringLiteral("Calculating....."), QStringLiteral("0")}));
    QVERIFY(!window_->findChild<ProgressWindow*>());
    QVERIFY(show_active(*window_));
    QVERIFY(h_->prompter.shown.empty());
}

void ResultsWindowTest::readOutTypedAndPicked() {
    open(Settings{});
    QLineEdit* span = window_->findChild<QLineEdit*>(QStringLiteral("cursors"));
    span->setFocus();
    type(QStringLiteral("2a"));  // only digits go in
    QCOMPARE(span->text(), QStringLiteral("2"));
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cursorx"));
    type(QStringLiteral("3.5"));
    QCOMPARE(child_text(*window_, "cursorv"), QString());
    press(Qt::Key_Tab);
    QCOMPARE(child_text(*window_, "cursorx"), QStringLiteral("3.50"));
    // V = 6250 - 1000 x 3.5 at Beam X 10 + 3.5.
    QCOMPARE(child_text(*window_, "cursorv"), QStringLiteral("2750.0"));
    QCOMPARE(child_text(*window_, "realx"), QStringLiteral("13.5"));
    // X = 0.00 of span 2: just right of the middle support, V = 5wL/8.
    auto* x = window_->findChild<QLineEdit*>(QStringLiteral("cursorx"));
    x->setText(QStringLiteral("0.00"));
    QCOMPARE(child_text(*window_, "cursorv"), QStringLiteral("6250.0"));
    QCOMPARE(child_text(*window_, "realx"), QStringLiteral("10"));
    // Beyond the span nothing matches, and no earlier Beam X stays behind.
    x->setText(QStringLiteral("10.01"));
    QCOMPARE(child_text(*window_, "cursorv"), QString());
    QCOMPARE(child_text(*window_, "realx"), QString());

    // Typed key by key the same: 0.00 reads just right of the support, 0.01 one step on,
    // V = 6250 - 1000 x 0.01.
    x->setFocus();
    x->selectAll();
    type(QStringLiteral("0.00"));
    QCOMPARE(child_text(*window_, "cursorv"), QStringLiteral("6250.0"));
    x->selectAll();
    type(QStringLiteral("0.01"));
    QCOMPARE(child_text(*window_, "cursorv"), QStringLiteral("6240.0"));

    // X without a span number is refused.
    span->setFocus();
    span->clear();
    window_->findChild<QLineEdit*>(QStringLiteral("cursorx"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(h_->prompter.shown.size(), std::size_t{1});
    QCOMPARE(h_->prompter.shown[0].text, std::string("Must Enter a Span Number"));
    QCOMPARE(h_->prompter.shown[0].title, std::string("Continuous Beam Response"));
    QCOMPARE(QApplication::focusWidget(), span);

    // A press left of the beam reads its left end: the reaction 3wL/8.
    DiagramArea& moment = window_->area(DiagramId::Moment);
    QTest::mouseClick(&moment, Qt::LeftButton, {}, QPoint(2, moment.height() / 2));
    QCOMPARE(child_text(*window_, "cursors"), QStringLiteral("1"));
    QCOMPARE(child_text(*window_, "cursorx"), QStringLiteral("0.00"));
    QCOMPARE(child_text(*window_, "cursorv"), QStringLiteral("3750.0"));
    QCOMPARE(child_text(*window_, "realx"), QStringLiteral("0"));

    // Over the middle support (x = 5 of -0.5 to 10.5): the end of span 1, left of the reaction.
    window_->pick(550, 1100);
    QCOMPARE(child_text(*window_, "cursors"), QStringLiteral("1"));
    QCOMPARE(child_text(*window_, "cursorx"), QStringLiteral("10.00"));
    QCOMPARE(child_text(*window_, "cursorv"), QStringLiteral("-6250.0"));
    QCOMPARE(child_text(*window_, "cursorm"), QStringLiteral("-12500.0"));
    save_screenshot(*window_, QStringLiteral("results-window"));
}

void ResultsWindowTest::onlyTheMostRecentMarkIsTakenBack() {
    open(Settings{});
    const QImage unmarked = window_->area(DiagramId::Moment).picture();
    for (double x : {200.0, 400.0, 800.0}) {
        window_->pick(x, 1100);
        click_button(*window_, "Command5");
    }
    QVERIFY(window_->area(DiagramId::Moment).picture() != unmarked);
    click_button(*window_, "Command6");
    click_button(*window_, "Command6");
    const std::vector<PlotMark> placed = window_->marks().placed();
    QCOMPARE(placed.size(), std::size_t{2});
    // Picks at 200 and 400 of 1100 pixels: beam x = (x / 1100 x 11 - 0.5) x 2.
    QCOMPARE(placed[0].beam_x, 3.0);
    QCOMPARE(placed[1].beam_x, 7.0);
    // M at 3 ft: 3750 x 3 - 500 x 9.
    QCOMPARE(placed[0].moment, 6750.0);
    save_screenshot(*window_, QStringLiteral("results-window-marks"));

    click_button(*window_, "Command7");
    auto* help = window_->findChild<VmdHelpDialog*>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("V-M-D HELP"));
    save_screenshot(*help, QStringLiteral("vmd-help"));
    QVERIFY(
        help->findChild<QLabel*>(QStringLiteral("Label1"))
            ->text()
            .contains(QStringLiteral("diagram to  have the Span Number  X dist and V, M, and  D")));
    QVERIFY(help->findChild<QLabel*>(QStringLiteral("Label2"))
                ->text()
                .endsWith(QStringLiteral("remove the value you just placed . ")));
}

void ResultsWindowTest::copyPutsEachAreaOnTheClipboard() {
    Settings white;
    white.white_background = "y";
    open(white);
    const std::pair<const char*, const char*> items[] = {
        {"clmnu", "Loading Diagram Copied to ClipBoard!"},
        {"cvmnu", "Shear Diagram Copied to ClipBoard!"},
        {"cmmnu", "Moment Diagram Copied to ClipBoard!"},
        {"cdmnu", "Deflection Diagram Copied to ClipBoard!"}};
    for (std::size_t i = 0; i < 4; ++i) {
        QGuiApplication::clipboard()->clear();
        window_->findChild<QAction*>(QString::fromLatin1(items[i].first))->trigger();
        const QWidget& area = window_->area(kDiagramIds[i]);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), area.size() * area.devicePixelRatioF());
        QCOMPARE(h_->prompter.shown.back(),
                 (Message{items[i].second, "Spanlyx", MessageIcon::None}));
    }
    // A larger window draws its areas anew at their new size; a copy takes that size.
    window_->resize(window_->size() + QSize(240, 160));
    QTRY_VERIFY(window_->area(DiagramId::Deflection).picture_fits());
    QVERIFY(window_->area(DiagramId::Loading).picture_fits());
    window_->findChild<QAction*>(QStringLiteral("cdmnu"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(),
             window_->area(DiagramId::Deflection).size());
    save_screenshot(*window_, QStringLiteral("results-window-white-resized"));

    // The shear diagram on white carries its magenta curve.
    const QImage shear = window_->area(DiagramId::Shear).grab().toImage();
    QCOMPARE(shear.pixelColor(1, 1), QColor(Qt::white));
    bool magenta = false;
    for (int y = 0; y < shear.height() && !magenta; ++y) {
        for (int x = 0; x < shear.width() && !magenta; ++x)
            magenta = shear.pixelColor(x, y) == QColor(255, 0, 255);
    }
    QVERIFY(magenta);
}

void ResultsWindowTest::printedPageCarriesTheHeaderBlock_data() {
    QTest::addColumn<char>("letterhead");
    QTest::newRow("plain") << 'n';
    QTest::newRow("letterhead") << 'y';
}

void ResultsWindowTest::printedPageCarriesTheHeaderBlock() {
    QFETCH(char, letterhead);
    SKIP_WITHOUT_POPPLER();
    Settings settings;
    settings.letterhead = letterhead;
    open(settings);
    const QString pdf = home_->root() + QStringLiteral("/page.pdf");
    h_->dialogs.paths.push_back(pdf);
    click_button(*window_, "Command8");
    QVERIFY(h_->prompter.shown.empty());
    keep_for_review(pdf,
                    QStringLiteral("printed-page-") + QString::fromLatin1(QTest::currentDataTag()));
    const QString text = pdf_text(pdf);
    QVERIFY2(text.contains(QStringLiteral("Spanlyx - version (8.8)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nINPUT FILE NAME ====> /beams/two-spans.cb\n")),
             qPrintable(text));
    QVERIFY(
        text.contains(QStringLiteral("\nCOMMENTS ====> comment one\n====> comment two\n"
                                     "====> comment three\n")));
    QVERIFY(text.contains(QStringLiteral("LOADING DIAGRAM")));
    // With letterhead only three comments are printed.
    QCOMPARE(text.contains(QStringLiteral("====> comment four")), letterhead == 'n');
    // The hogging moment wL^2/8 over the middle support, with the moment pattern.
    QVERIFY(text.contains(QStringLiteral("-12500.0")));
    QVERIFY(pdf_info(pdf).contains(QStringLiteral("Pages: 1 ")));
}

void ResultsWindowTest::failedPrintRestoresTheButtons() {
    open(Settings{});
    QVERIFY(!enabled(*window_, "Command2"));
    const QString nowhere = home_->root() + QStringLiteral("/no-such-folder/page.pdf");
    for (const char* command : {"Command8", "Command4"}) {
        h_->prompter.shown.clear();
        h_->dialogs.paths.push_back(nowhere);
        click_button(*window_, command);
        QCOMPARE(h_->prompter.shown.size(), std::size_t{1});
        QCOMPARE(h_->prompter.shown[0],
                 (Message{"Printer cannot be found - canceling print", "Continuous Beam Response",
                          MessageIcon::Information}));
        QVERIFY(!window_->printing());
        for (const char* name : {"Command1", "Command3", "Command4", "Command8"})
            QVERIFY2(enabled(*window_, name), name);
    }
    // " Draw " is offered once a "Print(safe)" has run.
    QVERIFY(enabled(*window_, "Command2"));
}

void ResultsWindowTest::printSafeWritesTheDiagramsAsText() {
    SKIP_WITHOUT_POPPLER();
    open(Settings{});
    const QString pdf = home_->root() + QStringLiteral("/safe.pdf");
    h_->dialogs.paths.push_back(pdf);
    click_button(*window_, "Command4");
    QVERIFY(h_->prompter.shown.empty());
    keep_for_review(pdf, QStringLiteral("print-safe"));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Lines and text, no picture of the window.
    QVERIFY(!file.readAll().contains("/Subtype /Image"));
    const QString text = pdf_text(pdf);
    // Reactions 3wL/8 = 3750 and 10wL/8 = 12500 lb, the hogging moment -wL^2/8 over the middle
    // support written once, the shear 5wL/8 = 6250 each side of it, and the whole beam's
    // largest and smallest values beside the diagrams.
    for (const char* expected :
         {"v= 3750.0", "v= 12500.0", "6250.0", "-6250.0", "Max M (-) -12500", "Max V (+) 6250"})
        QVERIFY2(text.contains(QString::fromLatin1(expected)), qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("-12500.0")), 1);
    // One landscape Letter page, and the window given back its grey.
    const QString meta = pdf_info(pdf);
    QVERIFY2(meta.contains(QStringLiteral("Pages: 1 ")), qPrintable(meta));
    QVERIFY2(meta.contains(QStringLiteral("Page size: 792 x 612 pts")), qPrintable(meta));
    QCOMPARE(window_->area(DiagramId::Shear).picture().pixelColor(1, 1), QColor(192, 192, 192));
}

void ResultsWindowTest::reportButtonWritesTheCalculationReport() {
    SKIP_WITHOUT_POPPLER();
    open(Settings{});
    QVERIFY(enabled(*window_, "Command9"));
    const QString pdf = home_->root() + QStringLiteral("/report.pdf");
    h_->dialogs.paths.push_back(pdf);
    click_button(*window_, "Command9");
    QVERIFY(h_->prompter.shown.empty());
    keep_for_review(pdf, QStringLiteral("calculation-report"));
    const QString text = pdf_text(pdf);
    QVERIFY2(text.contains(QStringLiteral("Calculation Report")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("File: /beams/two-spans.cb")));
    QVERIFY(text.contains(QStringLiteral("Page 1 of ")));
    // The reactions 3wL/8 = 3750 and 10wL/8 = 12500 lb of the two 10 ft spans.
    QVERIFY(text.contains(QStringLiteral("\n1 3750.0 0.0\n2 12500.0 0.0\n3 3750.0 0.0\n")));
    // Without a printer to ask, the paper of the imperial units: Letter.
    if (QPrinterInfo::availablePrinters().isEmpty())
        QVERIFY(pdf_info(pdf).contains(QStringLiteral("612 x 792 pts (letter)")));

    // A file that cannot be written is said so, and the buttons stay usable.
    h_->dialogs.paths.push_back(home_->root() + QStringLiteral("/no-such-folder/report.pdf"));
    QVERIFY(!window_->export_report());
    QCOMPARE(h_->prompter.shown.size(), std::size_t{1});
    QVERIFY(h_->prompter.shown[0].text.find("report.pdf") != std::string::npos);
    QVERIFY(enabled(*window_, "Command9"));
}

void ResultsWindowTest::returnWritesTheSnapshotAndShowsTheMainWindow() {
    open(Settings{});
    const QString snapshot = home_->folder() + QStringLiteral("/user1_contfile.tmp");
    QVERIFY(!QFile::exists(snapshot));
    click_button(*window_, "Command1");
    QTRY_VERIFY(window_.isNull());
    QVERIFY(main_->isVisible());
    QFile file(snapshot);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("Spanlyx Program\r\n"));
    QVERIFY(bytes.contains("comment one"));
    // The snapshot has no unit tag.
    QVERIFY(!bytes.contains("Metric E,M,M2,M3 Or M4"));
}

std::unique_ptr<QObject> make_results_window_suite() {
    return std::make_unique<ResultsWindowTest>();
}

}  // namespace spanlyx::testing

#include "results_window_test.moc"
