#pragma once
// Hand-built beams, stiffness models and results for the report tests, and helpers that read a
// piece back line by line.

#include <string>
#include <string_view>
#include <vector>

#include "report/report_pieces.h"

namespace spanlyx::test {

// Splits CRLF lines; a bare LF or a missing final CRLF fails the calling test.
std::vector<std::string> crlf_lines(const std::string& text);

// Index of the first line at or after `from` that starts with `prefix`; -1 when none.
int find_line(const std::vector<std::string>& lines, std::string_view prefix, int from = 0);

inline bool contains(const std::string& text, std::string_view item) {
    return text.find(item) != std::string::npos;
}

struct HandCase {
    Beam beam;
    StiffnessModel model;
    AnalysisResults results;
    ReportContext context;
};

// Spans of the given lengths, every joint held vertically (X always restrained), I = 0.096
// ft^4-equivalent, E = 30000000 psi as typed; results all zero and stable.
HandCase hand_case(UnitSystem units, const std::vector<double>& lengths);

// A 10 ft cantilever fixed at joint 1 under w = 1.2 #/ft with EI = 20000 lb-ft^2:
// tip deflection wL^4/8EI = 0.075 ft, tip rotation wL^3/6EI = 0.01 rad (clockwise),
// reactions wL = 12 # and wL^2/2 = 60 ft-#, fixed-end actions wL/2 = 6, wL^2/12 = 10.
HandCase cantilever(UnitSystem units);

}  // namespace spanlyx::test
