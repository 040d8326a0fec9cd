#include "storage/sections_file.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "storage/file_io.h"

namespace spanlyx {

SectionsReadResult parse_sections(std::string_view text) {
    SectionsReadResult result;
    const std::vector<std::string_view> lines = split_lines(text);
    if (lines.empty()) {
        result.problem = "The sections file is empty.";
        return result;
    }
    // The count is the number in the first three characters, blanks removed.
    std::string count_text;
    for (char c : lines[0].substr(0, 3)) {
        if (c != ' ')
            count_text.push_back(c);
    }
    const double declared = leading_value(count_text);
    const long long count = declared > 0 ? static_cast<long long>(std::floor(declared)) : 0;
    const long long wanted = std::min<long long>(count, kMaxSections);
    std::size_t line = 1;
    for (long long k = 0; k < wanted; ++k) {
        if (line + 3 > lines.size()) {
            result.problem = "The sections file ends after " +
                             std::to_string(result.sections.size()) + " of its " +
                             std::to_string(count) + " sections.";
            return result;
        }
        Section section;
        section.name = std::string(trim(lines[line]));
        section.modulus = leading_value(trim(lines[line + 1]));
        section.inertia = leading_value(trim(lines[line + 2]));
        result.sections.push_back(std::move(section));
        line += 3;
    }
    if (count > kMaxSections) {
        result.problem = "The sections file lists " + std::to_string(count) +
                         " sections; the first " + std::to_string(kMaxSections) +
                         " are shown and the rest were left out.";
    }
    return result;
}

SectionsReadResult read_sections_file(const std::filesystem::path& path) {
    std::string text;
    if (auto error = read_whole_file(path, text)) {
        SectionsReadResult result;
        result.problem = "No sections to show. " + *error;
        return result;
    }
    return parse_sections(text);
}

}  // namespace spanlyx
