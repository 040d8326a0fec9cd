#pragma once
// The entry window's state as the rules see it: field texts and label captions, control states,
// the shown span, joint and loads, and the few values the rules keep between events.

#include <array>
#include <string>

#include "model/beam.h"
#include "ui/workflow/controls.h"

namespace spanlyx {

// Whether the beam has edits not yet saved. Unset after start-up, New and Open, until the first
// edit or save; only Unsaved means there is work to lose.
enum class SaveState { Unset, Saved, Unsaved };

struct EntryState {
    std::array<std::string, kControlCount> texts;  // field texts and label captions
    std::array<bool, kControlCount> enabled = all(true);
    std::array<bool, kControlCount> tab_stop = all(true);
    std::array<bool, kControlCount> visible = all(true);
    std::array<bool, kControlCount> checked = all(false);

    int current_span = 0;                  // 1..number of spans; 0 before any
    int current_joint = 0;                 // 1..number of joints; 0 before any
    std::array<int, 3> current_load = {};  // by LoadKind; 0 when the list is empty

    bool sketch_live = false;
    double total = 0;  // the total length the rules keep beside the total-length field
    std::array<Joint, 2> saved_end_conditions = {};  // joints 1 and 2 of a single span
    SaveState save_state = SaveState::Unset;
    bool option_dialog_open = false;  // "Input/Output Info" or "File: Extra Output" is open
    int rule_depth = 0;               // change and click rules run from inside other rules
    bool change_refused = false;      // the running change rule refused the field's new text

    static constexpr std::array<bool, kControlCount> all(bool value) {
        std::array<bool, kControlCount> states{};
        states.fill(value);
        return states;
    }
};

}  // namespace spanlyx
