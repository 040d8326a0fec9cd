// The analysis session as the window program uses it: Calculate, the sweep, "Results" and Exit
// over a data folder, with the temporary files in a folder private to each session.
//
// Two simply supported 10 ft spans (system E) whose results follow from statics alone:
// - uniform 1000 #/ft: reactions wL/2 = 5000 and 5000; midspan moment wL^2/8 = 12500 ft-#;
// - 3000 # at 2.5 ft: reactions 3000 x 7.5/10 = 2250 and 3000 x 2.5/10 = 750; largest moment
//   2250 x 2.5 = 5625 ft-# under the load; at midspan 750 x 5 = 3750 ft-#.
#include "session/analysis_session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "response/sample_file_reader.h"
#include "storage/scratch_folder.h"

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

Beam simple_span() {
    Beam beam;
    beam.units = UnitSystem::E;
    Span& span = beam.spans.emplace_back();
    span.length = HeldNumber::computed(10);
    span.modulus = HeldNumber::computed(29000000);
    span.inertia = 100;
    beam.joints = {{1, 0}, {1, 0}};
    return beam;
}

Beam uniform_beam() {
    Beam beam = simple_span();
    beam.spans[0].uniforms.push_back({0, 1000, 10, 1000});
    return beam;
}

Beam point_beam() {
    Beam beam = simple_span();
    beam.spans[0].points.push_back({2.5, HeldNumber::computed(3000)});
    return beam;
}

// The numbers after every match of the pattern's one group, in order.
std::vector<double> values(const std::string& text, const std::string& pattern) {
    std::vector<double> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression);
         it != std::sregex_iterator(); ++it) {
        found.push_back(parse_number((*it)[1].str()).value_or(-1e300));
    }
    return found;
}

std::vector<double> shear_reactions(const std::string& results) {
    return values(results, R"(Shear  Reaction \(#\)\s+=\s+(-?[0-9.]+))");
}

std::vector<double> largest_moments(const std::string& results) {
    return values(results, R"(Maximum '\+' Moment\s+\(ft-#\)\s+=\s+(-?[0-9.]+))");
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The moment of the sample at the given distance, read from the session's sample file, as the
// diagrams and the read-out read it.
double sampled_moment(const AnalysisSession& session, long long hundredths) {
    SampleFileReader reader;
    if (auto error = reader.open(session.paths().samples)) {
        ADD_FAILURE() << *error;
        return -1e300;
    }
    const auto number = reader.find_first_at(hundredths);
    const auto point = number ? reader.record(*number) : std::nullopt;
    return point ? point->moment : -1e300;
}

std::vector<fs::path> every_path(const TempFilePaths& p) {
    return {p.detailed, p.brief, p.extremes, p.extra, p.samples, p.results};
}

class AnalysisSessionTest : public ::testing::Test {
  protected:
    DataFolder data_folder() const { return {data_.path(), "user1"}; }

    // Calculate and the sweep, as the results window runs them; the results file joined.
    ResultsFileOutcome run(AnalysisSession& session, const Beam& beam) {
        const CalculateRun calculated = session.calculate(beam, settings_, "beam.cb", when_);
        EXPECT_EQ(calculated.outcome.status, CalculateStatus::Analysed);
        EXPECT_FALSE(calculated.file_error) << *calculated.file_error;
        const ResponseOutcome& response = session.respond(settings_);
        EXPECT_FALSE(response.sample_file_error) << *response.sample_file_error;
        return session.assemble();
    }

    test::ScratchFolder data_;
    Settings settings_;
    std::tm when_{};
};

TEST_F(AnalysisSessionTest, TwoSessionsOverOneDataFolderEachSeeTheirOwnResults) {
    AnalysisSession first(data_folder());
    AnalysisSession second(data_folder());
    const ResultsFileOutcome uniform = run(first, uniform_beam());
    const ResultsFileOutcome point = run(second, point_beam());
    ASSERT_FALSE(uniform.error || point.error);
    EXPECT_EQ(shear_reactions(uniform.text), (std::vector<double>{5000, 5000}));
    EXPECT_EQ(shear_reactions(point.text), (std::vector<double>{2250, 750}));
    EXPECT_EQ(largest_moments(point.text), std::vector<double>{5625});
    for (const fs::path& path : every_path(first.paths()))
        EXPECT_EQ(path.parent_path().parent_path(), data_.path() / "instances") << path;
    EXPECT_NE(first.paths().results.parent_path(), second.paths().results.parent_path());

    // The first session's results, joined again after the second calculated, are its own.
    const ResultsFileOutcome again = first.assemble();
    EXPECT_EQ(shear_reactions(again.text), (std::vector<double>{5000, 5000}));
    EXPECT_EQ(largest_moments(again.text), std::vector<double>{12500});
    EXPECT_NEAR(sampled_moment(first, 500), 12500, 1e-6);
    EXPECT_NEAR(sampled_moment(second, 500), 3750, 1e-6);

    // The first ends: the second keeps its report, results file and diagrams.
    const TempFilePaths gone = first.paths();
    EXPECT_TRUE(first.remove_temporary_files().empty());
    for (const fs::path& path : every_path(gone))
        EXPECT_FALSE(fs::exists(path)) << path;
    EXPECT_FALSE(fs::exists(gone.results.parent_path()));
    const ResultsFileOutcome after = second.assemble();
    ASSERT_FALSE(after.error) << *after.error;
    EXPECT_EQ(after.text, point.text);
    EXPECT_NEAR(sampled_moment(second, 500), 3750, 1e-6);
    std::ifstream results_file(second.paths().results, std::ios::binary);
    const std::string on_disk{std::istreambuf_iterator<char>(results_file), {}};
    EXPECT_EQ(on_disk, point.text);
}

TEST_F(AnalysisSessionTest, ARecalculationAfterAnEditJoinsOnlyTheNewPieces) {
    AnalysisSession session(data_folder());
    session.options().interval_wanted = true;
    session.options().interval_step = 5;
    const ResultsFileOutcome before = run(session, uniform_beam());
    ASSERT_FALSE(before.error) << *before.error;
    EXPECT_TRUE(contains(before.text, "EXTRA DATA REQUESTED BY USER"));
    EXPECT_EQ(largest_moments(before.text), std::vector<double>{12500});

    // The beam is edited and calculated again; until its sweep there are no extremes to join.
    session.options().interval_wanted = false;
    session.options().interval_step = 0;
    const CalculateRun edited = session.calculate(point_beam(), settings_, "beam.cb", when_);
    ASSERT_EQ(edited.outcome.status, CalculateStatus::Analysed);
    const ResultsFileOutcome unswept = session.assemble();
    ASSERT_TRUE(unswept.error);
    EXPECT_TRUE(contains(*unswept.error, session.paths().extremes.string())) << *unswept.error;
    EXPECT_TRUE(unswept.text.empty());

    session.respond(settings_);
    const ResultsFileOutcome after = session.assemble();
    ASSERT_FALSE(after.error) << *after.error;
    EXPECT_EQ(shear_reactions(after.text), (std::vector<double>{2250, 750}));
    EXPECT_EQ(largest_moments(after.text), std::vector<double>{5625});
    EXPECT_FALSE(contains(after.text, "EXTRA DATA REQUESTED BY USER"));

    // Extra output switched on after a sweep without it: the first sweep's piece is not joined.
    session.options().interval_wanted = true;
    const ResultsFileOutcome stale = session.assemble();
    ASSERT_TRUE(stale.error);
    EXPECT_TRUE(contains(*stale.error, session.paths().extra.string())) << *stale.error;
}

TEST_F(AnalysisSessionTest, ExitRemovesEveryTemporaryFileWithExtraOutputOn) {
    const DataFolder folder = data_folder();
    std::ofstream(folder.settings_file()) << "settings";
    std::ofstream(folder.snapshot_file()) << "snapshot";
    AnalysisSession session(folder);
    session.options().interval_wanted = true;
    session.options().interval_step = 2.5;
    session.options().specific_wanted = true;
    session.options().specific_x = 4;
    session.options().detailed_output = true;
    const ResultsFileOutcome joined = run(session, uniform_beam());
    ASSERT_FALSE(joined.error) << *joined.error;

    const TempFilePaths p = session.paths();
    const std::string names[] = {"user1_CONT01.TMP", "user1_CONT02.TMP", "user1_CONT03.TMP",
                                 "user1_CONT08.TMP", "user1_cont10.tmp", "user1_CONTOUT.TMP"};
    const std::vector<fs::path> paths = every_path(p);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(paths[i].filename(), names[i]);
        EXPECT_TRUE(fs::is_regular_file(paths[i])) << paths[i];
    }

    EXPECT_TRUE(session.remove_temporary_files().empty());
    for (const fs::path& path : paths)
        EXPECT_FALSE(fs::exists(path)) << path;
    // Nothing of the session is left but the empty folder that holds the instances.
    EXPECT_TRUE(fs::is_empty(data_.path() / "instances"));
    EXPECT_TRUE(fs::exists(folder.settings_file()));
    EXPECT_TRUE(fs::exists(folder.snapshot_file()));
    EXPECT_FALSE(session.has_analysis());
}

TEST_F(AnalysisSessionTest, AStaleInstanceFolderIsRemovedWhenASessionStartsCalculating) {
    AnalysisSession running(data_folder());
    run(running, point_beam());
    const fs::path stale = data_.path() / "instances" / "999999";
    fs::create_directories(stale);
    std::ofstream(stale / "user1_CONTOUT.TMP") << "results of a program that was killed";
    std::ofstream(data_.path() / "instances" / "999999.lock");

    AnalysisSession starting(data_folder());
    run(starting, uniform_beam());
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(data_.path() / "instances" / "999999.lock"));
    EXPECT_TRUE(fs::exists(running.paths().results));  // a live session's folder stays
}

TEST_F(AnalysisSessionTest, APieceThatCannotBeReadIsReportedWithItsPath) {
    AnalysisSession session(data_folder());
    ASSERT_FALSE(run(session, uniform_beam()).error);
    const TempFilePaths p = session.paths();
    fs::remove(p.results);

    // A folder where the extremes piece should be: it opens but cannot be read.
    fs::remove(p.extremes);
    fs::create_directory(p.extremes);
    const ResultsFileOutcome unreadable = session.assemble();
    ASSERT_TRUE(unreadable.error);
    EXPECT_TRUE(contains(*unreadable.error, p.extremes.string())) << *unreadable.error;
    EXPECT_TRUE(unreadable.text.empty());
    EXPECT_FALSE(fs::exists(p.results));  // no results file joined without it

    fs::remove(p.brief);
    const ResultsFileOutcome missing = session.assemble();
    ASSERT_TRUE(missing.error);
    EXPECT_TRUE(contains(*missing.error, p.brief.string())) << *missing.error;
}

TEST_F(AnalysisSessionTest, ADataFolderThatCannotHoldTheSessionFolderFailsCalculate) {
    const fs::path blocked = data_.path() / "Spanlyx";
    std::ofstream(blocked) << "a file where the data folder should be";
    AnalysisSession session(DataFolder{blocked, "user1"});
    const CalculateRun run = session.calculate(uniform_beam(), settings_, "beam.cb", when_);
    ASSERT_TRUE(run.file_error);
    EXPECT_TRUE(contains(*run.file_error, blocked.string())) << *run.file_error;
    EXPECT_FALSE(session.has_analysis());
    EXPECT_TRUE(session.assemble().error);
}

// Two equal 10 ft spans, uniform 1000 #/ft on each, as dead load or as live load per span.
Beam two_spans(LoadCase load_case) {
    Beam beam = uniform_beam();
    beam.spans.push_back(beam.spans[0]);
    beam.joints.push_back({1, 0});
    for (Span& span : beam.spans)
        span.uniforms[0].load_case = load_case;
    return beam;
}

TEST_F(AnalysisSessionTest, CombinationsAddTheEnvelopeSectionAfterEveryOtherPiece) {
    AnalysisSession session(data_folder());
    const ResultsFileOutcome dead = run(session, two_spans(LoadCase::Dead));
    ASSERT_FALSE(dead.error) << *dead.error;
    EXPECT_TRUE(session.envelopes().empty());
    // Live loads without combinations: the results file of the beam as entered, byte for byte.
    const ResultsFileOutcome live = run(session, two_spans(LoadCase::Live));
    ASSERT_FALSE(live.error) << *live.error;
    EXPECT_EQ(live.text, dead.text);

    Beam combined = two_spans(LoadCase::Live);
    combined.combinations = {{"D + L", 1, 1}};
    const ResultsFileOutcome with = run(session, combined);
    ASSERT_FALSE(with.error) << *with.error;
    ASSERT_EQ(session.envelopes().size(), 1u);
    ASSERT_GT(with.text.size(), dead.text.size());
    EXPECT_EQ(with.text.substr(0, dead.text.size()), dead.text);
    const std::string section = with.text.substr(dead.text.size());
    EXPECT_TRUE(contains(section, "    COMBINATION  D + L\r\n"));
    // Span 1 loaded alone: 49 wL^2 / 512 = 9570.3 ft-#; both loaded: -wL^2/8 over the support.
    EXPECT_EQ(largest_moments(section), (std::vector<double>{9570.3, 9570.3}));
    EXPECT_TRUE(contains(section,
                         "= -12500.0\r\n             @  Location   (ft)    = 10.00\r\n"
                         "    Spans loaded: 1, 2\r\n"));

    // A new Calculate forgets the envelopes of the beam before.
    session.calculate(two_spans(LoadCase::Dead), settings_, "beam.cb", when_);
    EXPECT_TRUE(session.envelopes().empty());
}

}  // namespace
}  // namespace spanlyx
