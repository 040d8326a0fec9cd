#include "analysis/gauss_jordan.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spanlyx {
namespace {

// Corrections are computed until they stop shrinking; a handful of steps is the most that
// a system solvable in extended precision ever needs.
constexpr int kMaxRefinementSteps = 10;
// The solution is accepted when the last correction is below this fraction of it.
constexpr Extended kLargestTrustedCorrection = 1e-10L;

Extended largest_magnitude(const std::vector<Extended>& v) {
    Extended largest = 0;
    for (Extended x : v)
        largest = std::max(largest, std::abs(x));
    return largest;
}

bool all_finite(const std::vector<Extended>& v) {
    for (Extended x : v) {
        if (!std::isfinite(x))
            return false;
    }
    return true;
}

}  // namespace

EliminationOutcome eliminate(LinearSystem& system) {
    const int n = system.n;
    for (int k = 0; k < n; ++k) {
        const Extended pivot = system.at(k, k);
        if (pivot == 0 || !std::isfinite(pivot))
            return EliminationOutcome::Breakdown;
        for (int i = k + 1; i < n; ++i) {
            if (system.at(i, k) == 0)
                continue;
            const Extended f = system.at(i, k) / pivot;
            system.at(i, k) = f;
            for (int j = k + 1; j < n; ++j)
                system.at(i, j) -= f * system.at(k, j);
        }
    }
    return EliminationOutcome::Solved;
}

void substitute(const LinearSystem& factored, std::vector<Extended>& b) {
    const int n = factored.n;
    for (int i = 0; i < n; ++i) {  // L y = b
        Extended sum = b[static_cast<std::size_t>(i)];
        for (int j = 0; j < i; ++j)
            sum -= factored.at(i, j) * b[static_cast<std::size_t>(j)];
        b[static_cast<std::size_t>(i)] = sum;
    }
    for (int i = n - 1; i >= 0; --i) {  // U x = y
        Extended sum = b[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < n; ++j)
            sum -= factored.at(i, j) * b[static_cast<std::size_t>(j)];
        b[static_cast<std::size_t>(i)] = sum / factored.at(i, i);
    }
}

EliminationOutcome solve_refined(LinearSystem& system, const ResidualFunction& residual) {
    if (eliminate(system) == EliminationOutcome::Breakdown)
        return EliminationOutcome::Breakdown;
    std::vector<Extended> d = system.p;
    substitute(system, d);
    if (!all_finite(d))
        return EliminationOutcome::Breakdown;

    std::vector<Extended> correction(d.size());
    Extended previous = std::numeric_limits<Extended>::infinity();
    Extended last = previous;  // size of the last correction computed
    for (int step = 0; step < kMaxRefinementSteps; ++step) {
        residual(d, correction);
        substitute(system, correction);
        last = largest_magnitude(correction);
        // A correction no smaller than the one before is rounding noise, not progress.
        if (!(last < previous))
            break;
        for (std::size_t i = 0; i < d.size(); ++i)
            d[i] += correction[i];
        if (last <= std::numeric_limits<Extended>::epsilon() * largest_magnitude(d))
            break;
        previous = last;
    }
    // Refinement converges while the factors are close enough to S. Stiffness ratios far
    // beyond those of real beams (a span 1e-4 of its neighbours and 1e4 times as stiff) leave
    // corrections that do not die out: such a solution is refused rather than reported.
    if (!all_finite(d) || !(last <= kLargestTrustedCorrection * largest_magnitude(d)))
        return EliminationOutcome::Breakdown;
    system.p = std::move(d);
    return EliminationOutcome::Solved;
}

}  // namespace spanlyx
