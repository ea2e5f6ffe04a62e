// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/held_input.h"

namespace tonalis {
namespace {

// What is kept for the next user: a reply's worth, at most.
constexpr std::size_t kMaxKeptSamples = 48000 * 30;

}  // namespace

HeldInput::~HeldInput() { closeDevice(); }

std::optional<std::string> HeldInput::openDevice(const std::string& device, int rate) {
  if (open_ && name_ == device) return std::nullopt;
  closeDevice();
  int used = rate;
  if (auto error = device_.open(device, rate, [this](const std::int16_t* s, std::size_t n) { deliver(s, n); }, &used))
    return error;
  open_ = true;
  name_ = device;
  rate_ = used;
  return std::nullopt;
}

std::optional<std::string> HeldInput::hold(const std::string& device, int rate) {
  if (auto error = openDevice(device, rate)) return error;
  held_ = true;
  return std::nullopt;
}

void HeldInput::keepFromNow() {
  std::lock_guard<std::mutex> lock(mutex_);
  keeping_ = true;
  kept_.clear();
}

void HeldInput::letGo() {
  held_ = false;
  bool inUse = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    inUse = static_cast<bool>(user_);
  }
  if (!inUse) closeDevice();
}

std::optional<std::string> HeldInput::open(const std::string& device, int rate, Samples samples, int* rateUsed) {
  if (!open_ || name_ != device) held_ = false;  // another device than the one held: it goes
  if (auto error = openDevice(device, rate)) return error;
  if (rateUsed) *rateUsed = rate_;
  std::lock_guard<std::mutex> lock(mutex_);
  if (!kept_.empty()) samples(kept_.data(), kept_.size());
  kept_.clear();
  keeping_ = false;
  user_ = std::move(samples);
  return std::nullopt;
}

void HeldInput::close() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    user_ = nullptr;
  }
  if (!held_) closeDevice();
}

void HeldInput::deliver(const std::int16_t* samples, std::size_t count) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (user_) user_(samples, count);
  if (keeping_ && kept_.size() + count <= kMaxKeptSamples) kept_.insert(kept_.end(), samples, samples + count);
}

void HeldInput::closeDevice() {
  if (!open_) return;
  device_.close();  // its thread delivers nothing after this
  open_ = false;
  std::lock_guard<std::mutex> lock(mutex_);
  user_ = nullptr;
  keeping_ = false;
  kept_.clear();
}

}  // namespace tonalis
