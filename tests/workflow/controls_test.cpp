#include <gtest/gtest.h>

#include "ui/workflow/controls.h"

namespace spanlyx {
namespace {

TEST(Controls, ObjectNamesAreTheWindowsNames) {
    EXPECT_EQ(control_name(Control::uniformx2text), "uniformx2text");
    EXPECT_EQ(control_name(Control::Command5), "Command5");
    EXPECT_EQ(control_from_name("jzfree"), Control::jzfree);
    EXPECT_EQ(control_from_name("Jointnumber"), Control::Jointnumber);
    EXPECT_FALSE(control_from_name("jointnumber").has_value());
    EXPECT_FALSE(control_from_name("").has_value());
    for (std::size_t i = 1; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        EXPECT_EQ(control_from_name(control_name(control)), control) << i;
    }
    EXPECT_EQ(text_fields().size(), 22u);
    EXPECT_EQ(control_from_name("jyspring"), Control::jyspring);
    EXPECT_EQ(control_from_name("settlementtext"), Control::settlementtext);
    EXPECT_EQ(control_of(FocusField::moments), Control::moments);
    EXPECT_EQ(control_of(FocusField::spanetext), Control::spanetext);
}

}  // namespace
}  // namespace spanlyx
