// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "config/user_message.h"
#include "link/progress_view.h"

namespace tonalis::testing {

// The progress dialog, recorded.
class RecordingProgress : public ProgressView {
 public:
  void setMessage(const std::string& t) override {
    text = t;
    history.push_back(t);
  }
  void appendMessage(const std::string& t) override {
    text += t;
    history.push_back(text);
  }
  void setMessageColour(Colour c) override { colour = c; }
  void setOkVisible(bool v) override { ok = v; }
  bool isOkVisible() const override { return ok; }
  void showDialog() override { ++shown; }

  std::string text;
  std::vector<std::string> history;
  Colour colour = Colour::Black;
  bool ok = true;
  int shown = 0;
};

// Message boxes, recorded instead of shown. A question is answered with the
// next of `answers` (its button's caption), or with its last button.
class RecordingMessages : public MessageSink {
 public:
  void showMessage(const UserMessage& m) override { shown.push_back(m); }
  void ask(const UserMessage& q, const std::vector<std::string>& buttons, Answered answered) override {
    asked.push_back(q);
    int chosen = static_cast<int>(buttons.size()) - 1;
    if (!answers.empty()) {
      for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == answers.front()) chosen = static_cast<int>(i);
      answers.erase(answers.begin());
    }
    if (answered) answered(chosen);
  }
  std::vector<UserMessage> shown;
  std::vector<UserMessage> asked;
  std::vector<std::string> answers;
};

}  // namespace tonalis::testing
