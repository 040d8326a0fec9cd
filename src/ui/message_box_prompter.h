#pragma once

#include "ui/prompter.h"

class QWidget;

namespace spanlyx {

// Shows each message in a modal QMessageBox over the given parent.
class MessageBoxPrompter final : public Prompter {
  public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    PromptAnswer show(const Message& message, PromptButtons buttons) override;

  private:
    QWidget* parent_;
};

}  // namespace spanlyx
