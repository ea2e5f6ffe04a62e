// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/send_monitor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <atomic>
#include <thread>

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "support/test_files.h"
#include "tone/synthesis.h"
#include "tone/portaudio_output.h"

namespace tonalis {
namespace {

// A receiver's demodulator writing raw audio into a FIFO (rtl_fm ... > FIFO):
// what waited before the monitor began is not recorded, all that follows is,
// to the sample, until a while after the send (kept when asked).
TEST(SendMonitor, RecordsAFifoReceiverFromItsStartUntilAfterTheSend) {
  testing::TempDir dir;
  const std::string fifo = dir.file("receiver");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  auto write = [&](std::int16_t from, int count) {
    std::vector<std::int16_t> s(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) s[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(from + i);
    ASSERT_EQ(::write(writer, s.data(), s.size() * 2), static_cast<ssize_t>(s.size() * 2));
  };
  write(-500, 500);  // stale

  PortAudioInput input;
  SendMonitor monitor(input);
  monitor.keepRecording(true);
  QSignalSpy recorded(&monitor, &SendMonitor::recorded);
  std::vector<std::int16_t> samples;
  int rate = 0;
  QObject::connect(&monitor, &SendMonitor::recorded,
                   [&](const DtmfMeter&, const std::vector<std::int16_t>& kept, int used, bool) {
                     samples = kept;
                     rate = used;
                   });
  ASSERT_FALSE(monitor.start(fifo));
  EXPECT_TRUE(monitor.recording());
  write(0, 700);
  monitor.finish(std::chrono::milliseconds(300));
  QTest::qWait(50);
  write(700, 300);  // still on its way when the send ended
  ASSERT_TRUE(recorded.wait(3000));
  EXPECT_FALSE(monitor.recording());
  EXPECT_EQ(rate, 8000);
  ASSERT_EQ(samples.size(), 1000u);
  for (std::size_t i = 0; i < samples.size(); ++i) ASSERT_EQ(samples[i], static_cast<std::int16_t>(i)) << i;

  // A device that cannot be opened is said, and nothing is recorded.
  const auto error = monitor.start(dir.file("no-such-input"));
  ASSERT_TRUE(error);
  EXPECT_EQ(*error, "no sound input device is called " + dir.file("no-such-input"));
  EXPECT_FALSE(monitor.recording());
  ::close(writer);
}

// A send longer than ten minutes is measured whole, as the audio comes,
// with nothing recorded: a digit at 10:30 is heard and measured.
TEST(SendMonitor, MeasuresASendOfElevenMinutesWhole) {
  testing::TempDir dir;
  const std::string fifo = dir.file("receiver");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  PortAudioInput input;
  SendMonitor monitor(input);
  std::vector<DigitMeasure> measured;
  std::size_t kept = 1;
  bool truncated = true;
  QObject::connect(&monitor, &SendMonitor::recorded,
                   [&](const DtmfMeter& meter, const std::vector<std::int16_t>& k, int, bool t) {
                     measured = meter.measured();
                     kept = k.size();
                     truncated = t;
                   });
  ASSERT_FALSE(monitor.start(fifo));
  // Eleven minutes at a hundred times a receiver's pace: digit 7 at 0:10, digit 5 at 10:30.
  std::atomic<bool> written{false};
  std::thread receiver([&] {
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    std::vector<std::int16_t> second(8000);
    for (int s = 0; s < 660; ++s) {
      const char digit = s == 10 ? '7' : s == 630 ? '5' : 0;
      for (std::size_t i = 0; i < second.size(); ++i) {
        const double t = static_cast<double>(i) / 8000;
        second[i] = digit && i < 800 ? static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * LowFrequency(digit) * t) +
                                                                 8000 * std::sin(2 * M_PI * HighFrequency(digit) * t))
                                     : 0;
      }
      if (::write(fd, second.data(), second.size() * 2) < 0) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(fd);
    written = true;
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return written.load(); }, 60000));
  receiver.join();
  monitor.finish(std::chrono::milliseconds(300));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !monitor.recording(); }, 10000));
  ASSERT_EQ(measured.size(), 2u);
  EXPECT_EQ(measured[0].digit, '7');
  EXPECT_EQ(measured[1].digit, '5');
  EXPECT_NEAR(measured[1].startMs, 630000, 20);
  EXPECT_NEAR(measured[1].lengthMs, 100, 5);
  EXPECT_EQ(kept, 0u) << "nothing recorded unless asked";
  EXPECT_FALSE(truncated);
}

}  // namespace
}  // namespace tonalis
