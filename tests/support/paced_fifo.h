// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace tonalis::testing {

// A receiver's demodulator writing raw audio (8000 Hz, 16 bits) into a FIFO
// at a sound card's pace, 10 ms at a time, as rtl_fm or `scripts/run --air`'s
// receiver does: a program reading the FIFO hears the audio when it would
// have been on the air. The FIFO is made here; writing starts once a reader
// has opened it.
class PacedFifo {
 public:
  explicit PacedFifo(std::string path) : path_(std::move(path)) { ::mkfifo(path_.c_str(), 0600); }
  ~PacedFifo() { wait(); }
  PacedFifo(const PacedFifo&) = delete;
  PacedFifo& operator=(const PacedFifo&) = delete;

  const std::string& path() const { return path_; }
  // Plays `samples`; started() is when its first sample went in.
  void play(std::vector<std::int16_t> samples) {
    wait();
    thread_ = std::thread([this, samples = std::move(samples)] {
      const int fd = ::open(path_.c_str(), O_WRONLY);  // waits for the reader
      if (fd < 0) return;
      auto next = std::chrono::steady_clock::now();
      started_ = std::chrono::system_clock::now();
      for (std::size_t at = 0; at < samples.size(); at += 80) {
        const std::size_t n = std::min<std::size_t>(80, samples.size() - at);
        if (::write(fd, samples.data() + at, n * 2) < 0) break;
        next += std::chrono::milliseconds(10);
        std::this_thread::sleep_until(next);
      }
      ::close(fd);
      done_ = true;
    });
  }
  void wait() {
    if (thread_.joinable()) thread_.join();
  }
  bool done() const { return done_; }
  std::chrono::system_clock::time_point started() const { return started_; }

 private:
  std::string path_;
  std::thread thread_;
  std::atomic<bool> done_{false};
  std::chrono::system_clock::time_point started_;
};

}  // namespace tonalis::testing
