#pragma once
// The three load lists of the entry window (distributed, point, applied moment): their controls
// and the helpers that read a span's list by kind.

#include <array>
#include <span>
#include <string_view>

#include "model/beam.h"
#include "ui/workflow/controls.h"

namespace spanlyx {

struct LoadListControls {
    LoadKind kind;
    Control count;                    // points, uniforms, moments
    Control number;                   // pnumber, unumber, mnumber
    Control next_button;              // Command3, Command4, Command5
    Control x_field;                  // where the focus goes for an empty load
    std::span<const Control> fields;  // in the order the fields are shown
    Control case_box;                 // uniformcase, pointcase, momentcase
};

inline constexpr std::array<LoadKind, 3> kLoadKindsShown = {LoadKind::Point, LoadKind::Uniform,
                                                            LoadKind::Moment};

const LoadListControls& load_list(LoadKind kind);
inline std::size_t kind_index(LoadKind kind) {
    return static_cast<std::size_t>(kind);
}

int load_count(const Span& span, LoadKind kind);

// The case of load `number` (from 1) of a span's list, and the means to change it.
LoadCase& load_case_of(Span& span, LoadKind kind, int number);

// A load with no position and no value: what the next-load button focuses on.
bool load_blank(const Span& span, LoadKind kind, int number);

}  // namespace spanlyx
