#include "graphics/page_header.h"

#include <cstddef>

#include "model/message.h"
#include "model/print_line.h"
#include "report/report_pieces.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

constexpr std::string_view kProgramLabel = "Spanlyx -  version";
constexpr std::string_view kFileLabel = "INPUT FILE NAME  ====> ";
constexpr std::string_view kDateLabel = "DATE                      ====> ";
constexpr std::string_view kLetterheadDateLabel = "DATE                       ====> ";
constexpr std::string_view kCommentsLabel = "COMMENTS           ====> ";
constexpr std::string_view kMoreCommentsLabel = "                               ====> ";
constexpr std::string_view kLetterheadMoreCommentsLabel = "                                ====> ";
// Pre-printed paper leaves room for three comment lines only.
constexpr std::size_t kLetterheadComments = 3;

}  // namespace

std::vector<std::string> page_header_lines(std::string_view input_file_path, const std::tm& when,
                                           const std::array<std::string, 4>& comments,
                                           bool letterhead) {
    std::vector<std::string> lines;
    lines.push_back(PrintLine(kProgramLabel).zone(kProgramVersion).text());
    lines.push_back(PrintLine(kFileLabel).zone(report_file_name(input_file_path)).text());
    lines.push_back(PrintLine(letterhead ? kLetterheadDateLabel : kDateLabel)
                        .zone(report_date_text(when))
                        .zone(report_time_text(when))
                        .text());
    lines.push_back(PrintLine(kCommentsLabel).zone(comments[0]).text());
    const std::size_t count = letterhead ? kLetterheadComments : comments.size();
    const std::string_view more = letterhead ? kLetterheadMoreCommentsLabel : kMoreCommentsLabel;
    for (std::size_t i = 1; i < count; ++i)
        lines.push_back(PrintLine(more).zone(comments[i]).text());
    return lines;
}

}  // namespace spanlyx
