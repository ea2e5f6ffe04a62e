// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "i18n/text.h"

namespace tonalis {

// A message the tool shows the user in a box with one OK button. Logic returns
// these; only the front-ends (window, command line) show them.
struct UserMessage {
  enum class Icon { None, Information, Exclamation, Error };

  std::string title;
  std::string text;  // line breaks as CR LF
  Icon icon = Icon::None;

  bool operator==(const UserMessage& o) const { return title == o.title && text == o.text && icon == o.icon; }
};

inline constexpr const char* kCrLf = "\r\n";
// The title of a warning; boxes show titles in the program's language.
inline constexpr const char* kWarningTitle = TONALIS_TEXT("Warning");

}  // namespace tonalis

namespace tonalis {

// Where message boxes go: the window shows them, the command line prints
// them, tests record them.
class MessageSink {
 public:
  using Answered = std::function<void(int button)>;
  virtual ~MessageSink() = default;
  virtual void showMessage(const UserMessage& message) = 0;
  // A question with its buttons, the first the default and the last the one
  // Escape gives; `answered` gets the index of the one chosen, later, once
  // the user has chosen. A sink that cannot ask shows the question and
  // answers with the last button (the one that changes nothing).
  virtual void ask(const UserMessage& question, const std::vector<std::string>& buttons, Answered answered) {
    showMessage(question);
    if (answered) answered(static_cast<int>(buttons.size()) - 1);
  }
};

}  // namespace tonalis
