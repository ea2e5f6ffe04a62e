// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "tone/audio_output.h"

namespace tonalis::testing {

// A sound device that takes as long as the sound lasts, as a real one does,
// and records when it was opened, started and done. With `stalls` it never
// finishes, as a device that hangs.
class RealTimeOutput : public AudioOutput {
 public:
  using Clock = std::chrono::steady_clock;
  ~RealTimeOutput() override {
    if (thread_.joinable()) thread_.join();
  }
  int open() override {
    opened = Clock::now();
    return openResult;
  }
  int start(const std::int16_t* samples, std::int64_t count, std::function<void()> finished) override {
    if (thread_.joinable()) thread_.join();  // the sound before, long over
    started = Clock::now();
    peak = 0;
    for (std::int64_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    if (stalls) return 0;
    const auto length = std::chrono::microseconds(count * 1000000 / 8000);
    thread_ = std::thread([this, length, finished = std::move(finished)] {
      std::this_thread::sleep_for(length);
      done = Clock::now();
      finished();
    });
    return 0;
  }
  int stop() override { return 0; }
  int close() override { return 0; }
  void reset() override {}

  int openResult = 0;
  bool stalls = false;
  Clock::time_point opened{}, started{}, done{};
  int peak = 0;  // of the sound last started

 private:
  std::thread thread_;
};

}  // namespace tonalis::testing
