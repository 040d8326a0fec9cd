#pragma once
// The support options of the shown joint, and the end-condition rules of a single span.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

// A click on a support option (jyfixed, jyfree, jyspring, jzfixed, jzfree, jzspring), by the
// engineer or by a rule. A spring holds its coordinate for the single-span rules.
void run_support_click(EntryContext& c, Control option);

// The support options show the restraints of the joint named in the counter, as it holds them:
// no click, no rule. Showing a joint never changes the beam.
void show_joint_options_unchanged(EntryContext& c);

// save_end_conds: keeps the restraints of joints 1 and 2 of a single span.
void save_end_conds(EntryContext& c);
// check_end_conds: refuses the end conditions a single span cannot stand on.
void check_end_conds(EntryContext& c);
// before_cond_fixed: puts the kept restraints back, and the options of joint 1 or 2 with them.
void before_cond_fixed(EntryContext& c);

}  // namespace spanlyx
