#pragma once
// The results file: the brief or detailed report, the extremes section and the extra output,
// joined into "_CONTOUT.TMP"; and the removal of the temporary report files at exit.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/settings.h"

namespace spanlyx {

// Where the temporary files of the session live (the data folder knows the names).
struct TempFilePaths {
    std::filesystem::path detailed;  // "_CONT01.TMP"
    std::filesystem::path brief;     // "_CONT02.TMP"
    std::filesystem::path extremes;  // "_CONT03.TMP"
    std::filesystem::path extra;     // "_CONT08.TMP"
    std::filesystem::path samples;   // "_cont10.tmp"
    std::filesystem::path results;   // "_CONTOUT.TMP"
};

// Which temporary files the session has opened; only those are removed at exit.
struct TempFileFlags {
    bool detailed = false;
    bool brief = false;
    bool extremes = false;
    bool extra = false;
    bool samples = false;
    bool results = false;
};

// The report chosen by the options, the extremes text and the extra text (empty when it was
// not read), each followed by a CRLF line end.
std::string join_results(const std::string& report, const std::string& extremes,
                         const std::optional<std::string>& extra);

struct ResultsFileOutcome {
    std::string text;                  // what the results file holds
    std::optional<std::string> error;  // the results file could not be written
};

// Reads the pieces (a missing piece reads as empty), writes the results file anew and sets the
// flags of the files read and written. The extra output is read only when interval or
// specific-X output is on.
ResultsFileOutcome assemble_results(const TempFilePaths& paths, const SessionOptions& options,
                                    TempFileFlags& flags);

// Removes every temporary file whose flag is set; a file already gone is not an error.
// Returns one text per file that could not be removed.
std::vector<std::string> remove_temp_files(const TempFilePaths& paths, const TempFileFlags& flags);

}  // namespace spanlyx
