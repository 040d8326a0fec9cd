// The table of the "Load Combinations" window read into combinations: names trimmed, given and
// distinct; factors numbers of 0 or more in the program's own number form; at most the count a
// beam file holds; and the common sets filled in without losing other rows.

#include "ui/workflow/combination_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace spanlyx {
namespace {

TEST(CombinationTable, RowsReadIntoCombinations) {
    const std::vector<CombinationRow> rows = {
        {" 1.2D + 1.6L ", "1.2", " 1.6"}, {"1.4D", "1.4", "0"}, {"Service", ".5", "1E0"}};
    const CombinationTableReading reading = read_combination_table(rows);
    ASSERT_FALSE(reading.refusal) << reading.refusal->text;
    const std::vector<Combination> expected = {
        {"1.2D + 1.6L", 1.2, 1.6}, {"1.4D", 1.4, 0}, {"Service", 0.5, 1}};
    EXPECT_EQ(reading.combinations, expected);
    EXPECT_TRUE(read_combination_table({}).combinations.empty());
    EXPECT_FALSE(read_combination_table({}).refusal);
}

TEST(CombinationTable, BadEntriesAreRefusedWithTheRowAndColumn) {
    struct Case {
        std::vector<CombinationRow> rows;
        int row;
        CombinationColumn column;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{{"A", "1", "1"}, {"  ", "1", "1"}},
         1,
         CombinationColumn::Name,
         "Combination 2 has no name: give every combination a name"},
        {{{"D + L", "1", "1"}, {"B", "1", "1"}, {"D + L ", "1.2", "1.6"}},
         2,
         CombinationColumn::Name,
         "Combinations 1 and 3 are both named \"D + L\": give each combination a name of its "
         "own"},
        // A decimal comma is no number, whatever the locale.
        {{{"A", "1,2", "1"}},
         0,
         CombinationColumn::Dead,
         "The dead load factor of combination 1 must be a number such as 1.2, found \"1,2\""},
        {{{"A", "1", "1.6x"}},
         0,
         CombinationColumn::Live,
         "The live load factor of combination 1 must be a number such as 1.2, found \"1.6x\""},
        {{{"A", "1", "1"}, {"B", "-0.9", "1"}},
         1,
         CombinationColumn::Dead,
         "The dead load factor of combination 2 cannot be negative, found \"-0.9\""},
        {{{"A", "1", ""}},
         0,
         CombinationColumn::Live,
         "The live load factor of combination 1 is empty: type a number such as 1.2"},
    };
    for (const Case& c : cases) {
        const CombinationTableReading reading = read_combination_table(c.rows);
        ASSERT_TRUE(reading.refusal) << c.message;
        EXPECT_EQ(reading.refusal->text, c.message);
        EXPECT_EQ(reading.refusal->title, "Continuous Beam Response");
        EXPECT_EQ(reading.row, c.row) << c.message;
        EXPECT_EQ(reading.column, c.column) << c.message;
        EXPECT_TRUE(reading.combinations.empty());
    }
}

// A beam file holds at most 90 combinations.
TEST(CombinationTable, NoMoreRowsThanABeamFileHolds) {
    std::vector<CombinationRow> rows;
    for (int k = 1; k <= 90; ++k)
        rows.push_back({"C" + std::to_string(k), "1", "1"});
    EXPECT_FALSE(read_combination_table(rows).refusal);
    EXPECT_FALSE(table_full(90, 0));
    ASSERT_TRUE(table_full(90, 1));
    EXPECT_EQ(table_full(90, 1)->text, "A beam holds at most 90 combinations");
    rows.push_back({"C91", "1", "1"});
    const CombinationTableReading reading = read_combination_table(rows);
    ASSERT_TRUE(reading.refusal);
    EXPECT_EQ(reading.refusal->text, "A beam holds at most 90 combinations");
}

TEST(CombinationTable, CommonSetsFillTheirFactors) {
    const std::vector<Combination> strength = {
        {"1.2D + 1.6L", 1.2, 1.6}, {"1.4D", 1.4, 0}, {"D + L", 1, 1}};
    EXPECT_EQ(strength_combination_set(), strength);
    const std::vector<Combination> eurocode = {{"1.35G + 1.5Q", 1.35, 1.5}, {"G + Q", 1, 1}};
    EXPECT_EQ(eurocode_combination_set(), eurocode);

    // Into a table with rows of its own: a row of a set's name takes the set's factors, other
    // rows stay, the rest of the set follows.
    const std::vector<CombinationRow> rows = {{"Mine", "0.9", "0"}, {"D + L", "2", "2"}};
    const std::vector<CombinationRow> filled =
        with_combination_set(rows, strength_combination_set());
    const std::vector<CombinationRow> expected = {{"Mine", "0.9", "0"},
                                                  {"D + L", "1", "1"},
                                                  {"1.2D + 1.6L", "1.2", "1.6"},
                                                  {"1.4D", "1.4", "0"}};
    EXPECT_EQ(filled, expected);
    // Filled twice, nothing doubles.
    EXPECT_EQ(with_combination_set(filled, strength_combination_set()), filled);
}

}  // namespace
}  // namespace spanlyx
