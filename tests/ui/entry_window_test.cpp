// The entry window's wiring: keys refused before they reach a field, Enter as Tab with the
// leave rules of the field left, the Units menu, the I-entry choice, the sketch, Help and About.
// The rules themselves are tested without widgets in tests/workflow.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/about_dialog.h"
#include "ui/entry_form.h"
#include "ui/help_window.h"
#include "ui/inertia_choice_dialog.h"
#include "ui/sketch_view.h"
#include "ui/start_up.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

// Pixels of the beam line and supports (near black).
int dark_pixels(SketchView& sketch) {
    const QImage image = sketch.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (qGray(image.pixel(x, y)) < 60)
                ++count;
        }
    }
    return count;
}

}  // namespace

class EntryWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void refusedKeysNeverReachTheField();
    void enterMovesOnAndRunsTheLeaveRule();
    void unitMenuChangesTheCaptions();
    void inertiaChoiceSwapsIForWidthAndDepth();
    void firstSpanOptionWritesTheSettingsAtOnce();
    void sketchFollowsTheSpansEntered();
    void helpAndAboutOpenOnce();

  private:
    RunningProgram app_;
};

void EntryWindowTest::init() {
    QVERIFY(app_.start());
    QCOMPARE(focused_control(), Control::spans);
}

void EntryWindowTest::cleanup() {
    app_.stop();
}

void EntryWindowTest::refusedKeysNeverReachTheField() {
    enter(QStringLiteral("2"));
    QCOMPARE(focused_control(), Control::spanlengthtext);
    type(QStringLiteral("1a2"));
    QCOMPARE(widget<QLineEdit>(*app_.window, Control::spanlengthtext)->text(),
             QStringLiteral("12"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0].text, std::string("Data Input was other than Numeric"));
    QCOMPARE(app_.h->prompter.shown[0].title, std::string("Spanlyx"));

    // Load values take a minus sign; their refusals carry the response title.
    auto* load = widget<QLineEdit>(*app_.window, Control::ptext);
    load->setFocus();
    type(QStringLiteral("-5x"));
    QCOMPARE(load->text(), QStringLiteral("-5"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{2});
    QCOMPARE(app_.h->prompter.shown[1].title, std::string("Continuous Beam Response"));
}

void EntryWindowTest::enterMovesOnAndRunsTheLeaveRule() {
    // No spans: leaving the count reports it and the focus comes back.
    enter(QStringLiteral("0"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0].text,
             std::string("The number of spans must be greater than 0 "));
    QCOMPARE(focused_control(), Control::spans);

    press(Qt::Key_Backspace);
    enter(QStringLiteral("3"));
    QCOMPARE(focused_control(), Control::spanlengthtext);
    QVERIFY(widget<QWidget>(*app_.window, Control::nextjoint)->isEnabled());
    QCOMPARE(widget<QLabel>(*app_.window, Control::spannumber)->text(), QStringLiteral("1"));
    // Leaving the span length stores it and shows the running total.
    enter(QStringLiteral("12.5"));
    QCOMPARE(app_.window->beam().spans.at(0).length.value, 12.5);
    QCOMPARE(widget<QLineEdit>(*app_.window, Control::total_lengthtext)->text(),
             QStringLiteral("12.50"));
    QCOMPARE(focused_control(), Control::moi);

    // A span with more decimals than the system allows is reported and keeps the focus.
    widget<QPushButton>(*app_.window, Control::Command7)->click();
    QCOMPARE(widget<QLabel>(*app_.window, Control::spannumber)->text(), QStringLiteral("2"));
    QCOMPARE(focused_control(), Control::spanlengthtext);
    enter(QStringLiteral("12.015"));
    QCOMPARE(app_.h->prompter.shown.back().text,
             std::string("SPAN LENGTH decimal input to hundreths only (ex 12.01)"));
    QCOMPARE(focused_control(), Control::spanlengthtext);
    QCOMPARE(widget<QLineEdit>(*app_.window, Control::spanlengthtext)->selectedText(),
             QStringLiteral("12.015"));
}

void EntryWindowTest::unitMenuChangesTheCaptions() {
    auto* inches = app_.window->findChild<QAction*>(QStringLiteral("mnuEnglish2"));
    QVERIFY(inches);
    inches->trigger();
    QVERIFY(inches->isChecked());
    QVERIFY(!app_.window->findChild<QAction*>(QStringLiteral("mnuEnglish"))->isChecked());
    QCOMPARE(app_.window->beam().units, UnitSystem::E2);
    QCOMPARE(widget<QLabel>(*app_.window, Control::Label10)->text(),
             QStringLiteral("Span Length (in)"));
    // Every caption of every system is the workflow tests' business; here one per system shows
    // that the menu reaches the window's labels.

    auto* millimetres = app_.window->findChild<QAction*>(QStringLiteral("mnumetric4"));
    millimetres->trigger();
    QVERIFY(!inches->isChecked());
    QCOMPARE(widget<QLabel>(*app_.window, Control::Label10)->text(),
             QStringLiteral("Span Length (mm)"));
    QVERIFY(app_.h->prompter.shown.empty());
}

void EntryWindowTest::inertiaChoiceSwapsIForWidthAndDepth() {
    app_.trigger("mnuInteria");
    auto* choice = app_.window->findChild<InertiaChoiceDialog*>();
    QVERIFY(choice && choice->isVisible());
    QVERIFY(!choice->isModal());
    QCOMPARE(choice->windowTitle(), QStringLiteral("Choice for Calculation of Moment of Interia"));
    auto* typed = choice->findChild<QRadioButton*>(QStringLiteral("Option2"));
    auto* section = choice->findChild<QRadioButton*>(QStringLiteral("Option1"));
    QVERIFY(typed && section);
    QCOMPARE(typed->text(), QStringLiteral("Allow  I for entry"));
    QCOMPARE(section->text(), QStringLiteral("Allow b, d entry to Calc I:   bd^3/12"));
    QVERIFY(typed->isChecked());

    QTest::mouseClick(section, Qt::LeftButton);
    QVERIFY(!app_.window->beam().inertia_entered);
    // Which controls swap is the workflow tests' business; one of each shows it reaches the window.
    QVERIFY(!widget<QWidget>(*app_.window, Control::moi)->isVisible());
    QVERIFY(widget<QWidget>(*app_.window, Control::spandepthtext)->isVisible());
    QCOMPARE(widget<QLabel>(*app_.window, Control::Label22)->text(),
             QStringLiteral("Span width (in)"));
    QCOMPARE(widget<QLabel>(*app_.window, Control::Label21)->text(),
             QStringLiteral("Span Depth  (in)"));

    // "Return" closes it; opened again it is the same window with the b, d option chosen.
    QTest::mouseClick(choice->findChild<QPushButton*>(QStringLiteral("Return")), Qt::LeftButton);
    QVERIFY(!choice->isVisible());
    app_.trigger("mnuInteria");
    QCOMPARE(app_.window->findChildren<InertiaChoiceDialog*>().size(), 1);
    QVERIFY(choice->isVisible());
    QVERIFY(section->isChecked());
    QTest::mouseClick(typed, Qt::LeftButton);
    QVERIFY(app_.window->beam().inertia_entered);
    QVERIFY(widget<QWidget>(*app_.window, Control::moi)->isVisible());
    QVERIFY(!widget<QWidget>(*app_.window, Control::spanwidthtext)->isVisible());
}

void EntryWindowTest::firstSpanOptionWritesTheSettingsAtOnce() {
    const auto settings_line = [this](int number) {
        QFile file(app_.home->folder() + QStringLiteral("/sx.ini"));
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray("missing");
        return file.readAll().split('\n').value(number - 1).trimmed();
    };
    enter(QStringLiteral("1"));
    enter(QStringLiteral("10"));
    app_.trigger("mnumetric3");
    QCOMPARE(settings_line(20), QByteArray("no"));
    auto* first_span = widget<QAbstractButton>(*app_.window, Control::Check1);
    first_span->setFocus();
    press(Qt::Key_Space);
    QVERIFY(first_span->isChecked());
    QVERIFY(app_.window->beam().use_first_span_ei);
    // The file follows at once, with the unit system chosen since start-up.
    QCOMPARE(settings_line(20), QByteArray("yes"));
    QCOMPARE(settings_line(3), QByteArray("M3"));
    press(Qt::Key_Space);
    QCOMPARE(settings_line(20), QByteArray("no"));
    // Enter moves on from the check box without changing it.
    press(Qt::Key_Return);
    QVERIFY(!first_span->isChecked());
    QCOMPARE(focused_control(), Control::uniforms);
    QVERIFY(app_.h->prompter.shown.empty());
}

void EntryWindowTest::sketchFollowsTheSpansEntered() {
    SketchView* sketch = app_.window->form().sketch();
    QCOMPARE(sketch->objectName(), QStringLiteral("loading"));
    QVERIFY(!sketch->drawn());
    QCOMPARE(dark_pixels(*sketch), 0);

    enter(QStringLiteral("1"));
    enter(QStringLiteral("10"));
    QVERIFY(sketch->drawn());
    QVERIFY(dark_pixels(*sketch) > 0);  // the beam line and its two pins
    QCOMPARE(red_pixels(*sketch), 0);   // no load yet

    auto* count = widget<QLineEdit>(*app_.window, Control::points);
    count->setFocus();
    enter(QStringLiteral("1"));
    QCOMPARE(focused_control(), Control::pxtext);
    enter(QStringLiteral("5"));
    enter(QStringLiteral("1000"));
    QVERIFY(red_pixels(*sketch) > 0);

    // The sketch is drawn to the size of the picture.
    const int before = dark_pixels(*sketch);
    app_.window->resize(app_.window->width() + 300, app_.window->height());
    QTRY_VERIFY(dark_pixels(*sketch) > before);

    // A new number of spans empties it until the spans add up again.
    auto* spans = widget<QLineEdit>(*app_.window, Control::spans);
    spans->setFocus();
    type(QStringLiteral("2"));
    QVERIFY(!sketch->drawn());
    QCOMPARE(dark_pixels(*sketch), 0);
}

void EntryWindowTest::helpAndAboutOpenOnce() {
    auto* contents = app_.window->findChild<QAction*>(QStringLiteral("mnucontents"));
    contents->trigger();
    contents->trigger();
    QCOMPARE(app_.window->findChildren<HelpWindow*>().size(), 1);
    HelpWindow* help = app_.window->findChild<HelpWindow*>();
    QVERIFY(help->isVisible());
    QVERIFY(help->text().contains(QStringLiteral("Entering a beam")));
    QVERIFY(help->text().contains(QStringLiteral("Calculate")));

    app_.trigger("mnuabout");
    auto* about = app_.window->findChild<AboutDialog*>();
    QVERIFY(about && about->isVisible());
    QString shown;
    for (const QLabel* label : about->findChildren<QLabel*>())
        shown += label->text() + QLatin1Char('\n');
    QVERIFY(shown.contains(QStringLiteral("Spanlyx")));
    QVERIFY(shown.contains(QStringLiteral("(8.8)")));
    QVERIFY(shown.contains(QStringLiteral("responsible")));
}

std::unique_ptr<QObject> make_entry_window_suite() {
    return std::make_unique<EntryWindowTest>();
}

}  // namespace spanlyx::testing

#include "entry_window_test.moc"
