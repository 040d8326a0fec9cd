// Under a comma-decimal locale (de_DE.UTF-8: "1,5", the C library's own printf and strtod follow
// it) the program writes and reads exactly the bytes it does under "C": number texts, beam files,
// the whole results file with its extra output, and the batch tool's JSON.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "comma_locale.h"
#include "model/beam.h"
#include "model/number_text.h"
#include "session/analysis_session.h"
#include "storage/beam_file.h"
#include "storage/beam_json.h"

#ifdef SPANLYX_REPORT_BINARY
#include "batch/batch_json.h"
#endif

namespace spanlyx::test {
namespace {

namespace fs = std::filesystem;

#define SKIP_UNLESS_ACTIVE(locale) \
    if (!(locale).active())        \
    GTEST_SKIP() << (locale).reason()

// Values that reach every branch of the number forms: zero, fractions below 1, rounding ties,
// large integers, both exponent ranges, the ends of the double range.
// 1000, 40 and 19.75 are a diagram label, a total length and a padded value line that once
// came out with a comma.
constexpr std::array<double, 17> kValues = {0,          0.5,     -0.5,   1000,    40,    2.675,
                                            12345678.9, 0.00001, 1.5e20, -2.5e-7, 0.125, 29000000.,
                                            0.0001,     1e300,   5e-324, -1000.8, 19.75};

std::string number_forms(double v) {
    return format_fixed(v, 0) + "|" + format_fixed(v, 2) + "|" + format_fixed(v, 4) + "|" +
           format_pattern(v, "0.000") + "|" + general_number(v) + "|" + padded_number(v) + "|" +
           std::to_string(hundredths(v)) + "|" + general_number(round_to_decimals(v, 3));
}

// Texts that files and fields hold, as parse_number and leading_value read them.
constexpr std::array<const char*, 11> kTexts = {" 12.5 ",  ".5",        "-3",    " 1E-05 ",
                                                "1.5E+20", "6.6666667", "40.00", "1000.8 lb",
                                                "12,5",    "4,",        "1E-400"};

std::string read_forms(const char* text) {
    const std::optional<double> parsed = parse_number(text);
    return (parsed ? general_number(*parsed) : std::string("none")) + "|" +
           general_number(leading_value(text));
}

TEST(CommaLocale, NumberTextsAreTheSameAsInTheCLocale) {
    std::vector<std::string> in_c;
    for (double v : kValues)
        in_c.push_back(number_forms(v));
    for (const char* text : kTexts)
        in_c.push_back(read_forms(text));

    CommaLocale german;
    SKIP_UNLESS_ACTIVE(german);
    std::size_t i = 0;
    for (double v : kValues)
        EXPECT_EQ(number_forms(v), in_c[i++]) << general_number(v);
    for (const char* text : kTexts)
        EXPECT_EQ(read_forms(text), in_c[i++]) << text;

    // A comma is never a decimal point, in either locale.
    EXPECT_EQ(leading_value("12,5"), 12.0);
    EXPECT_FALSE(parse_number("4,"));
}

TEST(CommaLocale, RandomValuesFormatAndReadBackAsInTheCLocale) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 22);
    std::vector<double> values;
    std::vector<std::string> in_c;
    for (int k = 0; k < 2000; ++k) {
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
        in_c.push_back(number_forms(values.back()));
    }
    CommaLocale german;
    SKIP_UNLESS_ACTIVE(german);
    for (std::size_t k = 0; k < values.size(); ++k) {
        ASSERT_EQ(number_forms(values[k]), in_c[k]) << k;
        // The general form keeps 15 significant digits and reads back within them.
        const std::optional<double> back = parse_number(general_number(values[k]));
        ASSERT_TRUE(back);
        ASSERT_NEAR(*back, values[k], std::fabs(values[k]) * 1e-14);
    }
}

Span span_of(double length, double inertia, double modulus) {
    Span span;
    span.length = HeldNumber::computed(length);
    span.inertia = inertia;
    span.modulus = HeldNumber::computed(modulus);
    return span;
}

// Two spans in metres with fractional lengths, loads and positions of every kind, so that every
// number line of the file and of the report has a decimal point to get wrong.
Beam fractional_beam() {
    Beam beam;
    beam.units = UnitSystem::M;
    beam.spans = {span_of(12.5, 0.000125, 200e9), span_of(7.25, 0.0000875, 200e9)};
    beam.spans[0].uniforms = {{0, 1.5, 12.5, 2.25}};
    beam.spans[0].points = {{3.6, HeldNumber::computed(10.8)}};
    beam.spans[1].moments = {{2.2, -4.5}};
    beam.spans[1].release = Release::Right;
    beam.joints = {{1, 0}, {1, 0}, {1, 1}};
    beam.comments = {"Locale check", "", "", ""};
    return beam;
}

// Everything one analysis writes: the results file with the detailed pieces, the extremes and
// the interval and specific-X output.
std::string results_text(const Beam& beam, const fs::path& folder) {
    fs::create_directories(folder);
    AnalysisSession session(DataFolder{folder, "user1"});
    session.options().detailed_output = true;
    session.options().interval_wanted = true;
    session.options().interval_step = 1.25;
    session.options().specific_wanted = true;
    session.options().specific_x = 3.6;
    std::tm when{};
    when.tm_year = 126;
    when.tm_mon = 11;
    when.tm_mday = 6;
    when.tm_hour = 14;
    const Settings settings;
    const CalculateRun run = session.calculate(beam, settings, "/beams/locale.cb", when);
    if (run.outcome.status != CalculateStatus::Analysed || run.file_error)
        return "not analysed";
    if (session.respond(settings).sample_file_error)
        return "no samples";
    const ResultsFileOutcome results = session.assemble();
    return results.error ? *results.error : results.text;
}

class CommaLocaleFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() /
               ("spanlyx-locale-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(CommaLocaleFiles, BeamFilesWriteAndReadTheSameBytes) {
    const Beam beam = fractional_beam();
    const std::string in_c = format_beam_file(beam);
    // Hand-checked lines of the C form: the total 12.5 + 7.25, a length, a load position.
    EXPECT_NE(in_c.find("total length \r\n 19.75 \r\n"), std::string::npos);
    EXPECT_NE(in_c.find("member length \r\n 7.25 \r\n"), std::string::npos);
    EXPECT_NE(in_c.find("\r\n 3.6 \r\n"), std::string::npos);
    // Written to disk and opened again (the reader keeps the texts it read, trimmed).
    const auto reopened_text = [&beam](const fs::path& file) -> std::string {
        if (write_beam_file(beam, file))
            return "not written";
        const BeamReadResult read = read_beam_file(file);
        return read.beam ? format_beam_file(*read.beam) : read.message;
    };
    const std::string reopened_in_c = reopened_text(dir_ / "c.cb");
    std::vector<std::string> examples_in_c;
    std::vector<fs::path> examples;
    for (const auto& entry : fs::directory_iterator(SPANLYX_SOURCE_DIR "/examples")) {
        if (entry.path().extension() != ".cb")
            continue;
        examples.push_back(entry.path());
        const BeamReadResult read = read_beam_file(entry.path());
        ASSERT_TRUE(read.beam) << read.message;
        examples_in_c.push_back(format_beam_file(*read.beam));
    }
    ASSERT_FALSE(examples.empty());

    CommaLocale german;
    SKIP_UNLESS_ACTIVE(german);
    EXPECT_EQ(format_beam_file(beam), in_c);
    const fs::path file = dir_ / "de.cb";
    // The file read back is written again: a value misread in this locale changes its line.
    EXPECT_EQ(reopened_text(file), reopened_in_c);
    for (std::size_t k = 0; k < examples.size(); ++k) {
        const BeamReadResult read = read_beam_file(examples[k]);
        ASSERT_TRUE(read.beam) << examples[k] << ": " << read.message;
        EXPECT_EQ(format_beam_file(*read.beam), examples_in_c[k]) << examples[k];
    }
}

TEST_F(CommaLocaleFiles, JsonBeamsWriteAndReadTheSameAsInTheCLocale) {
    Beam beam = fractional_beam();
    beam.spans[1].moments[0].load_case = LoadCase::Live;
    beam.combinations = {{"1.35G + 1.5Q", 1.35, 1.5}};
    const std::string in_c = format_beam_json(beam);
    // Hand-checked values of the C form: decimal points, never commas.
    EXPECT_NE(in_c.find("\"length\": 7.25"), std::string::npos) << in_c;
    EXPECT_NE(in_c.find("\"dead\": 1.35"), std::string::npos) << in_c;

    CommaLocale german;
    SKIP_UNLESS_ACTIVE(german);
    EXPECT_EQ(format_beam_json(beam), in_c);
    // Read in this locale and written again: any value misread changes the JSON.
    const BeamReadResult read = parse_beam_json(in_c);
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_EQ(format_beam_json(*read.beam), in_c);
}

TEST_F(CommaLocaleFiles, TheResultsFileIsTheSameAsInTheCLocale) {
    const Beam beam = fractional_beam();
    const std::string in_c = results_text(beam, dir_ / "c");
    ASSERT_GT(in_c.size(), 1000u) << in_c;

    CommaLocale german;
    SKIP_UNLESS_ACTIVE(german);
    EXPECT_EQ(results_text(beam, dir_ / "de"), in_c);
}

#ifdef SPANLYX_REPORT_BINARY
TEST_F(CommaLocaleFiles, TheBatchJsonIsTheSameAsInTheCLocale) {
    const Beam beam = fractional_beam();
    const auto json_of = [&beam] {
        const CalculateOutcome outcome = calculate(beam);
        return analysis_json(beam, outcome).dump(2);
    };
    const std::string in_c = json_of();
    CommaLocale german;
    SKIP_UNLESS_ACTIVE(german);
    EXPECT_EQ(json_of(), in_c);
    // JSON read back in this locale keeps its decimal points.
    EXPECT_EQ(nlohmann::json::parse("[12.5]")[0].get<double>(), 12.5);
}
#endif

}  // namespace
}  // namespace spanlyx::test
