#include "ui/workflow/navigation.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

#include "model/number_text.h"
#include "model/units.h"
#include "ui/workflow/load_lists.h"

namespace spanlyx {
namespace {

constexpr std::string_view kCountPattern = "0";
constexpr std::string_view kSectionPattern = "0.000";
constexpr std::string_view kInertiaPattern = "0.0000";
constexpr std::string_view kModulusPattern = "0.00";
constexpr std::string_view kLoadPattern = "0.00";

// A stored value in its display pattern, unless the pattern would round it: the shown text is
// stored again by the field's change rule, so a rounded text would change the engineer's number
// (a P of 1234.567). Such a value is shown in the general form instead.
std::string shown(double value, std::string_view pattern) {
    std::string text = format_pattern(value, pattern);
    const double tolerance = 1e-12 * std::max(1.0, std::fabs(value));
    if (std::fabs(leading_value(text) - value) > tolerance)
        return general_number(value);
    return text;
}

// Lengths and distances keep the decimals the unit system allows (a load at 12.125 in stays);
// beyond those the pattern rounds, as the decimal rule told the engineer when it was typed.
std::string shown_distance(const EntryContext& c, double value) {
    const std::string text = format_pattern(value, kLoadPattern);
    const int allowed = allowed_decimals(c.beam.units);
    const double tolerance = 1e-12 * std::max(1.0, std::fabs(value));
    const double kept = round_to_decimals(value, allowed);
    if (std::fabs(leading_value(text) - value) > tolerance && std::fabs(kept - value) <= tolerance)
        return format_fixed(value, allowed);
    return text;
}

std::string number_caption(int number) {
    return general_number(number);
}

// The fields of load `number` of the shown span; the list's current number must be set first,
// since each field's change rule stores into the current load.
void show_load_fields(EntryContext& c, LoadKind kind, int number) {
    const auto k = static_cast<std::size_t>(number - 1);
    switch (kind) {
        case LoadKind::Point: {
            const PointLoad load = c.span().points[k];
            c.set_text(Control::pxtext, shown_distance(c, load.x));
            c.set_text(Control::ptext, shown(load.load.value, kLoadPattern));
            break;
        }
        case LoadKind::Uniform: {
            const UniformLoad load = c.span().uniforms[k];
            c.set_text(Control::uniformx1text, shown_distance(c, load.x1));
            c.set_text(Control::uniformtext, shown(load.w1, kLoadPattern));
            c.set_text(Control::uniformx2text, shown_distance(c, load.x2));
            c.set_text(Control::uniformtext2, shown(load.w2, kLoadPattern));
            break;
        }
        case LoadKind::Moment: {
            const MomentLoad load = c.span().moments[k];
            c.set_text(Control::momentxtext, shown_distance(c, load.x));
            c.set_text(Control::momenttext, shown(load.value, kLoadPattern));
            break;
        }
    }
}

void clear_load_list(EntryContext& c, LoadKind kind) {
    const LoadListControls& list = load_list(kind);
    c.set_text(list.count, "");
    for (Control field : list.fields)
        c.set_text(field, "");
}

void show_load_list(EntryContext& c, LoadKind kind) {
    const int count = load_count(c.span(), kind);
    if (count == 0) {
        clear_load_list(c, kind);
        return;
    }
    const LoadListControls& list = load_list(kind);
    c.set_text(list.count, shown(count, kCountPattern));
    c.state.current_load[kind_index(kind)] = 1;
    c.set_caption(list.number, "1");
    show_load_fields(c, kind, 1);
}

void show_span_values(EntryContext& c) {
    c.set_text(Control::spanlengthtext, shown_distance(c, c.span().length.value));
    for (LoadKind kind : kLoadKindsShown)
        show_load_list(c, kind);
    c.set_text(Control::spanwidthtext, shown(c.span().width, kSectionPattern));
    c.set_text(Control::spandepthtext, shown(c.span().depth, kSectionPattern));
    // I is shown only where it is typed: the field's change rule would switch a beam whose I
    // comes from width and depth over to typed I.
    const double inertia = c.span().inertia;
    if (inertia != 0 && c.beam.inertia_entered) {
        c.set_text(Control::moi, shown(inertia_to_entry(c.beam.units, inertia), kInertiaPattern));
    }
    const double modulus = c.span().modulus.value;
    if (modulus != 0)
        c.set_text(Control::spanetext, shown_modulus(c.beam.units, modulus));
}

// A span without length: every field empties, the length first so that nothing stores the
// previous span's length into this one.
void clear_span_fields(EntryContext& c) {
    for (Control field : {Control::spanlengthtext, Control::spanwidthtext, Control::spandepthtext,
                          Control::moi, Control::spanetext}) {
        c.set_text(field, "");
    }
    for (LoadKind kind : kLoadKindsShown)
        clear_load_list(c, kind);
    c.focus(Control::spanlengthtext);
}

}  // namespace

std::string shown_modulus(UnitSystem units, double stored) {
    return shown(modulus_to_entry(units, stored), kModulusPattern);
}

void show_span(EntryContext& c) {
    const int n = c.span_count();
    if (n == 0)
        return;
    if (c.state.current_span > n || c.state.current_span < 1)
        c.state.current_span = 1;
    const Span& span = c.span();
    c.set_text(Control::Combo1, std::string(release_text(span.release)));
    c.set_caption(Control::spannumber, number_caption(c.state.current_span));
    if (span.length.value != 0) {
        show_span_values(c);
    } else {
        clear_span_fields(c);
    }
}

void next_span_clicked(EntryContext& c) {
    if (c.span_count() <= 0)
        return;
    ++c.state.current_span;
    show_span(c);
}

void last_span_clicked(EntryContext& c) {
    if (c.span_count() <= 0)
        return;
    --c.state.current_span;
    if (c.state.current_span <= 0)
        c.state.current_span = c.span_count();
    show_span(c);
}

void show_joint(EntryContext& c) {
    const int j = c.state.current_joint;
    if (j < 1 || j > c.beam.joint_count())
        return;
    c.set_caption(Control::Jointnumber, number_caption(j));
    const Joint joint = c.beam.joints[static_cast<std::size_t>(j - 1)];
    c.choose_option(joint.restraint_y == 0 ? Control::jyfree : Control::jyfixed);
    c.choose_option(joint.restraint_z == 0 ? Control::jzfree : Control::jzfixed);
}

void next_joint_clicked(EntryContext& c) {
    const int joints = c.beam.joint_count();
    if (joints <= 0)
        return;
    ++c.state.current_joint;
    if (c.state.current_joint > joints || c.state.current_joint < 1)
        c.state.current_joint = 1;
    show_joint(c);
}

void next_load(EntryContext& c, LoadKind kind) {
    const LoadListControls& list = load_list(kind);
    if (c.value(list.count) == 0 || !c.has_span())
        return;
    const int count = load_count(c.span(), kind);
    if (count == 0)
        return;
    int& current = c.state.current_load[kind_index(kind)];
    ++current;
    if (current > count || current < 1)
        current = 1;
    const int number = current;
    c.set_caption(list.number, number_caption(number));
    show_load_fields(c, kind, number);
    if (c.has_span() && number <= load_count(c.span(), kind) && load_blank(c.span(), kind, number))
        c.focus(list.x_field);
}

void walk_opened_beam(EntryContext& c) {
    const int n = c.span_count();
    for (int i = 0; i < n; ++i)
        next_span_clicked(c);
    // The reader leaves the last joint shown; the next-joint action wraps round to joint 1.
    c.state.current_joint = c.beam.joint_count();
    c.set_caption(Control::Jointnumber, number_caption(c.state.current_joint));
    next_joint_clicked(c);
    c.draw_sketch();
    for (int i = 0; i < n; ++i)
        next_span_clicked(c);
    show_span(c);
}

}  // namespace spanlyx
