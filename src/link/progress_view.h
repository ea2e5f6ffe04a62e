// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tonalis {

// The progress dialog as the board exchanges see it: one message label with
// a colour, an OK button whose visibility the exchanges also read, and a
// modeless showing. The window implements it with a widget, the command line
// by printing.
class ProgressView {
 public:
  enum class Colour { Black, Red };

  virtual ~ProgressView() = default;
  virtual void setMessage(const std::string& text) = 0;  // line breaks as CR LF
  virtual void appendMessage(const std::string& text) = 0;
  virtual void setMessageColour(Colour colour) = 0;
  virtual void setOkVisible(bool visible) = 0;
  virtual bool isOkVisible() const = 0;
  virtual void showDialog() = 0;
};

// A progress view that shows nothing: for a link used only for its PTT line.
class SilentProgress : public ProgressView {
 public:
  void setMessage(const std::string&) override {}
  void appendMessage(const std::string&) override {}
  void setMessageColour(Colour) override {}
  void setOkVisible(bool) override {}
  bool isOkVisible() const override { return true; }
  void showDialog() override {}
};

}  // namespace tonalis
