#include "report/results_file.h"

#include <cstdio>
#include <system_error>
#include <utility>

namespace spanlyx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The whole file as bytes; a file that does not exist or cannot be read gives the empty text,
// as an empty piece does.
std::string read_piece(const std::filesystem::path& path) {
    std::string text;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (file == nullptr)
        return text;
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, got);
    }
    std::fclose(file);
    return text;
}

std::optional<std::string> write_text(const std::filesystem::path& path, const std::string& text) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file != nullptr)
        written = std::fclose(file) == 0 && written;
    if (!written)
        return "The results file " + path.string() + " could not be written";
    return std::nullopt;
}

}  // namespace

std::string join_results(const std::string& report, const std::string& extremes,
                         const std::optional<std::string>& extra) {
    std::string text;
    text.reserve(report.size() + extremes.size() + (extra ? extra->size() : 0) + 6);
    text.append(report).append(kLineEnd);
    text.append(extremes).append(kLineEnd);
    if (extra)
        text.append(*extra);
    text.append(kLineEnd);
    return text;
}

ResultsFileOutcome assemble_results(const TempFilePaths& paths, const SessionOptions& options,
                                    TempFileFlags& flags) {
    const std::string brief = read_piece(paths.brief);
    flags.brief = true;
    const std::string detailed = read_piece(paths.detailed);
    flags.detailed = true;
    const std::string extremes = read_piece(paths.extremes);
    flags.extremes = true;
    std::optional<std::string> extra;
    if (options.interval_wanted || options.specific_wanted) {
        extra = read_piece(paths.extra);
        flags.extra = true;
    }

    ResultsFileOutcome outcome;
    outcome.text = join_results(options.detailed_output ? detailed : brief, extremes, extra);
    flags.results = true;
    outcome.error = write_text(paths.results, outcome.text);
    return outcome;
}

std::vector<std::string> remove_temp_files(const TempFilePaths& paths, const TempFileFlags& flags) {
    const std::pair<bool, const std::filesystem::path*> files[] = {
        {flags.detailed, &paths.detailed}, {flags.brief, &paths.brief},
        {flags.extremes, &paths.extremes}, {flags.results, &paths.results},
        {flags.extra, &paths.extra},       {flags.samples, &paths.samples},
    };
    std::vector<std::string> errors;
    for (const auto& [flag, path] : files) {
        if (!flag)
            continue;
        std::error_code ec;
        std::filesystem::remove(*path, ec);
        if (ec)
            errors.push_back("Could not remove " + path->string() + ": " + ec.message());
    }
    return errors;
}

}  // namespace spanlyx
