#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "beam_file_test_support.h"
#include "scratch_folder.h"

namespace spanlyx {
namespace {

using test::crlf_lines;
using test::crlf_text;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

const std::string kUnitsHelpStart =
    "=>Units (E,E2,M,M2,M3) E (I=in^4, E=psi) or E2 (units all inches) or M (I=cm^4, E=GN/m^2) "
    "or M2 (I=x10^4 mm^4, E=N/mm^2) or M3 (I=cm^4, E=kg/cm^2)";

Lines default_file_lines() {
    // clang-format off
    return {"Spanlyx ini file", kUnitsHelpStart + " or M4 (mm ,I=mm^4, E=N/mm^2)", "E",
            "=>LetterHead Option (Y or M): Y= (giving top margin = 1.5 in, bot margin = .75 in "
            "& lt & rt margin = 1 in)", "N",
            "=>Speed Up Drawing Process By dropping plotted data points", "N",
            "=>Graph Decimal Output (1 to 5)", "Loads", "2", "Shear", "2", "Moment", "2",
            "Deflection", "4", "=>Graph Results on White Background for ClipBoard", "N",
            "=>Use 1st span E&& I on all spans", "no"};
    // clang-format on
}

SettingsReadOutcome parse_with(int line, std::string text) {
    Lines lines = default_file_lines();
    lines[static_cast<std::size_t>(line - 1)] = std::move(text);
    return parse_settings(crlf_text(lines));
}

TEST(SettingsWriter, DefaultFileAndCurrentSettings) {
    EXPECT_EQ(crlf_lines(default_settings_text()), default_file_lines());

    Settings settings{.units = UnitSystem::E2,
                      .letterhead = 'y',
                      .speed_up = 'n',
                      .load_decimals = 3,
                      .shear_decimals = 1,
                      .moment_decimals = 5,
                      .deflection_decimals = 6,
                      .white_background = "y",
                      .use_first_span_ei = true};
    Lines expected = default_file_lines();
    for (const auto& [index, text] :
         {std::pair{1, kUnitsHelpStart + "  or M4 (mm ,I=mm^4, E=N/mm^2)"},  // two blanks here
          {2, "E2"},
          {4, "Y"},
          {9, "3"},
          {11, "1"},
          {13, "5"},
          {15, "6"},
          {17, "y"},
          {19, "yes"}})
        expected[index] = text;
    EXPECT_EQ(crlf_lines(format_settings(settings)), expected);

    // An emptied decimals box (0) or one left too large would make the file unreadable.
    settings.load_decimals = 0;
    settings.deflection_decimals = 9;
    const Lines clamped = crlf_lines(format_settings(settings));
    EXPECT_EQ(clamped[9], "1");
    EXPECT_EQ(clamped[15], "6");
}

TEST(SettingsReader, ReadsTheDefaultsAndAcceptedVariants) {
    SettingsReadOutcome read = parse_settings(default_settings_text());
    EXPECT_FALSE(read.corruption);
    const Settings& d = read.settings;
    EXPECT_TRUE(d.units == UnitSystem::E && d.letterhead == 'n' && d.speed_up == 'n');
    EXPECT_EQ(d.patterns().load, "0.00");
    EXPECT_EQ(d.patterns().deflection, "0.0000");
    EXPECT_EQ(d.white_background, "N");
    EXPECT_FALSE(d.use_first_span_ei);

    EXPECT_EQ(parse_with(3, " M2 ").settings.units, UnitSystem::M2);
    EXPECT_EQ(parse_with(3, "E2").settings.units, UnitSystem::E2);
    EXPECT_EQ(parse_with(5, "Y").settings.letterhead, 'y');
    EXPECT_EQ(parse_with(7, " Y ").settings.speed_up, 'y');
    read = parse_with(16, "6");
    EXPECT_FALSE(read.corruption);
    EXPECT_EQ(read.settings.patterns().deflection, "0.000000");
    EXPECT_EQ(parse_with(18, " y ").settings.white_background, "y");
    EXPECT_TRUE(parse_with(20, "Yes").settings.use_first_span_ei);
    EXPECT_FALSE(parse_with(20, "No").corruption);

    // Files of 16 lines (written before the last two options) read with their defaults.
    Lines sixteen = default_file_lines();
    sixteen.resize(16);
    read = parse_settings(crlf_text(sixteen, "\n"));
    EXPECT_FALSE(read.corruption);
    EXPECT_EQ(read.settings.white_background, "n");
    EXPECT_FALSE(read.settings.use_first_span_ei);
    EXPECT_EQ(read.settings.deflection_decimals, 4);
}

TEST(SettingsReader, NamesTheCorruptLine) {
    const std::string lead = "The sx.ini File is corrupted , Trying to Read ";
    const std::string units = lead + "3rd line for E, M, M2,M3 or M4";
    const std::string load = lead + "10th line Load Decimals... (Must be 1 to 5)";
    const std::string deflection = lead + "16th line Deflection Decimals... (Must be 1 to 5)";
    // clang-format off
    const struct {
        int line;
        const char* text;
        std::string message;
    } cases[] = {
        {3, "e", units}, {3, "M5", units},
        {5, "X", lead + "5th line Letterhead option"},
        {7, "yes", lead + "7th line Speedup option"},
        {10, "6", load}, {10, "0", load}, {10, "2.5", load}, {10, "2x", load},
        {12, "9", lead + "12th line Shear Decimals... (Must be 1 to 5)"},
        {14, "", lead + "14th line Moment Decimals... (Must be 1 to 5)"},
        {16, "7", deflection},
        {20, "YES", lead + "1st span E&& I on all spans variable"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const SettingsReadOutcome read = parse_with(c.line, c.text);
        ASSERT_TRUE(read.corruption) << c.line << " " << c.text;
        EXPECT_EQ(*read.corruption,
                  (Message{c.message, "Continuous Beam Response", MessageIcon::Information}));
    }
    // A short file names the first value line it cannot read.
    for (const auto& [length, message] : {std::pair{2, units}, {9, load}, {15, deflection}}) {
        Lines cut = default_file_lines();
        cut.resize(length);
        const SettingsReadOutcome read = parse_settings(crlf_text(cut));
        ASSERT_TRUE(read.corruption) << length;
        EXPECT_EQ(read.corruption->text, message);
    }
}

TEST(SettingsFolder, CreatesAMissingFolderAndDefaultFile) {
    test::ScratchFolder scratch;
    const fs::path folder = scratch.path() / "share" / "Spanlyx";
    const std::string path = (folder / "sx.ini").string();
    const SettingsReadOutcome fresh = sxini_read(folder);
    EXPECT_FALSE(fresh.corruption);
    EXPECT_EQ(
        fresh.notices,
        (std::vector<Message>{
            {"Cannot find the sx.ini file in the users local application dir. " + path +
                 " - Checking for Spanlyx dir",
             "Spanlyx", MessageIcon::None},
            {path + "\\Spanlyx directory not found... - Creating", "Spanlyx", MessageIcon::None}}));
    std::ifstream in(folder / "sx.ini", std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(crlf_lines(written), default_file_lines());
    EXPECT_EQ(fresh.settings.load_decimals, 2);

    // Written settings are read back; a present file brings no notices.
    Settings settings = fresh.settings;
    settings.units = UnitSystem::M3;
    settings.use_first_span_ei = true;
    ASSERT_FALSE(sxini_write(settings, folder));
    const SettingsReadOutcome again = sxini_read(folder);
    EXPECT_TRUE(again.notices.empty());
    EXPECT_EQ(again.settings.units, UnitSystem::M3);
    EXPECT_TRUE(again.settings.use_first_span_ei);

    // The folder exists but the file is gone: only the first notice.
    fs::remove(folder / "sx.ini");
    EXPECT_EQ(sxini_read(folder).notices.size(), 1u);
}

TEST(SettingsFolder, ReportsWhatCannotBeCreated) {
    test::ScratchFolder scratch;
    // A directory where the file belongs: the default file cannot be put there.
    const fs::path folder = scratch.path() / "Spanlyx";
    fs::create_directories(folder / "sx.ini");
    const SettingsReadOutcome blocked = sxini_read(folder);
    ASSERT_TRUE(blocked.corruption);
    EXPECT_NE(blocked.corruption->text.find((folder / "sx.ini").string()), std::string::npos);
    EXPECT_EQ(blocked.corruption->title, "Continuous Beam Response");
    EXPECT_TRUE(fs::is_directory(folder / "sx.ini"));

    // A file where the folder belongs.
    const fs::path file_in_the_way = scratch.path() / "plain";
    std::ofstream(file_in_the_way) << "x";
    const SettingsReadOutcome no_folder = sxini_read(file_in_the_way / "Spanlyx");
    ASSERT_TRUE(no_folder.corruption);
    EXPECT_NE(no_folder.corruption->text.find((file_in_the_way / "Spanlyx").string()),
              std::string::npos);
    EXPECT_EQ(no_folder.notices.size(), 2u);
}

}  // namespace
}  // namespace spanlyx
