// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <tuple>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "sim/air_side.h"
#include "cli/cli_support.h"
#include "storage/file_reading.h"
#include "cli/commands.h"
#include "sim/board_sim.h"
#include "link/serial_trace.h"
#include "storage/atomic_file.h"

namespace tonalis::cli {
namespace {

using Clock = std::chrono::steady_clock;

// One byte at 4800 baud, 8N1: ten bits.
constexpr auto kByteTime = std::chrono::microseconds(2083);

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) { gStop = 1; }

struct PendingByte {
  Clock::time_point due;
  std::uint8_t value;
};

std::optional<DecoderImage> LoadImage(const std::string& path, std::string& error) {
  std::string bytes;
  if (const auto problem = ReadSmallFile(path, kImageSize, bytes)) {
    error = *problem;
    return std::nullopt;
  }
  DecoderImage image{};
  if (bytes.size() != image.size()) {
    error = Fill(CliText("%1 is not a 192-byte decoder image."), {path});
    return std::nullopt;
  }
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return image;
}

}  // namespace

int RunBoardSim(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Simulates the decoder board on a pseudo-terminal, for use without hardware.\n"
            "Prints the terminal's device path, then answers like the board until stopped\n"
            "(Ctrl+C). Faults, repeatable:") +
      "\n  " + QString::fromStdString([] {
        std::string all;
        for (const auto& name : BoardSim::FaultNames()) all += (all.empty() ? "" : ", ") + name;
        return all;
      }()));
  const QCommandLineOption link("link", CliTr("Also make PATH a symbolic link to the device."), "PATH");
  const QCommandLineOption imageOption("image", CliTr("Keep the board's memory in FILE (192 bytes)."), "FILE");
  const QCommandLineOption banner("banner", CliTr("The banner the board reports."), "TEXT", kExpectedBanner);
  const QCommandLineOption fault("fault", CliTr("Misbehave in this way."), "NAME");
  const QCommandLineOption log("log", CliTr("Record every byte received and sent, with its time, in FILE."), "FILE");
  const QCommandLineOption faultRequests(
      "fault-requests", CliTr("Misbehave only for the first N requests (identify, read, program)."), "N");
  const QCommandLineOption faultSkip("fault-skip", CliTr("Answer the first N requests normally before misbehaving."),
                                     "N");
  const QCommandLineOption instant("instant", CliTr("Answer at full speed instead of at 4800 baud."));
  const QCommandLineOption bannerDelay("banner-delay-ms", CliTr("Wait N ms before answering identify (default 5)."),
                                       "N");
  const QCommandLineOption dataDelay("data-delay-ms", CliTr("Wait N ms before answering a read (default 5)."), "N");
  const QCommandLineOption listen(
      "listen",
      CliTr("Also hear DTMF from SOURCE and act on it: a sound file, - (raw signed 16-bit mono 8000 Hz on "
            "standard input), a FIFO giving the same, or a sound input device."),
      "SOURCE");
  const QCommandLineOption gap("sequence-gap-ms", CliTr("Digits closer than N ms make one sequence (default 1000)."),
                               "N", "1000");
  const QCommandLineOption reply(
      "reply",
      CliTr("Answer in Morse to TARGET: a .wav file, - (raw audio on standard output), a FIFO, "
            "or a sound output device."),
      "TARGET");
  const QCommandLineOption tone("cw-tone-hz", CliTr("The Morse reply's tone (default 800 Hz)."), "F", "800");
  const QCommandLineOption channel("channel",
                                   CliTr("Hear the air through an FM radio link: 'emphasis' (the "
                                         "transmitter's microphone path) or 'flat' (a data input, whose "
                                         "high tone the receiver's de-emphasis lowers)."),
                                   "INPUT");
  const QCommandLineOption clip("clip-dbfs",
                                CliTr("The link's deviation limiter: it clips above a sine of this peak "
                                      "(-40 to 0 dBFS; with --channel)."),
                                "N");
  const QCommandLineOption snr("snr-db",
                               CliTr("Noise on the link, this far under a DTMF pair at the tool's usual level "
                                     "(0 to 60 dB; with --channel)."),
                               "N");
  const QCommandLineOption echo("echo",
                                CliTr("A reply FIFO also carries what the board hears (through --channel), as a "
                                      "receiver on the frequency gives both: for monitoring a send."));
  parser.addOptions({link, imageOption, banner, fault, faultRequests, faultSkip, log, instant, bannerDelay, dataDelay,
                     listen, gap, reply, tone, channel, clip, snr, echo});
  if (auto exit = ParseArguments(parser, args)) return *exit;

  BoardSim::Options options;
  options.banner = ToStd(parser.value(banner));
  for (const QString& name : parser.values(fault)) {
    if (!BoardSim::ParseFault(ToStd(name), options)) {
      PrintError(Fill(CliText("unknown fault '%1'. Try --help."), {ToStd(name)}));
      return kExitUsage;
    }
  }
  if (parser.isSet(faultRequests)) {
    bool ok = false;
    options.faultRequests = parser.value(faultRequests).toInt(&ok);
    if (!ok || options.faultRequests < 1) {
      PrintError(CliText("--fault-requests takes a number of 1 or more."));
      return kExitUsage;
    }
  }
  if (parser.isSet(faultSkip)) {
    bool ok = false;
    options.faultSkip = parser.value(faultSkip).toInt(&ok);
    if (!ok || options.faultSkip < 0) {
      PrintError(CliText("--fault-skip takes a number of 0 or more."));
      return kExitUsage;
    }
  }
  for (const auto& [option, delay] : {std::pair{&bannerDelay, &options.bannerDelay}, {&dataDelay, &options.dataDelay}}) {
    if (!parser.isSet(*option)) continue;
    bool ok = false;
    const int ms = parser.value(*option).toInt(&ok);
    if (!ok || ms < 0 || ms > 60000) {
      PrintError(
          Fill(CliText("--%1 takes a number of milliseconds from 0 to 60000."), {ToStd(option->names().first())}));
      return kExitUsage;
    }
    *delay = std::chrono::milliseconds(ms);
  }
  const std::string imagePath = ToStd(parser.value(imageOption));
  if (!imagePath.empty() && QFileInfo::exists(parser.value(imageOption))) {
    std::string error;
    const auto image = LoadImage(imagePath, error);
    if (!image) {
      PrintError(error);
      return kExitUsage;
    }
    options.image = *image;
  }
  std::unique_ptr<SerialTrace> trace;
  if (parser.isSet(log)) {
    std::string why;
    trace = SerialTrace::ToFile(ToStd(parser.value(log)), &why);
    if (!trace) {
      PrintError(Fill(CliText("Cannot write the log %1."), {ToStd(parser.value(log))}));
      if (!why.empty()) PrintError(why);
      return kExitUsage;
    }
  }

  AirSide::Options air;
  air.source = ToStd(parser.value(listen));
  air.reply = ToStd(parser.value(reply));
  {
    bool gapOk = false;
    bool toneOk = false;
    const int gapMs = parser.value(gap).toInt(&gapOk);
    air.toneHz = FiniteDouble(parser.value(tone), &toneOk);
    if (!gapOk || gapMs < 50 || gapMs > 60000 || !toneOk || air.toneHz < 200 || air.toneHz > 3000) {
      PrintError(CliText("--sequence-gap-ms takes 50 to 60000, --cw-tone-hz 200 to 3000."));
      return kExitUsage;
    }
    air.sequenceGapSeconds = gapMs / 1000.0;
  }
  if (parser.isSet(channel)) {
    const auto input = ChannelInputFromName(ToStd(parser.value(channel)));
    if (!input) {
      PrintError(CliText("--channel takes emphasis or flat."));
      return kExitUsage;
    }
    ChannelOptions c;
    c.input = *input;
    for (auto [option, value, low, high] : {std::tuple{&clip, &c.clipDbfs, -40.0, 0.0}, std::tuple{&snr, &c.snrDb, 0.0, 60.0}}) {
      if (!parser.isSet(*option)) continue;
      bool ok = false;
      const double n = FiniteDouble(parser.value(*option), &ok);
      if (!ok || n < low || n > high) {
        PrintError(CliText("--clip-dbfs takes -40 to 0, --snr-db 0 to 60."));
        return kExitUsage;
      }
      *value = n;
    }
    air.channel = c;
  } else if (parser.isSet(clip) || parser.isSet(snr)) {
    PrintError(CliText("--clip-dbfs and --snr-db go with --channel."));
    return kExitUsage;
  }
  if (parser.isSet(reply) && !parser.isSet(listen)) {
    PrintError(CliText("--reply goes with --listen."));
    return kExitUsage;
  }
  if (parser.isSet(echo) && !parser.isSet(reply)) {
    PrintError(CliText("--echo goes with --reply."));
    return kExitUsage;
  }
  air.echo = parser.isSet(echo);

  int master = -1;
  int slave = -1;
  if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
    PrintError(Fill(CliText("Cannot create a pseudo-terminal: %1"), {std::strerror(errno)}));
    return kExitUsage;
  }
  // Raw from the start, so nothing is echoed before the tool configures it.
  // The simulator keeps its own end of the terminal open: the tool may close
  // and reopen the port without the board noticing.
  termios tio{};
  ::tcgetattr(slave, &tio);
  ::cfmakeraw(&tio);
  ::tcsetattr(slave, TCSANOW, &tio);
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  const std::string device = ::ttyname(slave);

  const std::string linkPath = ToStd(parser.value(link));
  if (!linkPath.empty()) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(linkPath, ec)))
      std::filesystem::remove(linkPath, ec);
    std::filesystem::create_symlink(device, linkPath, ec);
    if (ec) {
      PrintError(Fill(CliText("Cannot create the link %1: %2"), {linkPath, ec.message()}));
      return kExitUsage;
    }
  }
  (air.reply == "-" ? std::cerr : std::cout) << device << std::endl;

  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::signal(SIGHUP, OnSignal);

  BoardSim board(options);
  std::unique_ptr<AirSide> ear;
  // What the board hears goes to the console (standard error when standard
  // output carries the replies) and to the log.
  std::ostream& console = air.reply == "-" ? std::cerr : std::cout;
  if (!air.source.empty()) {
    std::string error;
    ear = AirSide::Open(air, board, error);
    if (!ear) {
      PrintError(error);
      return kExitUsage;
    }
    ear->say = [&console, &trace](const std::string& line) {
      console << line << std::endl;
      if (trace) trace->note(line);
    };
    ear->start();
  }
  const auto byteTime = parser.isSet(instant) ? Clock::duration::zero() : Clock::duration(kByteTime);
  std::deque<PendingByte> output;
  std::optional<Clock::time_point> vanishAt;
  int status = kExitOk;

  while (!gStop) {
    const auto now = Clock::now();
    std::optional<Clock::time_point> next;
    if (!output.empty()) next = output.front().due;
    if (vanishAt && (!next || *vanishAt < *next)) next = vanishAt;
    if (ear)
      if (const auto due = ear->deadline(); due && (!next || *due < *next)) next = due;
    timespec timeout{0, 0};
    timespec* wait = nullptr;
    if (next) {
      const auto left = std::max(Clock::duration::zero(), *next - now);
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      timeout.tv_sec = static_cast<time_t>(ns / 1000000000);
      timeout.tv_nsec = static_cast<long>(ns % 1000000000);
      wait = &timeout;
    }
    pollfd fds[2] = {{master, POLLIN, 0}, {ear ? ear->fd() : -1, POLLIN, 0}};
    pollfd& pfd = fds[0];
    const int ready = ::ppoll(fds, 2, wait, nullptr);
    const int pollError = ready < 0 ? errno : 0;  // before the ear's own calls change errno
    if (ready > 0 && ear && fds[1].fd >= 0 && (fds[1].revents & (POLLIN | POLLHUP))) ear->onReadable();
    if (ear) ear->onTime();
    if (ready < 0 && pollError != EINTR) {
      PrintError(std::string("poll: ") + std::strerror(pollError));
      status = kExitUsage;
      break;
    }

    if (ready > 0 && (pfd.revents & POLLIN)) {
      std::uint8_t buffer[4096];
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n > 0) {
        const Bytes received(buffer, buffer + n);
        if (trace) trace->received(received);
        for (std::uint8_t b : received) {
          const auto action = board.receive(b);
          if (!action) continue;
          const auto start = Clock::now() + action->delay;
          if (action->vanish) {
            vanishAt = start;
            continue;
          }
          auto due = output.empty() ? start : std::max(start, output.back().due + byteTime);
          for (std::uint8_t out : action->bytes) {
            output.push_back({due, out});
            due += byteTime;
          }
        }
      }
    }
    // Programmed over the link, or changed over the air.
    if (board.takeImageStored()) {
      if (trace) trace->note("image stored");
      if (!imagePath.empty()) {
        const DecoderImage& image = board.image();
        if (const auto error = WriteFileAtomically(imagePath, std::string(image.begin(), image.end())))
          PrintError(*error);
      }
    }

    const auto after = Clock::now();
    if (vanishAt && *vanishAt <= after) {
      if (trace) trace->note("vanished");
      break;
    }
    Bytes due;
    while (!output.empty() && output.front().due <= after) {
      due.push_back(output.front().value);
      output.pop_front();
    }
    if (!due.empty()) {
      if (trace) trace->sent(due);
      std::size_t written = 0;
      while (written < due.size()) {
        const ssize_t n = ::write(master, due.data() + written, due.size() - written);
        if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        if (n > 0) written += static_cast<std::size_t>(n);
      }
    }
  }

  ::close(master);
  ::close(slave);
  if (!linkPath.empty()) {
    std::error_code ec;
    std::filesystem::remove(linkPath, ec);
  }
  return status;
}

}  // namespace tonalis::cli
