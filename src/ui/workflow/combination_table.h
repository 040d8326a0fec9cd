#pragma once
// The load combinations as the "Load Combinations" window edits them: a row of texts per
// combination (name, dead factor, live factor), read into the beam's combinations or refused
// with a message naming the row at fault, and the common sets that its buttons fill in.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/beam.h"
#include "model/message.h"

namespace spanlyx {

// Texts as typed, in Windows-1252 like every text of the beam.
struct CombinationRow {
    std::string name;
    std::string dead;
    std::string live;
    friend bool operator==(const CombinationRow&, const CombinationRow&) = default;
};

enum class CombinationColumn { Name = 0, Dead = 1, Live = 2 };

struct CombinationTableReading {
    std::vector<Combination> combinations;  // every row, when none is refused
    std::optional<Message> refusal;         // the first fault found, row by row
    int row = -1;                           // its row, from 0
    CombinationColumn column = CombinationColumn::Name;
};

// Names are taken without the blanks around them, and must be given and distinct; factors are
// numbers of 0 or more in the program's number form (a point for decimals, in every locale). At
// most the combinations a beam file holds.
CombinationTableReading read_combination_table(std::span<const CombinationRow> rows);

// The rows that show the combinations, factors in the general number form of files.
std::vector<CombinationRow> combination_rows(std::span<const Combination> combinations);

// The rows with a common set filled in: a row of the same name as a combination of the set takes
// its factors, the set's other combinations follow the rows. Nothing of the other rows is lost.
std::vector<CombinationRow> with_combination_set(std::vector<CombinationRow> rows,
                                                 std::span<const Combination> set);

// The message for a table that may take no more rows; none while it has room for `adding`.
std::optional<Message> table_full(std::size_t rows, std::size_t adding);

// Strength and service combinations of US practice (ASCE 7, ACI 318): 1.2D + 1.6L, 1.4D, D + L.
std::vector<Combination> strength_combination_set();
// Eurocode persistent and characteristic combinations: 1.35G + 1.5Q, G + Q.
std::vector<Combination> eurocode_combination_set();

}  // namespace spanlyx
