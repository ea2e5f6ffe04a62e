// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tone/audio_input.h"

namespace tonalis::testing {

// An input that plays a recording in real time from a thread of its own, as
// a device does (10 ms a block, from its opening), then silence; or fails to
// open. Counts its openings.
class ScriptedInput : public AudioInput {
 public:
  std::vector<std::int16_t> audio;
  std::optional<std::string> failure;
  int opened = 0;
  ~ScriptedInput() override { close(); }
  std::optional<std::string> open(const std::string&, int, Samples samples, int* rateUsed) override {
    if (failure) return failure;
    ++opened;
    *rateUsed = 8000;
    running_ = true;
    thread_ = std::thread([this, samples] {
      std::size_t at = 0;
      const std::vector<std::int16_t> silence(80, 0);
      while (running_) {
        const std::size_t n = std::min<std::size_t>(80, audio.size() - std::min(at, audio.size()));
        samples(n ? audio.data() + at : silence.data(), n ? n : 80);
        at += n;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    });
    return std::nullopt;
  }
  void close() override {
    running_ = false;
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::atomic<bool> running_{false};
  std::thread thread_;
};

}  // namespace tonalis::testing
