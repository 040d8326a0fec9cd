// Vertical displacement and rotation of every joint, in both pieces.

#include <cassert>
#include <numbers>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::size_t kDetailedAsterisks = 28;
constexpr std::size_t kBriefAsterisks = 27;
constexpr std::string_view kDisplacementPattern = "0.0000";
constexpr double kInchesPerFoot = 12.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

struct DisplacementLayout {
    std::string_view displacement_label;
    std::string_view rotation_pattern;  // degrees and radians alike
    double displacement_factor;         // analysis length unit to the shown one
};

DisplacementLayout layout(UnitSystem units, bool detailed) {
    // Metric rotations get one decimal more in the detailed piece than in the brief one.
    const std::string_view metric_rotation = detailed ? "0.0000000" : "0.000000";
    switch (units) {
        case UnitSystem::E:
            return {"    Y Displacement (in)  = ", "0.00000", kInchesPerFoot};
        case UnitSystem::E2:
            return {"    Y Displacement (in)  = ", "0.00000", 1.0};
        case UnitSystem::M:
        case UnitSystem::M2:
        case UnitSystem::M3:
            return {"    Y Displacement (m)  = ", metric_rotation, 1.0};
        case UnitSystem::M4:
            return {"    Y Displacement (mm)  = ", metric_rotation, 1.0};
    }
    assert(false && "unknown unit system");
    return {};
}

void write_piece(TextWriter& out, bool detailed, const StiffnessModel& model,
                 const AnalysisResults& results) {
    const DisplacementLayout shown = layout(model.units, detailed);
    const std::string stars = asterisk_line(detailed ? kDetailedAsterisks : kBriefAsterisks);
    out.blank_line();
    out.blank_line();
    out.line(stars);
    out.line("    JOINT DISPLACEMENTS '");
    out.line(stars);
    for (std::size_t j = 0; j < results.joint_disp_y.size(); ++j) {
        const double radians = results.joint_rotation[j];
        out.blank_line();
        out.blank_line();
        out.line(PrintLine("    Joint #").zone_number(static_cast<double>(j + 1)));
        out.line(PrintLine(shown.displacement_label)
                     .zone(format_pattern(results.joint_disp_y[j] * shown.displacement_factor,
                                          kDisplacementPattern)));
        out.line(PrintLine("    Z Rotation (deg)     = ")
                     .zone(format_pattern(radians * kDegreesPerRadian, shown.rotation_pattern)));
        out.line(PrintLine("    Z Rotation (rad)     = ")
                     .zone(format_pattern(radians, shown.rotation_pattern)));
        out.blank_line();
    }
}

}  // namespace

void write_joint_displacements(PieceWriters& pieces, const StiffnessModel& model,
                               const AnalysisResults& results) {
    assert(results.joint_disp_y.size() == model.joint_coord.size());
    assert(results.joint_rotation.size() == model.joint_coord.size());
    write_piece(pieces.detailed, true, model, results);
    write_piece(pieces.brief, false, model, results);
}

}  // namespace spanlyx
