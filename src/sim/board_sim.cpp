// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/board_sim.h"

#include <map>
#include <utility>

namespace tonalis {
namespace {

using namespace std::chrono_literals;

// How soon a board that vanishes goes.
constexpr auto kAnswerDelay = 5ms;
// Past the tool's 100 ms identify wait and 768 ms data wait.
constexpr auto kLateBanner = 150ms;
constexpr auto kLateData = 800ms;

const std::map<std::string, BoardSim::Fault>& FaultTable() {
  static const std::map<std::string, BoardSim::Fault> table = {
      {"no-answer", BoardSim::Fault::NoAnswer},
      {"wrong-banner", BoardSim::Fault::WrongBanner},
      {"banner-bad-sum", BoardSim::Fault::BannerBadSum},
      {"data-bad-sum", BoardSim::Fault::DataBadSum},
      {"data-out-of-range", BoardSim::Fault::DataOutOfRange},
      {"late-banner", BoardSim::Fault::LateBanner},
      {"late-data", BoardSim::Fault::LateData},
      {"readback-differs", BoardSim::Fault::ReadbackDiffers},
      {"vanish-on-identify", BoardSim::Fault::VanishOnIdentify},
      {"vanish-on-read", BoardSim::Fault::VanishOnRead},
      {"nul-in-banner", BoardSim::Fault::NulInBanner},
  };
  return table;
}

constexpr const char* kVanishAfterBlock = "vanish-after-block=";

}  // namespace

DecoderImage BoardSim::UnprogrammedImage() {
  DecoderImage image;
  image.fill(0xFF);
  return image;
}

bool BoardSim::ParseFault(const std::string& name, Options& options) {
  const std::string prefix = kVanishAfterBlock;
  if (name.rfind(prefix, 0) == 0 && name.size() == prefix.size() + 1 && name.back() >= '0' && name.back() <= '3') {
    options.faults.insert(Fault::VanishAfterBlock);
    options.vanishBlock = name.back() - '0';
    return true;
  }
  const auto it = FaultTable().find(name);
  if (it == FaultTable().end()) return false;
  options.faults.insert(it->second);
  return true;
}

std::vector<std::string> BoardSim::FaultNames() {
  std::vector<std::string> names;
  for (const auto& entry : FaultTable()) names.push_back(entry.first);
  names.push_back(std::string(kVanishAfterBlock) + "N (N = 0..3)");
  return names;
}

BoardSim::BoardSim(Options options) : options_(std::move(options)), image_(options_.image) {}

bool BoardSim::takeImageStored() { return std::exchange(imageStored_, false); }

void BoardSim::store(const DecoderImage& image) {
  image_ = image;
  imageStored_ = true;
}

BoardSim::Action BoardSim::bannerReply() const {
  Action a;
  a.delay = has(Fault::LateBanner) ? kLateBanner : options_.bannerDelay;
  a.bytes = BannerFrame(has(Fault::WrongBanner) ? "Quorvantelix v2.9" : options_.banner);
  if (has(Fault::BannerBadSum)) ++a.bytes.back();
  if (has(Fault::NulInBanner)) {
    Bytes noisy;
    for (std::uint8_t b : a.bytes) noisy.insert(noisy.end(), {b, 0x00});
    a.bytes = noisy;
  }
  return a;
}

BoardSim::Action BoardSim::dataReply() const {
  DecoderImage sent = image_;
  if (has(Fault::ReadbackDiffers) && programmed_) sent[170] = 0x00;
  if (has(Fault::DataOutOfRange)) sent[8] = 0x5B;
  Action a;
  a.delay = has(Fault::LateData) ? kLateData : options_.dataDelay;
  a.bytes = DataFrame(sent);
  if (has(Fault::DataBadSum)) ++a.bytes.back();
  return a;
}

void BoardSim::countRequest() {
  if (requests_++ < options_.faultSkip) return;
  if (options_.faultRequests > 0 && --options_.faultRequests == 0) options_.faults.clear();
}

std::optional<BoardSim::Action> BoardSim::receive(std::uint8_t b) {
  std::optional<Action> action;
  switch (state_) {
    case State::Idle:
      if (b == 0xFF) state_ = State::AfterFF;
      return std::nullopt;

    case State::AfterFF:
      state_ = State::Idle;
      if (b == 0xFF) {
        state_ = State::Receiving;
        received_.clear();
        return std::nullopt;
      }
      if (b != 0xCC && b != 0xAA) return std::nullopt;  // end of session, or noise
      if (has(Fault::NoAnswer))
        action = std::nullopt;
      else if (b == 0xCC)
        action = has(Fault::VanishOnIdentify) ? Action{kAnswerDelay, {}, true} : bannerReply();
      else
        action = has(Fault::VanishOnRead) ? Action{kAnswerDelay, {}, true} : dataReply();
      countRequest();
      return action;

    case State::Receiving: {
      received_.push_back(b);
      const std::size_t blockBytes = kBlockSize + 1;
      if (received_.size() % blockBytes != 0) return std::nullopt;
      const int block = static_cast<int>(received_.size() / blockBytes) - 1;
      if (has(Fault::VanishAfterBlock) && block == options_.vanishBlock) return Action{kAnswerDelay, {}, true};
      if (received_.size() < kBlockCount * blockBytes) return std::nullopt;

      state_ = State::Idle;
      countRequest();
      DecoderImage image{};
      for (std::size_t k = 0; k < kBlockCount; ++k) {
        unsigned sum = 0;
        for (std::size_t i = 0; i < kBlockSize; ++i) {
          image[k * kBlockSize + i] = received_[k * blockBytes + i];
          sum += received_[k * blockBytes + i];
        }
        // A block whose sum does not match spoils the whole transfer.
        if ((sum & 0xFF) != received_[k * blockBytes + kBlockSize]) return std::nullopt;
      }
      image_ = image;
      imageStored_ = true;
      programmed_ = true;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace tonalis
