#pragma once
// The values of the shown joint beyond its restraints: the stiffness of a spring on Y or Z, the
// settlement of a fixed Y and the imposed rotation of a fixed Z. Each field is open only while
// the joint's option gives it a meaning, and shows what the joint holds.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

// The option of the frames "Y" and "Z" that shows the joint's support.
Control translation_option(const Joint& joint);
Control rotation_option(const Joint& joint);

// The four fields show the shown joint's values, enabled where its options give them a meaning;
// without a shown joint they are empty and disabled. No change rule runs.
void show_joint_values(EntryContext& c);

// Change rule of kytext, kztext, settlementtext and rotationtext: the value is read from the
// field's text and kept by the shown joint, whatever it is (a stiffness of 0 or below is refused
// by Calculate, not here). A field whose value the joint cannot take keeps its text.
void joint_value_changed(EntryContext& c, Control field);

}  // namespace spanlyx
