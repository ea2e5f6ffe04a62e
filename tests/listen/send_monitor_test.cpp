// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/send_monitor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "support/test_files.h"
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

}  // namespace
}  // namespace tonalis
