// Title block of the detailed and the brief report piece.

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "model/message.h"
#include "model/windows_1252.h"
#include "report/report_sections.h"

namespace spanlyx {
namespace {

// Paths from this length on are cut to their last component so the title line stays readable.
constexpr std::size_t kLongestWholePath = 70;
constexpr std::size_t kBannerAsterisks = 62;

}  // namespace

std::string report_path_text(std::string_view path) {
    if (path.empty())
        return {};
    std::error_code ec;
    std::filesystem::path whole = std::filesystem::absolute(std::filesystem::path(path), ec);
    if (ec)
        whole = std::filesystem::path(path);
    return utf8_to_windows_1252(whole.lexically_normal().native());
}

std::string report_file_name(std::string_view path) {
    // In Windows-1252 every character is one byte, so the length is the character count.
    const std::string shown = report_path_text(path);
    if (shown.size() <= kLongestWholePath)
        return shown;
    const auto slash = shown.rfind('/');
    if (slash == std::string::npos)
        return shown;
    return shown.substr(slash + 1);
}

void write_header(PieceWriters& pieces, const Beam& beam, const ReportContext& context) {
    const std::string banner = asterisk_line(kBannerAsterisks);
    const std::string version =
        std::string("                Version  ") + std::string(kProgramVersion);
    const std::string program = std::string(kProgramTitle);
    const std::string file_name = report_file_name(context.input_file_path);
    const std::string date = report_date_text(context.when);
    const std::string time = report_time_text(context.when);
    const bool no_comments = std::all_of(beam.comments.begin(), beam.comments.end(),
                                         [](const std::string& line) { return line.empty(); });

    // The two pieces differ only in the program line, the piece title and the date label.
    auto write_one = [&](TextWriter& out, std::string_view program_line,
                         std::string_view piece_title, std::string_view date_label) {
        out.line(banner);
        out.line(banner);
        out.line(program_line);
        out.blank_line();
        out.line(version);
        out.line(banner);
        out.line(banner);
        out.blank_line();
        out.blank_line();
        out.line("    " + std::string(piece_title) + " MATRIX OUTPUT FOR " + program);
        out.blank_line();
        out.blank_line();
        out.line(PrintLine("    INPUT FILE NAME  ====> ").zone(file_name));
        out.blank_line();
        out.line(PrintLine(date_label).zone(date).zone(time));
        out.blank_line();
        out.line("    Comments:");
        out.empty_line();
        if (no_comments) {
            out.line("    None");
            out.blank_line();
            return;
        }
        // An empty comment line leaves its zone unfilled: the line is the three blanks alone.
        for (const std::string& comment : beam.comments) {
            out.line(comment.empty() ? PrintLine("   ") : PrintLine("   ").zone(comment));
        }
    };
    write_one(pieces.detailed, "                BEAM ANALYSIS PROGRAM ", "DETAILED",
              "    DATE/TIME        ====> ");
    write_one(pieces.brief, "                BEAM ANALYSIS PROGRAM", "BRIEF",
              "    DATE/TIME        ====>");
}

}  // namespace spanlyx
