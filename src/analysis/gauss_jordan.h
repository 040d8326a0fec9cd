#pragma once
// The structure equations S d = P, held in full in extended precision and solved by
// Gauss-Jordan elimination without pivoting or row exchange, then refined iteratively.

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
    std::vector<Extended> s;  // n x n, row by row; S^-1 after a successful elimination
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
    Extended& rhs(int row) {
        assert(row >= 0 && row < n);
        return p[static_cast<std::size_t>(row)];
    }
};

// Breakdown: a pivot was exactly zero or not finite, or the solution is not finite. Whether a
// beam can move is decided before elimination from its supports and hinges, so on a model
// that passed that test a breakdown means the numbers themselves are out of range.
enum class EliminationOutcome { Solved, Breakdown };

// Reduces S in place to S^-1 by Gauss-Jordan elimination, pivots taken in coordinate order.
// On a breakdown S is left part-reduced. An empty system is solved.
EliminationOutcome invert_gauss_jordan(LinearSystem& system);

// residual(d, r) sets r = P - S d, computed by the caller as accurately as it can (from the
// member equations rather than from the rounded S).
using ResidualFunction =
    std::function<void(const std::vector<Extended>& d, std::vector<Extended>& r)>;

// Solves S d = P: d = S^-1 P, then d += S^-1 r while the correction keeps shrinking. On
// success P holds d and S holds S^-1.
EliminationOutcome solve_refined(LinearSystem& system, const ResidualFunction& residual);

}  // namespace spanlyx
