// The Spring options and the stiffness, settlement and imposed-rotation fields of the supports
// frame, driven through the real widgets: that each option opens its field and the typed value
// reaches the joint and the sketch, that each joint shows its own values in a comma-decimal
// locale too, and that a joint set back to fixed or free saves exactly as before. The rules
// behind the options are proved without widgets by the workflow tests.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "comma_locale.h"
#include "file_fixtures.h"
#include "model/beam.h"
#include "storage/beam_file.h"
#include "ui/entry_form.h"
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

}  // namespace

class SpringSupportsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(app_.start()); }
    void cleanup() { app_.stop(); }
    void eachOptionOpensItsFieldAndTheJointTakesTheValue();
    void eachJointShowsItsOwnValues_data();
    void eachJointShowsItsOwnValues();
    void jointSetBackToFixedSavesAsBefore();

  private:
    void open_beam(const Beam& beam) {
        const QString path = app_.in_folder(QStringLiteral("beam.cb"));
        QVERIFY(!write_beam_file(beam, path.toStdString()).has_value());
        app_.open(path);
        QVERIFY(app_.h->prompter.shown.empty());
        QVERIFY(show_active(*app_.window));
    }
    QLineEdit* line(Control control) const { return widget<QLineEdit>(*app_.window, control); }
    bool checked(Control control) const {
        return widget<QRadioButton>(*app_.window, control)->isChecked();
    }
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

void SpringSupportsTest::eachOptionOpensItsFieldAndTheJointTakesTheValue() {
    // Before any span the joint's values are closed.
    QVERIFY(!line(Control::settlementtext)->isEnabled());
    open_beam(pinned_beam({"10", "12"}));
    auto* sketch = app_.window->form().sketch();
    const int red_before = red_pixels(*sketch);
    // Joint 1 is a pin: its settlement is open, its rotation closed until Z is fixed.
    QVERIFY(!line(Control::rotationtext)->isEnabled());
    type_into(Control::settlementtext, QStringLiteral("0.75"));
    QCOMPARE(joint(1).settlement, 0.75);
    // The sketch draws the settlement arrow and its value in the load colour.
    QVERIFY(red_pixels(*sketch) > red_before);
    click(Control::jzfixed);
    type_into(Control::rotationtext, QStringLiteral("-0.004"));
    QCOMPARE(joint(1).imposed_rotation, -0.004);

    // Spring on Y closes the settlement and opens the stiffness.
    QVERIFY(!line(Control::kytext)->isEnabled());
    click(Control::jyspring);
    QVERIFY(checked(Control::jyspring) && !checked(Control::jyfixed));
    QVERIFY(!line(Control::settlementtext)->isEnabled());
    QCOMPARE(line(Control::settlementtext)->text(), QString());
    type_into(Control::kytext, QStringLiteral("45000"));
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(joint(1).spring_y);
    QCOMPARE(joint(1).restraint_y, 0);
    QCOMPARE(joint(1).ky, 45000.0);
    QCOMPARE(joint(1).settlement, 0.0);
    QCOMPARE(app_.window->workflow().save_state(), SaveState::Unsaved);

    // A rotational spring alike; a letter never reaches the field.
    QVERIFY(!line(Control::kztext)->isEnabled());
    click(Control::jzspring);
    type_into(Control::kztext, QStringLiteral("3E6x"));
    QCOMPARE(app_.h->prompter.shown.size(), std::size_t{1});
    QCOMPARE(app_.h->prompter.shown[0].text, std::string("Data Input was other than Numeric"));
    QCOMPARE(line(Control::kztext)->text(), QStringLiteral("3E6"));
    QCOMPARE(joint(1).kz, 3e6);
    QVERIFY(joint(1).spring_z);
    QCOMPARE(joint(1).restraint_z, 0);
}

void SpringSupportsTest::eachJointShowsItsOwnValues_data() {
    QTest::addColumn<bool>("comma");
    QTest::newRow("C") << false;
    QTest::newRow("de_DE.UTF-8") << true;
}

// Values typed at two joints read the same under a comma-decimal locale, and each joint shows
// its own options and values when the window comes round to it again.
void SpringSupportsTest::eachJointShowsItsOwnValues() {
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
    // Moving between spans changes no joint.
    click(Control::Command7);
    click(Control::Command7);
    QCOMPARE(joint(1).settlement, 0.625);
    QCOMPARE(joint(2).ky, 250000.0);
    QCOMPARE(joint(2).kz, 15.0);

    // Round the joints again: each shows its own options and values.
    click(Control::nextjoint);
    click(Control::nextjoint);
    QCOMPARE(widget<QLabel>(*app_.window, Control::Jointnumber)->text(), QStringLiteral("1"));
    QVERIFY(checked(Control::jyfixed));
    QCOMPARE(line(Control::settlementtext)->text(), QStringLiteral(".625"));
    QVERIFY(!line(Control::kytext)->isEnabled());
    click(Control::nextjoint);
    QVERIFY(checked(Control::jyspring) && checked(Control::jzspring));
    QCOMPARE(line(Control::kytext)->text(), QStringLiteral("250000"));
    QCOMPARE(line(Control::settlementtext)->text(), QString());
    if (!comma)
        save_screenshot(*app_.window, QStringLiteral("spring_supports"));
}

// A joint given a spring and then set back saves the very bytes it saved before: no stiffness
// or movement stays hidden in it.
void SpringSupportsTest::jointSetBackToFixedSavesAsBefore() {
    open_beam(pinned_beam({"10", "12"}));
    // A beam is saved once it has been calculated.
    QVERIFY(app_.calculate_and_return());
    const QString before = app_.in_folder(QStringLiteral("before.cb"));
    app_.save_as(before);
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
    QCOMPARE(app_.window->beam().joints, saved.joints);
    QVERIFY(!app_.window->beam().has_springs_or_movements());

    const QString after = app_.in_folder(QStringLiteral("after.cb"));
    app_.save_as(after);
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(!read_file(before).empty());
    QCOMPARE(read_file(after), read_file(before));
}

std::unique_ptr<QObject> make_spring_supports_suite() {
    return std::make_unique<SpringSupportsTest>();
}

}  // namespace spanlyx::testing

#include "spring_supports_test.moc"
