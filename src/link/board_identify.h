// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>

#include "config/user_message.h"
#include "link/progress_view.h"

namespace tonalis {

class BoardLink;

// Whether a board answers on a port, as enabling programming asks it: the
// port opened (or the site reached), the banner awaited, the session ended.
// What happened comes back as one line of text, never as a message box: the
// Station dialog's Test button shows it beside the port.
class BoardIdentify : public QObject {
  Q_OBJECT

 public:
  explicit BoardIdentify(QObject* parent = nullptr);
  ~BoardIdentify() override;

  // `device` is a path, or a network port's name.
  void start(const std::string& device);
  bool running() const { return link_ != nullptr; }

  // How long the banner is awaited once the port is reached (a network
  // link's round trip is added).
  static constexpr std::chrono::milliseconds kBannerLimit{1000};

 Q_SIGNALS:
  // `found`: the expected board answered. `text` says what was found, or why not.
  void finished(bool found, const QString& text);

 private:
  // What the link would have shown, kept as text.
  struct Said : ProgressView, MessageSink {
    void setMessage(const std::string& t) override { progress = t; }
    void appendMessage(const std::string& t) override { progress += t; }
    void setMessageColour(Colour) override {}
    void setOkVisible(bool) override {}
    bool isOkVisible() const override { return true; }
    void showDialog() override {}
    void showMessage(const UserMessage& m) override { message = m.text; }
    std::string progress;
    std::string message;
  };

  void waitForBanner();
  void finish(bool found, const std::string& text);

  Said said_;
  std::unique_ptr<BoardLink> link_;
  QTimer limit_;
};

}  // namespace tonalis
