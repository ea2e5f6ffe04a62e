// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/board_identify.h"

#include "i18n/language.h"
#include "link/board_link.h"

namespace tonalis {
namespace {

// How often a network port still connecting is looked at.
constexpr std::chrono::milliseconds kConnectingPoll{50};

std::string OneLine(std::string text) {
  for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) text.replace(at, 2, " ");
  return text;
}

}  // namespace

BoardIdentify::BoardIdentify(QObject* parent) : QObject(parent) {
  limit_.setSingleShot(true);
  connect(&limit_, &QTimer::timeout, this, &BoardIdentify::waitForBanner);
}

BoardIdentify::~BoardIdentify() {
  if (link_) link_->shutdown();
}

void BoardIdentify::start(const std::string& device) {
  if (link_) return;
  said_ = Said();
  link_ = std::make_unique<BoardLink>(said_, said_, [device](int) {
    BoardLink::PortTarget target(device);
    target.name = device;
    return target;
  });
  connect(link_.get(), &BoardLink::bannerAnnounced, this,
          [this](bool expected) { finish(expected, said_.progress); }, Qt::QueuedConnection);
  connect(link_.get(), &BoardLink::portLost, this, [this] { finish(false, said_.message); }, Qt::QueuedConnection);
  link_->setProgrammingTicked(true, "1");
  if (!link_->portOpen()) {
    // Said after this call returns, as every other ending is.
    QTimer::singleShot(0, this, [this] { finish(false, said_.message); });
    return;
  }
  limit_.start(kConnectingPoll);
}

void BoardIdentify::waitForBanner() {
  if (!link_) return;
  if (link_->portConnecting()) {
    limit_.start(kConnectingPoll);
    return;
  }
  // Reached: the banner has this long from now.
  disconnect(&limit_, nullptr, this, nullptr);
  connect(&limit_, &QTimer::timeout, this, [this] { finish(false, TrStd(kReadVersionFailed)); });
  limit_.start(kBannerLimit + link_->answerAllowance());
}

void BoardIdentify::finish(bool found, const std::string& text) {
  if (!link_) return;
  limit_.stop();
  disconnect(&limit_, nullptr, this, nullptr);
  connect(&limit_, &QTimer::timeout, this, &BoardIdentify::waitForBanner);
  // Ends the board's session and lets the port go.
  link_->setProgrammingTicked(false, "1");
  link_.release()->deleteLater();
  Q_EMIT finished(found, QString::fromStdString(OneLine(text)));
}

}  // namespace tonalis
