#pragma once
// "Load Combinations": the beam's combinations as a table of name, dead factor and live factor,
// with rows added and removed, and two buttons that fill in common sets. "OK" reads the table
// and hands the combinations on, or refuses the first bad entry with a message and keeps every
// entry as typed; "Cancel" (or Escape, or the close box) drops the edits. Modal.

#include <QDialog>
#include <functional>
#include <vector>

#include "model/beam.h"
#include "ui/workflow/combination_table.h"

class QTableWidget;

namespace spanlyx {

class Prompter;

class CombinationsDialog final : public QDialog {
    Q_OBJECT
  public:
    // `accepted` receives the combinations read from the table when "OK" takes them.
    CombinationsDialog(const std::vector<Combination>& combinations, Prompter& prompter,
                       std::function<void(std::vector<Combination>)> accepted, QWidget* parent);

    // The table's texts, row by row (edits in progress included).
    std::vector<CombinationRow> rows() const;

  private:
    void show_rows(const std::vector<CombinationRow>& rows);
    void add_row();
    void remove_rows();
    void fill_set(const std::vector<Combination>& set);
    void ok_clicked();
    void commit_edit() const;

    QTableWidget* table_ = nullptr;
    Prompter& prompter_;
    std::function<void(std::vector<Combination>)> accepted_;
};

}  // namespace spanlyx
