// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <functional>
#include <iostream>
#include <memory>
#include <utility>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/port_option.h"
#include "config/decoder_image.h"
#include "history/history_recorder.h"
#include "i18n/language.h"
#include "link/board_link.h"
#include "link/serial_trace.h"
#include "storage/atomic_file.h"
#include "storage/config_file.h"

namespace tonalis::cli {
namespace {

// The progress dialog as lines: each new message starts a line, progress
// dots follow it. A line is written once the next one replaces it; the last
// one goes to standard output, or to standard error when the exchange failed.
class ConsoleProgress : public ProgressView {
 public:
  void setMessage(const std::string& text) override {
    writeLine(std::cout);
    line_ = ForTerminal(text);
    while (!line_.empty() && line_.front() == '\n') line_.erase(0, 1);
  }
  void appendMessage(const std::string& text) override { line_ += text; }
  void setMessageColour(Colour) override {}
  void setOkVisible(bool visible) override { ok_ = visible; }
  bool isOkVisible() const override { return ok_; }
  void showDialog() override {}

  // The last line, unless a message already said the same.
  void end(bool failed, const std::string& alreadySaid) {
    if (ForTerminal(alreadySaid) == line_) line_.clear();
    // With --json a failure travels as an event too: standard error is not read there.
    if (failed && !line_.empty()) PrintEvent("error", {{"text", QString::fromStdString(line_)}});
    writeLine(failed ? std::cerr : std::cout);
  }

 private:
  void writeLine(std::ostream& out) {
    if (!line_.empty()) out << line_ << std::endl;
    line_.clear();
  }

  bool ok_ = true;
  std::string line_;
};

class ConsoleMessages : public MessageSink {
 public:
  void showMessage(const UserMessage& message) override {
    PrintMessage(message);
    last_ = message.text;
  }
  const std::string& last() const { return last_; }

 private:
  std::string last_;
};

// The options every link command shares, and their descriptions.
constexpr const char* kLinkHelp[] = {
    TONALIS_TEXT("Port number 1-16 (mapped by ports.ini), a device path, or a port at a site:\n"
                 "rfc2217://HOST:PORT or socket://HOST:PORT."),
    TONALIS_TEXT("Write every byte on the link, with its time, to FILE."),
    TONALIS_TEXT("Keep the board history in DIR instead of the usual folder."),
};
struct LinkOptions {
  QCommandLineOption port{{"p", "port"}, CliTr(kLinkHelp[0]), "P"};
  QCommandLineOption trace{"trace", CliTr(kLinkHelp[1]), "FILE"};
  QCommandLineOption history{"history-dir", CliTr(kLinkHelp[2]), "DIR"};

  void addTo(QCommandLineParser& parser) {
    parser.addOption(port);
    parser.addOption(trace);
    parser.addOption(history);
  }
};

constexpr const char* kPortRequired = TONALIS_TEXT("--port is required. Try --help.");
constexpr const char* kCannotWriteTrace = TONALIS_TEXT("Cannot write the trace file %1.");

// How long an exchange waits for the banner that enabling programming asks for.
constexpr auto kBannerGrace = std::chrono::milliseconds(300);
// How often a network port still connecting is looked at.
constexpr auto kConnectingPoll = std::chrono::milliseconds(50);

// A link set up from the options, ready to enable programming.
class LinkSession {
 public:
  // Validates the options; returns an exit status on a usage error.
  // `historyFile` names the configuration file a history entry records.
  std::optional<int> setUp(const QCommandLineParser& parser, const LinkOptions& options,
                           const QString& historyFile = {}) {
    if (!parser.isSet(options.port)) {
      PrintError(CliText(kPortRequired));
      return kExitUsage;
    }
    const auto port = ParsePortOption(ToStd(parser.value(options.port)), "--port");
    if (!port) return kExitUsage;
    portText_ = port->fieldText;
    if (parser.isSet(options.trace)) {
      std::string why;
      trace_ = SerialTrace::ToFile(ToStd(parser.value(options.trace)), &why);
      if (!trace_) {
        PrintError(Fill(CliText(kCannotWriteTrace), {ToStd(parser.value(options.trace))}));
        if (!why.empty()) PrintError(why);
        return kExitUsage;
      }
    }
    link_ = std::make_unique<BoardLink>(progress_, messages_, port->resolver);
    if (trace_) link_->setTrace(trace_.get());
    // READ and PROGRAM are kept in the board history, as the window keeps them.
    const std::string folder = parser.isSet(options.history) ? ToStd(parser.value(options.history)) : HistoryFolder();
    const std::string file = ToStd(QFileInfo(historyFile).fileName());
    history_ = std::make_unique<HistoryRecorder>(*link_, messages_, folder, [file] { return file; });
    return std::nullopt;
  }

  // Opens the port for programming, which also asks the board to identify,
  // and lets that answer arrive before `then` starts an exchange, as a user
  // reads the banner before pressing a button.
  bool enable(std::function<void()> then) {
    link_->setProgrammingTicked(true, portText_);
    if (!link_->portOpen()) return false;
    auto started = std::make_shared<bool>(false);
    auto start = [this, started, then] {
      if (std::exchange(*started, true)) return;
      // The port went away (or could not be reached) before the exchange began: it has said why.
      if (!link_->portOpen()) {
        QCoreApplication::exit(0);
        return;
      }
      then();
    };
    QObject::connect(link_.get(), &BoardLink::bannerAnnounced, link_.get(), start, Qt::QueuedConnection);
    afterConnecting(kBannerGrace, start);
    return true;
  }

  // Calls `then` `wait` after the port is reached (at once for a local one),
  // stretched by the link's round trip.
  void afterConnecting(std::chrono::milliseconds wait, std::function<void()> then) {
    if (link_->portConnecting()) {
      QTimer::singleShot(kConnectingPoll, link_.get(), [this, wait, then] { afterConnecting(wait, then); });
      return;
    }
    QTimer::singleShot(wait + link_->answerAllowance(), link_.get(), then);
  }

  // Ends the board session, closes the port and returns `status`.
  int end(int status) {
    link_->setProgrammingTicked(false, portText_);
    progress_.end(status != kExitOk, messages_.last());
    return status;
  }

  BoardLink& link() { return *link_; }
  const std::string& portText() const { return portText_; }
  ConsoleProgress& progress() { return progress_; }

 private:
  std::string portText_;
  ConsoleProgress progress_;
  ConsoleMessages messages_;
  std::unique_ptr<SerialTrace> trace_;
  std::unique_ptr<BoardLink> link_;
  std::unique_ptr<HistoryRecorder> history_;
};

// How long `identify` waits for the banner that enabling programming asks for.
constexpr auto kIdentifyLimit = std::chrono::milliseconds(1000);

}  // namespace

int RunIdentify(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(CliTr("Opens the port for programming and shows the board's banner."));
  LinkOptions options;
  options.addTo(parser);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  LinkSession session;
  if (auto exit = session.setUp(parser, options)) return *exit;

  int status = kExitRefused;
  bool answered = false;
  QObject::connect(&session.link(), &BoardLink::bannerAnnounced, [&](bool expected) {
    answered = true;
    status = expected ? kExitOk : kExitRefused;
    QCoreApplication::exit(0);
  });
  QObject::connect(&session.link(), &BoardLink::portLost, [&] {
    answered = true;
    QCoreApplication::exit(0);
  });
  if (!session.enable([] {})) return session.end(kExitRefused);
  session.afterConnecting(kIdentifyLimit, [&] {
    if (answered) return;
    session.progress().setMessage(TrStd(kReadVersionFailed));
    QCoreApplication::exit(0);
  });
  QCoreApplication::exec();
  return session.end(status);
}

int RunRead(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Reads the board's configuration as READ does. With -o the configuration is saved\n"
            "as a configuration file."));
  LinkOptions options;
  options.addTo(parser);
  const QCommandLineOption output({"o", "output"}, CliTr("Save the configuration read to FILE."), "FILE");
  parser.addOption(output);
  const QCommandLineOption image("image", CliTr("Save the board's 192 bytes as read to FILE."), "FILE");
  parser.addOption(image);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  LinkSession session;
  if (auto exit = session.setUp(parser, options, parser.value(output))) return *exit;

  std::optional<DecoderConfig> read;
  int status = kExitRefused;
  QObject::connect(&session.link(), &BoardLink::configurationRead, [&](const DecoderConfig& c) { read = c; });
  QObject::connect(&session.link(), &BoardLink::exchangeFinished, [&](bool success) {
    status = success ? kExitOk : kExitRefused;
    QCoreApplication::exit(0);
  });
  if (!session.enable([&] { session.link().readBoard(); })) return session.end(kExitRefused);
  QCoreApplication::exec();
  if (status == kExitOk && read && parser.isSet(output)) {
    ConfigFileContent content{*read, session.portText()};
    if (const auto error = WriteConfigFile(ToStd(parser.value(output)), content)) {
      PrintError(*error);
      return session.end(kExitUsage);
    }
  }
  if (status == kExitOk && read && parser.isSet(image)) {
    const DecoderImage& bytes = session.link().readImage();
    if (const auto error = WriteFileAtomically(ToStd(parser.value(image)), std::string(bytes.begin(), bytes.end()))) {
      PrintError(*error);
      return session.end(kExitUsage);
    }
  }
  return session.end(status);
}

int RunProgram(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Checks a configuration file as PROGRAM does, programs it into the board and\n"
            "compares the board's read-back byte for byte."));
  parser.addPositionalArgument("CONFIG.prg", CliTr("Configuration to program."));
  LinkOptions options;
  options.addTo(parser);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  QString configPath;
  if (auto exit = RequireOnePositional(parser, configPath)) return *exit;
  LinkSession session;
  if (auto exit = session.setUp(parser, options, configPath)) return *exit;

  EncodeResult encoded;
  if (auto exit = LoadAndEncode(configPath, encoded)) return *exit;

  int status = kExitRefused;
  QObject::connect(&session.link(), &BoardLink::exchangeFinished, [&](bool success) {
    status = success ? kExitOk : kExitRefused;
    QCoreApplication::exit(0);
  });
  if (!session.enable([&] { session.link().programBoard(encoded.image); })) return session.end(kExitRefused);
  QCoreApplication::exec();
  return session.end(status);
}

}  // namespace tonalis::cli
