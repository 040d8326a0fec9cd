// The Spring options and the stiffness, settlement and imposed-rotation fields of the supports
// frame, driven through the real widgets: what they enable, what the beam then holds, that each
// joint keeps its own values, that a comma-decimal locale reads them the same, and that a joint
// set back to fixed or free saves exactly as before.

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "comma_locale.h"
#include "file_fixtures.h"
#include "model/beam.h"
#include "storage/beam_file.h"
#include "ui/entry_form.h"
#include "ui/results_window.h"
#include "ui/sketch_view.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

// Spans of the given lengths in ft on pins, I = 100 in^4 and E = 29000000 psi, with one uniform
// load on span 1 so that the beam is complete.
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
    beam.spans[0].uniforms.push_back({0, 1000, beam.spans[0].length.value, 1000});
    beam.joints.assign(lengths.size() + 1, Joint{1, 0});
    beam.spans_text = std::to_string(lengths.size());
    beam.total_length_text = std::to_string(static_cast<int>(total));
    return beam;
}

// Pixels of the sketch in the load colour (pure red).
int red_pixels(SketchView& sketch) {
    const QImage image = sketch.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour(image.pixel(x, y));
            if (colour.red() > 200 && colour.green() < 60 && colour.blue() < 60)
                ++count;
        }
    }
    return count;
}

}  // namespace

class SpringSupportsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void springEnablesItsStiffnessAndTheBeamHoldsIt();
    void settlementOnlyUnderAFixedTranslation();
    void eachJointKeepsItsValues();
    void commaLocaleReadsTheSameValues_data();
    void commaLocaleReadsTheSameValues();
    void jointSetBackToFixedSavesAsBefore();

  private:
    void open_beam(const Beam& beam, const QString& name = QStringLiteral("beam.cb"));
    QLineEdit* line(Control control) const { return widget<QLineEdit>(*app_.window, control); }
    void click(Control control) const {
        QTest::mouseClick(widget<QAbstractButton>(*app_.window, control), Qt::LeftButton);
    }
    // The field clicked into with its text selected, then the text typed key by key.
    void type_into(Control control, const QString& text) {
        QVERIFY(app_.window->isActiveWindow());
        line(control)->setFocus(Qt::MouseFocusReason);
        line(control)->selectAll();
        type(text);
    }
    const Joint& joint(int number) const {
        return app_.window->beam().joints.at(static_cast<std::size_t>(number - 1));
    }

    RunningProgram app_;
};

void SpringSupportsTest::init() {
    QVERIFY(app_.start());
}

void SpringSupportsTest::cleanup() {
    app_.stop();
}

void SpringSupportsTest::open_beam(const Beam& beam, const QString& name) {
    const QString path = app_.home->folder() + QStringLiteral("/") + name;
    QVERIFY(!write_beam_file(beam, path.toStdString()).has_value());
    app_.h->dialogs.paths.push_back(path);
    app_.trigger("mnuOpen");
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(show_active(*app_.window));
}

void SpringSupportsTest::springEnablesItsStiffnessAndTheBeamHoldsIt() {
    // Before any span the joint's values are closed, and their captions carry the units.
    QVERIFY(!line(Control::kytext)->isEnabled());
    QVERIFY(!line(Control::settlementtext)->isEnabled());
    QCOMPARE(widget<QLabel>(*app_.window, Control::kylabel)->text(), QStringLiteral("ky (lb/in)"));
    QCOMPARE(widget<QLabel>(*app_.window, Control::kzlabel)->text(),
             QStringLiteral("kz (ft-lb/rad)"));

    open_beam(pinned_beam({"10", "12"}));
    click(Control::nextjoint);
    QCOMPARE(widget<QLabel>(*app_.window, Control::Jointnumber)->text(), QStringLiteral("2"));
    QVERIFY(!line(Control::kytext)->isEnabled());
    QVERIFY(!line(Control::kztext)->isEnabled());

    click(Control::jyspring);
    QVERIFY(widget<QRadioButton>(*app_.window, Control::jyspring)->isChecked());
    QVERIFY(!widget<QRadioButton>(*app_.window, Control::jyfixed)->isChecked());
    QVERIFY(line(Control::kytext)->isEnabled());
    QVERIFY(!line(Control::settlementtext)->isEnabled());
    type_into(Control::kytext, QStringLiteral("45000"));
    QVERIFY(app_.h->prompter.shown.empty());

    Joint expected;
    expected.spring_y = true;
    expected.ky = 45000;
    QCOMPARE(joint(2), expected);
    QVERIFY(app_.window->beam().has_springs_or_movements());
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);

    // A rotational spring alike; a letter never reaches the field.
    click(Control::jzspring);
    QVERIFY(line(Control::kztext)->isEnabled());
    type_into(Control::kztext, QStringLiteral("3E6x"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0].text, std::string("Data Input was other than Numeric"));
    QCOMPARE(line(Control::kztext)->text(), QStringLiteral("3E6"));
    QCOMPARE(joint(2).kz, 3e6);
    QVERIFY(joint(2).spring_z);
    QCOMPARE(joint(2).restraint_z, 0);
}

void SpringSupportsTest::settlementOnlyUnderAFixedTranslation() {
    open_beam(pinned_beam({"10", "12"}));
    auto* sketch = app_.window->form().sketch();
    const int red_before = red_pixels(*sketch);

    // Joint 1 is a pin: its settlement is open, its rotation closed until Z is fixed.
    QVERIFY(line(Control::settlementtext)->isEnabled());
    QVERIFY(!line(Control::rotationtext)->isEnabled());
    type_into(Control::settlementtext, QStringLiteral("0.75"));
    QCOMPARE(joint(1).settlement, 0.75);
    // The sketch draws the settlement arrow and its value in the load colour.
    QVERIFY(red_pixels(*sketch) > red_before);

    click(Control::jzfixed);
    QVERIFY(line(Control::rotationtext)->isEnabled());
    type_into(Control::rotationtext, QStringLiteral("-0.004"));
    QCOMPARE(joint(1).imposed_rotation, -0.004);

    // Free and Spring close the settlement and drop it.
    click(Control::jyfree);
    QVERIFY(!line(Control::settlementtext)->isEnabled());
    QCOMPARE(line(Control::settlementtext)->text(), QString());
    QCOMPARE(joint(1).settlement, 0.0);
    click(Control::jyfixed);
    QVERIFY(line(Control::settlementtext)->isEnabled());
    type_into(Control::settlementtext, QStringLiteral("1"));
    click(Control::jyspring);
    QVERIFY(!line(Control::settlementtext)->isEnabled());
    QCOMPARE(joint(1).settlement, 0.0);
    QCOMPARE(joint(1).imposed_rotation, -0.004);
}

void SpringSupportsTest::eachJointKeepsItsValues() {
    open_beam(pinned_beam({"10", "12", "8"}));
    type_into(Control::settlementtext, QStringLiteral("0.5"));
    click(Control::nextjoint);
    click(Control::jyspring);
    type_into(Control::kytext, QStringLiteral("1200"));
    click(Control::nextjoint);
    click(Control::jyspring);
    type_into(Control::kytext, QStringLiteral("3400"));
    click(Control::nextjoint);
    click(Control::jzfixed);
    type_into(Control::rotationtext, QStringLiteral(".001"));

    // Round the joints again: each shows its own options and values.
    click(Control::nextjoint);
    QCOMPARE(widget<QLabel>(*app_.window, Control::Jointnumber)->text(), QStringLiteral("1"));
    QVERIFY(widget<QRadioButton>(*app_.window, Control::jyfixed)->isChecked());
    QCOMPARE(line(Control::settlementtext)->text(), QStringLiteral(".5"));
    QVERIFY(!line(Control::kytext)->isEnabled());
    click(Control::nextjoint);
    QVERIFY(widget<QRadioButton>(*app_.window, Control::jyspring)->isChecked());
    QCOMPARE(line(Control::kytext)->text(), QStringLiteral("1200"));
    QCOMPARE(line(Control::settlementtext)->text(), QString());
    click(Control::nextjoint);
    QCOMPARE(line(Control::kytext)->text(), QStringLiteral("3400"));
    click(Control::nextjoint);
    QVERIFY(widget<QRadioButton>(*app_.window, Control::jyfixed)->isChecked());
    QVERIFY(widget<QRadioButton>(*app_.window, Control::jzfixed)->isChecked());
    QCOMPARE(line(Control::rotationtext)->text(), QStringLiteral(".001"));
    QVERIFY(!line(Control::kytext)->isEnabled());

    // Moving between spans changes no joint.
    click(Control::Command7);
    click(Control::Command7);
    const std::vector<Joint>& joints = app_.window->beam().joints;
    QCOMPARE(joints.size(), std::size_t{4});
    QCOMPARE(joints[0].settlement, 0.5);
    QCOMPARE(joints[1].ky, 1200.0);
    QCOMPARE(joints[2].ky, 3400.0);
    QVERIFY(joints[1].spring_y && joints[2].spring_y);
    QCOMPARE(joints[3].imposed_rotation, 0.001);
    QVERIFY(app_.h->prompter.shown.empty());
    save_screenshot(*app_.window, QStringLiteral("spring_supports"));
}

void SpringSupportsTest::commaLocaleReadsTheSameValues_data() {
    QTest::addColumn<bool>("comma");
    QTest::newRow("C") << false;
    QTest::newRow("de_DE.UTF-8") << true;
}

void SpringSupportsTest::commaLocaleReadsTheSameValues() {
    QFETCH(bool, comma);
    std::unique_ptr<spanlyx::test::CommaLocale> german;
    if (comma) {
        german = std::make_unique<spanlyx::test::CommaLocale>();
        if (!german->active())
            QSKIP(german->reason().c_str());
    }
    open_beam(pinned_beam({"10", "12"}));
    type_into(Control::settlementtext, QStringLiteral("0.625"));
    click(Control::nextjoint);
    click(Control::jyspring);
    type_into(Control::kytext, QStringLiteral("2.5E+5"));
    click(Control::jzspring);
    type_into(Control::kztext, QStringLiteral("1234.5"));
    QCOMPARE(joint(2).kz, 1234.5);
    // A comma is no decimal point here, whatever the locale: the key is refused.
    type_into(Control::kztext, QStringLiteral("1,5"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(line(Control::kztext)->text(), QStringLiteral("15"));

    QCOMPARE(joint(1).settlement, 0.625);
    QCOMPARE(joint(2).ky, 250000.0);
    QCOMPARE(joint(2).kz, 15.0);
    click(Control::nextjoint);
    click(Control::nextjoint);
    QCOMPARE(line(Control::settlementtext)->text(), QStringLiteral(".625"));
    click(Control::nextjoint);
    QCOMPARE(line(Control::kytext)->text(), QStringLiteral("250000"));
}

// A joint given a spring and then set back saves the very bytes it saved before: no stiffness
// or movement stays hidden in it.
void SpringSupportsTest::jointSetBackToFixedSavesAsBefore() {
    const Beam plain = pinned_beam({"10", "12"});
    open_beam(plain);
    // A beam is saved once it has been calculated: Calculate, then back from the results.
    click(Control::vm);
    auto* results = app_.window->findChild<ResultsWindow*>();
    QVERIFY(results);
    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(app_.h->prompter.shown.empty());
    const QString before = app_.home->folder() + QStringLiteral("/before.cb");
    app_.h->dialogs.paths.push_back(before);
    app_.trigger("mnuSaveas");
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(show_active(*app_.window));
    const Beam saved = app_.window->beam();

    type_into(Control::settlementtext, QStringLiteral("0.3"));
    click(Control::jyfree);
    click(Control::jyfixed);
    click(Control::nextjoint);
    click(Control::jyspring);
    type_into(Control::kytext, QStringLiteral("800"));
    click(Control::jzspring);
    type_into(Control::kztext, QStringLiteral("900"));
    click(Control::jyfixed);
    click(Control::jzfree);
    QVERIFY(app_.h->prompter.shown.empty());
    QCOMPARE(app_.window->beam().joints, saved.joints);
    QVERIFY(!app_.window->beam().has_springs_or_movements());

    const QString after = app_.home->folder() + QStringLiteral("/after.cb");
    app_.h->dialogs.paths.push_back(after);
    app_.trigger("mnuSaveas");
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(!read_file(before).empty());
    QCOMPARE(read_file(after), read_file(before));
}

std::unique_ptr<QObject> make_spring_supports_suite() {
    return std::make_unique<SpringSupportsTest>();
}

}  // namespace spanlyx::testing

#include "spring_supports_test.moc"
