// Reads a .cb beam file. The reader follows the order of the lines, not their labels; every
// value line is checked, and a file that cannot describe a sound beam is refused with the
// number of the line at fault and what was expected there.

#include <cmath>
#include <string>
#include <vector>

#include "model/beam_sanity.h"
#include "model/number_text.h"
#include "storage/beam_file.h"
#include "storage/beam_file_labels.h"
#include "storage/beam_file_parser.h"
#include "storage/file_io.h"

namespace spanlyx {
namespace {

namespace label = beam_file;

constexpr std::string_view kUnitTagRefusal =
    "The Data file Does not Contain a Metric or English Tag Aborting open";
constexpr long long kMaxComments = 4;
// No engineering value comes near this; larger ones would overflow once E and I are scaled or
// cubed and could not be written back as numbers. The bounds are inclusive, so a value that the
// number form rounds up to a bound still reads back.
constexpr double kLargestMagnitude = 1e30;
// An I line has more room: a span whose I came from b*d^3/12 (each up to the bound above) is
// written back as an I line, in entry units, when the last span of its file typed I directly.
constexpr double kLargestInertia = 1e300;
// A found text longer than this is shortened in the refusal.
constexpr std::size_t kShownLength = 40;

std::string in_quotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The offending value without its padding, shortened when long.
std::string shown(std::string_view line) {
    line = trim(line);
    if (line.size() <= kShownLength)
        return in_quotes(line);
    return in_quotes(std::string(line.substr(0, kShownLength)) + "...");
}

std::string of_span(int span) {
    return " of span " + std::to_string(span);
}
std::string on_span(int span) {
    return " on span " + std::to_string(span);
}

std::string line_place(std::size_t line) {
    return "Line " + std::to_string(line);
}

const char* kind_words(LoadKind kind) {
    switch (kind) {
        case LoadKind::Uniform:
            return "uniform loads";
        case LoadKind::Point:
            return "point loads";
        case LoadKind::Moment:
            return "applied moments";
    }
    return "";
}

class BeamFileParser {
  public:
    BeamFileParser(std::vector<std::string_view> lines, const LinePlace& place)
        : lines_(std::move(lines)), place_(place) {}

    BeamReadResult run() {
        Beam beam;
        if (!header(beam))
            return std::move(result_);
        for (int m = 1; m <= span_count_; ++m) {
            if (!span_block(beam, m))
                return std::move(result_);
        }
        if (!total_length_given_)
            beam.total_length_text = format_fixed(beam.total_length(), 2);
        if (!joints(beam) || !extensions(beam))
            return std::move(result_);
        result_.beam = std::move(beam);
        return std::move(result_);
    }

  private:
    // Refuses with the 1-based number of the line just taken.
    bool refuse(std::string message) {
        result_.line = static_cast<int>(next_);
        result_.message = std::move(message);
        return false;
    }
    bool refuse_value(const std::string& what, std::string_view found, std::string_view why = {}) {
        return refuse(place_(next_) + ": expected " + what + ", found " + shown(found) +
                      std::string(why));
    }

    // Takes the next line; at the end of the file refuses, naming what was expected there.
    std::optional<std::string_view> take(const std::string& what) {
        if (next_ >= lines_.size()) {
            ++next_;
            refuse(place_(next_) + ": expected " + what + ", found the end of the file");
            return std::nullopt;
        }
        return lines_[next_++];
    }
    bool skip_label(std::string_view text) {
        return take("the label " + in_quotes(text)).has_value();
    }

    std::optional<double> number(const std::string& what, double largest = kLargestMagnitude) {
        const std::optional<std::string_view> line = take(what + " (a number)");
        if (!line)
            return std::nullopt;
        const std::optional<double> value = parse_number(*line);
        if (!value) {
            refuse_value(what + " (a number)", *line);
            return std::nullopt;
        }
        if (std::fabs(*value) > largest) {
            refuse_value(what + " (a number)", *line, " (too large)");
            return std::nullopt;
        }
        return value;
    }
    // A length, width, depth, I or E just read, in stored units. No entry field holds a negative
    // one or one too small for the analysis to work with, so a file that does is refused at its
    // line. A 0 is what an empty field saves: it is read, and Calculate asks for the value.
    bool dimension(double stored, const std::string& what) {
        const std::string_view line = lines_[next_ - 1];
        switch (dimension_fault(stored)) {
            case DimensionFault::Negative:
                return refuse_value(what + " (a number)", line, " (negative)");
            case DimensionFault::Subnormal:
                return refuse_value(what + " (a number)", line, " (too small)");
            case DimensionFault::NotFinite:  // not read as a number at all
            case DimensionFault::Zero:
            case DimensionFault::None:
                break;
        }
        return true;
    }

    // A number line kept with its text, as a typed field keeps it.
    std::optional<HeldNumber> held(const std::string& what) {
        if (!number(what))
            return std::nullopt;
        return HeldNumber::typed(std::string(lines_[next_ - 1]));
    }

    std::optional<long long> whole(const std::string& what, long long low, long long high) {
        const std::optional<std::string_view> line = take(what);
        if (!line)
            return std::nullopt;
        const std::optional<double> value = parse_number(*line);
        if (!value || *value != std::floor(*value) || *value < static_cast<double>(low) ||
            *value > static_cast<double>(high)) {
            refuse_value(what, *line);
            return std::nullopt;
        }
        return static_cast<long long>(*value);
    }

    bool header(Beam& beam) {
        if (!skip_label(label::kTitle) || !skip_label(label::kCommentCount))
            return false;
        const auto comments = whole("the number of comment lines (0 to 4)", 0, kMaxComments);
        if (!comments)
            return false;
        for (long long c = 0; c < *comments; ++c) {
            const auto comment = take("comment " + std::to_string(c + 1));
            if (!comment)
                return false;
            beam.comments[static_cast<std::size_t>(c)] = std::string(*comment);
        }
        if (!skip_label(label::kEndComments) || !skip_label(label::kUnitTag))
            return false;

        const auto tag = take("the unit tag");
        if (!tag)
            return false;
        const std::optional<UnitSystem> units = parse_unit_tag(*tag);
        if (!units) {
            result_.unit_tag_refused = true;
            return refuse(std::string(kUnitTagRefusal));
        }
        beam.units = *units;

        if (!skip_label(label::kSpanCount))
            return false;
        const auto spans =
            whole("the number of spans (1 to " + std::to_string(kMaxSpans) + ")", 1, kMaxSpans);
        if (!spans)
            return false;
        span_count_ = static_cast<int>(*spans);
        beam.spans_text = std::string(lines_[next_ - 1]);

        if (!skip_label(label::kTotalLength))
            return false;
        const auto total = take("the total length (a number, or nothing)");
        if (!total)
            return false;
        if (!trim(*total).empty()) {
            const std::optional<double> value = parse_number(*total);
            if (!value || std::fabs(*value) > kLargestMagnitude) {
                return refuse_value("the total length (a number, or nothing)", *total);
            }
            beam.total_length_text = format_fixed(*value, 2);
            total_length_given_ = true;
        }
        return skip_label(label::kStartMembers);
    }

    bool section(Beam& beam, Span& span, int m) {
        const auto mode = take("the label " + in_quotes(label::kMemberDepth) + " or " +
                               in_quotes(label::kMemberInertia) + of_span(m));
        if (!mode)
            return false;
        if (mode->substr(0, label::kMemberDepthPrefix.size()) == label::kMemberDepthPrefix) {
            const auto depth = number("the depth" + of_span(m));
            if (!depth || !dimension(*depth, "the depth" + of_span(m)) ||
                !skip_label(label::kMemberWidth)) {
                return false;
            }
            const auto width = number("the width" + of_span(m));
            if (!width || !dimension(*width, "the width" + of_span(m)))
                return false;
            span.depth = *depth;
            span.width = *width;
            span.inertia = span.width * span.depth * span.depth * span.depth / 12.0;
            // The window switches its I-entry mode span by span: the last span read decides.
            beam.inertia_entered = false;
        } else {
            const auto inertia = number("the moment of inertia" + of_span(m), kLargestInertia);
            if (!inertia)
                return false;
            span.inertia = inertia_to_stored(beam.units, *inertia);
            if (!dimension(span.inertia, "the moment of inertia" + of_span(m)))
                return false;
            beam.inertia_entered = true;
        }
        if (!skip_label(label::kMemberModulus))
            return false;
        auto modulus = held("the modulus E" + of_span(m));
        if (!modulus)
            return false;
        modulus->value = modulus_to_stored(beam.units, modulus->value);
        if (!dimension(modulus->value, "the modulus E" + of_span(m)))
            return false;
        span.modulus = std::move(*modulus);

        // Files written before releases existed go straight on to the uniform-load header.
        const auto release_or_header = take("the label " + in_quotes(label::kUniformCount));
        if (!release_or_header)
            return false;
        if (*release_or_header == label::kMemberRelease) {
            const auto code = whole("the release code" + of_span(m) + " (0 to 3)", 0, 3);
            if (!code)
                return false;
            span.release = static_cast<Release>(*code);
            return skip_label(label::kUniformCount);
        }
        return true;
    }

    std::optional<std::size_t> load_count(Span& span, LoadKind kind, const std::string& loads,
                                          int m) {
        const auto count = whole("the number of " + loads + on_span(m) + " (0 to " +
                                     std::to_string(kMaxLoadsPerKind) + ")",
                                 0, kMaxLoadsPerKind);
        if (!count)
            return std::nullopt;
        span.count_text[static_cast<std::size_t>(kind)] = std::string(lines_[next_ - 1]);
        return static_cast<std::size_t>(*count);
    }

    // Reads a label line and the number after it.
    std::optional<double> labelled(const std::string& what) {
        if (!take("the label before " + what))
            return std::nullopt;
        return number(what);
    }

    bool loads(Span& span, int m) {
        const auto uniforms = load_count(span, LoadKind::Uniform, "uniform loads", m);
        if (!uniforms)
            return false;
        for (std::size_t k = 1; k <= *uniforms; ++k) {
            const std::string which = " of uniform load " + std::to_string(k) + on_span(m);
            const auto x1 = labelled("X1" + which);
            const auto w1 = x1 ? labelled("W1" + which) : std::nullopt;
            const auto x2 = w1 ? labelled("X2" + which) : std::nullopt;
            const auto w2 = x2 ? labelled("W2" + which) : std::nullopt;
            if (!w2)
                return false;
            span.uniforms.push_back({*x1, *w1, *x2, *w2});
        }
        if (!skip_label(label::kPointCount))
            return false;
        const auto points = load_count(span, LoadKind::Point, "point loads", m);
        if (!points)
            return false;
        for (std::size_t k = 1; k <= *points; ++k) {
            const std::string which = " of point load " + std::to_string(k) + on_span(m);
            const auto x = labelled("the position" + which);
            if (!x || !take("the label " + in_quotes(label::kPointValue)))
                return false;
            auto value = held("the value" + which);
            if (!value)
                return false;
            span.points.push_back({*x, std::move(*value)});
        }
        if (!skip_label(label::kMomentCount))
            return false;
        const auto moments = load_count(span, LoadKind::Moment, "applied moments", m);
        if (!moments)
            return false;
        for (std::size_t k = 1; k <= *moments; ++k) {
            const std::string which = " of applied moment " + std::to_string(k) + on_span(m);
            const auto x = labelled("the position" + which);
            const auto value = x ? labelled("the value" + which) : std::nullopt;
            if (!value)
                return false;
            span.moments.push_back({*x, *value});
        }
        return true;
    }

    bool span_block(Beam& beam, int m) {
        Span span;
        if (!skip_label(label::kMemberNumber) || !take("the member number" + of_span(m)) ||
            !skip_label(label::kMemberLength)) {
            return false;
        }
        auto length = held("the length" + of_span(m));
        if (!length || !dimension(length->value, "the length" + of_span(m)))
            return false;
        span.length = std::move(*length);
        if (!section(beam, span, m) || !loads(span, m))
            return false;
        beam.spans.push_back(std::move(span));
        return true;
    }

    bool joints(Beam& beam) {
        if (!skip_label(label::kJointCount))
            return false;
        const long long expected = span_count_ + 1;
        const auto count =
            whole("the number of joints (" + std::to_string(expected) + ")", expected, expected);
        if (!count)
            return false;
        for (long long j = 1; j <= expected; ++j) {
            const std::string of_joint = " of joint " + std::to_string(j);
            if (!skip_label(label::kJointNumber) || !take("the joint number" + of_joint) ||
                !skip_label(label::kRestraintY)) {
                return false;
            }
            const auto y = whole("the vertical restraint" + of_joint + " (0 or 1)", 0, 1);
            if (!y || !skip_label(label::kRestraintZ))
                return false;
            const auto z = whole("the rotational restraint" + of_joint + " (0 or 1)", 0, 1);
            if (!z)
                return false;
            beam.joints.push_back({static_cast<int>(*y), static_cast<int>(*z)});
        }
        return true;
    }

    // The block after the joints, when the next line opens it; anything else after the joints is
    // ignored, as it always was.
    bool extensions(Beam& beam) {
        if (next_ >= lines_.size() || lines_[next_] != label::kStartExtensions)
            return true;
        ++next_;
        bool live_read = false;
        bool combinations_read = false;
        bool springs_read = false;
        for (;;) {
            // Each sub-section at most once, in any order.
            std::vector<std::string_view> open;
            if (!live_read)
                open.push_back(label::kLiveLoads);
            if (!combinations_read)
                open.push_back(label::kCombinations);
            if (!springs_read)
                open.push_back(label::kSprings);
            open.push_back(label::kEndExtensions);
            std::string what = "the label ";
            for (std::size_t i = 0; i < open.size(); ++i) {
                if (i > 0)
                    what += i + 1 == open.size() ? " or " : ", ";
                what += in_quotes(open[i]);
            }
            const auto section = take(what);
            if (!section)
                return false;
            if (*section == label::kEndExtensions)
                return true;
            if (*section == label::kLiveLoads && !live_read) {
                live_read = true;
                if (!live_loads(beam))
                    return false;
            } else if (*section == label::kCombinations && !combinations_read) {
                combinations_read = true;
                if (!combinations(beam))
                    return false;
            } else if (*section == label::kSprings && !springs_read) {
                springs_read = true;
                if (!springs(beam))
                    return false;
            } else {
                return refuse_value(what, *section);
            }
        }
    }

    // Springs and imposed movements, joint by joint in joint order. A spring only on a coordinate
    // that is not fixed, a movement only on one that is; a stiffness is not negative (a 0 is what
    // an empty field saves: it is read, and Calculate asks for the value).
    bool springs(Beam& beam) {
        const long long joints = beam.joint_count();
        if (!skip_label(label::kSpringJointCount))
            return false;
        const auto count = whole("the number of joints with springs or settlements (0 to " +
                                     std::to_string(joints) + ")",
                                 0, joints);
        if (!count)
            return false;
        long long previous = 0;
        for (long long k = 1; k <= *count; ++k) {
            if (!skip_label(label::kSpringJoint))
                return false;
            const auto number =
                whole("the joint number of spring entry " + std::to_string(k) + " (" +
                          std::to_string(previous + 1) + " to " + std::to_string(joints) + ")",
                      previous + 1, joints);
            if (!number)
                return false;
            previous = *number;
            Joint& joint = beam.joints[static_cast<std::size_t>(*number - 1)];
            const std::string of_joint = " of joint " + std::to_string(*number);
            if (!spring(joint.restraint_y, label::kSpringY, label::kStiffnessY, "Y", of_joint,
                        joint.spring_y, joint.ky) ||
                !spring(joint.restraint_z, label::kSpringZ, label::kStiffnessZ, "Z", of_joint,
                        joint.spring_z, joint.kz) ||
                !movement(joint.restraint_y, label::kSettlement, "the settlement" + of_joint,
                          " (the joint is not fixed in Y)", joint.settlement) ||
                !movement(joint.restraint_z, label::kImposedRotation,
                          "the imposed rotation" + of_joint,
                          " (the joint is not fixed in rotation)", joint.imposed_rotation)) {
                return false;
            }
        }
        return true;
    }

    bool spring(int restraint, std::string_view code_label, std::string_view stiffness_label,
                const std::string& axis, const std::string& of_joint, bool& spring_flag,
                double& stiffness) {
        if (!skip_label(code_label))
            return false;
        const auto code = whole("the " + axis + " spring code" + of_joint + " (0 or 1)", 0, 1);
        if (!code)
            return false;
        if (*code == 1 && restraint == 1) {
            return refuse_value("the " + axis + " spring code" + of_joint + " (0 or 1)",
                                lines_[next_ - 1], " (the joint is fixed in " + axis + ")");
        }
        if (!skip_label(stiffness_label))
            return false;
        const std::string what = "the " + axis + " spring stiffness" + of_joint;
        const auto value = number(what);
        if (!value || !dimension(*value, what))
            return false;
        spring_flag = *code == 1;
        stiffness = *value;
        return true;
    }

    bool movement(int restraint, std::string_view value_label, const std::string& what,
                  std::string_view not_fixed, double& movement_value) {
        if (!skip_label(value_label))
            return false;
        const auto value = number(what);
        if (!value)
            return false;
        if (*value != 0 && restraint != 1)
            return refuse_value(what + " (a number)", lines_[next_ - 1], not_fixed);
        movement_value = *value;
        return true;
    }

    // Marks the listed loads live; each load at most once.
    bool live_loads(Beam& beam) {
        long long loads = 0;
        for (const Span& span : beam.spans)
            loads += static_cast<long long>(span.uniforms.size() + span.points.size() +
                                            span.moments.size());
        if (!skip_label(label::kLiveLoadCount))
            return false;
        const auto count =
            whole("the number of live loads (0 to " + std::to_string(loads) + ")", 0, loads);
        if (!count)
            return false;
        for (long long k = 1; k <= *count; ++k) {
            const std::string which = " of live load " + std::to_string(k);
            if (!skip_label(label::kLiveLoadSpan))
                return false;
            const auto m = whole("the span" + which + " (1 to " + std::to_string(span_count_) + ")",
                                 1, span_count_);
            if (!m || !skip_label(label::kLiveLoadKind))
                return false;
            const auto kind_code =
                whole("the kind" + which + " (1 uniform, 2 point, 3 moment)", 1, 3);
            if (!kind_code || !skip_label(label::kLiveLoadNumber))
                return false;
            Span& span = beam.spans[static_cast<std::size_t>(*m - 1)];
            const auto kind = static_cast<LoadKind>(*kind_code - 1);
            const auto held =
                static_cast<long long>(kind == LoadKind::Uniform ? span.uniforms.size()
                                       : kind == LoadKind::Point ? span.points.size()
                                                                 : span.moments.size());
            const std::string what = "the number" + which + " among the " + kind_words(kind) +
                                     on_span(static_cast<int>(*m)) + " (1 to " +
                                     std::to_string(held) + ")";
            const auto number = whole(what, 1, held);
            if (!number)
                return false;
            const auto index = static_cast<std::size_t>(*number - 1);
            LoadCase& load_case = kind == LoadKind::Uniform ? span.uniforms[index].load_case
                                  : kind == LoadKind::Point ? span.points[index].load_case
                                                            : span.moments[index].load_case;
            if (load_case == LoadCase::Live)
                return refuse_value(what + ", a load not listed before", lines_[next_ - 1]);
            load_case = LoadCase::Live;
        }
        return true;
    }

    bool combinations(Beam& beam) {
        if (!skip_label(label::kCombinationCount))
            return false;
        const auto count = whole(
            "the number of combinations (0 to " + std::to_string(label::kMaxCombinations) + ")", 0,
            label::kMaxCombinations);
        if (!count)
            return false;
        for (long long k = 1; k <= *count; ++k) {
            const std::string which = " of combination " + std::to_string(k);
            if (!skip_label(label::kCombinationName))
                return false;
            const auto name = take("the name" + which);
            if (!name || !skip_label(label::kDeadFactor))
                return false;
            const auto dead = number("the dead load factor" + which);
            if (!dead || !skip_label(label::kLiveFactor))
                return false;
            const auto live = number("the live load factor" + which);
            if (!live)
                return false;
            beam.combinations.push_back({std::string(*name), *dead, *live});
        }
        return true;
    }

    std::vector<std::string_view> lines_;
    const LinePlace& place_;
    std::size_t next_ = 0;  // index of the next line; after a take, the 1-based number of it
    int span_count_ = 0;
    bool total_length_given_ = false;
    BeamReadResult result_;
};

}  // namespace

BeamReadResult parse_beam_lines(std::vector<std::string_view> lines, const LinePlace& place) {
    return BeamFileParser(std::move(lines), place).run();
}

BeamReadResult parse_beam_file(std::string_view text) {
    static const LinePlace by_number = line_place;
    return parse_beam_lines(split_lines(text), by_number);
}

BeamReadResult read_beam_file(const std::filesystem::path& path) {
    std::string bytes;
    if (std::optional<std::string> error = read_whole_file(path, bytes)) {
        BeamReadResult refused;
        refused.message = std::move(*error);
        return refused;
    }
    return parse_beam_file(bytes);
}

}  // namespace spanlyx
