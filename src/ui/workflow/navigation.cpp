#include "ui/workflow/navigation.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

#include "model/number_text.h"
#include "model/units.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/support_rules.h"

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

// Distances keep the decimals the unit system allows (a load at 12.125 in stays); beyond those
// the pattern rounds, as the decimal rule told the engineer when it was typed. Shown through
// the field's change rule, the rounded position is what the load then holds.
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

// The stored value of a load field, exactly (P, W1, W2, M and the positions alike).
double load_field_value(EntryContext& c, Control field) {
    const auto index = [&](LoadKind kind) {
        return static_cast<std::size_t>(c.state.current_load[kind_index(kind)] - 1);
    };
    switch (field) {
        case Control::pxtext:
            return c.span().points[index(LoadKind::Point)].x;
        case Control::ptext:
            return c.span().points[index(LoadKind::Point)].load.value;
        case Control::uniformx1text:
            return c.span().uniforms[index(LoadKind::Uniform)].x1;
        case Control::uniformtext:
            return c.span().uniforms[index(LoadKind::Uniform)].w1;
        case Control::uniformx2text:
            return c.span().uniforms[index(LoadKind::Uniform)].x2;
        case Control::uniformtext2:
            return c.span().uniforms[index(LoadKind::Uniform)].w2;
        case Control::momentxtext:
            return c.span().moments[index(LoadKind::Moment)].x;
        case Control::momenttext:
            return c.span().moments[index(LoadKind::Moment)].value;
        default:
            break;
    }
    assert(false && "not a load field");
    return 0;
}

bool is_position(Control field) {
    return field == Control::pxtext || field == Control::uniformx1text ||
           field == Control::uniformx2text || field == Control::momentxtext;
}

}  // namespace

std::string load_field_text(EntryContext& c, Control field) {
    return shown(load_field_value(c, field), kLoadPattern);
}

// Each field's change rule stores into the current load, so the current number is set first.
void show_load(EntryContext& c, LoadKind kind, int number) {
    assert(c.state.current_load[kind_index(kind)] == number);
    for (Control field : load_list(kind).fields) {
        const double value = load_field_value(c, field);
        c.set_text(field,
                   is_position(field) ? shown_distance(c, value) : shown(value, kLoadPattern));
    }
    show_load_case(c, kind);
}

void show_load_quietly(EntryContext& c, LoadKind kind) {
    for (Control field : load_list(kind).fields)
        c.show_text(field, load_field_text(c, field));
    show_load_case(c, kind);
}

std::string distance_text(double value) {
    return shown(value, kLoadPattern);
}

namespace {

// Navigation: the lists and the span.

void clear_load_list(EntryContext& c, LoadKind kind) {
    const LoadListControls& list = load_list(kind);
    c.set_text(list.count, "");
    for (Control field : list.fields)
        c.set_text(field, "");
    show_load_case(c, kind);
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
    show_load(c, kind, 1);
}

// Emptying I through its change rule would switch the beam to I from width and depth.
void clear_inertia(EntryContext& c) {
    c.show_text(Control::moi, "");
}

// The values of the shown span. A span without length shows an empty length field, with the
// focus there unless the engineer is typing elsewhere, and its other values where it has them
// (I or E typed before the length); nothing of the span shown before stays on the screen.
void show_span_values(EntryContext& c, BlankSpanFocus focus) {
    const bool has_length = c.span().length.value != 0;
    // Shown unrounded: the length is stored again from its field (when the field is left, and
    // by the sketch refresh), which must keep the value the span holds.
    c.set_text(Control::spanlengthtext,
               has_length ? shown(c.span().length.value, kLoadPattern) : std::string());
    for (LoadKind kind : kLoadKindsShown)
        show_load_list(c, kind);
    const auto section = [&](double value) {
        return has_length || value != 0 ? shown(value, kSectionPattern) : std::string();
    };
    c.set_text(Control::spanwidthtext, section(c.span().width));
    c.set_text(Control::spandepthtext, section(c.span().depth));
    // I is shown only where it is typed: the field's change rule would switch a beam whose I
    // comes from width and depth over to typed I. An I or E of 0 shows as an empty field.
    const double inertia = c.span().inertia;
    if (inertia != 0 && c.beam.inertia_entered) {
        c.set_text(Control::moi, shown(inertia_to_entry(c.beam.units, inertia), kInertiaPattern));
    } else {
        clear_inertia(c);
    }
    const double modulus = c.span().modulus.value;
    c.set_text(Control::spanetext,
               modulus != 0 ? shown_modulus(c.beam.units, modulus) : std::string());
    if (!has_length && focus == BlankSpanFocus::Move)
        c.focus(Control::spanlengthtext);
}

}  // namespace

std::string shown_modulus(UnitSystem units, double stored) {
    return shown(modulus_to_entry(units, stored), kModulusPattern);
}

void show_span(EntryContext& c, BlankSpanFocus focus) {
    const int n = c.span_count();
    if (n == 0)
        return;
    if (c.state.current_span > n || c.state.current_span < 1)
        c.state.current_span = 1;
    const Span& span = c.span();
    c.set_text(Control::Combo1, std::string(release_text(span.release)));
    c.set_caption(Control::spannumber, number_caption(c.state.current_span));
    show_span_values(c, focus);
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
    // The support rules judge a change the engineer makes; a joint that is only shown keeps
    // what it holds, so a beam opened from a file stays the beam that was read.
    show_joint_options_unchanged(c);
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
    show_load(c, kind, number);
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
