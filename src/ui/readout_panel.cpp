#include "ui/readout_panel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "model/message.h"
#include "model/number_text.h"
#include "ui/busy_cursor.h"
#include "ui/prompter.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

constexpr QStringView kSpanKeys = u"0123456789";
constexpr QStringView kDistanceKeys = u"0123456789.";

QLineEdit* field(const QString& name, int width, bool read_only, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    edit->setReadOnly(read_only);
    if (read_only)
        edit->setFocusPolicy(Qt::ClickFocus);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// A focus change made by another window (a message box, a menu) is not the engineer's.
bool engineer_moved_focus(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

int span_number(const QString& text) {
    const double value = leading_value(encode_text(text));
    return value >= 1 && value < 1e6 ? static_cast<int>(value) : 0;
}

}  // namespace

ReadoutPanel::ReadoutPanel(Prompter& prompter, TypedLookUp look_up, QWidget* parent)
    : QWidget(parent), prompter_(prompter), look_up_(std::move(look_up)) {
    span_ = field(QStringLiteral("cursors"), 56, false, this);
    x_ = field(QStringLiteral("cursorx"), 80, false, this);
    real_x_ = field(QStringLiteral("realx"), 96, false, this);
    shear_ = field(QStringLiteral("cursorv"), 110, true, this);
    moment_ = field(QStringLiteral("cursorm"), 110, true, this);
    deflection_ = field(QStringLiteral("cursord"), 110, true, this);
    real_x_->setToolTip(tr("Distance from the left end of the beam"));
    x_->setToolTip(tr("Distance from the left end of the span, to the hundredths"));

    plot_ = new QPushButton(QStringLiteral("Plot X"), this);
    plot_->setObjectName(QStringLiteral("Command5"));
    clear_ = new QPushButton(QStringLiteral("Clr X"), this);
    clear_->setObjectName(QStringLiteral("Command6"));
    help_ = new QPushButton(QStringLiteral("Help"), this);
    help_->setObjectName(QStringLiteral("Command7"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const QList<QPair<QString, QLineEdit*>> columns = {
        {QStringLiteral("Span #"), span_}, {QStringLiteral("X"), x_},
        {tr("Beam X"), real_x_},           {QStringLiteral("V"), shear_},
        {QStringLiteral("M"), moment_},    {QStringLiteral("D"), deflection_}};
    int column = 0;
    for (const auto& [caption, edit] : columns) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        if (edit == shear_ || edit == moment_ || edit == deflection_)
            value_widgets_ << label << edit;
        grid->addWidget(label, 0, column, Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(edit, 1, column);
        ++column;
        // The looked-up values stand apart from the position fields.
        if (edit == real_x_) {
            grid->setColumnMinimumWidth(column, 12);
            ++column;
        }
    }
    grid->setColumnStretch(column++, 1);
    grid->addWidget(plot_, 1, column++);
    grid->addWidget(clear_, 1, column++);
    grid->addWidget(help_, 1, column);

    envelope_ = new QLabel(this);
    envelope_->setObjectName(QStringLiteral("envelopereadout"));
    QFont fixed = envelope_->font();
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFamily(QStringLiteral("monospace"));
    envelope_->setFont(fixed);
    envelope_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    envelope_->setMinimumHeight(envelope_->fontMetrics().lineSpacing() * 3);
    envelope_->hide();
    // Under the fields, across the whole panel: the lines are wider than the three fields they
    // stand for.
    grid->addWidget(envelope_, 2, 0, 1, column + 1, Qt::AlignLeft);

    for (QLineEdit* edit : {span_, x_, real_x_})
        edit->installEventFilter(this);
    connect(span_, &QLineEdit::textChanged, this, &ReadoutPanel::span_changed);
    connect(x_, &QLineEdit::textChanged, this, &ReadoutPanel::x_changed);
}

bool ReadoutPanel::key_refused(QObject* watched, const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        // Enter moves on as Tab does.
        focusNextChild();
        return true;
    }
    if (watched == real_x_ || key.key() == Qt::Key_Backspace)
        return false;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    if (text.size() != 1 || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F)
        return false;  // keys that only move the cursor or edit
    const QStringView allowed = watched == span_ ? kSpanKeys : kDistanceKeys;
    return !allowed.contains(text.at(0));
}

bool ReadoutPanel::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return key_refused(watched, static_cast<const QKeyEvent&>(*event));
        case QEvent::FocusIn: {
            const auto reason = static_cast<const QFocusEvent&>(*event).reason();
            if (!engineer_moved_focus(reason))
                break;
            if (watched == x_) {
                x_entered();
            } else {
                // The whole text is selected once the focus has settled.
                auto* edit = static_cast<QLineEdit*>(watched);
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
            }
            break;
        }
        case QEvent::FocusOut:
            if (watched == x_ &&
                engineer_moved_focus(static_cast<const QFocusEvent&>(*event).reason()))
                x_left();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void ReadoutPanel::span_changed(const QString& text) {
    if (span_number(text) >= 1)
        x_->clear();
}

void ReadoutPanel::x_entered() {
    if (span_number(span_->text()) < 1) {
        prompter_.show(
            {"Must Enter a Span Number", std::string(kResponseTitle), MessageIcon::Information});
        span_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QTimer::singleShot(0, x_, &QLineEdit::selectAll);
}

void ReadoutPanel::x_left() {
    // Rewritten to the hundredths, which looks the value up.
    x_->setText(decode_text(format_pattern(leading_value(encode_text(x_->text())), "0.00")));
}

void ReadoutPanel::x_changed(const QString& text) {
    if (busy_ || !x_typed_to_hundredths(encode_text(text)))
        return;
    const BusyCursor hourglass;
    clear_values();
    const auto found =
        look_up_(span_number(span_->text()), hundredths(leading_value(encode_text(text))));
    if (!found) {
        real_x_->clear();  // an earlier position does not belong to what was typed
        return;
    }
    show_values(*found);
    real_x_->setText(decode_text(found->real_x));
}

void ReadoutPanel::show_values(const ReadOut& found) {
    shear_->setText(decode_text(found.shear));
    moment_->setText(decode_text(found.moment));
    deflection_->setText(decode_text(found.deflection));
    shown_values_ = {found.shear_value, found.moment_value, found.deflection_value};
    QStringList lines;
    for (const std::string& line : found.envelope)
        lines << decode_text(line);
    envelope_->setText(lines.join(QLatin1Char('\n')));
}

void ReadoutPanel::set_envelope_mode(bool envelope) {
    clear_values();
    for (QWidget* each : value_widgets_)
        each->setVisible(!envelope);
    envelope_->setVisible(envelope);
}

void ReadoutPanel::reserve_envelope_room() {
    QSizePolicy policy = envelope_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    envelope_->setSizePolicy(policy);
}

QString ReadoutPanel::envelope_text() const {
    return envelope_->text();
}

void ReadoutPanel::show_picked(const std::optional<ReadOut>& found) {
    busy_ = true;
    clear_values();
    if (found) {
        // The span first: a new span number empties the distance, which follows.
        span_->setText(decode_text(found->span_text));
        x_->setText(decode_text(found->x_text));
        show_values(*found);
        real_x_->setText(decode_text(found->real_x));
    } else {
        real_x_->clear();
    }
    busy_ = false;
}

ReadOut ReadoutPanel::shown() const {
    ReadOut out;
    out.span = span_number(span_->text());
    out.span_text = encode_text(span_->text());
    out.x_text = encode_text(x_->text());
    out.real_x = encode_text(real_x_->text());
    out.shear = encode_text(shear_->text());
    out.moment = encode_text(moment_->text());
    out.deflection = encode_text(deflection_->text());
    out.shear_value = shown_values_[0];
    out.moment_value = shown_values_[1];
    out.deflection_value = shown_values_[2];
    return out;
}

void ReadoutPanel::clear_values() {
    shear_->clear();
    moment_->clear();
    deflection_->clear();
    envelope_->clear();
    shown_values_ = {};
}

}  // namespace spanlyx
