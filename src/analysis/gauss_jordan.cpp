#include "analysis/gauss_jordan.h"

#include <cmath>

namespace spanlyx {

EliminationOutcome solve_gauss_jordan(LinearSystem& system) {
    const int n = system.n;
    std::vector<double> assembled_diagonal(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        assembled_diagonal[static_cast<std::size_t>(i)] = system.at(i, i);

    for (int i = 0; i < n; ++i) {
        const double pivot = system.at(i, i);
        const double scale = std::abs(assembled_diagonal[static_cast<std::size_t>(i)]);
        if (pivot == 0 || std::abs(pivot) < kSingularPivotRatio * scale) {
            return EliminationOutcome::ZeroPivot;
        }
        for (int j = 0; j < n; ++j)
            system.at(i, j) /= pivot;
        system.rhs(i) /= pivot;

        for (int k = 0; k < n; ++k) {
            if (k == i)
                continue;
            const double f = system.at(k, i);
            if (f == 0)
                continue;
            for (int j = i; j < n; ++j)
                system.at(k, j) -= f * system.at(i, j);
            system.rhs(k) -= f * system.rhs(i);
        }
    }
    return EliminationOutcome::Solved;
}

}  // namespace spanlyx
