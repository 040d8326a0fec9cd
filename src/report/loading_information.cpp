// The loads of every span as entered, the same lines in the detailed and the brief piece.

#include <cassert>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::size_t kLoadingAsterisks = 31;
constexpr std::string_view kLoadPattern = "0.00";

// Each label ends with "=" and the value follows in the next print zone. The label lengths
// differ between systems, so each system's labels are kept whole.
struct LoadLabels {
    std::string_view point_x;
    std::string_view point_load;
    std::string_view uniform_x1;
    std::string_view uniform_w1;
    std::string_view uniform_x2;
    std::string_view uniform_w2;
    std::string_view moment_x;
    std::string_view moment;
};

const LoadLabels& load_labels(UnitSystem units) {
    static constexpr LoadLabels kFeet = {"    dist from the left end member      (ft) =",
                                         "    Load                                (#) =",
                                         "    dist 1 from the left end of member (ft) =",
                                         "    uniform load #1 (#/lf)                  =",
                                         "    dist 2 from the left end of member (ft) =",
                                         "    uniform load #2 (#/ft)                  =",
                                         "    dist from the left end member      (ft) =",
                                         "    Moment                           (ft-#) ="};
    static constexpr LoadLabels kInches = {"    dist from the left end member      (in) =",
                                           "    Load                                (#) =",
                                           "    dist 1 from the left end of member (in) =",
                                           "    uniform load #1 (#/in)                  =",
                                           "    dist 2 from the left end of member (in) =",
                                           "    uniform load #2 (#/in)                  =",
                                           "    dist from the left end member      (in) =",
                                           "    Moment                           (in-#) ="};
    static constexpr LoadLabels kNewtonMetre = {"    dist from the left end member       (m) =",
                                                "    Load                                (N) =",
                                                "    dist 1 from the left end of member (m)  =",
                                                "    uniform load #1 (N/m)                   =",
                                                "    dist 2 from the left end of member (m) =",
                                                "    uniform load #2 (N/m)                  =",
                                                "    dist from the left end member       (m) =",
                                                "    Moment                            (m-N) ="};
    static constexpr LoadLabels kKilogramMetre = {"    dist from the left end member       (m) =",
                                                  "    Load                                (kg) =",
                                                  "    dist 1 from the left end of member (m)  =",
                                                  "    uniform load #1 (kg/m)                   =",
                                                  "    dist 2 from the left end of member (m) =",
                                                  "    uniform load #2 (kg/m)                  =",
                                                  "    dist from the left end member       (m) =",
                                                  "    Moment                            (m-kg) ="};
    // Millimetre beams label the point-load distance in mm; the other distances keep "(m)".
    static constexpr LoadLabels kMillimetre = {"    dist from the left end member       (mm) =",
                                               "    Load                                (N) =",
                                               "    dist 1 from the left end of member (m)  =",
                                               "    uniform load #1 (N/mm)                   =",
                                               "    dist 2 from the left end of member (m) =",
                                               "    uniform load #2 (N/mm)                  =",
                                               "    dist from the left end member       (m) =",
                                               "    Moment                            (mm-N) ="};
    switch (units) {
        case UnitSystem::E:
            return kFeet;
        case UnitSystem::E2:
            return kInches;
        case UnitSystem::M:
        case UnitSystem::M2:
            return kNewtonMetre;
        case UnitSystem::M3:
            return kKilogramMetre;
        case UnitSystem::M4:
            return kMillimetre;
    }
    assert(false && "unknown unit system");
    return kFeet;
}

void write_value(TextWriter& out, std::string_view label, double value) {
    out.line(PrintLine(label).zone(format_pattern(value, kLoadPattern)));
    out.blank_line();
}

void write_span_loads(TextWriter& out, const Span& span, const LoadLabels& labels) {
    if (!span.points.empty()) {
        out.line("    {Point Loads}");
        out.blank_line();
        for (const PointLoad& load : span.points) {
            write_value(out, labels.point_x, load.x);
            write_value(out, labels.point_load, load.load.value);
        }
    }
    if (!span.uniforms.empty()) {
        out.line("    {Uniform Loads}");
        out.blank_line();
        for (const UniformLoad& load : span.uniforms) {
            write_value(out, labels.uniform_x1, load.x1);
            write_value(out, labels.uniform_w1, load.w1);
            write_value(out, labels.uniform_x2, load.x2);
            write_value(out, labels.uniform_w2, load.w2);
        }
    }
    if (!span.moments.empty()) {
        out.line("    {Moment Loads}");
        out.blank_line();
        for (const MomentLoad& load : span.moments) {
            write_value(out, labels.moment_x, load.x);
            write_value(out, labels.moment, load.value);
        }
    }
}

}  // namespace

void write_loading_information(PieceWriters& pieces, const Beam& beam) {
    const LoadLabels& labels = load_labels(beam.units);
    const std::string stars = asterisk_line(kLoadingAsterisks);
    // Every span gets its header, loaded or not; both pieces carry the same lines.
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        for (TextWriter* out : {&pieces.detailed, &pieces.brief}) {
            out->blank_line();
            out->line(stars);
            out->line("    LOADING INFORMATION");
            out->line(stars);
            out->blank_line();
            out->blank_line();
            out->line(PrintLine("    Span").zone_number(static_cast<double>(i + 1)));
            out->empty_line();
            write_span_loads(*out, beam.spans[i], labels);
        }
    }
}

}  // namespace spanlyx
