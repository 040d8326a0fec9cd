#pragma once
// The section writers that make up the two report pieces, in the order Calculate writes them.
// Each piece is a TextWriter; a section that goes to both pieces takes the pair.

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "model/beam.h"
#include "model/print_line.h"
#include "model/settings.h"
#include "report/report_pieces.h"

namespace spanlyx {

struct PieceWriters {
    TextWriter detailed;  // "_CONT01.TMP"
    TextWriter brief;     // "_CONT02.TMP"
};

// "    ****..." with the given number of asterisks after four blanks.
std::string asterisk_line(std::size_t asterisks);

// A beam file path (UTF-8, as the system gives it) as the reports write it: absolute, without
// "." or ".." components (resolved lexically, links are not followed), in Windows-1252 with
// "?" for a character it cannot hold.
std::string report_path_text(std::string_view path);

// The file name as the title block shows it: the whole report path while it is shorter than
// 71 characters, otherwise only the part after its last "/".
std::string report_file_name(std::string_view path);

// Title block of both pieces: banner, version, piece title, file name, date and comments.
void write_header(PieceWriters& pieces, const Beam& beam, const ReportContext& context);

// Fixed-end actions of every member with both ends fixed (detailed piece only).
void write_fem_section(TextWriter& detailed, const StiffnessModel& model);

// write_input: structural parameters, span information and releases, supports, joint
// coordinates.
void write_input(PieceWriters& pieces, const Beam& beam, const StiffnessModel& model);

// The springs and imposed movements of the joints that have any, in both pieces: stiffnesses in
// the shear and moment decimals, settlements in the deflection decimals. Nothing when no joint
// has a spring or a movement.
void write_springs_echo(PieceWriters& pieces, const Beam& beam, const NumberPatterns& patterns);

// The loads of every span, the same lines in both pieces.
void write_loading_information(PieceWriters& pieces, const Beam& beam);

// Local end forces of every member (detailed piece only).
void write_member_end_forces(TextWriter& detailed, const StiffnessModel& model,
                             const AnalysisResults& results, const NumberPatterns& patterns);

// Vertical displacement and rotation of every joint (both pieces).
void write_joint_displacements(PieceWriters& pieces, const StiffnessModel& model,
                               const AnalysisResults& results);

// The reaction labels by unit system: " Shear  Reaction (#)    = " and its moment line.
struct ReactionLabels {
    std::string_view shear;
    std::string_view moment;
};
ReactionLabels reaction_labels(UnitSystem units);

// Shear and moment reaction of every support record (both pieces).
void write_support_reactions(PieceWriters& pieces, const StiffnessModel& model,
                             const AnalysisResults& results, const NumberPatterns& patterns);

}  // namespace spanlyx
