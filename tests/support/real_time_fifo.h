// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace tonalis::testing {

// A sound device that plays in real time without a sound card: ALSA's file
// device writes into a FIFO that this drains at 16,000 bytes a second (8 kHz,
// 16 bits), so a write blocks as a real card's would and closing the stream
// has to wait for its thread. The configuration is at conf().
class RealTimeFifo {
 public:
  explicit RealTimeFifo(const std::filesystem::path& dir)
      : fifo_((dir / "card.fifo").string()), conf_((dir / "card.conf").string()) {
    ::mkfifo(fifo_.c_str(), 0600);
    std::ofstream(conf_) << "pcm.!default { type asym\n"
                            "  playback.pcm { type file slave.pcm { type null } file \""
                         << fifo_ << "\" format \"raw\" }\n  capture.pcm { type null } }\n";
    fd_ = ::open(fifo_.c_str(), O_RDONLY | O_NONBLOCK);
    drainer_ = std::thread([this] {
      char block[320];  // 10 ms
      auto next = std::chrono::steady_clock::now();
      while (!stop_) {
        next += std::chrono::milliseconds(10);
        std::this_thread::sleep_until(next);
        if (::read(fd_, block, sizeof block) > 0) drained_ += sizeof block;
      }
    });
  }
  ~RealTimeFifo() {
    stop_ = true;
    drainer_.join();
    ::close(fd_);
  }
  RealTimeFifo(const RealTimeFifo&) = delete;
  RealTimeFifo& operator=(const RealTimeFifo&) = delete;

  const std::string& conf() const { return conf_; }
  long drained() const { return drained_; }

 private:
  std::string fifo_, conf_;
  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::atomic<long> drained_{0};
  std::thread drainer_;
};

}  // namespace tonalis::testing
