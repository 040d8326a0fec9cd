// Writes a beam in the .cb layout, and the snapshot variant kept when the results window closes.

#include <string>
#include <vector>

#include "model/number_text.h"
#include "model/print_line.h"
#include "storage/beam_file.h"
#include "storage/beam_file_labels.h"
#include "storage/file_io.h"

namespace spanlyx {
namespace {

namespace label = beam_file;

// The snapshot omits the unit tag and releases and keeps E and I in their stored units.
enum class Layout { File, Snapshot };

// A typed or read value goes back as its text, so a file reads back the way it came in; a
// computed value, or a text that is no longer a clean number, is written in the number form.
std::string held_text(const HeldNumber& held) {
    if (!held.text.empty() && parse_number(held.text))
        return held.text;
    return padded_number(held.value);
}

// A count keeps its text only while that text still counts the loads actually held; otherwise
// the file would announce a different number of load lines than it carries.
std::string count_text(const Span& span, LoadKind kind, std::size_t count) {
    const std::string& text = span.count_text[static_cast<std::size_t>(kind)];
    if (!text.empty()) {
        const std::optional<double> value = parse_number(text);
        if (value && *value == static_cast<double>(count))
            return text;
    }
    return padded_integer(static_cast<long long>(count));
}

// The modulus is held as typed wherever the system stores it unscaled (E, E2, M4).
bool modulus_unscaled(UnitSystem units) {
    return modulus_to_stored(units, 1.0) == 1.0;
}

void write_comments(TextWriter& out, const Beam& beam) {
    long long filled = 0;
    for (const std::string& comment : beam.comments) {
        if (!comment.empty())
            ++filled;
    }
    out.line(label::kCommentCount);
    out.line(padded_integer(filled));
    for (const std::string& comment : beam.comments) {
        if (!comment.empty())
            out.line(single_line(comment));
    }
    out.line(label::kEndComments);
}

void write_header(TextWriter& out, const Beam& beam, Layout layout) {
    out.line(label::kTitle);
    write_comments(out, beam);
    if (layout == Layout::File) {
        out.line(label::kUnitTag);
        out.line(unit_tag(beam.units));
    }
    out.line(label::kSpanCount);
    const std::optional<double> spans = parse_number(beam.spans_text);
    const bool spans_text_fits = spans && *spans == static_cast<double>(beam.span_count());
    out.line(spans_text_fits ? beam.spans_text : padded_integer(beam.span_count()));
    out.line(label::kTotalLength);
    out.line(parse_number(beam.total_length_text) ? beam.total_length_text
                                                  : padded_number(beam.total_length()));
    out.line(label::kStartMembers);
}

// While I comes from b and d, a span whose I was typed before the mode changed holds I with no
// section. Its section lines would read back as b = d = 0 and lose that I, so such a span is
// written with its I line; the reader takes each span's lines as they come. The last span keeps
// the layout of the mode, because the last span read decides the mode of the beam.
bool section_lines(const Beam& beam, const Span& span, bool last) {
    if (beam.inertia_entered)
        return false;
    const bool typed_inertia_only = span.width == 0 && span.depth == 0 && span.inertia != 0;
    return last || !typed_inertia_only;
}

void write_section(TextWriter& out, const Beam& beam, const Span& span, Layout layout) {
    if (section_lines(beam, span, &span == &beam.spans.back())) {
        out.line(label::kMemberDepth);
        out.line(padded_number(span.depth));
        out.line(label::kMemberWidth);
        out.line(padded_number(span.width));
    } else {
        out.line(label::kMemberInertia);
        out.line(padded_number(layout == Layout::File ? inertia_to_entry(beam.units, span.inertia)
                                                      : span.inertia));
    }
    out.line(label::kMemberModulus);
    if (modulus_unscaled(beam.units)) {
        out.line(held_text(span.modulus));
    } else {
        out.line(padded_number(layout == Layout::File
                                   ? modulus_to_entry(beam.units, span.modulus.value)
                                   : span.modulus.value));
    }
    if (layout == Layout::File) {
        out.line(label::kMemberRelease);
        out.line(padded_integer(static_cast<long long>(span.release)));
    }
}

void write_loads(TextWriter& out, const Beam& beam, const Span& span, Layout layout) {
    const bool inches = inch_units(beam.units);
    const bool metric = !is_imperial(beam.units);
    // The snapshot labels its first distances by the length unit of the imperial systems only.
    const std::string_view first_distance = layout == Layout::File
                                                ? label::first_distance_label(inches, metric)
                                                : label::first_distance_label(inches, false);
    const std::string_view load_distance = layout == Layout::File
                                               ? label::load_distance_label(inches, metric)
                                               : label::kSnapshotLoadDistance;

    out.line(label::kUniformCount);
    out.line(count_text(span, LoadKind::Uniform, span.uniforms.size()));
    for (const UniformLoad& load : span.uniforms) {
        out.line(first_distance);
        out.line(padded_number(load.x1));
        out.line(label::kUniformW1);
        out.line(padded_number(load.w1));
        out.line(label::second_distance_label(inches, metric));
        out.line(padded_number(load.x2));
        out.line(label::kUniformW2);
        out.line(padded_number(load.w2));
    }
    out.line(label::kPointCount);
    out.line(count_text(span, LoadKind::Point, span.points.size()));
    for (const PointLoad& load : span.points) {
        out.line(load_distance);
        out.line(padded_number(load.x));
        out.line(label::kPointValue);
        out.line(held_text(load.load));
    }
    out.line(label::kMomentCount);
    out.line(count_text(span, LoadKind::Moment, span.moments.size()));
    for (const MomentLoad& load : span.moments) {
        out.line(load_distance);
        out.line(padded_number(load.x));
        out.line(label::kMomentValue);
        out.line(padded_number(load.value));
    }
}

void write_joints(TextWriter& out, const Beam& beam) {
    out.line(label::kJointCount);
    out.line(padded_integer(beam.joint_count()));
    long long number = 0;
    for (const Joint& joint : beam.joints) {
        out.line(label::kJointNumber);
        out.line(padded_integer(++number));
        out.line(label::kRestraintY);
        out.line(padded_integer(joint.restraint_y));
        out.line(label::kRestraintZ);
        out.line(padded_integer(joint.restraint_z));
    }
}

// One entry per live load: its span, its kind (1 uniform, 2 point, 3 moment) and its 1-based
// number among the loads of that kind on the span. Dead is every load's default, so only the live
// ones are listed.
struct LiveLoadRef {
    long long span;
    long long kind;
    long long number;
};

template <typename Load>
void collect_live(std::vector<LiveLoadRef>& refs, const std::vector<Load>& loads, long long span,
                  LoadKind kind) {
    for (std::size_t k = 0; k < loads.size(); ++k) {
        if (loads[k].load_case == LoadCase::Live)
            refs.push_back({span, static_cast<long long>(kind) + 1, static_cast<long long>(k) + 1});
    }
}

void write_springs(TextWriter& out, const Beam& beam) {
    long long count = 0;
    for (const Joint& joint : beam.joints)
        count += joint.is_elastic_or_moved() ? 1 : 0;
    out.line(label::kSprings);
    out.line(label::kSpringJointCount);
    out.line(padded_integer(count));
    long long number = 0;
    for (const Joint& joint : beam.joints) {
        ++number;
        if (!joint.is_elastic_or_moved())
            continue;
        out.line(label::kSpringJoint);
        out.line(padded_integer(number));
        // A spring on a fixed coordinate or a movement of one that is not fixed is refused by
        // Calculate and would be refused by the reader: such a leftover is not written, so
        // that the file always opens again.
        out.line(label::kSpringY);
        out.line(padded_integer(joint.spring_y && joint.restraint_y != 1 ? 1 : 0));
        out.line(label::kStiffnessY);
        out.line(padded_number(joint.ky));
        out.line(label::kSpringZ);
        out.line(padded_integer(joint.spring_z && joint.restraint_z != 1 ? 1 : 0));
        out.line(label::kStiffnessZ);
        out.line(padded_number(joint.kz));
        out.line(label::kSettlement);
        out.line(padded_number(joint.restraint_y == 1 ? joint.settlement : 0.0));
        out.line(label::kImposedRotation);
        out.line(padded_number(joint.restraint_z == 1 ? joint.imposed_rotation : 0.0));
    }
}

void write_extensions(TextWriter& out, const Beam& beam) {
    std::vector<LiveLoadRef> live;
    for (std::size_t m = 0; m < beam.spans.size(); ++m) {
        const Span& span = beam.spans[m];
        const auto number = static_cast<long long>(m) + 1;
        collect_live(live, span.uniforms, number, LoadKind::Uniform);
        collect_live(live, span.points, number, LoadKind::Point);
        collect_live(live, span.moments, number, LoadKind::Moment);
    }
    const bool springs = beam.has_springs_or_movements();
    if (live.empty() && beam.combinations.empty() && !springs)
        return;
    out.line(label::kStartExtensions);
    if (!live.empty()) {
        out.line(label::kLiveLoads);
        out.line(label::kLiveLoadCount);
        out.line(padded_integer(static_cast<long long>(live.size())));
        for (const LiveLoadRef& ref : live) {
            out.line(label::kLiveLoadSpan);
            out.line(padded_integer(ref.span));
            out.line(label::kLiveLoadKind);
            out.line(padded_integer(ref.kind));
            out.line(label::kLiveLoadNumber);
            out.line(padded_integer(ref.number));
        }
    }
    if (!beam.combinations.empty()) {
        out.line(label::kCombinations);
        out.line(label::kCombinationCount);
        out.line(padded_integer(static_cast<long long>(beam.combinations.size())));
        for (const Combination& combination : beam.combinations) {
            out.line(label::kCombinationName);
            out.line(single_line(combination.name));
            out.line(label::kDeadFactor);
            out.line(padded_number(combination.dead));
            out.line(label::kLiveFactor);
            out.line(padded_number(combination.live));
        }
    }
    if (springs)
        write_springs(out, beam);
    out.line(label::kEndExtensions);
}

std::string format_beam(const Beam& beam, Layout layout) {
    TextWriter out;
    write_header(out, beam, layout);
    long long number = 0;
    for (const Span& span : beam.spans) {
        out.line(label::kMemberNumber);
        out.line(padded_integer(++number));
        out.line(label::kMemberLength);
        out.line(held_text(span.length));
        write_section(out, beam, span, layout);
        write_loads(out, beam, span, layout);
    }
    write_joints(out, beam);
    // The snapshot keeps the original layout: nothing reads it back.
    if (layout == Layout::File)
        write_extensions(out, beam);
    return out.take();
}

}  // namespace

std::string single_line(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\n')
            c = ' ';
    }
    return line;
}

std::string format_beam_file(const Beam& beam) {
    return format_beam(beam, Layout::File);
}

std::string format_beam_snapshot(const Beam& beam) {
    return format_beam(beam, Layout::Snapshot);
}

std::optional<std::string> write_beam_file(const Beam& beam, const std::filesystem::path& path) {
    return write_file_atomically(path, format_beam_file(beam));
}

}  // namespace spanlyx
