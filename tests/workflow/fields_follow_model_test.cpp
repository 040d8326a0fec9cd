// The fields are a view of the beam: after a change of the span count or of the shown span,
// joint or load they show what the beam holds for the item the counters name; a text that is no
// number in the field's form is refused however it arrives; a refused value leaves the beam as
// it was.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <string>

#include "model/number_text.h"
#include "model/units.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/unit_captions.h"
#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

constexpr std::string_view kNonNumeric = "Data Input was other than Numeric";

// The number a field shows, as the rules read it ("" is 0).
double shown_number(const EntryWorkflow& wf, Control field) {
    return leading_value(wf.text(field));
}

bool same_number(double shown, double held) {
    return std::fabs(shown - held) <= 1e-9 * std::max(1.0, std::fabs(held));
}

// Every field of the shown span, joint and loads against the beam.
void expect_fields_show_beam(const EntryWorkflow& wf, const Beam& beam) {
    const std::string& spans = wf.text(Control::spans);
    if (!trim(spans).empty()) {
        ASSERT_EQ(leading_value(spans), beam.span_count()) << "spans shows '" << spans << "'";
    }
    const int shown = wf.current_span();
    if (shown == 0)
        return;
    ASSERT_LE(shown, beam.span_count());
    const Span& span = beam.spans[static_cast<std::size_t>(shown - 1)];
    ASSERT_EQ(wf.text(Control::spannumber), std::to_string(shown));
    const auto expect_number = [&](Control field, double held) {
        EXPECT_TRUE(same_number(shown_number(wf, field), held))
            << control_name(field) << " shows '" << wf.text(field) << "', span " << shown
            << " holds " << held;
    };
    expect_number(Control::spanlengthtext, span.length.value);
    expect_number(Control::spanwidthtext, span.width);
    expect_number(Control::spandepthtext, span.depth);
    if (beam.inertia_entered)
        expect_number(Control::moi, inertia_to_entry(beam.units, span.inertia));
    expect_number(Control::spanetext, modulus_to_entry(beam.units, span.modulus.value));
    EXPECT_EQ(wf.text(Control::Combo1), release_text(span.release));

    for (LoadKind kind : kLoadKindsShown) {
        const LoadListControls& list = load_list(kind);
        const int count = load_count(span, kind);
        expect_number(list.count, count);
        const int current = wf.current_load(kind);
        if (count == 0) {
            EXPECT_EQ(current, 0) << control_name(list.count);
            continue;
        }
        ASSERT_GE(current, 1) << control_name(list.count);
        ASSERT_LE(current, count) << control_name(list.count);
        EXPECT_EQ(wf.text(list.number), std::to_string(current));
        const auto k = static_cast<std::size_t>(current - 1);
        switch (kind) {
            case LoadKind::Point:
                expect_number(Control::pxtext, span.points[k].x);
                expect_number(Control::ptext, span.points[k].load.value);
                break;
            case LoadKind::Uniform:
                expect_number(Control::uniformx1text, span.uniforms[k].x1);
                expect_number(Control::uniformtext, span.uniforms[k].w1);
                expect_number(Control::uniformx2text, span.uniforms[k].x2);
                expect_number(Control::uniformtext2, span.uniforms[k].w2);
                break;
            case LoadKind::Moment:
                expect_number(Control::momentxtext, span.moments[k].x);
                expect_number(Control::momenttext, span.moments[k].value);
                break;
        }
    }

    const int joint = wf.current_joint();
    ASSERT_GE(joint, 1);
    ASSERT_LE(joint, beam.joint_count());
    EXPECT_EQ(wf.text(Control::Jointnumber), std::to_string(joint));
    const Joint& held = beam.joints[static_cast<std::size_t>(joint - 1)];
    EXPECT_EQ(wf.checked(Control::jyfixed), held.restraint_y == 1 && !held.spring_y);
    EXPECT_EQ(wf.checked(Control::jyfree), held.restraint_y == 0 && !held.spring_y);
    EXPECT_EQ(wf.checked(Control::jyspring), held.spring_y);
    EXPECT_EQ(wf.checked(Control::jzfixed), held.restraint_z == 1 && !held.spring_z);
    EXPECT_EQ(wf.checked(Control::jzfree), held.restraint_z == 0 && !held.spring_z);
    EXPECT_EQ(wf.checked(Control::jzspring), held.spring_z);
    // A value is open, and shown, only where the joint's options give it a meaning; the joint
    // holds none elsewhere.
    const auto expect_value = [&](Control field, bool applies, double value) {
        EXPECT_EQ(wf.enabled(field), applies) << control_name(field) << ", joint " << joint;
        EXPECT_TRUE(same_number(shown_number(wf, field), applies ? value : 0))
            << control_name(field) << " shows '" << wf.text(field) << "', joint " << joint
            << " holds " << value;
        if (!applies) {
            EXPECT_EQ(value, 0) << control_name(field) << ", joint " << joint;
        }
    };
    expect_value(Control::kytext, held.spring_y, held.ky);
    expect_value(Control::kztext, held.spring_z, held.kz);
    expect_value(Control::settlementtext, held.restraint_y == 1, held.settlement);
    expect_value(Control::rotationtext, held.restraint_z == 1, held.imposed_rotation);
}

// Three spans of 20, 25 and 15 ft, I and E typed on each, span 1 shown.
class ThreeSpanTest : public WorkflowTest {
  protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        make_beam({"20", "25", "15"});
        for (int s = 1; s <= 3; ++s) {
            go_to_span(s);
            fill(Control::moi, std::to_string(100 * s));
            fill(Control::spanetext, "29000000");
        }
        go_to_span(1);
    }
};

TEST_F(ThreeSpanTest, FewerSpansTypedOnALaterSpanShowSpanOne) {
    go_to_span(2);
    expect_field_texts(wf, {"spanlengthtext", "25.00", "moi", "200.0000"});

    // Two spans typed while span 2 is shown: span 1 and joint 1, with their own values.
    EXPECT_TRUE(messages(fill(Control::spans, "2")).empty());
    EXPECT_EQ(wf.current_span(), 1);
    expect_field_texts(
        wf, {"spannumber", "1", "spanlengthtext", "20.00", "moi", "100.0000", "Jointnumber", "1"});
    expect_fields_show_beam(wf, beam);
    // Both spans keep their lengths, so Calculate is ready again.
    EXPECT_TRUE(wf.calculate_enabled());

    // The next edit elsewhere (the length field passed with Tab, a support click) changes
    // nothing of span 1: the total is 20 + 25.
    wf.field_entered(Control::spanlengthtext);
    leave(Control::spanlengthtext);
    click(Control::jyfixed);
    ASSERT_EQ(beam.span_count(), 2);
    EXPECT_DOUBLE_EQ(span(1).length.value, 20);
    EXPECT_DOUBLE_EQ(span(2).length.value, 25);
    EXPECT_EQ(wf.text(Control::total_lengthtext), "45.00");
}

TEST_F(ThreeSpanTest, SpanCountBeyondTheBeamOrZeroIsRefusedAndTheFieldKeepsTheCount) {
    wf.field_entered(Control::spans);
    // More than 40 spans, or none: refused silently, as a key that does not fit.
    const Actions too_many = change(Control::spans, "341");
    EXPECT_TRUE(messages(too_many).empty());
    EXPECT_EQ(last_text_set(too_many, Control::spans), "3");
    EXPECT_EQ(wf.text(Control::spans), "3");
    EXPECT_EQ(beam.span_count(), 3);
    EXPECT_TRUE(wf.enabled(Control::nextjoint));

    const Actions zero = change(Control::spans, "0");
    EXPECT_TRUE(messages(zero).empty());
    EXPECT_EQ(wf.text(Control::spans), "3");
    EXPECT_EQ(beam.span_count(), 3);
    EXPECT_DOUBLE_EQ(span(2).length.value, 25);

    // Forty is the most a beam takes.
    EXPECT_TRUE(messages(change(Control::spans, "40")).empty());
    EXPECT_EQ(beam.span_count(), 40);

    // Likewise more loads than the 90 slots of a span.
    fill(Control::points, "9");
    EXPECT_TRUE(messages(change(Control::points, "91")).empty());
    EXPECT_EQ(wf.text(Control::points), "9");
    EXPECT_EQ(span(1).points.size(), 9u);
    change(Control::points, "90");
    EXPECT_EQ(span(1).points.size(), 90u);
}

TEST_F(ThreeSpanTest, LoadFieldsShowTheStoredLoadAfterACountChangeOrEmptying) {
    fill(Control::points, "2");
    fill(Control::pxtext, "5");
    fill(Control::ptext, "1000");  // leaving P moves on to the empty load 2
    ASSERT_EQ(wf.current_load(LoadKind::Point), 2);
    fill(Control::pxtext, "12");
    fill(Control::ptext, "2000");

    // A third load: the counter says 1 and the fields show load 1, not load 2.
    fill(Control::points, "3");
    expect_field_texts(wf, {"pnumber", "1", "pxtext", "5.00", "ptext", "1000.00"});
    expect_fields_show_beam(wf, beam);
    // Leaving the fields stores nothing of load 2 into load 1.
    fill(Control::pxtext, "5");
    EXPECT_DOUBLE_EQ(span(1).points[0].x, 5);
    EXPECT_DOUBLE_EQ(span(1).points[1].x, 12);
    // Emptied and left: the load keeps its values and the fields show them.
    fill(Control::ptext, "");
    fill(Control::pxtext, "");
    EXPECT_DOUBLE_EQ(span(1).points[0].load.value, 1000);
    expect_field_texts(wf, {"pxtext", "5.00", "ptext", "1000.00"});
}

// Pasted, dropped or undone texts go through the rule of typed keys.
TEST_F(ThreeSpanTest, PastedTextsThatAreNoNumbersAreRefused) {
    fill(Control::points, "1");
    fill(Control::ptext, "750");
    const struct {
        Control field;
        const char* text;
        std::string_view title;
    } pasted[] = {
        {Control::ptext, "5,000", kResponse},
        {Control::spanlengthtext, "25ft ; rm -rf", kProgram},
        {Control::spanlengthtext, "12abc-3.4.5e7 x", kProgram},
        {Control::pxtext, "1.2.3", kResponse},
        {Control::ptext, "5-3", kResponse},
        {Control::pxtext, "-4", kResponse},
        {Control::spans, "2.5", kResponse},
        {Control::moi, "1e5", kResponse},
    };
    for (const auto& paste : pasted) {
        SCOPED_TRACE(paste.text);
        const std::string before = wf.text(paste.field);
        const Beam held = beam;
        const Actions refused = change(paste.field, paste.text);
        ASSERT_EQ(messages(refused).size(), 1u);
        EXPECT_EQ(messages(refused)[0].text, kNonNumeric);
        EXPECT_EQ(messages(refused)[0].title, paste.title);
        EXPECT_EQ(last_text_set(refused, paste.field), before);
        EXPECT_EQ(wf.text(paste.field), before);
        EXPECT_TRUE(beam == held);
    }
    expect_field_texts(wf, {"ptext", "750", "spanlengthtext", "20.00"});

    // Numbers in the field's form pass, also while being typed.
    for (const char* text : {"-", "-.", "-12.5", " 7", ".5"})
        EXPECT_TRUE(messages(change(Control::ptext, text)).empty()) << text;
    EXPECT_DOUBLE_EQ(span(1).points[0].load.value, 0.5);
}

// A point load or moment typed at "0" on span 2 is refused; the load keeps the position it had.
TEST_F(ThreeSpanTest, RefusedJointPositionLeavesTheLoadWhereItWas) {
    go_to_span(2);
    fill(Control::points, "1");
    fill(Control::pxtext, "5");
    fill(Control::ptext, "1000");
    fill(Control::moments, "1");
    fill(Control::momentxtext, "8");
    fill(Control::momenttext, "300");
    ASSERT_TRUE(wf.sketch_live());

    // Typed while the sketch is live: refused at once.
    const Actions point = change(Control::pxtext, "0");
    ASSERT_EQ(messages(point).size(), 1u);
    EXPECT_TRUE(messages(point)[0].text.starts_with("Intermediate Joint Loads Must be put"));
    EXPECT_DOUBLE_EQ(span(2).points[0].x, 5);
    EXPECT_EQ(wf.text(Control::pxtext), "5.00");
    leave(Control::pxtext);
    EXPECT_DOUBLE_EQ(span(2).points[0].x, 5);

    const Actions moment = fill(Control::momentxtext, "0");
    ASSERT_EQ(messages(moment).size(), 1u);
    EXPECT_TRUE(messages(moment)[0].text.starts_with("Intermediate Joint Moments Must be put"));
    EXPECT_DOUBLE_EQ(span(2).moments[0].x, 8);
    EXPECT_EQ(wf.text(Control::momentxtext), "8.00");
    expect_fields_show_beam(wf, beam);

    // A load without a position yet: the field empties, the load stays without one.
    fill(Control::points, "2");
    click(Control::Command3);
    ASSERT_EQ(wf.current_load(LoadKind::Point), 2);
    EXPECT_EQ(message_texts(fill(Control::pxtext, "0")).size(), 1u);
    EXPECT_EQ(wf.text(Control::pxtext), "");
    EXPECT_DOUBLE_EQ(span(2).points[1].x, 0);

    // "0.0" is a deliberate load on the joint, and is taken.
    EXPECT_TRUE(messages(fill(Control::pxtext, "0.0")).empty());
    click(Control::Command3);
    EXPECT_TRUE(messages(fill(Control::pxtext, "0.0")).empty());
    EXPECT_DOUBLE_EQ(span(2).points[0].x, 0);
}

TEST_F(ThreeSpanTest, ShowingASpanNeverSwitchesHowIIsEntered) {
    // Span 3 without I: showing it empties the I field but keeps I typed per span.
    go_to_span(3);
    fill(Control::moi, "");
    ASSERT_FALSE(beam.inertia_entered);  // emptying I by hand switches to b and d, as specified
    wf.inertia_option_chosen(Control::Option2);
    go_to_span(1);
    go_to_span(3);
    EXPECT_EQ(wf.text(Control::moi), "");
    EXPECT_TRUE(beam.inertia_entered);
    go_to_span(1);
    EXPECT_EQ(wf.text(Control::moi), "100.0000");
    EXPECT_TRUE(beam.inertia_entered);
}

// A new beam starts unset; an opened one is unchanged until its first edit, and every kind of
// edit marks it unsaved.
TEST_F(WorkflowTest, OpenedBeamCountsAsUnchangedUntilItsFirstEdit) {
    EXPECT_EQ(wf.save_state(), SaveState::Unset);
    Beam read;
    read.spans.resize(2);
    for (Span& each : read.spans) {
        each.length = HeldNumber::typed("10");
        each.inertia = 100;
        each.modulus = HeldNumber::typed("29000000");
    }
    read.joints.assign(3, Joint{1, 0});
    beam = read;
    wf.show_beam_after_open();
    EXPECT_NE(wf.save_state(), SaveState::Unsaved);
    expect_fields_show_beam(wf, beam);

    const std::pair<const char*, std::function<void()>> edits[] = {
        {"unit system", [&] { wf.unit_system_chosen(UnitSystem::M); }},
        {"I entry", [&] { wf.inertia_option_chosen(Control::Option1); }},
        {"support", [&] { click(Control::jzfixed); }},
        {"width", [&] { change(Control::spanwidthtext, "4"); }},
        {"release", [&] { wf.release_chosen(Release::Both); }},
        {"span count", [&] { change(Control::spans, "3"); }},
    };
    for (const auto& [name, edit] : edits) {
        wf.set_save_state(SaveState::Saved);
        edit();
        EXPECT_EQ(wf.save_state(), SaveState::Unsaved) << name;
    }
    EXPECT_EQ(span(1).release, Release::Both);
}

// Whatever the engineer does, once an edit is finished or another item is shown the fields show
// the beam.
TEST_F(WorkflowTest, RandomEditsKeepTheFieldsAViewOfTheBeam) {
    std::mt19937 random(20261206);
    const std::array<std::string, 18> texts = {"",     "0",  "1",     "2",     "3",   "5",
                                               "12.5", ".",  "-",     "-3.5",  "999", "0.0",
                                               "41",   "90", "5,000", "2.125", "7.1", "10.015"};
    const std::array<Control, 13> buttons = {
        Control::Command7, Control::Command8, Control::nextjoint, Control::Command3,
        Control::Command4, Control::Command5, Control::jyfixed,   Control::jyfree,
        Control::jzfixed,  Control::jzfree,   Control::jyspring,  Control::jzspring,
        Control::none};
    const auto fields = text_fields();
    const auto pick = [&](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
    };
    for (UnitSystem units : {UnitSystem::E, UnitSystem::M, UnitSystem::E2}) {
        wf.reset();
        wf.unit_system_chosen(units);
        make_beam({"10", "20", "15"});
        std::string events;  // the last few, for a failure to name
        for (int step = 0; step < 1500; ++step) {
            std::string event;
            switch (pick(4)) {
                case 0:
                case 1: {
                    const Control field = fields[pick(fields.size())];
                    const std::string& text = texts[pick(texts.size())];
                    event = std::string(control_name(field)) + "='" + text + "'";
                    fill(field, text);
                    break;
                }
                case 2: {
                    const Control button = buttons[pick(buttons.size())];
                    event = "click " + std::string(control_name(button));
                    click(button);
                    break;
                }
                default: {
                    const bool on = pick(2) == 0;
                    event = on ? "Check1 on" : "Check1 off";
                    wf.first_span_ei_clicked(on);
                    break;
                }
            }
            events =
                (events.size() > 300 ? events.substr(events.size() - 300) : events) + " | " + event;
            SCOPED_TRACE(::testing::Message() << control_name(unit_menu_control(units)) << " step "
                                              << step << ": " << events);
            expect_fields_show_beam(wf, beam);
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

}  // namespace
}  // namespace spanlyx::testing
