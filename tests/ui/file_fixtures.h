#pragma once
// Beam files and folders for the file-command and option-window tests: a one-span beam written
// line by line as the file format lays it out, and whole-file reads and writes.

#include <QString>
#include <string>
#include <vector>

namespace spanlyx::testing {

// One span of length 10 under a uniform load of 1000 from 0 to 10, I 12.5 and E 200 in the
// entry units of `tag`, clamped at joint 1 (Y and Z fixed) and on a roller at joint 2.
std::string one_span_file(const std::string& tag);

// Writes the bytes exactly; the folder must exist.
void write_file(const QString& path, const std::string& bytes);
std::string read_file(const QString& path);
// The file's lines without their CRLF ends.
std::vector<std::string> file_lines(const QString& path);

}  // namespace spanlyx::testing
