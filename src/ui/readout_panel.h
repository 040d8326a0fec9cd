#pragma once
// The read-out below the diagrams: the span number `cursors` and distance `cursorx` typed by
// the engineer or filled by a pick, the beam position `realx`, and the shear, moment and
// deflection `cursorv`, `cursorm`, `cursord` found in the sampled points. The look-ups
// themselves are the window's; the panel keeps the key rules of its fields and decides when a
// typed look-up runs.

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "graphics/readout.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace spanlyx {

class Prompter;

class ReadoutPanel final : public QWidget {
    Q_OBJECT
  public:
    // The record of a span (from 1) at a distance in hundredths, when there is one.
    using TypedLookUp = std::function<std::optional<ReadOut>(int span, long long x_hundredths)>;

    ReadoutPanel(Prompter& prompter, TypedLookUp look_up, QWidget* parent = nullptr);

    // A pick: the fields show the record found, or empty values when none was.
    void show_picked(const std::optional<ReadOut>& found);
    // What the fields show now, as "Plot X" reads them.
    ReadOut shown() const;
    // For a combination's envelope the V, M and D fields give way to `envelopereadout`: the
    // maximum and minimum of each quantity with the spans loaded for each. The values shown
    // are cleared.
    void set_envelope_mode(bool envelope);
    // Keeps the room of the envelope's lines while the fields show, so that switching between
    // them does not resize the diagrams; for a beam that has combinations to show.
    void reserve_envelope_room();
    QString envelope_text() const;

    QPushButton* plot_button() const { return plot_; }
    QPushButton* clear_button() const { return clear_; }
    QPushButton* help_button() const { return help_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool key_refused(QObject* field, const QKeyEvent& key);
    void span_changed(const QString& text);
    void x_changed(const QString& text);
    void x_entered();
    void x_left();
    void show_values(const ReadOut& found);
    void clear_values();

    Prompter& prompter_;
    TypedLookUp look_up_;
    bool busy_ = false;  // a pick is filling the fields
    // The shown point's shear, moment and deflection as sampled, unrounded, for "Plot X".
    std::array<double, 3> shown_values_{};
    QLineEdit* span_;
    QLineEdit* x_;
    QLineEdit* real_x_;
    QLineEdit* shear_;
    QLineEdit* moment_;
    QLineEdit* deflection_;
    QList<QWidget*> value_widgets_;  // V, M, D: their captions and fields
    QLabel* envelope_;
    QPushButton* plot_;
    QPushButton* clear_;
    QPushButton* help_;
};

}  // namespace spanlyx
