// The two report pieces of one Calculate, their sections in the order they are written.

#include "report/report_pieces.h"

#include "report/report_sections.h"

namespace spanlyx {

std::string asterisk_line(std::size_t asterisks) {
    return "    " + std::string(asterisks, '*');
}

ReportPieces write_report_pieces(const Beam& beam, const StiffnessModel& model,
                                 const AnalysisResults& results, const ReportContext& context) {
    PieceWriters pieces;
    // Structure generation: title block and fixed-end actions.
    write_header(pieces, beam, context);
    write_fem_section(pieces.detailed, model);
    // The input echo.
    write_input(pieces, beam, model);
    write_springs_echo(pieces, beam, context.patterns);
    write_loading_information(pieces, beam);
    // A zero pivot stops the analysis before any of its report sections.
    if (results.stable) {
        write_member_end_forces(pieces.detailed, model, results, context.patterns);
        write_joint_displacements(pieces, model, results);
        write_support_reactions(pieces, model, results, context.patterns);
    }
    return {pieces.detailed.take(), pieces.brief.take()};
}

}  // namespace spanlyx
