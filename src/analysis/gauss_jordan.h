#pragma once
// The structure equations S d = P, held in full, solved by Gauss-Jordan elimination without
// pivoting or row exchange.

#include <cassert>
#include <vector>

namespace spanlyx {

// A pivot is taken as zero when it is exactly 0 or when elimination has reduced it below this
// fraction of the same diagonal entry as assembled: rounding leaves tiny non-zero pivots on
// mechanisms (a free end rotating about a pin, a span hinged onto a free joint).
inline constexpr double kSingularPivotRatio = 1e-10;

struct LinearSystem {
    int n = 0;
    std::vector<double> s;  // n x n, row by row
    std::vector<double> p;  // n; the solution after a successful elimination

    explicit LinearSystem(int size)
        : n(size),
          s(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0.0),
          p(static_cast<std::size_t>(size), 0.0) {}

    double& at(int row, int col) {
        assert(row >= 0 && row < n && col >= 0 && col < n);
        return s[static_cast<std::size_t>(row) * static_cast<std::size_t>(n) +
                 static_cast<std::size_t>(col)];
    }
    double& rhs(int row) {
        assert(row >= 0 && row < n);
        return p[static_cast<std::size_t>(row)];
    }
};

enum class EliminationOutcome { Solved, ZeroPivot };

// Reduces S to the identity and P to d. Stops at the first zero pivot (see kSingularPivotRatio);
// S and P are then left part-reduced. An empty system is solved.
EliminationOutcome solve_gauss_jordan(LinearSystem& system);

}  // namespace spanlyx
