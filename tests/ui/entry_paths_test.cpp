// Every way a value reaches the entry fields leaves the analysed beam as the fields show it:
// a new number of spans typed while a later span is shown, a refused X = 0 on span 2 followed by
// Calculate, texts pasted or given by an input method, and Enter and Return from the keyboard.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "file_fixtures.h"
#include "model/beam.h"
#include "storage/beam_file.h"
#include "ui/results_window.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

constexpr char kNonNumeric[] = "Data Input was other than Numeric";

// Spans of the given lengths in ft on pins, I = 100 in^4 and E = 29000000 psi.
Beam pinned_beam(const std::vector<std::string>& lengths) {
    Beam beam;
    double total = 0;
    for (const std::string& length : lengths) {
        Span span;
        span.length = HeldNumber::typed(length);
        span.inertia = 100;
        span.modulus = HeldNumber::typed("29000000");
        beam.spans.push_back(span);
        total += std::stod(length);
    }
    beam.joints.assign(lengths.size() + 1, Joint{1, 0});
    beam.spans_text = std::to_string(lengths.size());
    beam.total_length_text = std::to_string(static_cast<int>(total));
    return beam;
}

}  // namespace

class EntryPathsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void fewerSpansTypedOnALaterSpanKeepSpanOne();
    void refusedJointPositionIsNotAnalysedAtTheJoint();
    void pastedTextsThatAreNoNumbersAreRefused();
    void droppedAndInputMethodTextsGoThroughTheSameRule();
    void enterMovesOnToTheNextFieldWithItsFocusShown();
    void returnPressesTheFocusedButton();

  private:
    QLineEdit* line(Control control) const { return widget<QLineEdit>(*app_.window, control); }
    // Writes the beam into the data folder and opens it through File > Open.
    void open_beam(const Beam& beam) {
        const QString path = app_.home->folder() + QStringLiteral("/beam.cb");
        QVERIFY(!write_beam_file(beam, path.toStdString()).has_value());
        app_.open(path);
        QVERIFY(app_.h->prompter.shown.empty());
        QVERIFY(show_active(*app_.window));
    }
    // The field takes the focus with its text selected, as a click or Tab leaves it.
    void focus_field(Control control) {
        line(control)->setFocus(Qt::MouseFocusReason);
        line(control)->selectAll();
    }
    void paste_into(Control control, const QString& text) {
        focus_field(control);
        QApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }

    RunningProgram app_;
};

void EntryPathsTest::init() {
    QVERIFY(app_.start());
}

void EntryPathsTest::cleanup() {
    app_.stop();
}

// Three spans of 20, 25 and 15 ft; on span 2, two spans are typed, Tab, and joint 1's Y Fixed
// is clicked: span 1 keeps 20 ft and the total is 20 + 25.
void EntryPathsTest::fewerSpansTypedOnALaterSpanKeepSpanOne() {
    open_beam(pinned_beam({"20", "25", "15"}));
    QTest::mouseClick(widget<QPushButton>(*app_.window, Control::Command7), Qt::LeftButton);
    QCOMPARE(widget<QLabel>(*app_.window, Control::spannumber)->text(), QStringLiteral("2"));
    QCOMPARE(line(Control::spanlengthtext)->text(), QStringLiteral("25.00"));

    focus_field(Control::spans);
    type(QStringLiteral("2"));
    // Span 1 is shown under "Span # 1" as soon as the count is typed.
    QCOMPARE(widget<QLabel>(*app_.window, Control::spannumber)->text(), QStringLiteral("1"));
    QCOMPARE(line(Control::spanlengthtext)->text(), QStringLiteral("20.00"));
    QCOMPARE(line(Control::moi)->text(), QStringLiteral("100.0000"));
    press(Qt::Key_Tab);
    QCOMPARE(focused_control(), Control::spanlengthtext);
    QCOMPARE(widget<QLabel>(*app_.window, Control::Jointnumber)->text(), QStringLiteral("1"));
    QTest::mouseClick(widget<QRadioButton>(*app_.window, Control::jyfixed), Qt::LeftButton);

    const Beam& beam = app_.window->beam();
    QCOMPARE(beam.span_count(), 2);
    QCOMPARE(beam.spans[0].length.value, 20.0);
    QCOMPARE(beam.spans[1].length.value, 25.0);
    QCOMPARE(line(Control::total_lengthtext)->text(), QStringLiteral("45.00"));
    QVERIFY(app_.h->prompter.shown.empty());
}

// Two spans of 10 ft on three pins, P = 1000 lb at 5 ft into span 2. Retyping its X as 0 is
// refused; Calculate then analyses the load where it was. By the three-moment equation
// 2 M_B (L1 + L2) = -P a b (L + b) / L with a = b = 5, L = 10: M_B = -937.5 ft-lb, so the
// reactions are R_A = M_B / L = -93.75, R_C = P a / L + M_B / L = 406.25 and
// R_B = P - R_A - R_C = 687.5 lb. A load on the middle joint would give 0, 1000, 0.
void EntryPathsTest::refusedJointPositionIsNotAnalysedAtTheJoint() {
    Beam beam = pinned_beam({"10", "10"});
    beam.spans[1].points.push_back(PointLoad{5, HeldNumber::typed("1000")});
    open_beam(beam);
    QTest::mouseClick(widget<QPushButton>(*app_.window, Control::Command7), Qt::LeftButton);
    QCOMPARE(line(Control::pxtext)->text(), QStringLiteral("5.00"));

    focus_field(Control::pxtext);
    type(QStringLiteral("0"));
    press(Qt::Key_Tab);
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QVERIFY(app_.h->prompter.shown[0].text.starts_with(
        "Intermediate Joint Loads Must be put on the End of a Span."));
    QCOMPARE(line(Control::pxtext)->text(), QStringLiteral("5.00"));

    QTest::mouseClick(widget<QPushButton>(*app_.window, Control::vm), Qt::LeftButton);
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QVERIFY(app_.window->session().has_analysis());
    QCOMPARE(app_.window->session().analysed_beam().spans[1].points.at(0).x, 5.0);
    const std::vector<double>& reactions =
        app_.window->session().analysis().results->reaction_shear;
    const std::vector<double> expected{-93.75, 687.5, 406.25};
    QCOMPARE(reactions.size(), expected.size());
    for (std::size_t j = 0; j < expected.size(); ++j)
        QVERIFY2(qAbs(reactions[j] - expected[j]) < 1e-6, qPrintable(QString::number(j)));
    if (auto* results = app_.window->findChild<ResultsWindow*>())
        results->close();
}

// A paste goes through the rule of typed keys: the message, and the field as it was.
void EntryPathsTest::pastedTextsThatAreNoNumbersAreRefused() {
    Beam beam = pinned_beam({"20"});
    beam.spans[0].points.push_back(PointLoad{5, HeldNumber::typed("750")});
    open_beam(beam);
    const struct {
        Control field;
        const char* text;
        const char* before;
        const char* title;
    } pastes[] = {
        {Control::ptext, "5,000", "750.00", "Continuous Beam Response"},
        {Control::spanlengthtext, "25ft ; rm -rf", "20.00", "Spanlyx"},
        {Control::spanlengthtext, "12abc-3.4.5e7 x", "20.00", "Spanlyx"},
        {Control::pxtext, "12abc-3.4.5e7 x", "5.00", "Continuous Beam Response"},
    };
    for (const auto& paste : pastes) {
        app_.h->prompter.shown.clear();
        paste_into(paste.field, QString::fromLatin1(paste.text));
        QCOMPARE(line(paste.field)->text(), QString::fromLatin1(paste.before));
        QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
        QCOMPARE(app_.h->prompter.shown[0].text, std::string(kNonNumeric));
        QCOMPARE(app_.h->prompter.shown[0].title, std::string(paste.title));
        press(Qt::Key_Tab);
    }
    const Beam& held = app_.window->beam();
    QCOMPARE(held.spans[0].length.value, 20.0);
    QCOMPARE(held.spans[0].points.at(0).load.value, 750.0);
    QCOMPARE(held.spans[0].points.at(0).x, 5.0);

    // A number in the field's form is taken as typed keys would be.
    app_.h->prompter.shown.clear();
    paste_into(Control::ptext, QStringLiteral("-1250.5"));
    press(Qt::Key_Tab);
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(app_.window->beam().spans[0].points.at(0).load.value, -1250.5);

    // Undo in the field brings back its earlier text through the same rule.
    focus_field(Control::ptext);
    type(QStringLiteral("8"));
    QCOMPARE(app_.window->beam().spans[0].points.at(0).load.value, 8.0);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(line(Control::ptext)->text(), QStringLiteral("-1250.5"));
    QCOMPARE(app_.window->beam().spans[0].points.at(0).load.value, -1250.5);
}

void EntryPathsTest::droppedAndInputMethodTextsGoThroughTheSameRule() {
    open_beam(pinned_beam({"20"}));
    focus_field(Control::spanlengthtext);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("30ft"));
    QApplication::sendEvent(line(Control::spanlengthtext), &composed);
    QCOMPARE(line(Control::spanlengthtext)->text(), QStringLiteral("20.00"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0].text, std::string(kNonNumeric));
    press(Qt::Key_Tab);
    QCOMPARE(app_.window->beam().spans[0].length.value, 20.0);

    // Text dropped on a field: "7,5" is refused, "7.5" taken.
    auto* length = line(Control::spanlengthtext);
    const auto drop = [length](const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPointF inside(length->width() - 4, length->height() / 2.0);
        QDragEnterEvent enter(inside.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(length, &enter);
        QDropEvent dropped(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(length, &dropped);
    };
    focus_field(Control::spanlengthtext);
    press(Qt::Key_Backspace);
    QCOMPARE(length->text(), QString());
    drop(QStringLiteral("7,5"));
    QCOMPARE(length->text(), QString());
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QCOMPARE(app_.h->prompter.shown[1].text, std::string(kNonNumeric));
    drop(QStringLiteral("7.5"));
    QCOMPARE(length->text(), QStringLiteral("7.5"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    press(Qt::Key_Tab);
    QCOMPARE(app_.window->beam().spans[0].length.value, 7.5);
}

// Enter after the release goes to the number of distributed loads (not to the check box, which
// would swallow the count), and the focus shows as Tab's does.
void EntryPathsTest::enterMovesOnToTheNextFieldWithItsFocusShown() {
    for (const char* value : {"1", "10", "100", "29"})  // spans, length, I, E
        enter(QString::fromLatin1(value));
    QCOMPARE(focused_control(), Control::Combo1);
    press(Qt::Key_Return);
    QCOMPARE(focused_control(), Control::uniforms);
    QVERIFY(app_.window->testAttribute(Qt::WA_KeyboardFocusChange));
    enter(QStringLiteral("2"));
    QCOMPARE(app_.window->beam().spans[0].uniforms.size(), std::size_t{2});
    QVERIFY(!widget<QAbstractButton>(*app_.window, Control::Check1)->isChecked());

    // From the last field of the window Enter goes round to the first, passing the buttons.
    line(Control::total_lengthtext)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QCOMPARE(focused_control(), Control::spans);
}

void EntryPathsTest::returnPressesTheFocusedButton() {
    open_beam(pinned_beam({"10", "12", "14"}));
    auto* next_span = widget<QPushButton>(*app_.window, Control::Command7);
    next_span->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QCOMPARE(widget<QLabel>(*app_.window, Control::spannumber)->text(), QStringLiteral("2"));
    auto* next_joint = widget<QPushButton>(*app_.window, Control::nextjoint);
    next_joint->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter);
    QCOMPARE(widget<QLabel>(*app_.window, Control::Jointnumber)->text(), QStringLiteral("2"));
}

std::unique_ptr<QObject> make_entry_paths_suite() {
    return std::make_unique<EntryPathsTest>();
}

}  // namespace spanlyx::testing

#include "entry_paths_test.moc"
