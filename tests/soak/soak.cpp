// SPDX-License-Identifier: GPL-3.0-or-later
// Hundreds of READ/PROGRAM cycles against the simulated board with random
// faults, and hundreds of sends into a sound device, watching that memory and
// open files stay flat. Not a test of the suite: scripts/soak runs it.
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <dirent.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "link/board_link.h"
#include "support/alsa_file_device.h"
#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/recording.h"
#include "support/test_files.h"
#include "tone/portaudio_output.h"
#include "tone/sequence_sender.h"

namespace {

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

int OpenFiles() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir)) ++count;
    closedir(dir);
  }
  return count - 3;  // ".", ".." and the directory itself
}

class NoPtt : public tonalis::PttLine {
 public:
  bool pttEnabled() const override { return false; }
  void setPtt(bool, Done done) override {
    if (done) done(true);
  }
};

}  // namespace

int main(int argc, char** argv) {
  using namespace tonalis;
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 300;
  const int sends = argc > 2 ? std::atoi(argv[2]) : 300;
  const auto scratch = std::filesystem::temp_directory_path() / ("tonalis-soak-" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  tonalis::testing::UseAlsaFileDevice(scratch / "sound");
  QCoreApplication app(argc, argv);

  const std::vector<std::string> faults = {"none",
                                           "no-answer",
                                           "wrong-banner",
                                           "banner-bad-sum",
                                           "late-banner",
                                           "data-bad-sum",
                                           "data-out-of-range",
                                           "late-data",
                                           "readback-differs",
                                           "vanish-on-read",
                                           "vanish-after-block=2"};
  std::mt19937 rng(2026);
  tonalis::testing::RecordingProgress progress;
  tonalis::testing::RecordingMessages messages;
  const std::string folder = scratch.string();
  std::unique_ptr<tonalis::testing::BoardSimProcess> board;
  BoardLink link(progress, messages, [&board](int) { return board->link(); });
  const DecoderImage image = ValidateAndEncode(tonalis::testing::WorkedExample()).image;

  long rssStart = 0;
  int filesStart = 0;
  int succeeded = 0;
  std::printf("cycle  rss_kb  open_files  succeeded\n");
  for (int i = 0; i < cycles; ++i) {
    const std::string& fault = faults[rng() % faults.size()];
    QStringList args{"--fault-skip", "1", "--fault-requests", "3"};
    if (fault != "none") args << "--fault" << QString::fromStdString(fault);
    link.setProgrammingTicked(false, "1");
    board.reset();
    board = std::make_unique<tonalis::testing::BoardSimProcess>(folder, args);
    link.setProgrammingTicked(true, "1");
    QTest::qWait(120);
    QSignalSpy finished(&link, &BoardLink::exchangeFinished);
    if (rng() % 2)
      link.readBoard();
    else
      link.programBoard(image);
    if (finished.wait(8000) && finished.first().first().toBool()) ++succeeded;
    QTest::qWait(20);
    if (i == 9) {
      rssStart = ResidentKb();
      filesStart = OpenFiles();
    }
    if ((i + 1) % 50 == 0) std::printf("%5d  %6ld  %10d  %9d\n", i + 1, ResidentKb(), OpenFiles(), succeeded);
    std::fflush(stdout);
  }
  link.shutdown();
  board.reset();
  std::printf("exchanges: rss %ld -> %ld kB, open files %d -> %d, %d of %d succeeded\n", rssStart, ResidentKb(),
              filesStart, OpenFiles(), succeeded, cycles);

  PortAudioOutput output;
  TonePlayer player(output, messages);
  NoPtt ptt;
  SequenceSender sender(player, ptt, messages);
  const SendTiming timing = CorrectSendTiming({"30", "20", "100", "20"});
  const std::size_t messagesBefore = messages.shown.size();
  long sendRssStart = 0;
  int sendFilesStart = 0;
  for (int i = 0; i < sends; ++i) {
    QSignalSpy finished(&sender, &SequenceSender::finished);
    sender.send("0123456789*#ABCD", timing);
    finished.wait(10000);
    if (i == 9) {
      sendRssStart = ResidentKb();
      sendFilesStart = OpenFiles();
    }
  }
  std::printf("sends: rss %ld -> %ld kB, open files %d -> %d, %zu messages\n", sendRssStart, ResidentKb(),
              sendFilesStart, OpenFiles(), messages.shown.size() - messagesBefore);
  std::filesystem::remove_all(scratch);
  return 0;
}
