// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

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

}  // namespace tonalis

namespace tonalis {

// Where message boxes go: the window shows them, the command line prints
// them, tests record them.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void showMessage(const UserMessage& message) = 0;
};

}  // namespace tonalis
