#pragma once
// The results file's text: the brief or detailed report, the extremes section and the extra
// output, joined as "Results" joins them into "_CONTOUT.TMP". Reading and writing the pieces is
// the session's work (session/analysis_session.h).

#include <optional>
#include <string>

namespace spanlyx {

// The report chosen by the options, the extremes text and the extra text (empty when it was
// not read), each followed by a CRLF line end; then the envelope section as it is (empty for a
// beam without combinations).
std::string join_results(const std::string& report, const std::string& extremes,
                         const std::optional<std::string>& extra,
                         const std::string& envelopes = {});

}  // namespace spanlyx
