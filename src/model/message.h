#pragma once
// What the core reports to the engineer: the window shows it in a message box, the batch
// tool writes its text to standard error, tests read it.

#include <string>
#include <string_view>
#include <vector>

namespace spanlyx {

inline constexpr std::string_view kResponseTitle = "Continuous Beam Response";
inline constexpr std::string_view kProgramTitle = "Spanlyx";
inline constexpr std::string_view kProgramVersion = "(8.8)";

enum class MessageIcon { None, Information, Question, Critical };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Information;

    friend bool operator==(const Message&, const Message&) = default;
};

// Entry fields that a rule may put the focus on, by the object names of the entry window.
enum class FocusField {
    None,
    spans,
    spanlengthtext,
    spanwidthtext,
    spandepthtext,
    moi,
    spanetext,
    uniforms,
    points,
    moments,
};

std::string_view object_name(FocusField field);

}  // namespace spanlyx
