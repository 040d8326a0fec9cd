#include "ui/workflow/combination_table.h"

#include <cstddef>

#include "model/number_text.h"
#include "storage/beam_file_labels.h"

namespace spanlyx {
namespace {

Message refusal_message(std::string text) {
    return {std::move(text), std::string(kResponseTitle), MessageIcon::Information};
}

std::string combination_number(std::size_t row) {
    return "combination " + std::to_string(row + 1);
}

// A factor of a row, or the message that refuses it.
std::optional<double> read_factor(const std::string& typed, const std::string& what,
                                  std::optional<Message>& refusal) {
    if (trim(typed).empty()) {
        refusal = refusal_message("The " + what + " is empty: type a number such as 1.2");
        return std::nullopt;
    }
    const std::optional<double> value = parse_number(typed);
    if (!value) {
        refusal = refusal_message("The " + what + " must be a number such as 1.2, found \"" +
                                  typed + "\"");
        return std::nullopt;
    }
    if (*value < 0) {
        refusal = refusal_message("The " + what + " cannot be negative, found \"" + typed + "\"");
        return std::nullopt;
    }
    // -0 reads as 0, so that the file never holds "-0".
    return *value == 0 ? 0.0 : *value;
}

}  // namespace

std::optional<Message> table_full(std::size_t rows, std::size_t adding) {
    const auto limit = static_cast<std::size_t>(beam_file::kMaxCombinations);
    if (rows + adding <= limit)
        return std::nullopt;
    return refusal_message("A beam holds at most " + std::to_string(limit) + " combinations");
}

CombinationTableReading read_combination_table(std::span<const CombinationRow> rows) {
    CombinationTableReading reading;
    const auto refuse = [&](std::size_t row, CombinationColumn column) {
        reading.combinations.clear();
        reading.row = static_cast<int>(row);
        reading.column = column;
        return reading;
    };
    if ((reading.refusal = table_full(rows.size(), 0)))
        return refuse(rows.size() - 1, CombinationColumn::Name);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string name(trim(rows[r].name));
        if (name.empty()) {
            reading.refusal = refusal_message("Combination " + std::to_string(r + 1) +
                                              " has no name: give every combination a name");
            return refuse(r, CombinationColumn::Name);
        }
        for (std::size_t earlier = 0; earlier < r; ++earlier) {
            if (reading.combinations[earlier].name == name) {
                reading.refusal =
                    refusal_message("Combinations " + std::to_string(earlier + 1) + " and " +
                                    std::to_string(r + 1) + " are both named \"" + name +
                                    "\": give each combination a name of its own");
                return refuse(r, CombinationColumn::Name);
            }
        }
        const std::optional<double> dead = read_factor(
            rows[r].dead, "dead load factor of " + combination_number(r), reading.refusal);
        if (!dead)
            return refuse(r, CombinationColumn::Dead);
        const std::optional<double> live = read_factor(
            rows[r].live, "live load factor of " + combination_number(r), reading.refusal);
        if (!live)
            return refuse(r, CombinationColumn::Live);
        reading.combinations.push_back({name, *dead, *live});
    }
    return reading;
}

std::vector<CombinationRow> combination_rows(std::span<const Combination> combinations) {
    std::vector<CombinationRow> rows;
    rows.reserve(combinations.size());
    for (const Combination& c : combinations)
        rows.push_back({c.name, general_number(c.dead), general_number(c.live)});
    return rows;
}

std::vector<CombinationRow> with_combination_set(std::vector<CombinationRow> rows,
                                                 std::span<const Combination> set) {
    for (const CombinationRow& filled : combination_rows(set)) {
        bool replaced = false;
        for (CombinationRow& row : rows) {
            if (trim(row.name) == filled.name) {
                row = filled;
                replaced = true;
            }
        }
        if (!replaced)
            rows.push_back(filled);
    }
    return rows;
}

std::vector<Combination> strength_combination_set() {
    return {{"1.2D + 1.6L", 1.2, 1.6}, {"1.4D", 1.4, 0}, {"D + L", 1, 1}};
}

std::vector<Combination> eurocode_combination_set() {
    return {{"1.35G + 1.5Q", 1.35, 1.5}, {"G + Q", 1, 1}};
}

}  // namespace spanlyx
