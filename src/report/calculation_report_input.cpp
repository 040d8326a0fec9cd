// The input part of the calculation report: the title block, the unit system, the spans, the
// supports, the springs and imposed movements, and every load.

#include <algorithm>
#include <string>

#include "model/number_text.h"
#include "report/calculation_report.h"
#include "report/report_units.h"

namespace spanlyx {
namespace {

std::string menu_caption(UnitSystem units) {
    // The menu doubles an ampersand to show one.
    std::string caption(unit_menu_item(units).caption);
    for (std::size_t at = caption.find("&&"); at != std::string::npos; at = caption.find("&&", at))
        caption.erase(at++, 1);
    return caption;
}

std::string length_text(double value, UnitSystem units) {
    return format_fixed(value, allowed_decimals(units));
}

void add_title_block(CalculationReport& report, const Beam& beam) {
    add_heading(report, std::string(kReportTitle));
    bool any = false;
    for (const std::string& line : beam.comments) {
        if (line.empty())
            continue;
        add_paragraph(report, line);
        any = true;
    }
    if (!any)
        add_paragraph(report, "Comments: None");
    const ReportUnitWords words = report_unit_words(beam.units);
    add_paragraph(report, "Unit system: " + std::string(unit_tag(beam.units)) + ", " +
                              menu_caption(beam.units) + ". Lengths in " + words.length +
                              ", forces in " + words.force + ", moments in " + words.moment +
                              ", deflections in " + words.deflection + ".");
}

void add_spans(CalculationReport& report, const Beam& beam) {
    const EntryCaptions& captions = entry_captions(beam.units);
    ReportTable table;
    table.columns = {"Span", std::string(captions.label10), std::string(captions.label19),
                     std::string(captions.label23), "Release"};
    table.numeric = {true, true, true, true, false};
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        const Span& span = beam.spans[i];
        table.rows.push_back({std::to_string(i + 1), length_text(span.length.value, beam.units),
                              general_number(inertia_to_entry(beam.units, span.inertia)),
                              general_number(modulus_to_entry(beam.units, span.modulus.value)),
                              std::string(release_text(span.release))});
    }
    add_heading(report, "Spans");
    add_table(report, std::move(table));
}

std::string restraint_text(int fixed, bool spring) {
    if (fixed == 1)
        return "Fixed";
    return spring ? "Spring" : "Free";
}

void add_supports(CalculationReport& report, const Beam& beam) {
    const ReportUnitWords words = report_unit_words(beam.units);
    ReportTable table;
    table.columns = {"Joint", with_unit("X", words.length), "Translation Y", "Rotation Z"};
    table.numeric = {true, true, false, false};
    double x = 0;
    for (std::size_t j = 0; j < beam.joints.size(); ++j) {
        const Joint& joint = beam.joints[j];
        table.rows.push_back({std::to_string(j + 1), length_text(x, beam.units),
                              restraint_text(joint.restraint_y, joint.spring_y),
                              restraint_text(joint.restraint_z, joint.spring_z)});
        if (j < beam.spans.size())
            x += beam.spans[j].length.value;
    }
    add_heading(report, "Supports");
    add_table(report, std::move(table));
}

// The values as the model holds them (the input of the engineer); "-" where a joint has none.
void add_springs_and_movements(CalculationReport& report, const Beam& beam) {
    if (!beam.has_springs_or_movements())
        return;
    const ReportUnitWords words = report_unit_words(beam.units);
    ReportTable table;
    table.columns = {"Joint", with_unit("ky", words.force + "/" + words.displacement),
                     with_unit("kz", words.moment + "/rad"),
                     with_unit("Settlement (down)", words.displacement),
                     with_unit("Imposed rotation (ccw)", "rad")};
    table.numeric = {true, true, true, true, true};
    for (std::size_t j = 0; j < beam.joints.size(); ++j) {
        const Joint& joint = beam.joints[j];
        if (!joint.is_elastic_or_moved())
            continue;
        auto value_if = [](bool present, double value) {
            return present ? general_number(value) : std::string("-");
        };
        table.rows.push_back({std::to_string(j + 1), value_if(joint.spring_y, joint.ky),
                              value_if(joint.spring_z, joint.kz),
                              value_if(joint.settlement != 0, joint.settlement),
                              value_if(joint.imposed_rotation != 0, joint.imposed_rotation)});
    }
    add_heading(report, "Springs and imposed movements");
    add_table(report, std::move(table));
}

void add_loads(CalculationReport& report, const Beam& beam, const NumberPatterns& patterns) {
    const ReportUnitWords words = report_unit_words(beam.units);
    ReportTable table;
    table.columns = {"Span",
                     "Load",
                     "Case",
                     with_unit("X1 or X", words.length),
                     with_unit("X2", words.length),
                     "W1, P or M",
                     "W2",
                     "Unit"};
    table.numeric = {true, false, false, true, true, true, true, false};
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        const Span& span = beam.spans[i];
        const std::string number = std::to_string(i + 1);
        for (const UniformLoad& w : span.uniforms) {
            table.rows.push_back({number, w.w1 == w.w2 ? "Uniform" : "Trapezoidal",
                                  std::string(load_case_text(w.load_case)),
                                  length_text(w.x1, beam.units), length_text(w.x2, beam.units),
                                  format_pattern(w.w1, patterns.load),
                                  format_pattern(w.w2, patterns.load), words.distributed});
        }
        for (const PointLoad& p : span.points) {
            table.rows.push_back({number, "Point", std::string(load_case_text(p.load_case)),
                                  length_text(p.x, beam.units), "",
                                  format_pattern(p.load.value, patterns.load), "", words.force});
        }
        for (const MomentLoad& m : span.moments) {
            table.rows.push_back({number, "Moment", std::string(load_case_text(m.load_case)),
                                  length_text(m.x, beam.units), "",
                                  format_pattern(m.value, patterns.load), "", words.moment});
        }
    }
    add_heading(report, "Loads");
    add_paragraph(report,
                  "Positions from the left end of the span. Loads W1, W2 and P positive downward; "
                  "applied moments M positive counterclockwise.");
    add_table(report, std::move(table));
}

}  // namespace

void add_input_sections(CalculationReport& report, const ReportSource& source) {
    add_title_block(report, source.beam);
    add_spans(report, source.beam);
    add_supports(report, source.beam);
    add_springs_and_movements(report, source.beam);
    add_loads(report, source.beam, source.settings.patterns());
}

}  // namespace spanlyx
