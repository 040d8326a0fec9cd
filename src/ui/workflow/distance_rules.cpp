// The load position fields: point-load X, X1 and X2 of a distributed load, moment X. A change
// is stored at once and, while the sketch is live, checked at once; leaving runs the checks.

#include "model/number_text.h"
#include "ui/workflow/decimal_rule.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/navigation.h"
#include "ui/workflow/sketch_refresh.h"

namespace spanlyx {
namespace {

// Each failed check shows its message and returns the focus to the field, selected.
void fail(EntryContext& c, Control field, std::string text) {
    c.message(std::move(text));
    c.focus(field);
}

double span_length(EntryContext& c) {
    return c.span().length.value;
}

// The load's position takes the span-length field's text; where that field holds no number,
// the span's stored length, so that the load's position follows what the field shows.
void set_to_span_length(EntryContext& c, Control field) {
    const std::string& length = c.text(Control::spanlengthtext);
    const bool readable = !trim(length).empty() && length != ".";
    c.set_text(field, readable ? length : distance_text(span_length(c)));
    c.focus(field);
}

bool store_distance(EntryContext& c, Control field, double x) {
    switch (field) {
        case Control::pxtext:
            if (PointLoad* load = c.current_point()) {
                load->x = x;
                return true;
            }
            return false;
        case Control::uniformx1text:
        case Control::uniformx2text:
            if (UniformLoad* load = c.current_uniform()) {
                (field == Control::uniformx1text ? load->x1 : load->x2) = x;
                return true;
            }
            return false;
        case Control::momentxtext:
            if (MomentLoad* load = c.current_moment()) {
                load->x = x;
                return true;
            }
            return false;
        default:
            return false;
    }
}

// X1 and moment X need a count of their loads first.
bool loads_missing(EntryContext& c, Control field) {
    if (field == Control::uniformx1text &&
        c.state.current_load[kind_index(LoadKind::Uniform)] == 0) {
        c.message("You must input the Number of Uniform Loads -  before entering the loads");
        c.set_text(field, " ");
        c.focus(Control::uniforms);
        return true;
    }
    if (field == Control::momentxtext && c.state.current_load[kind_index(LoadKind::Moment)] == 0) {
        c.message("You must input the Number of Moments! before the loads");
        c.set_text(field, " ");
        c.focus(Control::moments);
        return true;
    }
    return false;
}

// A point load or moment typed at "0" on span 2 or later would sit on the joint of the span
// before: that text is refused. Its change rule stores nothing, so the load keeps the position
// it had before the edit, and the field shows that position (empty for a load without one).
bool refused_joint_position(const EntryContext& c, Control field) {
    return (field == Control::pxtext || field == Control::momentxtext) &&
           c.state.current_span >= 2 && c.text(field) == "0";
}

double stored_distance(EntryContext& c, Control field) {
    if (field == Control::pxtext) {
        const PointLoad* load = c.current_point();
        return load ? load->x : 0.0;
    }
    const MomentLoad* load = c.current_moment();
    return load ? load->x : 0.0;
}

void refuse_joint_position(EntryContext& c, Control field, std::string text) {
    c.message(std::move(text));
    const double kept = stored_distance(c, field);
    c.set_text(field, kept != 0 ? distance_text(kept) : std::string());
    c.focus(field);
}

void point_x_left(EntryContext& c) {
    constexpr Control field = Control::pxtext;
    const double x = c.value(field);
    if (x < 0)
        fail(c, field, "Point Load Location must be > 0");
    apply_decimal_rule(c, field, kDistanceDecimalMessage);
    if (span_length(c) < x) {
        c.message("Point Load Location must be < Span Length..(Setting X to Span Length)");
        set_to_span_length(c, field);
    } else if (refused_joint_position(c, field)) {
        refuse_joint_position(
            c, field,
            "Intermediate Joint Loads Must be put on the End of a Span.  Go back to the previous "
            "Span and Place this Point Load at the End of its Span");
    }
}

void moment_x_left(EntryContext& c) {
    constexpr Control field = Control::momentxtext;
    const double x = c.value(field);
    if (x != 0) {
        if (x < 0)
            fail(c, field, "Applied Moment Location must be > 0");
        apply_decimal_rule(c, field, kDistanceDecimalMessage);
    }
    if (span_length(c) < x) {
        c.message("Applied Moment Location must be < Span Length  (Setting X to Span Length)");
        set_to_span_length(c, field);
    }
    if (refused_joint_position(c, field)) {
        refuse_joint_position(
            c, field,
            "Intermediate Joint Moments Must be put on the End of a Span.  Go back to the "
            "previous Span and Place this Moment Load at the End of its Span");
    }
}

void uniform_x1_left(EntryContext& c) {
    constexpr Control field = Control::uniformx1text;
    const double x1 = c.value(field);
    if (x1 == 0)
        return;
    if (x1 < 0 || span_length(c) < x1) {
        c.message("X1 distance must be greater >= 0 & < Span Length (Setting X1 Value = 0)");
        c.set_text(field, "0");
        c.focus(field);
    }
    apply_decimal_rule(c, field, kDistanceDecimalMessage);
}

void uniform_x2_left(EntryContext& c) {
    constexpr Control field = Control::uniformx2text;
    const double x2 = c.value(field);
    if (x2 != 0) {
        if (x2 < 0)
            fail(c, field, "X2 distance must be greater >= 0");
        if (c.value(Control::uniformx1text) == x2) {
            c.message("X1 & X2 distance cannot be = blanking out both... try again");
            c.set_text(Control::uniformx1text, " ");
            c.set_text(field, " ");
            c.focus(Control::uniformx1text);
        }
        apply_decimal_rule(c, field, kDistanceDecimalMessage);
    }
    if (span_length(c) < c.value(field)) {
        c.message("X2 must be < Span Length (Setting X2 = Span Length)");
        set_to_span_length(c, field);
    }
    if (c.value(Control::uniformx1text) > c.value(field))
        fail(c, field, "X2 must be > X1");
}

}  // namespace

void distance_changed(EntryContext& c, Control field) {
    c.mark_unsaved();
    if (loads_missing(c, field))
        return;
    const std::string& typed = c.text(field);
    const double x = c.value(field);
    const bool stored = !typed.empty() && typed != "." && x >= 0 &&
                        !refused_joint_position(c, field) && store_distance(c, field, x);
    if (c.state.sketch_live && field != Control::uniformx2text)
        distance_left(c, field);
    if (stored)
        refresh_sketch(c);
}

void distance_left(EntryContext& c, Control field) {
    if (!c.has_span())
        return;
    switch (field) {
        case Control::pxtext:
            point_x_left(c);
            break;
        case Control::momentxtext:
            moment_x_left(c);
            break;
        case Control::uniformx1text:
            uniform_x1_left(c);
            break;
        case Control::uniformx2text:
            uniform_x2_left(c);
            break;
        default:
            break;
    }
}

}  // namespace spanlyx
