// Local end forces of every member, Q = BK * U + QF, written after the second member loop.
// Detailed piece only.

#include <cassert>
#include <string>

#include "model/number_text.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::size_t kOpeningAsterisks = 28;
constexpr std::size_t kTitleAsterisks = 38;

// One line per member end: member, joint, axial, shear and moment in zones 2 to 6.
void write_end(TextWriter& out, int member, int joint, const std::array<double, 6>& q,
               std::size_t first, const NumberPatterns& patterns) {
    out.line(PrintLine()
                 .zone_number(member)
                 .zone_number(joint)
                 .zone(format_pattern(q[first], patterns.axial))
                 .zone(format_pattern(q[first + 1], patterns.shear))
                 .zone(format_pattern(q[first + 2], patterns.moment)));
}

}  // namespace

void write_member_end_forces(TextWriter& detailed, const StiffnessModel& model,
                             const AnalysisResults& results, const NumberPatterns& patterns) {
    assert(results.member_force_local.size() == model.members.size());
    for (std::size_t m = 0; m < model.members.size(); ++m) {
        if (m == 0) {
            const std::string title_stars = asterisk_line(kTitleAsterisks);
            detailed.line(asterisk_line(kOpeningAsterisks));
            detailed.blank_line();
            detailed.blank_line();
            detailed.line(title_stars);
            detailed.line("    Member End Forces in Local Coordinates");
            detailed.line(title_stars);
            detailed.blank_line();
            detailed.empty_line();
            detailed.empty_line();
            detailed.line(PrintLine().zone("Member").zone("Joint").zone("Axial").zone("Shear").zone(
                "Moment"));
        } else {
            detailed.empty_line();
        }
        const MemberRecord& member = model.members[m];
        const auto& q = results.member_force_local[m];
        const int number = static_cast<int>(m + 1);
        write_end(detailed, number, member.start_joint, q, 0, patterns);
        write_end(detailed, number, member.end_joint, q, 3, patterns);
    }
}

}  // namespace spanlyx
