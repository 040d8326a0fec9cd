// write_input: the echo of the beam as the stiffness model holds it, written right after the
// title block. Structural parameters, supports and joint coordinates go to the detailed piece
// only; the span blocks and releases go to both, each piece with its own span layout.

#include <cassert>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "model/units.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::size_t kSectionAsterisks = 28;
constexpr std::size_t kSupportAsterisks = 19;
constexpr std::size_t kCoordinateAsterisks = 17;
constexpr std::string_view kCountPattern = "0";
constexpr std::string_view kLengthPattern = "0.00";
// Imperial I in in^4 from the analysis inertia in ft^4 (system E).
constexpr double kFeetToInches4 = 12.0 * 12.0 * 12.0 * 12.0;

enum class Piece { Detailed, Brief };

struct SpanLabels {
    std::string_view length;
    std::string_view width;
    std::string_view depth;
    std::string_view inertia;
    std::string_view modulus;
    std::string_view inertia_pattern;
    std::string_view modulus_pattern;  // unused in the imperial systems: E is printed as held
};

SpanLabels detailed_labels(UnitSystem units) {
    switch (units) {
        case UnitSystem::E:
        case UnitSystem::E2:
            return {units == UnitSystem::E ? "    Length (ft)                 = "
                                           : "    Length (in)                 = ",
                    "    Width (in)                  = ",
                    "    Depth (in)                  = ",
                    "    Moment of Inertia (in^4)    = ",
                    "    Mod of Elasticity (Psi)     = ",
                    "0.00",
                    ""};
        case UnitSystem::M:
            return {"    Length (m)                  = ",
                    "    Width (m)                   = ",
                    "    Depth (m)                   = ",
                    "    Moment of Inertia (x10^-5 m^4)    = ",
                    "    Mod of Elasticity (GN/m^2) = ",
                    "0.0000",
                    "0.000"};
        case UnitSystem::M2:
            return {"    Length (m)                  = ",
                    "    Width (m)                   = ",
                    "    Depth (m)                   = ",
                    "    Moment of Inertia (x10^4 mm^4)    = ",
                    "    Mod of Elasticity (N/mm^2)        = ",
                    "0.0000",
                    "0.00"};
        case UnitSystem::M3:
            return {"    Length (m)                  = ",
                    "    Width (m)                   = ",
                    "    Depth (m)                   = ",
                    "    Moment of Inertia (cm^4)    = ",
                    "    Mod of Elasticity (kg/cm^2) = ",
                    "0.0000",
                    "0.000"};
        case UnitSystem::M4:
            return {"    Length (mm)                 = ",
                    "    Width (mm)                  = ",
                    "    Depth (mm)                  = ",
                    "    Moment of Inertia (mm^4)    = ",
                    "    Mod of Elasticity (N/mm^2)        = ",
                    "0.0000",
                    "0.00"};
    }
    assert(false && "unknown unit system");
    return {};
}

// The brief block keeps the detailed labels except for shorter metre labels, the shorter
// imperial modulus label, and fewer decimals in metric I and E.
SpanLabels brief_labels(UnitSystem units) {
    SpanLabels labels = detailed_labels(units);
    switch (units) {
        case UnitSystem::E:
        case UnitSystem::E2:
            labels.modulus = "    Mod of Elasticity (Psi) = ";
            break;
        case UnitSystem::M:
        case UnitSystem::M2:
        case UnitSystem::M3:
            labels.length = "    Length (m)                 = ";
            labels.width = "    Width (m)                  = ";
            labels.depth = "    Depth (m)                  = ";
            break;
        case UnitSystem::M4:
            break;
    }
    switch (units) {
        case UnitSystem::E:
        case UnitSystem::E2:
            break;
        case UnitSystem::M:
        case UnitSystem::M3:
            labels.inertia_pattern = "0.000";
            break;
        case UnitSystem::M2:
        case UnitSystem::M4:
            labels.inertia_pattern = "0.00";
            break;
    }
    return labels;
}

// I in the unit the engineer typed it: in^4 in both imperial systems, the entry unit otherwise.
double displayed_inertia(UnitSystem units, double analysis_inertia) {
    const double entry = inertia_to_entry(units, analysis_inertia);
    return lengths_in_feet(units) ? entry * kFeetToInches4 : entry;
}

void write_value_line(TextWriter& out, std::string_view label, std::string_view value) {
    out.line(PrintLine(label).zone(value));
    out.empty_line();
}

void write_span_block(TextWriter& out, Piece piece, const Beam& beam, const StiffnessModel& model,
                      std::size_t index) {
    const Span& span = beam.spans[index];
    const UnitSystem units = beam.units;
    const SpanLabels labels =
        piece == Piece::Detailed ? detailed_labels(units) : brief_labels(units);
    const std::string stars = asterisk_line(kSectionAsterisks);
    if (piece == Piece::Detailed)
        out.empty_line();
    out.line(stars);
    out.line(PrintLine("    SPAN").zone_number(static_cast<double>(index + 1)));
    out.line(stars);
    out.empty_line();
    write_value_line(out, labels.length, format_pattern(span.length.value, kLengthPattern));
    if (!beam.inertia_entered) {
        write_value_line(out, labels.width, format_pattern(span.width, kLengthPattern));
        write_value_line(out, labels.depth, format_pattern(span.depth, kLengthPattern));
    }
    const double inertia = displayed_inertia(units, model.span_inertia_analysis[index]);
    write_value_line(out, labels.inertia, format_pattern(inertia, labels.inertia_pattern));
    if (is_imperial(units)) {
        // psi exactly as the engineer typed it, or the general form of a computed value.
        const std::string modulus =
            span.modulus.text.empty() ? padded_number(span.modulus.value) : span.modulus.text;
        write_value_line(out, labels.modulus, modulus);
    } else {
        const double modulus = modulus_to_entry(units, span.modulus.value);
        write_value_line(out, labels.modulus, format_pattern(modulus, labels.modulus_pattern));
    }
}

std::string_view release_words(Release release) {
    switch (release) {
        case Release::None:
            return "";
        case Release::Left:
            return "Left End of Span Hinged";
        case Release::Right:
            return "Right End of Span Hinged";
        case Release::Both:
            return "Both Ends of Span Hinged";
    }
    assert(false && "unknown release");
    return "";
}

void write_structural_parameters(TextWriter& detailed, const StiffnessModel& model) {
    const std::string stars = asterisk_line(kSectionAsterisks);
    detailed.line(stars);
    detailed.line("    STRUCTURAL PARAMETERS");
    detailed.line("    M N NJ NR NRJ E");
    detailed.line(stars);
    detailed.blank_line();
    detailed.blank_line();
    auto count_line = [&](std::string_view label, int count) {
        write_value_line(detailed, label, format_pattern(count, kCountPattern));
    };
    count_line("    Number of Members            = ", model.member_count());
    // Three coordinates per joint less the restrained ones: the equations actually solved.
    count_line("    Number of Degrees of Freedom = ", model.ndof());
    count_line("    Number of Joints             = ", model.joint_count());
    count_line("    Number of Restraints         = ", model.restraint_count());
    count_line("    Number of Restrained Joints  = ", model.restrained_joint_count());
}

std::string_view restraint_word(int code) {
    return code == 1 ? "yes" : "no";
}

void write_supports(TextWriter& detailed, const StiffnessModel& model) {
    const std::string stars = asterisk_line(kSupportAsterisks);
    detailed.line(stars);
    detailed.line("    Support Information");
    detailed.line(stars);
    detailed.empty_line();
    detailed.line(
        PrintLine().zone("Joint").zone("X Restrained").zone("Y Restrained").zone("Z Restrained"));
    detailed.empty_line();
    for (const SupportRecord& record : model.supports) {
        PrintLine line;
        line.zone_number(record.joint);
        for (int code : record.restraint)
            line.zone(restraint_word(code));
        detailed.line(line);
    }
    detailed.empty_line();
}

void write_joint_coordinates(TextWriter& detailed, const StiffnessModel& model) {
    const std::string stars = asterisk_line(kCoordinateAsterisks);
    detailed.line(stars);
    detailed.line("    Joint Coordinates");
    detailed.line(stars);
    detailed.empty_line();
    detailed.line(PrintLine().zone("Joint").zone("X Coord").zone("Y Coord"));
    detailed.empty_line();
    for (std::size_t j = 0; j < model.joint_coord.size(); ++j) {
        const auto& [x, y] = model.joint_coord[j];
        detailed.line(
            PrintLine().zone_number(static_cast<double>(j + 1)).zone_number(x).zone_number(y));
    }
}

}  // namespace

void write_input(PieceWriters& pieces, const Beam& beam, const StiffnessModel& model) {
    assert(beam.span_count() == model.member_count());
    assert(model.joint_count() == model.member_count() + 1);
    assert(model.span_inertia_analysis.size() == beam.spans.size());
    assert(model.units == beam.units);

    for (int i = 0; i < 3; ++i)
        pieces.detailed.blank_line();
    for (int i = 0; i < 3; ++i)
        pieces.brief.blank_line();
    write_structural_parameters(pieces.detailed, model);

    const std::string stars = asterisk_line(kSectionAsterisks);
    for (TextWriter* out : {&pieces.detailed, &pieces.brief}) {
        out->blank_line();
        out->line(stars);
        out->line("    SPAN INFORMATION");
        out->line(stars);
        out->blank_line();
        out->blank_line();
    }
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        write_span_block(pieces.detailed, Piece::Detailed, beam, model, i);
        write_span_block(pieces.brief, Piece::Brief, beam, model, i);
        const Release release = beam.spans[i].release;
        if (release == Release::None)
            continue;
        for (TextWriter* out : {&pieces.detailed, &pieces.brief}) {
            out->line(PrintLine("    Span Release information ").zone(release_words(release)));
            out->empty_line();
        }
    }
    write_supports(pieces.detailed, model);
    write_joint_coordinates(pieces.detailed, model);
}

}  // namespace spanlyx
