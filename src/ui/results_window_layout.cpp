// The widgets of the results window: the four drawing areas stacked in one column, the letters
// and units on their left, the largest and smallest values on their right, the read-out, the
// buttons and the Copy menu.

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "graphics/readout.h"
#include "ui/app_services.h"
#include "ui/diagram_area.h"
#include "ui/readout_panel.h"
#include "ui/results_window.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

struct AreaDesign {
    const char* name;
    const char* letter;
    const char* letter_name;
    const char* unit_name;
    const char* max_caption;
    const char* max_name;
    const char* min_caption;
    const char* min_name;
};

constexpr AreaDesign kResponseDesigns[] = {
    {"vmd_vmd", "V", "Label1", "Label11", "Max V (+)", "labelshearmax", "Max V (-)",
     "Labelshearmin"},
    {"vmd_vmd_m", "M", "Label2", "Label10", "Max M (+)", "Labelmomentmax", "Max M (-)",
     "Labelmomentmin"},
    {"vmd_vmd_d", "D", "Label8", "Label9", "Max D (+)", "Labeldeflectionmax", "Max D (-)",
     "Labeldeflectionmin"},
};

struct CopyItem {
    const char* name;
    const char* caption;
    DiagramId area;
};

constexpr CopyItem kCopyItems[] = {
    {"clmnu", "Copy Loading Diagram to Clipboard", DiagramId::Loading},
    {"cvmnu", "Copy Shear Diagram to Clipboard", DiagramId::Shear},
    {"cmmnu", "Copy Moment Diagram to Clipboard", DiagramId::Moment},
    {"cdmnu", "Copy Deflection Diagram to Clipboard", DiagramId::Deflection},
};

QLabel* label(const QString& text, const char* name, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    if (name != nullptr)
        shown->setObjectName(QString::fromLatin1(name));
    return shown;
}

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* pressed = new QPushButton(QString::fromLatin1(caption), parent);
    pressed->setObjectName(QString::fromLatin1(name));
    pressed->setAutoDefault(false);
    return pressed;
}

}  // namespace

void ResultsWindow::build() {
    auto* menus = new QMenuBar(this);
    QMenu* copy_menu = menus->addMenu(QStringLiteral("Copy"));
    copy_menu->setObjectName(QStringLiteral("mnucopy"));
    for (const CopyItem& item : kCopyItems) {
        QAction* action = copy_menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        const DiagramId id = item.area;
        connect(action, &QAction::triggered, this, [this, id] { copy(id); });
    }

    // Letters left, the areas in one column, the values right; no gaps between the areas, so
    // that they read as one picture of the beam.
    auto* diagrams = new QGridLayout;
    diagrams->setHorizontalSpacing(0);
    diagrams->setVerticalSpacing(0);
    for (DiagramId id : kDiagramIds) {
        const auto row = static_cast<int>(id);
        static constexpr const char* kNames[] = {"loading", "vmd_vmd", "vmd_vmd_m", "vmd_vmd_d"};
        auto* area = new DiagramArea(QString::fromLatin1(kNames[row]), design_size(id), this);
        areas_[static_cast<std::size_t>(id)] = area;
        connect(area, &DiagramArea::pressed, this, &ResultsWindow::pick);
        connect(area, &DiagramArea::resized, redraw_timer_, qOverload<>(&QTimer::start));
        diagrams->addWidget(area, row, 1);
        diagrams->setRowStretch(row, design_size(id).height());
        diagrams->addWidget(build_side_labels(id), row, 2);
        // The letters stand on the areas' background, as part of the picture.
        auto* letters = new QWidget(this);
        letters->setObjectName(QStringLiteral("letters_") + QString::fromLatin1(kNames[row]));
        letters->setAutoFillBackground(true);
        // Wide enough for every unit ("N-mm", "kg-m"), so no unit waits for a relayout.
        letters->setMinimumWidth(letters->fontMetrics().horizontalAdvance(QStringLiteral("N-mm")) +
                                 20);
        letter_panels_[static_cast<std::size_t>(row)] = letters;
        diagrams->addWidget(letters, row, 0);
        if (id == DiagramId::Loading)
            continue;
        const AreaDesign& design = kResponseDesigns[row - 1];
        auto* letter = label(QString::fromLatin1(design.letter), design.letter_name, letters);
        QFont big = letter->font();
        big.setPointSizeF(big.pointSizeF() * 1.6);
        big.setBold(true);
        letter->setFont(big);
        unit_labels_[static_cast<std::size_t>(row - 1)] = label({}, design.unit_name, letters);
        auto* stack = new QVBoxLayout(letters);
        stack->setContentsMargins(8, 0, 8, 0);
        stack->addStretch();
        stack->addWidget(letter, 0, Qt::AlignHCenter);
        stack->addWidget(unit_labels_[static_cast<std::size_t>(row - 1)], 0, Qt::AlignHCenter);
        stack->addStretch();
    }
    diagrams->setColumnStretch(1, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    readout_ = new ReadoutPanel(
        services_.prompter,
        [this](int span, long long x) {
            if (shown_combination_) {
                const EnvelopeChoice choice{beam_, options_, *shown_combination_};
                return look_up_envelope_typed(choice, span, x, settings_.patterns(), beam_.units);
            }
            return look_up_typed(samples_, response_, span, x, settings_.patterns(), beam_.units);
        },
        this);
    connect(readout_->plot_button(), &QPushButton::clicked, this, &ResultsWindow::plot_x);
    connect(readout_->clear_button(), &QPushButton::clicked, this, &ResultsWindow::clear_x);
    connect(readout_->help_button(), &QPushButton::clicked, this, &ResultsWindow::show_help);

    results_button_ = button("Results", "Command3", this);
    report_ = button("Report", "Command9", this);
    print_ = button("Print", "Command8", this);
    print_safe_ = button("Print(safe)", "Command4", this);
    draw_ = button(" Draw ", "Command2", this);
    return_ = button("Return", "Command1", this);
    connect(results_button_, &QPushButton::clicked, this, &ResultsWindow::show_results);
    connect(report_, &QPushButton::clicked, this, &ResultsWindow::export_report);
    connect(print_, &QPushButton::clicked, this, &ResultsWindow::print);
    connect(print_safe_, &QPushButton::clicked, this, &ResultsWindow::print_safe);
    connect(draw_, &QPushButton::clicked, this, &ResultsWindow::draw);
    connect(return_, &QPushButton::clicked, this, &ResultsWindow::close);
    // What is shown: the beam as entered or a combination's envelope. A beam without
    // combinations has nothing to choose, and the row stays as it always was.
    show_caption_ = new QLabel(QStringLiteral("Show:"), this);
    show_case_ = new QComboBox(this);
    show_case_->setObjectName(QStringLiteral("showcase"));
    show_case_->addItem(QStringLiteral("As entered"));
    for (const Combination& combination : beam_.combinations)
        show_case_->addItem(decode_text(combination.name));
    show_caption_->setBuddy(show_case_);
    const bool choosable = !beam_.combinations.empty();
    show_caption_->setVisible(choosable);
    show_case_->setVisible(choosable);
    if (choosable)
        readout_->reserve_envelope_room();
    connect(show_case_, &QComboBox::currentIndexChanged, this, [this](int index) {
        show_combination(index > 0 ? std::optional<std::size_t>(static_cast<std::size_t>(index - 1))
                                   : std::nullopt);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show_caption_);
    buttons->addWidget(show_case_);
    for (QPushButton* each : {results_button_, report_, print_, print_safe_, draw_})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(return_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->setContentsMargins(10, 6, 10, 10);
    layout->addLayout(diagrams, 1);
    layout->addSpacing(4);
    layout->addWidget(line);
    layout->addWidget(readout_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

// Beside the loading diagram the I and E of a one-span beam; beside the others their largest
// and smallest values.
QWidget* ResultsWindow::build_side_labels(DiagramId id) {
    auto* side = new QWidget(this);
    side->setMinimumWidth(150);
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(12, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(3, 1);
    if (id == DiagramId::Loading) {
        inertia_label_ = label({}, "Label18", side);
        modulus_label_ = label({}, "Label17", side);
        grid->addWidget(inertia_label_, 1, 0);
        grid->addWidget(modulus_label_, 2, 0);
        return side;
    }
    const auto index = static_cast<std::size_t>(id) - 1;
    const AreaDesign& design = kResponseDesigns[index];
    QFont fixed = side->font();
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFamily(QStringLiteral("monospace"));
    for (int row = 0; row < 2; ++row) {
        grid->addWidget(
            label(QString::fromLatin1(row == 0 ? design.max_caption : design.min_caption), nullptr,
                  side),
            row + 1, 0);
        QLabel* value = label({}, row == 0 ? design.max_name : design.min_name, side);
        value->setFont(fixed);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(72);
        extreme_labels_[index * 2 + static_cast<std::size_t>(row)] = value;
        grid->addWidget(value, row + 1, 1);
    }
    return side;
}

}  // namespace spanlyx
