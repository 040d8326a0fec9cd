// The results window's choice of what is shown: the beam as entered or a combination's
// live-load envelope, driven through `showcase` and the read-out. Two equal spans L = 10 ft on
// three pins, dead load 500 lb/ft and live load 1000 lb/ft on both, combination 1.2D + 1.6L.
// Closed forms for the span on the left, x from its left end: both spans under w give
// M = 3wLx/8 - wx^2/2, the span alone 7wLx/16 - wx^2/2, the other span alone -wLx/16; over the
// middle support -wL^2/8 with both.

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <memory>
#include <optional>

#include "session/analysis_session.h"
#include "ui/diagram_area.h"
#include "ui/readout_panel.h"
#include "ui/results_window.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

Beam patterned_spans(bool with_combinations) {
    Beam beam;
    for (int i = 0; i < 2; ++i) {
        Span span;
        span.length = HeldNumber::computed(10);
        span.inertia = 100;                         // in^4
        span.modulus = HeldNumber::computed(29e6);  // psi
        span.uniforms.push_back({0, 500, 10, 500});
        span.uniforms.push_back({0, 1000, 10, 1000, LoadCase::Live});
        beam.spans.push_back(span);
    }
    beam.joints.assign(3, Joint{1, 0});
    if (with_combinations)
        beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}, {"D + L", 1, 1}};
    return beam;
}

QStringList envelope_lines(const ResultsWindow& window) {
    // The blanks that pad the lines into a table made single.
    QStringList lines = window.findChild<ReadoutPanel*>()->envelope_text().split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.simplified();
    return lines;
}

}  // namespace

class EnvelopeViewTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void aCombinationShowsItsEnvelopeAndTheSpansLoaded();
    void aBeamWithoutCombinationsHasNoChoice();

  private:
    void open(const Beam& beam);

    std::unique_ptr<DataHome> home_;
    std::unique_ptr<Harness> h_;
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<AnalysisSession> session_;
    QPointer<ResultsWindow> window_;
};

void EnvelopeViewTest::init() {
    home_ = std::make_unique<DataHome>();
    QVERIFY(QDir().mkpath(home_->folder()));
    h_ = std::make_unique<Harness>();
    main_ = std::make_unique<QWidget>();
    session_ =
        std::make_unique<AnalysisSession>(DataFolder{home_->folder().toStdString(), "user1"});
}

void EnvelopeViewTest::cleanup() {
    main_.reset();
    session_.reset();
    h_.reset();
    home_.reset();
}

void EnvelopeViewTest::open(const Beam& beam) {
    const CalculateRun run = session_->calculate(beam, Settings{}, "/beams/live.cb", std::tm{});
    QCOMPARE(run.outcome.status, CalculateStatus::Analysed);
    window_ = new ResultsWindow(*session_, Settings{}, "/beams/live.cb", h_->services, *main_);
    window_->show();
    window_->start();
    QVERIFY(show_active(*window_));
    QVERIFY(h_->prompter.shown.empty());
}

void EnvelopeViewTest::aCombinationShowsItsEnvelopeAndTheSpansLoaded() {
    open(patterned_spans(true));
    auto* show = window_->findChild<QComboBox*>(QStringLiteral("showcase"));
    QVERIFY(show && show->isVisible() && show->isEnabled());
    QCOMPARE(show->count(), 3);
    QCOMPARE(show->itemText(0), QStringLiteral("As entered"));
    QCOMPARE(show->itemText(1), QStringLiteral("1.2D + 1.6L"));
    auto* envelope = window_->findChild<QLabel*>(QStringLiteral("envelopereadout"));
    QVERIFY(!envelope->isVisible());
    // As entered every load acts at factor 1: 1500 lb/ft on both spans, -wL^2/8 over the
    // middle support.
    window_->pick(550, 1100);
    QCOMPARE(child_text(*window_, "cursorm"), QStringLiteral("-18750.0"));
    const QImage as_entered = window_->area(DiagramId::Moment).picture();

    show->setCurrentIndex(1);
    QVERIFY(window_->shown_combination() == std::optional<std::size_t>(0));
    QVERIFY(envelope->isVisible());
    QVERIFY(!window_->findChild<QLineEdit*>(QStringLiteral("cursorm"))->isVisible());
    QVERIFY(window_->area(DiagramId::Moment).picture() != as_entered);
    QVERIFY(!window_->findChild<QPushButton*>(QStringLiteral("Command5"))->isEnabled());
    // The largest moment of the envelope: 1.2 and 1.6 times wL^2/8 over the support, beside
    // the diagram as the largest magnitude of the minimum curve.
    QCOMPARE(child_text(*window_, "Labelmomentmin"), QStringLiteral("-27500"));

    // Typed and picked places both reach the envelope read-out, whose lines the graphics tests
    // prove. Mid-span 1: 1.2 x 3125 + 1.6 x 9375 with span 1 loaded, 1.2 x 3125 - 1.6 x 3125
    // with span 2.
    window_->findChild<QLineEdit*>(QStringLiteral("cursors"))->setText(QStringLiteral("1"));
    window_->findChild<QLineEdit*>(QStringLiteral("cursorx"))->setText(QStringLiteral("5.00"));
    QCOMPARE(envelope_lines(*window_).size(), 3);
    QCOMPARE(envelope_lines(*window_)[1],
             QStringLiteral("M max 18750.0 Spans loaded: 1 min -1250.0 Spans loaded: 2"));
    // Picked over the middle support: the dead load alone gives the largest moment there; both
    // live loads the smallest.
    window_->pick(550, 1100);
    QCOMPARE(envelope_lines(*window_)[1],
             QStringLiteral("M max -7500.0 Spans loaded: none min -27500.0 Spans loaded: 1, 2"));
    // The lines are read in full: the panel gives them the room they need.
    QCoreApplication::processEvents();
    QVERIFY(envelope->width() >= envelope->sizeHint().width());
    save_screenshot(*window_, QStringLiteral("results-window-envelope"));

    // "Print" takes the envelope shown: the page names the combination.
    const QString pdf = home_->root() + QStringLiteral("/envelope.pdf");
    h_->dialogs.paths.push_back(pdf);
    QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("Command8")), Qt::LeftButton);
    QVERIFY(h_->prompter.shown.empty());
    QVERIFY(QFileInfo(pdf).size() > 0);
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(tool.waitForFinished(20000));
        const QString text = QString::fromUtf8(tool.readAllStandardOutput()).simplified();
        QVERIFY2(text.contains(QStringLiteral("ENVELOPE 1.2D + 1.6L")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("-27500.0")));
    }

    // Back to the beam as entered: its read-out and pictures as before.
    show->setCurrentIndex(0);
    QVERIFY(!envelope->isVisible());
    QVERIFY(window_->findChild<QPushButton*>(QStringLiteral("Command5"))->isEnabled());
    QCOMPARE(window_->area(DiagramId::Moment).picture(), as_entered);
    QCOMPARE(child_text(*window_, "Labelmomentmin"), QStringLiteral("-18750"));
    window_->pick(550, 1100);
    QCOMPARE(child_text(*window_, "cursorm"), QStringLiteral("-18750.0"));
}

void EnvelopeViewTest::aBeamWithoutCombinationsHasNoChoice() {
    open(patterned_spans(false));
    QVERIFY(!window_->findChild<QComboBox*>(QStringLiteral("showcase"))->isVisible());
    QVERIFY(!window_->findChild<QLabel*>(QStringLiteral("envelopereadout"))->isVisible());
    QVERIFY(window_->findChild<QLineEdit*>(QStringLiteral("cursorv"))->isVisible());
    QVERIFY(!window_->shown_combination().has_value());
}

std::unique_ptr<QObject> make_envelope_view_suite() {
    return std::make_unique<EnvelopeViewTest>();
}

}  // namespace spanlyx::testing

#include "envelope_view_test.moc"
