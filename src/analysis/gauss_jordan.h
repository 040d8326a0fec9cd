#pragma once
// The structure equations S d = P, held in full in extended precision and solved by
// elimination in coordinate order without pivoting or row exchange, then refined iteratively.

#include <cassert>
#include <functional>
#include <vector>

namespace spanlyx {

// The precision of assembly and solution: the 64-bit significand of x87 extended precision
// where the compiler offers it. A short stiff span between long ones makes S ill-conditioned
// (its condition number grows with the cube of the span ratio), and the extra bits keep the
// first solution close enough for refinement to reach full double accuracy.
using Extended = long double;

struct LinearSystem {
    int n = 0;
    std::vector<Extended> s;  // n x n, row by row; its LU factors after elimination
    std::vector<Extended> p;  // n; the solution d after a successful solve

    explicit LinearSystem(int size)
        : n(size),
          s(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0.0L),
          p(static_cast<std::size_t>(size), 0.0L) {}

    Extended& at(int row, int col) {
        assert(row >= 0 && row < n && col >= 0 && col < n);
        return s[static_cast<std::size_t>(row) * static_cast<std::size_t>(n) +
                 static_cast<std::size_t>(col)];
    }
    Extended at(int row, int col) const {
        assert(row >= 0 && row < n && col >= 0 && col < n);
        return s[static_cast<std::size_t>(row) * static_cast<std::size_t>(n) +
                 static_cast<std::size_t>(col)];
    }
    Extended& rhs(int row) {
        assert(row >= 0 && row < n);
        return p[static_cast<std::size_t>(row)];
    }
};

// Breakdown: a pivot was exactly zero or not finite, the solution is not finite, or
// refinement did not converge. Whether a beam can move is decided before elimination from its
// supports and hinges, so on a model that passed that test a breakdown means the numbers
// themselves are out of range.
enum class EliminationOutcome { Solved, Breakdown };

// Eliminates S in place, pivot by pivot in coordinate order without row exchange, keeping
// the multipliers below the diagonal (S = LU, L with a unit diagonal). The pivots are those
// of Gauss-Jordan elimination, and the factors serve every further right-hand side. Rows
// are only touched where the column holds a non-zero, so the band of a beam's matrix keeps
// the work to a few operations per coordinate. On a breakdown S is left part-reduced. An
// empty system is solved.
EliminationOutcome eliminate(LinearSystem& system);

// b := S^-1 b from the factors left by eliminate().
void substitute(const LinearSystem& factored, std::vector<Extended>& b);

// residual(d, r) sets r = P - S d, computed by the caller as accurately as it can (from the
// member equations rather than from the rounded S).
using ResidualFunction =
    std::function<void(const std::vector<Extended>& d, std::vector<Extended>& r)>;

// Solves S d = P: d = S^-1 P, then d += S^-1 r while the correction keeps shrinking, up to ten
// times; the solution is accepted when the last correction is below 1e-10 of it. On success
// P holds d and S its factors.
EliminationOutcome solve_refined(LinearSystem& system, const ResidualFunction& residual);

}  // namespace spanlyx
