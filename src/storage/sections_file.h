#pragma once
// sections.dat: named beam sections with their modulus E and moment of inertia I, prepared
// outside the program and browsed in the sections window.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace spanlyx {

inline constexpr int kMaxSections = 100;

struct Section {
    std::string name;
    double modulus = 0;  // E as written in the file
    double inertia = 0;  // I as written in the file
};

struct SectionsReadResult {
    std::vector<Section> sections;  // in file order, at most kMaxSections
    // Why nothing or not everything was read, for the window to say; empty when all is well.
    std::string problem;
};

SectionsReadResult parse_sections(std::string_view text);
SectionsReadResult read_sections_file(const std::filesystem::path& path);

}  // namespace spanlyx
