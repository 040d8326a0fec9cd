#pragma once
// Modal messages go through this service: message boxes in the program, a recording fake with
// scripted answers in tests.

#include "model/message.h"

namespace spanlyx {

// YesNoCancel: Cancel, and Escape or the close box, answer Cancel.
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual PromptAnswer show(const Message& message,
                              PromptButtons buttons = PromptButtons::Ok) = 0;
};

}  // namespace spanlyx
