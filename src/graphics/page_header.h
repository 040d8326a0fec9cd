#pragma once
// The header block of the printed page: the program and version, the input file, the date and
// time and the comments, each label followed by its value at the next print zone.

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace spanlyx {

// The lines of the block, first to last. With letterhead the date label and the comment
// continuation label are one blank longer and only three comment lines are printed.
std::vector<std::string> page_header_lines(std::string_view input_file_path, const std::tm& when,
                                           const std::array<std::string, 4>& comments,
                                           bool letterhead);

}  // namespace spanlyx
