#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/workflow/key_filters.h"
#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;

void expect_accepts(Control field, std::string_view keys) {
    for (char key : keys) {
        const KeyResult result = filter_key(field, key);
        EXPECT_TRUE(result.accepted) << control_name(field) << " refused '" << key << "'";
        EXPECT_TRUE(result.actions.empty()) << control_name(field) << " '" << key << "'";
    }
}

void expect_refuses(Control field, std::string_view keys, std::string_view title) {
    for (char key : keys) {
        const KeyResult result = filter_key(field, key);
        EXPECT_FALSE(result.accepted) << control_name(field) << " took '" << key << "'";
        ASSERT_EQ(messages(result.actions).size(), 1u) << control_name(field);
        const Message message = messages(result.actions)[0];
        EXPECT_EQ(message.text, "Data Input was other than Numeric");
        EXPECT_EQ(message.title, title) << control_name(field);
        EXPECT_EQ(message.icon, MessageIcon::Information);
    }
}

TEST(KeyFilters, CountFieldsTakeDigitsOnly) {
    for (Control field : {Control::spans, Control::points, Control::uniforms, Control::moments}) {
        expect_accepts(field, "0123456789");
        expect_refuses(field, ".-aE ", kResponse);
    }
}

TEST(KeyFilters, LengthsAndPositionsTakeDigitsAndPoint) {
    for (Control field :
         {Control::spanwidthtext, Control::spandepthtext, Control::moi, Control::spanetext,
          Control::pxtext, Control::uniformx1text, Control::uniformx2text, Control::momentxtext}) {
        expect_accepts(field, "0123456789.");
        expect_refuses(field, "-a,e", kResponse);
    }
    // The span length box alone carries the program title.
    expect_accepts(Control::spanlengthtext, "0123456789.");
    expect_refuses(Control::spanlengthtext, "a-", kProgram);
}

TEST(KeyFilters, LoadValuesTakeAMinusSign) {
    for (Control field :
         {Control::ptext, Control::uniformtext, Control::uniformtext2, Control::momenttext}) {
        expect_accepts(field, "-0123456789.");
        expect_refuses(field, "a+e", kResponse);
    }
}

TEST(KeyFilters, BackspaceAlwaysAndEnterMovesOn) {
    for (Control field : text_fields()) {
        const KeyResult back = filter_key(field, kBackspace);
        EXPECT_TRUE(back.accepted) << control_name(field);
        EXPECT_TRUE(back.actions.empty());
        const KeyResult enter = filter_key(field, kEnter);
        EXPECT_FALSE(enter.accepted) << control_name(field);
        ASSERT_EQ(enter.actions.size(), 1u);
        EXPECT_EQ(enter.actions[0].kind, ActionKind::FocusNext);
    }
    for (Control control : {Control::Check1, Control::Combo1}) {
        EXPECT_FALSE(filter_key(control, kEnter).accepted);
        EXPECT_TRUE(has_kind(filter_key(control, kEnter).actions, ActionKind::FocusNext));
        expect_accepts(control, "aZ-.");
    }
    // The total length has no character filter.
    expect_accepts(Control::total_lengthtext, "abc-.9");
}

// The form every field text keeps, typed or pasted: what the field's keys can build into a
// number, and the texts met on the way to one.
TEST(KeyFilters, WholeTextsInTheFieldsForm) {
    const struct {
        Control field;
        std::vector<std::string> fits;
        std::vector<std::string> refused;
    } forms[] = {
        {Control::spans, {"", "4", "040", " 2 "}, {"2.5", "-1", "4 0", "1e2", "5,000"}},
        {Control::pxtext, {"", ".", "12.", ".25", "12.125", " "}, {"1.2.3", "-4", "12ft", "1 2"}},
        {Control::ptext,
         {"-", "-.", "-.5", "-1250.5", "750"},
         {"5,000", "5-3", "--5", "+5", "12abc-3.4.5e7 x"}},
    };
    for (const auto& form : forms) {
        for (const std::string& text : form.fits)
            EXPECT_TRUE(fits_field_form(form.field, text)) << control_name(form.field) << text;
        for (const std::string& text : form.refused)
            EXPECT_FALSE(fits_field_form(form.field, text)) << control_name(form.field) << text;
    }
    EXPECT_TRUE(fits_field_form(Control::total_lengthtext, "25ft"));
}

TEST_F(WorkflowTest, EnteringAFieldSelectsItsText) {
    const Actions entered = wf.field_entered(Control::pxtext);
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_EQ(entered[0].kind, ActionKind::SelectAll);
    EXPECT_EQ(entered[0].control, Control::pxtext);
}

}  // namespace
}  // namespace spanlyx::testing
