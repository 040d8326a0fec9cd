#include "report/results_file.h"

#include <string_view>

namespace spanlyx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string join_results(const std::string& report, const std::string& extremes,
                         const std::optional<std::string>& extra, const std::string& envelopes) {
    std::string text;
    text.reserve(report.size() + extremes.size() + (extra ? extra->size() : 0) + envelopes.size() +
                 6);
    text.append(report).append(kLineEnd);
    text.append(extremes).append(kLineEnd);
    if (extra)
        text.append(*extra);
    text.append(kLineEnd);
    text.append(envelopes);
    return text;
}

}  // namespace spanlyx
