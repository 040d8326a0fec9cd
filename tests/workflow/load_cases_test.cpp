// The case boxes of the load lists: a choice is stored into the shown load, every move that
// shows a load shows its case, lists without a load show "Dead", and an opened beam shows the
// cases it was read with.

#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

TEST_F(WorkflowTest, CaseChoiceIsKeptWithEachLoad) {
    make_beam({"10", "20"});
    expect_field_texts(wf, {"uniformcase", "Dead", "pointcase", "Dead", "momentcase", "Dead"});
    change(Control::points, "2");
    EXPECT_EQ(wf.text(Control::pointcase), "Dead");

    // Load 1 live; the beam counts as changed from the choice on.
    wf.set_save_state(SaveState::Saved);
    wf.load_case_chosen(LoadKind::Point, LoadCase::Live);
    EXPECT_EQ(span(1).points[0].load_case, LoadCase::Live);
    EXPECT_EQ(span(1).points[1].load_case, LoadCase::Dead);
    EXPECT_EQ(wf.save_state(), SaveState::Unsaved);
    EXPECT_EQ(wf.text(Control::pointcase), "Live");

    // Next P Load shows load 2, a dead one; and back round to load 1, live.
    EXPECT_EQ(last_text_set(click(Control::Command3), Control::pointcase), "Dead");
    EXPECT_EQ(last_text_set(click(Control::Command3), Control::pointcase), "Live");

    // Span 2 has no point load: its box shows the default; back on span 1 load 1 is live again.
    change(Control::uniforms, "1");
    wf.load_case_chosen(LoadKind::Uniform, LoadCase::Live);
    EXPECT_EQ(last_text_set(click(Control::Command7), Control::pointcase), "Dead");
    EXPECT_EQ(wf.text(Control::uniformcase), "Dead");
    const Actions back = click(Control::Command8);
    EXPECT_EQ(last_text_set(back, Control::pointcase), "Live");
    EXPECT_EQ(last_text_set(back, Control::uniformcase), "Live");

    // A retyped count brings the loads back with their cases.
    change(Control::points, "");
    EXPECT_EQ(wf.text(Control::pointcase), "Dead");
    change(Control::points, "2");
    EXPECT_EQ(span(1).points[0].load_case, LoadCase::Live);
    EXPECT_EQ(wf.text(Control::pointcase), "Live");
}

TEST_F(WorkflowTest, CaseChoiceWithoutALoadStoresNothing) {
    make_beam({"10"});
    wf.set_save_state(SaveState::Saved);
    const Actions chosen = wf.load_case_chosen(LoadKind::Moment, LoadCase::Live);
    EXPECT_EQ(last_text_set(chosen, Control::momentcase), "Dead");
    EXPECT_EQ(wf.save_state(), SaveState::Saved);
    EXPECT_TRUE(span(1).moments.empty());

    // Choosing the case a load already has changes nothing either.
    change(Control::moments, "1");
    wf.set_save_state(SaveState::Saved);
    wf.load_case_chosen(LoadKind::Moment, LoadCase::Dead);
    EXPECT_EQ(wf.save_state(), SaveState::Saved);
}

TEST_F(WorkflowTest, OpenedBeamShowsTheCasesItWasReadWith) {
    Beam read;
    read.spans_text = "1";
    read.spans.resize(1);
    read.spans[0].length = HeldNumber::typed("10");
    read.spans[0].uniforms = {UniformLoad{0, 2, 10, 2, LoadCase::Live}};
    read.spans[0].points = {PointLoad{5, HeldNumber::typed("3"), LoadCase::Dead}};
    read.spans[0].moments = {MomentLoad{4, 1, LoadCase::Live}};
    read.joints = {Joint{1, 0}, Joint{1, 0}};
    beam = read;
    wf.show_beam_after_open();
    expect_field_texts(wf, {"uniformcase", "Live", "pointcase", "Dead", "momentcase", "Live"});
    // Showing the loads leaves them as read, cases included.
    EXPECT_EQ(beam.spans[0].uniforms, read.spans[0].uniforms);
    EXPECT_EQ(beam.spans[0].points, read.spans[0].points);
    EXPECT_EQ(beam.spans[0].moments, read.spans[0].moments);

    // New empties the lists, every box back to "Dead", and drops the combinations.
    beam.combinations = {{"D + L", 1, 1}};
    const Actions reset = wf.reset();
    EXPECT_TRUE(beam.combinations.empty());
    for (Control box : case_boxes())
        EXPECT_EQ(last_text_set(reset, box), "Dead") << control_name(box);
}

}  // namespace
}  // namespace spanlyx::testing
