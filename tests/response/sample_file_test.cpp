// The sample file: its 80-byte records, and reading them back by number, in order and by beam
// position.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
#include <iterator>
#include <string>

#include "response/sample_file_reader.h"
#include "response/sample_file_writer.h"
#include "response_test_support.h"

namespace spanlyx::test {
namespace {

class SampleFileTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(dir_); }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() /
        ("spanlyx_samples_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// The little-endian double at byte `at` of the file.
double le_double(const std::string& bytes, std::size_t at) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return std::bit_cast<double>(bits);
}

TEST_F(SampleFileTest, RecordsAreWrittenAndReadBackExactly) {
    Beam beam = make_beam({5, 5}, {kPinned, kPinned, kPinned});
    add_uniform(beam, 1, 10000);
    add_uniform(beam, 2, 10000);
    const Swept in_memory = sweep(beam);
    const auto path = dir_ / "user_cont10.tmp";
    const ResponseOutcome out =
        compute_response(beam, *in_memory.calc.model, *in_memory.calc.results, {}, {}, path);
    EXPECT_FALSE(out.sample_file_error.has_value());
    ASSERT_EQ(out.sample_count, 1001);
    ASSERT_EQ(std::filesystem::file_size(path), 1001u * 80u);

    // Record 502, the first of span 2: beam_x 5.01, span 2, span_x 0.01, zeros after byte 42.
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::size_t at = 501 * 80;
    EXPECT_EQ(le_double(bytes, at), 5.01);
    EXPECT_EQ(bytes[at + 32], 2);
    EXPECT_EQ(bytes[at + 33], 0);
    EXPECT_EQ(le_double(bytes, at + 34), 0.01);
    EXPECT_EQ(bytes.substr(at + 42, 38), std::string(38, '\0'));

    SampleFileReader reader;
    ASSERT_FALSE(reader.open(path).has_value());
    EXPECT_EQ(reader.count(), 1001);
    bool same = reader.scan(1, reader.count(), [&](std::int64_t n, const SamplePoint& p) {
        EXPECT_EQ(p, in_memory.points[static_cast<std::size_t>(n - 1)]) << n;
        return true;
    });
    EXPECT_TRUE(same);
    EXPECT_EQ(reader.record(502), in_memory.points[501]);
    EXPECT_FALSE(reader.record(0).has_value());
    EXPECT_FALSE(reader.record(1002).has_value());
    int visited = 0;
    reader.scan(10, 20, [&](std::int64_t, const SamplePoint&) { return ++visited < 3; });
    EXPECT_EQ(visited, 3);

    // By position: the joint at 5.00 is recorded once, at the end of span 1.
    EXPECT_EQ(reader.find_first_at(0), 1);
    EXPECT_EQ(reader.find_first_at(257), 258);
    EXPECT_EQ(reader.find_first_at(500), 501);
    EXPECT_EQ(reader.find_first_at(501), 502);
    EXPECT_EQ(reader.find_first_at(1000), 1001);
    EXPECT_FALSE(reader.find_first_at(1001).has_value());
    EXPECT_FALSE(reader.find_first_at(-1).has_value());
}

TEST_F(SampleFileTest, FirstOfEqualPositionsAndFailures) {
    const auto path = dir_ / "repeat.tmp";
    {
        SampleFileWriter writer;
        ASSERT_FALSE(writer.open(path).has_value());
        for (const double x : {0.0, 0.01, 0.01, 0.01, 0.02, 0.04}) {
            writer.write({x, x, 0, 0, 1, x});
        }
        EXPECT_FALSE(writer.close().has_value());
    }
    SampleFileReader reader;
    ASSERT_FALSE(reader.open(path).has_value());
    EXPECT_EQ(reader.find_first_at(1), 2);
    EXPECT_EQ(reader.find_first_at(2), 5);
    EXPECT_FALSE(reader.find_first_at(3).has_value());

    EXPECT_TRUE(reader.open(dir_ / "missing.tmp").has_value());
    EXPECT_EQ(reader.count(), 0);

    // A sample file that cannot be created is reported; the extremes are still computed.
    Beam beam = make_beam({5}, {kPinned, kPinned});
    add_uniform(beam, 1, 10000);
    const Swept s = sweep(beam);
    const ResponseOutcome out = compute_response(beam, *s.calc.model, *s.calc.results, {}, {},
                                                 dir_ / "no_such_folder" / "x.tmp");
    ASSERT_TRUE(out.sample_file_error.has_value());
    EXPECT_NE(out.sample_file_error->find("no_such_folder"), std::string::npos);
    EXPECT_EQ(out.extremes_text, s.response.extremes_text);

    // Progress on a long span: rising shares of the beam, ending at 100.
    Beam long_span = make_beam({400}, {kPinned, kPinned});
    add_uniform(long_span, 1, 10);
    const Swept l = sweep(long_span);
    std::vector<int> shares;
    static_cast<void>(compute_response(long_span, *l.calc.model, *l.calc.results, {}, {},
                                       dir_ / "long.tmp",
                                       [&](int percent) { shares.push_back(percent); }));
    ASSERT_GE(shares.size(), 2u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_GT(shares.front(), 0);
    EXPECT_EQ(shares.back(), 100);
}

}  // namespace
}  // namespace spanlyx::test
