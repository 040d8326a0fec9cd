#pragma once
// The number boxes of the option windows ("Graphics Display", "Extra Ouput"): a key rule that
// refuses a key with a message before the box sees it, Enter as Tab, the whole text selected
// when the box is entered, and a rule run when the engineer leaves the box.

#include <QObject>
#include <functional>

#include "model/message.h"

class QLineEdit;

namespace spanlyx {

class Prompter;

class OptionBox final : public QObject {
    Q_OBJECT
  public:
    struct Rules {
        // Whether a typed character (Backspace 8 and Enter 13 included) is taken.
        std::function<bool(char16_t key)> accepts;
        Message refusal;  // shown for a key that is not taken
        // The engineer left the box (not a message box or a menu taking the focus).
        std::function<void()> left;
    };

    // The filter lives as long as the box.
    static void attach(QLineEdit* box, Prompter& prompter, Rules rules);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OptionBox(QLineEdit* box, Prompter& prompter, Rules rules);
    bool key_pressed(QEvent* event);

    QLineEdit* box_;
    Prompter& prompter_;
    Rules rules_;
};

// Keys "0" to "9", "." , Backspace and Enter.
bool is_decimal_key(char16_t key);

}  // namespace spanlyx
