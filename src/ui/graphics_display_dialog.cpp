#include "ui/graphics_display_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>

#include "graphics/canvas.h"
#include "graphics/response_diagrams.h"
#include "model/number_text.h"
#include "model/settings.h"
#include "ui/option_box.h"
#include "ui/prompter.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

// One decimals box: its caption, the setting it sets, the keys and values it takes and its
// messages.
struct DecimalsBox {
    const char* name;
    const char* caption_name;
    const char* caption;
    int Settings::*decimals;
    int lowest;   // values from lowest to highest become the setting
    int highest;  // also the highest digit key taken
    const char* refusal;
    const char* too_many;
};

constexpr const char* kNotNumeric = "Data Input was other than Numeric";
constexpr const char* kMaxFive = "Max 5 decimal places to the Right";

// The four boxes kept in sx.ini take only the values its reader accepts (1 to 5, 1 to 6), so
// a box left empty or over its limit never reaches the file. Axial is not kept in the file.
constexpr std::array<DecimalsBox, 5> kBoxes = {{
    {"Text1", "Label3", "Loads", &Settings::load_decimals, 1, kMaxForceDecimals, kNotNumeric,
     kMaxFive},
    {"Text2", "Label4", "Shear", &Settings::shear_decimals, 1, kMaxForceDecimals, kNotNumeric,
     kMaxFive},
    {"text3", "Label5", "Moment", &Settings::moment_decimals, 1, kMaxForceDecimals, kNotNumeric,
     kMaxFive},
    {"text4", "Label6", "Deflection", &Settings::deflection_decimals, 1, kMaxDeflectionDecimals,
     "Data Input was other than Numeric or your integer is > 6",
     "Max 6 decimal places to the Right"},
    {"Text5", "Label15", "Axial", &Settings::axial_decimals, 0, kMaxForceDecimals, kNotNumeric,
     kMaxFive},
}};

Message response_message(const char* text) {
    return {text, std::string(kResponseTitle), MessageIcon::Information};
}

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(name));
    return shown;
}

QGroupBox* frame(const char* name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString colour_style(Rgb colour) {
    return QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid black;")
        .arg(colour.red)
        .arg(colour.green)
        .arg(colour.blue);
}

}  // namespace

GraphicsDisplayDialog::GraphicsDisplayDialog(Settings& settings, SessionOptions& options,
                                             Prompter& prompter, Hooks hooks, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      options_(options),
      prompter_(prompter),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Graphics Display"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label("Label1", QStringLiteral("Graphics and File Display"), this));
    auto* top = new QHBoxLayout;
    top->addWidget(decimals_frame());
    top->addWidget(colour_frame());
    layout->addLayout(top);
    layout->addWidget(options_frame());

    auto* back = new QPushButton(QStringLiteral("Return"), this);
    back->setObjectName(QStringLiteral("Command5"));
    connect(back, &QPushButton::clicked, this, [this] {
        hooks_.write_settings();
        close();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    layout->addLayout(buttons);
}

QWidget* GraphicsDisplayDialog::decimals_frame() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->addWidget(label("Label2", QStringLiteral("Decimal Input/Output "), area), 0, 0, 1, 2);
    for (std::size_t row = 0; row < kBoxes.size(); ++row) {
        const int line = static_cast<int>(row) + 1;
        grid->addWidget(
            label(kBoxes[row].caption_name, QString::fromLatin1(kBoxes[row].caption), area), line,
            0);
        QLineEdit* box = decimals_box(static_cast<int>(row));
        box->setParent(area);
        grid->addWidget(box, line, 1);
    }
    return area;
}

// Keys "1" up to the highest decimals, Backspace and Enter; a change within the accepted
// values becomes the setting at once; leaving a box over its limit says so and stays.
QLineEdit* GraphicsDisplayDialog::decimals_box(int row) {
    const DecimalsBox& rule = kBoxes[static_cast<std::size_t>(row)];
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(rule.name));
    box->setMaximumWidth(60);
    const auto highest_key = static_cast<char16_t>(u'0' + rule.highest);
    const auto accepts = [highest_key](char16_t key) {
        return (key >= u'1' && key <= highest_key) || key == kBackspace || key == kEnter;
    };
    const auto left = [this, box, rule] {
        if (leading_value(encode_text(box->text())) > rule.highest) {
            prompter_.show(response_message(rule.too_many));
            box->setFocus(Qt::OtherFocusReason);
        }
    };
    OptionBox::attach(box, prompter_, {accepts, response_message(rule.refusal), left});
    connect(box, &QLineEdit::textEdited, this, [this, rule](const QString& text) {
        const double value = leading_value(encode_text(text));
        if (value >= rule.lowest && value <= rule.highest)
            settings_.*rule.decimals = static_cast<int>(value);
    });
    return box;
}

// The diagram colours; they are shown, not chosen or kept.
QWidget* GraphicsDisplayDialog::colour_frame() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->addWidget(label("Label7", QStringLiteral("Color"), area), 0, 0, 1, 3);
    struct Swatch {
        const char* caption_name;
        const char* caption;
        const char* picture;
        const char* button;
        Rgb colour;
    };
    constexpr std::array<Swatch, 4> kSwatches = {{
        {"Label8", "Loads", "Picture1", "Command1", kRed},
        {"Label9", "Shear", "Picture2", "Command2", kCurveMagenta},
        {"Label10", "Moment", "Picture3", "Command3", kCurveMagenta},
        {"Label11", "Deflection", "Picture4", "Command4", kCurveMagenta},
    }};
    int line = 1;
    for (const Swatch& swatch : kSwatches) {
        grid->addWidget(label(swatch.caption_name, QString::fromLatin1(swatch.caption), area), line,
                        0);
        auto* picture = new QLabel(area);
        picture->setObjectName(QString::fromLatin1(swatch.picture));
        picture->setFixedSize(40, 18);
        picture->setStyleSheet(colour_style(swatch.colour));
        grid->addWidget(picture, line, 1);
        auto* choose = new QPushButton(QStringLiteral("Choose"), area);
        choose->setObjectName(QString::fromLatin1(swatch.button));
        grid->addWidget(choose, line, 2);
        ++line;
    }
    return area;
}

QRadioButton* GraphicsDisplayDialog::option(const char* name, const QString& text, QWidget* parent,
                                            std::function<void()> chosen) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QRadioButton::clicked, this, std::move(chosen));
    return button;
}

QWidget* GraphicsDisplayDialog::options_frame() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    // Each pair sits in its own container, so that the two buttons exclude each other only.
    const auto pair = [&](QWidget* container, QRadioButton* yes, QRadioButton* no) {
        auto* row = new QHBoxLayout(container);
        row->addWidget(yes);
        row->addWidget(no);
        row->addStretch();
        return row;
    };

    auto* residual = new QWidget(area);
    layout->addWidget(
        label("Label12", QStringLiteral("Zero out graphic plots residual error from integration."),
              area));
    pair(residual,
         option("Option1", QStringLiteral("Yes"), residual,
                [this] { options_.zero_residual = true; }),
         option("Option2", QStringLiteral("No"), residual,
                [this] { options_.zero_residual = false; }));
    layout->addWidget(residual);

    QGroupBox* speed = frame("Frame2", QStringLiteral("Speed Up ?"), area);
    auto* speed_row =
        pair(speed,
             option("Option3", QStringLiteral("Yes"), speed, [this] { settings_.speed_up = 'y'; }),
             option("Option4", QStringLiteral("No"), speed, [this] { settings_.speed_up = 'n'; }));
    auto* speed_note = label(
        "Label13",
        QStringLiteral("Speed Up Process by dropping points while plotting.....Numbers will not "
                       "change....But with this picked the vert lines on graphics may not be "
                       "completely vertical"),
        speed);
    speed_note->setWordWrap(true);
    speed_row->addWidget(speed_note, 1);
    layout->addWidget(speed);

    auto* letterhead_note =
        label("Label14",
              QStringLiteral("LetterHead Option (Y or N): Y= (giving top margin = 1.5 in, bot "
                             "margin = .75 in & lt & rt margin = 1 in)"),
              area);
    letterhead_note->setWordWrap(true);
    layout->addWidget(letterhead_note);
    auto* letterhead = new QWidget(area);
    pair(letterhead,
         option("Option5", QStringLiteral("Yes"), letterhead,
                [this] { settings_.letterhead = 'y'; }),
         option("Option6", QStringLiteral("No"), letterhead,
                [this] { settings_.letterhead = 'n'; }));
    layout->addWidget(letterhead);

    QGroupBox* white =
        frame("Frame5", QStringLiteral("Use White BackGround for Shear, Moment, Def Graphs"), area);
    pair(white,
         option("Option7", QStringLiteral("Yes"), white,
                [this] { settings_.white_background = "y"; }),
         option("Option8", QStringLiteral("No"), white,
                [this] { settings_.white_background = "n"; }));
    layout->addWidget(white);

    // A doubled ampersand shows as one.
    QGroupBox* first_span =
        frame("Frame4", QStringLiteral("Use 1st Span's input of E&&I for all spans"), area);
    pair(first_span,
         option("option10", QStringLiteral("Yes"), first_span,
                [this] { hooks_.first_span_ei(true); }),
         option("option11", QStringLiteral("No"), first_span,
                [this] { hooks_.first_span_ei(false); }));
    layout->addWidget(first_span);
    return area;
}

void GraphicsDisplayDialog::load() {
    for (const DecimalsBox& rule : kBoxes) {
        auto* box = findChild<QLineEdit*>(QString::fromLatin1(rule.name));
        const QSignalBlocker blocker(box);
        box->setText(QString::number(settings_.*rule.decimals));
    }
    const auto select = [this](const char* yes, const char* no, bool first) {
        auto* button = findChild<QRadioButton*>(QString::fromLatin1(first ? yes : no));
        const QSignalBlocker blocker(button);
        button->setChecked(true);
    };
    select("Option1", "Option2", options_.zero_residual);
    select("Option3", "Option4", settings_.speed_up == 'y');
    select("Option5", "Option6", settings_.letterhead == 'y');
    select("Option7", "Option8", settings_.white_background == "y");
    select("option10", "option11", settings_.use_first_span_ei);
}

void GraphicsDisplayDialog::showEvent(QShowEvent* event) {
    hooks_.open_changed(true);
    QDialog::showEvent(event);
}

void GraphicsDisplayDialog::hideEvent(QHideEvent* event) {
    hooks_.open_changed(false);
    QDialog::hideEvent(event);
}

}  // namespace spanlyx
