#include "analysis/gauss_jordan.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spanlyx {
namespace {

// Corrections are computed until they stop shrinking; a handful of steps is the most that
// a system solvable in extended precision ever needs.
constexpr int kMaxRefinementSteps = 10;

std::vector<Extended> multiply(LinearSystem& system, const std::vector<Extended>& v) {
    std::vector<Extended> out(static_cast<std::size_t>(system.n), 0.0L);
    for (int i = 0; i < system.n; ++i) {
        Extended sum = 0;
        for (int j = 0; j < system.n; ++j)
            sum += system.at(i, j) * v[static_cast<std::size_t>(j)];
        out[static_cast<std::size_t>(i)] = sum;
    }
    return out;
}

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

EliminationOutcome invert_gauss_jordan(LinearSystem& system) {
    const int n = system.n;
    for (int k = 0; k < n; ++k) {
        const Extended pivot = system.at(k, k);
        if (pivot == 0 || !std::isfinite(pivot))
            return EliminationOutcome::Breakdown;
        system.at(k, k) = 1;
        for (int j = 0; j < n; ++j)
            system.at(k, j) /= pivot;
        for (int i = 0; i < n; ++i) {
            const Extended f = system.at(i, k);
            if (i == k || f == 0)
                continue;
            system.at(i, k) = 0;
            for (int j = 0; j < n; ++j)
                system.at(i, j) -= f * system.at(k, j);
        }
    }
    return EliminationOutcome::Solved;
}

EliminationOutcome solve_refined(LinearSystem& system, const ResidualFunction& residual) {
    if (invert_gauss_jordan(system) == EliminationOutcome::Breakdown)
        return EliminationOutcome::Breakdown;
    std::vector<Extended> d = multiply(system, system.p);
    if (!all_finite(d))
        return EliminationOutcome::Breakdown;

    std::vector<Extended> r(d.size());
    Extended previous = std::numeric_limits<Extended>::infinity();
    for (int step = 0; step < kMaxRefinementSteps; ++step) {
        residual(d, r);
        const std::vector<Extended> correction = multiply(system, r);
        const Extended size = largest_magnitude(correction);
        // A correction no smaller than the last one is rounding noise, not progress.
        if (!(size < previous))
            break;
        for (std::size_t i = 0; i < d.size(); ++i)
            d[i] += correction[i];
        if (size <= std::numeric_limits<Extended>::epsilon() * largest_magnitude(d))
            break;
        previous = size;
    }
    if (!all_finite(d))
        return EliminationOutcome::Breakdown;
    system.p = std::move(d);
    return EliminationOutcome::Solved;
}

}  // namespace spanlyx
