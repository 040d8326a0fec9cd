#include "ui/combinations_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "ui/prompter.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

constexpr int kColumns = 3;

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    return made;
}

QString cell_text(const QTableWidget& table, int row, CombinationColumn column) {
    const QTableWidgetItem* item = table.item(row, static_cast<int>(column));
    return item ? item->text() : QString();
}

}  // namespace

CombinationsDialog::CombinationsDialog(const std::vector<Combination>& combinations,
                                       Prompter& prompter,
                                       std::function<void(std::vector<Combination>)> accepted,
                                       QWidget* parent)
    : QDialog(parent), prompter_(prompter), accepted_(std::move(accepted)) {
    setObjectName(QStringLiteral("LoadCombinations"));
    setWindowTitle(QStringLiteral("Load Combinations"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(
        QStringLiteral("Each combination factors the dead loads and the live loads; the live "
                       "loads of each span are placed or left off wherever that gives the "
                       "largest or smallest value."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName(QStringLiteral("combinationtable"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Dead factor"), QStringLiteral("Live factor")});
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setMinimumWidth(420);
    layout->addWidget(table_);

    auto* rows = new QHBoxLayout;
    QPushButton* add = button("addcombination", QStringLiteral("Add"), this);
    QPushButton* remove = button("removecombination", QStringLiteral("Remove"), this);
    rows->addWidget(add);
    rows->addWidget(remove);
    rows->addStretch();
    layout->addLayout(rows);

    auto* sets = new QHBoxLayout;
    QPushButton* strength = button("strengthset", QStringLiteral("1.2D + 1.6L, 1.4D, D + L"), this);
    QPushButton* eurocode = button("eurocodeset", QStringLiteral("1.35G + 1.5Q, G + Q"), this);
    sets->addWidget(strength);
    sets->addWidget(eurocode);
    sets->addStretch();
    layout->addLayout(sets);

    auto* ends = new QHBoxLayout;
    QPushButton* ok = button("okbutton", QStringLiteral("OK"), this);
    QPushButton* cancel = button("cancelbutton", QStringLiteral("Cancel"), this);
    ends->addStretch();
    ends->addWidget(ok);
    ends->addWidget(cancel);
    layout->addLayout(ends);

    connect(add, &QPushButton::clicked, this, [this] { add_row(); });
    connect(remove, &QPushButton::clicked, this, [this] { remove_rows(); });
    connect(strength, &QPushButton::clicked, this,
            [this] { fill_set(strength_combination_set()); });
    connect(eurocode, &QPushButton::clicked, this,
            [this] { fill_set(eurocode_combination_set()); });
    connect(ok, &QPushButton::clicked, this, [this] { ok_clicked(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    show_rows(combination_rows(combinations));
}

// A cell being typed in holds its text in the editor until the editor closes: moving the
// current cell away commits it.
void CombinationsDialog::commit_edit() const {
    const QModelIndex current = table_->currentIndex();
    table_->setCurrentIndex(QModelIndex());
    table_->setCurrentIndex(current);
}

std::vector<CombinationRow> CombinationsDialog::rows() const {
    commit_edit();
    std::vector<CombinationRow> read;
    for (int r = 0; r < table_->rowCount(); ++r) {
        read.push_back({encode_text(cell_text(*table_, r, CombinationColumn::Name)),
                        encode_text(cell_text(*table_, r, CombinationColumn::Dead)),
                        encode_text(cell_text(*table_, r, CombinationColumn::Live))});
    }
    return read;
}

void CombinationsDialog::show_rows(const std::vector<CombinationRow>& rows) {
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const CombinationRow& row = rows[static_cast<std::size_t>(r)];
        table_->setItem(r, 0, new QTableWidgetItem(decode_text(row.name)));
        table_->setItem(r, 1, new QTableWidgetItem(decode_text(row.dead)));
        table_->setItem(r, 2, new QTableWidgetItem(decode_text(row.live)));
    }
}

// A new row starts as a "D + L" to be renamed: factors 1 and 1, the name to type.
void CombinationsDialog::add_row() {
    if (const std::optional<Message> full =
            table_full(static_cast<std::size_t>(table_->rowCount()), 1)) {
        prompter_.show(*full);
        return;
    }
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem());
    table_->setItem(row, 1, new QTableWidgetItem(QStringLiteral("1")));
    table_->setItem(row, 2, new QTableWidgetItem(QStringLiteral("1")));
    table_->setCurrentCell(row, 0);
    table_->editItem(table_->item(row, 0));
}

// The selected rows, or the row of the current cell when none is selected.
void CombinationsDialog::remove_rows() {
    std::set<int> chosen;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        chosen.insert(index.row());
    if (chosen.empty() && table_->currentRow() >= 0)
        chosen.insert(table_->currentRow());
    commit_edit();
    for (auto row = chosen.rbegin(); row != chosen.rend(); ++row)
        table_->removeRow(*row);
}

void CombinationsDialog::fill_set(const std::vector<Combination>& set) {
    const std::vector<CombinationRow> filled = with_combination_set(rows(), set);
    if (const std::optional<Message> full = table_full(filled.size(), 0)) {
        prompter_.show(*full);
        return;
    }
    show_rows(filled);
}

void CombinationsDialog::ok_clicked() {
    const std::vector<CombinationRow> typed = rows();
    const CombinationTableReading reading = read_combination_table(typed);
    if (reading.refusal) {
        prompter_.show(*reading.refusal);
        // Every entry stays as typed; the cell at fault is the one to change.
        const int row = std::clamp(reading.row, 0, std::max(0, table_->rowCount() - 1));
        table_->setCurrentCell(row, static_cast<int>(reading.column));
        table_->setFocus(Qt::OtherFocusReason);
        return;
    }
    accepted_(reading.combinations);
    accept();
}

}  // namespace spanlyx
