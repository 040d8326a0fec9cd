#pragma once
// The beam as the engineer entered it: spans, sections, moduli, releases, loads and supports.
// Lengths, positions and loads are kept in the units of the active system; E and I are kept
// in the stored units of that system (see units.h).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/units.h"

namespace spanlyx {

// Limits of the beam: spans by entry and by file, load slots per kind and span, joints of the
// stiffness model.
inline constexpr int kMaxSpans = 40;
inline constexpr int kMaxLoadsPerKind = 90;
inline constexpr int kMaxJoints = 50;

// End releases of a span, with the codes that files and the stiffness model use.
enum class Release { None = 0, Left = 1, Right = 2, Both = 3 };
std::string_view release_text(Release release);  // "No Hinge", "Hinge On Left", ...

// A value that was typed or read keeps its exact text, so that a file writes it back the way it
// came in; a computed value has no text and is written in the general number form.
struct HeldNumber {
    double value = 0;
    std::string text;  // empty when the value was computed

    static HeldNumber computed(double v) { return {v, {}}; }
    static HeldNumber typed(std::string t);  // value: the leading number of the text

    friend bool operator==(const HeldNumber&, const HeldNumber&) = default;
};

// The case a load belongs to. Dead loads always act; the live loads of a span act together or
// not at all in the arrangements of a combination. Every load of the as-entered analysis acts
// at factor 1, whatever its case.
enum class LoadCase { Dead = 0, Live = 1 };
std::string_view load_case_text(LoadCase load_case);  // "Dead", "Live"

struct UniformLoad {
    double x1 = 0;  // start, from the left end of the span
    double w1 = 0;  // intensity at x1, positive downward
    double x2 = 0;  // end
    double w2 = 0;  // intensity at x2
    LoadCase load_case = LoadCase::Dead;
    friend bool operator==(const UniformLoad&, const UniformLoad&) = default;
};

struct PointLoad {
    double x = 0;
    HeldNumber load;  // positive downward
    LoadCase load_case = LoadCase::Dead;
    friend bool operator==(const PointLoad&, const PointLoad&) = default;
};

struct MomentLoad {
    double x = 0;
    double value = 0;  // positive counterclockwise
    LoadCase load_case = LoadCase::Dead;
    friend bool operator==(const MomentLoad&, const MomentLoad&) = default;
};

enum class LoadKind { Uniform = 0, Point = 1, Moment = 2 };

struct Span {
    HeldNumber length;
    double width = 0;    // b
    double depth = 0;    // d
    double inertia = 0;  // I, stored unit; b*d^3/12 when I comes from the section
    HeldNumber modulus;  // E, stored unit
    Release release = Release::None;
    std::vector<UniformLoad> uniforms;
    std::vector<PointLoad> points;
    std::vector<MomentLoad> moments;
    // The count texts as typed or read (" 2 ", "2"); empty when the count is written as an integer.
    std::array<std::string, 3> count_text;

    friend bool operator==(const Span&, const Span&) = default;
};

struct Joint {
    int restraint_y = 0;  // vertical translation: 1 fixed, 0 free (or held by a spring)
    int restraint_z = 0;  // rotation: 1 fixed, 0 free (or held by a spring)
    // Elastic supports: a coordinate that is not fixed may be held by a spring. Its stiffness
    // is kept as entered, so that a stiffness of 0 or below reaches Calculate and is refused
    // there with a message rather than silently making the joint free.
    bool spring_y = false;  // restraint_y is 0
    bool spring_z = false;  // restraint_z is 0
    double ky = 0;          // force per displacement unit of the report (lb/in, N/m, kg/m, N/mm)
    double kz = 0;          // moment unit of the report per radian
    // Imposed movements of fixed coordinates; they belong to the dead case.
    double settlement = 0;        // downward, displacement unit of the report; restraint_y is 1
    double imposed_rotation = 0;  // radians, counterclockwise positive; restraint_z is 1

    // True when the joint uses a spring or an imposed movement, which only the extension block
    // of a file can carry.
    bool is_elastic_or_moved() const {
        return spring_y || spring_z || settlement != 0 || imposed_rotation != 0;
    }
    friend bool operator==(const Joint&, const Joint&) = default;
};

// A factored combination of the dead and live cases, e.g. "1.2D + 1.6L": dead 1.2, live 1.6.
struct Combination {
    std::string name;
    double dead = 1;
    double live = 1;
    friend bool operator==(const Combination&, const Combination&) = default;
};

struct Beam {
    UnitSystem units = UnitSystem::E;
    bool inertia_entered = true;     // I typed per span; false: I = b*d^3/12
    bool use_first_span_ei = false;  // every span carries the E and I of span 1
    std::vector<Span> spans;
    std::vector<Joint> joints;  // spans.size() + 1 once the joints are entered or read
    std::array<std::string, 4> comments;
    // Texts of the number-of-spans and total-length fields as the window held them; a file
    // carries them. Empty when the beam was built by program: then the numbers are written.
    std::string spans_text;
    std::string total_length_text;
    // Combinations for the live-load envelopes; empty for a beam analysed as entered only.
    std::vector<Combination> combinations;

    int span_count() const { return static_cast<int>(spans.size()); }
    int joint_count() const { return static_cast<int>(joints.size()); }
    double total_length() const;
    bool has_loads() const;
    bool has_live_loads() const;
    bool has_springs_or_movements() const;  // some joint is elastic or moved
    bool has_imposed_movements() const;     // some joint settles or is turned

    friend bool operator==(const Beam&, const Beam&) = default;
};

}  // namespace spanlyx
