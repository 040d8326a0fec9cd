// Support and hinge glyphs, chosen by the restraints and springs of the joint and the releases
// of a span.

#include <array>
#include <numbers>

#include "graphics/beam_glyphs.h"

namespace spanlyx::glyphs {
namespace {

constexpr double kWallHalfHeight = 0.4;
// Heights where the three hatch strokes leave the wall; each stroke climbs 0.3 over 0.4 outward
// (0.15 over 0.2 on each side of an interior clamp).
constexpr std::array<double, 3> kHatchStarts = {-0.4, 0.0, 0.4};
constexpr double kHatchRun = 0.4;
constexpr double kHatchRise = 0.3;
constexpr double kInteriorHatchRun = 0.2;
constexpr double kInteriorHatchRise = 0.15;

constexpr double kPinHalfBase = 0.3;
constexpr double kPinDepth = 0.4;

constexpr double kGuideSetBack = 0.15;
constexpr double kRollerRadius = kGuideSetBack / 2;
constexpr std::array<double, 3> kRollerHeights = {0.0, 0.5, -0.5};
static_assert(kSupportBottom == -(kRollerHeights[1] + kRollerRadius));

void wall(Canvas& canvas, double x) {
    canvas.line(x, -kWallHalfHeight, x, kWallHalfHeight);
}

// Hatch strokes leaving a vertical at x towards `outward` (-1 left, +1 right).
void hatch(Canvas& canvas, double x, double outward, double run, double rise) {
    for (double y : kHatchStarts)
        canvas.line(x, y, x + outward * run, y + rise);
}

// The outward side of an end glyph; an interior glyph takes the form of the left end.
double outward_of(JointPlace place) {
    return place == JointPlace::RightEnd ? 1.0 : -1.0;
}

void clamp(Canvas& canvas, double x, JointPlace place) {
    wall(canvas, x);
    if (place == JointPlace::Interior) {
        hatch(canvas, x, -1.0, kInteriorHatchRun, kInteriorHatchRise);
        hatch(canvas, x, 1.0, kInteriorHatchRun, kInteriorHatchRise);
    } else {
        hatch(canvas, x, outward_of(place), kHatchRun, kHatchRise);
    }
}

void pin(Canvas& canvas, double x) {
    canvas.line(x, 0, x - kPinHalfBase, -kPinDepth);
    canvas.line(x, 0, x + kPinHalfBase, -kPinDepth);
    canvas.line(x - kPinHalfBase, -kPinDepth, x + kPinHalfBase, -kPinDepth);
}

// A guided end: the wall line at the joint is the plate on the beam end; the ground, with its
// hatch strokes, is set back by 0.15, and three rollers of that diameter run between the two.
// The ground line spans the rollers so that the outer ones rest on it.
void guided(Canvas& canvas, double x, JointPlace place) {
    const double outward = outward_of(place);
    const double ground = x + outward * kGuideSetBack;
    const double reach = kRollerHeights[1] + kRollerRadius;
    wall(canvas, x);
    canvas.line(ground, -reach, ground, reach);
    hatch(canvas, ground, outward, kHatchRun, kHatchRise);
    for (double y : kRollerHeights)
        canvas.circle(x + outward * kRollerRadius, y, kRollerRadius);
}

// A vertical spring hanging from the beam at x: a short lead, a zig-zag of kZigStrokes strokes
// swinging kSpringHalfWidth to either side, a lead down to the ground line, and three hatch
// strokes under the ground.
constexpr double kSpringLead = 0.06;
constexpr int kZigStrokes = 4;
constexpr double kSpringGroundHalfWidth = 0.2;
constexpr double kGroundHatch = 0.075;
static_assert(kSpringDepth + kGroundHatch <= -kSupportBottom);

void vertical_spring(Canvas& canvas, double x) {
    const double top = -kSpringLead;
    const double bottom = -(kSpringDepth - kSpringLead);
    const double pitch = (top - bottom) / kZigStrokes;
    canvas.line(x, 0, x, top);
    double from_x = x;
    double from_y = top;
    for (int k = 1; k <= kZigStrokes; ++k) {
        // The strokes swing out and back; the last one comes back to the axis.
        const double to_x = k == kZigStrokes ? x : x + (k % 2 == 1 ? 1 : -1) * kSpringHalfWidth;
        const double to_y = top - k * pitch;
        canvas.line(from_x, from_y, to_x, to_y);
        from_x = to_x;
        from_y = to_y;
    }
    canvas.line(x, bottom, x, -kSpringDepth);
    canvas.line(x - kSpringGroundHalfWidth, -kSpringDepth, x + kSpringGroundHalfWidth,
                -kSpringDepth);
    for (double hx : {x - kGroundHatch, x, x + kGroundHatch})
        canvas.line(hx, -kSpringDepth, hx - kGroundHatch, -kSpringDepth - kGroundHatch);
}

// A rotational spring: a spiral about the joint of three half turns of growing radius, whose
// outer end runs up to a short ground bar.
constexpr std::array<double, 3> kCoilRadii = {0.05, 0.075, 0.1};
constexpr double kCoilTail = 0.2;
constexpr double kCoilGroundHalfWidth = 0.08;

void rotational_spring(Canvas& canvas, double x) {
    constexpr double pi = std::numbers::pi;
    canvas.arc(x, 0, kCoilRadii[0], 0, pi);
    // The lower half turn joins (x - r0, 0) to (x + r2, 0): its centre sits between them.
    canvas.arc(x + (kCoilRadii[2] - kCoilRadii[0]) / 2, 0, kCoilRadii[1], pi, 2 * pi);
    canvas.arc(x, 0, kCoilRadii[2], 0, pi);
    const double end = x - kCoilRadii[2];
    canvas.line(end, 0, end, kCoilTail);
    canvas.line(end - kCoilGroundHalfWidth, kCoilTail, end + kCoilGroundHalfWidth, kCoilTail);
}

// The glyph of the rigid restraints alone: a spring coordinate is not held rigidly.
void rigid_support(Canvas& canvas, bool holds_y, bool holds_z, double x, JointPlace place) {
    if (holds_y && holds_z) {
        clamp(canvas, x, place);
    } else if (holds_y) {
        pin(canvas, x);
    } else if (holds_z) {
        guided(canvas, x, place);
    }
    // A joint free in both draws nothing.
}

}  // namespace

JointPlace joint_place(std::size_t joint, std::size_t span_count) {
    if (joint == 0)
        return JointPlace::LeftEnd;
    if (joint == span_count)
        return JointPlace::RightEnd;
    return JointPlace::Interior;
}

void draw_support(Canvas& canvas, const Joint& joint, double x, JointPlace place) {
    const bool holds_y = joint.restraint_y != 0 && !joint.spring_y;
    const bool holds_z = joint.restraint_z != 0 && !joint.spring_z;
    rigid_support(canvas, holds_y, holds_z, x, place);
    if (joint.spring_y) {
        // Beside a guided end's plate and rollers the spring hangs from the beam just inside it.
        const double inward = holds_z ? -outward_of(place) * 2 * kGuideSetBack : 0;
        vertical_spring(canvas, x + inward);
    }
    if (joint.spring_z)
        rotational_spring(canvas, x);
}

void draw_hinges(Canvas& canvas, Release release, double start, double end) {
    if (release == Release::Left || release == Release::Both)
        canvas.circle(start, 0, kHingeRadius);
    if (release == Release::Right || release == Release::Both)
        canvas.circle(end, 0, kHingeRadius);
}

}  // namespace spanlyx::glyphs
