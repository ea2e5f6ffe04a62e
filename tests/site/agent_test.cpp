// SPDX-License-Identifier: GPL-3.0-or-later
// The site's agent at its own level: the program on a pipe, every kind of
// request and event, and its input ending in each state.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <functional>

#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/real_time_fifo.h"
#include "support/rigctld.h"
#include "support/run_cli.h"
#include "support/test_files.h"
#include "storage/config_file.h"

namespace tonalis {
namespace {

using testing::TempDir;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The agent as a site runs it, its settings and sound in `dir`.
class AgentProcess {
 public:
  // `alsaConf`: the site's sound card; by default one that plays into a file at once.
  explicit AgentProcess(const std::string& dir, std::string alsaConf = {}) {
    std::filesystem::create_directories(dir);
    if (alsaConf.empty()) {
      alsaConf = dir + "/asound.conf";
      testing::WriteAll(alsaConf, "pcm.!default { type asym playback.pcm { type file slave.pcm { type null } file \"" +
                                      dir + "/played.raw\" format \"raw\" } capture.pcm { type null } }\n");
    }
    QProcessEnvironment env = testing::ProgramEnvironment();
    env.insert("TONALIS_SETTINGS_DIR", Q(dir));
    env.insert("ALSA_CONFIG_PATH", Q(alsaConf));
    process_.setProcessEnvironment(env);
    process_.start(TONALIS_CLI, {"agent", "--stdio"});
    process_.waitForStarted(5000);
  }
  ~AgentProcess() {
    process_.kill();
    process_.waitForFinished(3000);
  }
  void send(const QByteArray& line) {
    process_.write(line + '\n');
    process_.waitForBytesWritten(5000);
  }
  void request(int id, const QString& op, const QStringList& args = {}, QJsonObject extra = {}) {
    extra.insert("id", id);
    extra.insert("op", op);
    extra.insert("args", QJsonArray::fromStringList(args));
    send(QJsonDocument(extra).toJson(QJsonDocument::Compact));
  }
  // Events until `until` holds for one (that one included), or the time is up.
  std::vector<QJsonObject> until(const std::function<bool(const QJsonObject&)>& until, int ms = 15000) {
    std::vector<QJsonObject> out;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
      while (process_.canReadLine()) {
        const QJsonObject event = QJsonDocument::fromJson(process_.readLine()).object();
        out.push_back(event);
        if (until(event)) return out;
      }
      if (!process_.waitForReadyRead(100) && process_.state() == QProcess::NotRunning && !process_.canReadLine())
        break;
    }
    return out;
  }
  std::vector<QJsonObject> untilDone(int id, int ms = 15000) {
    return until([id](const QJsonObject& e) { return e["event"] == "done" && e["id"] == id; }, ms);
  }
  void closeInput() { process_.closeWriteChannel(); }
  bool endsWithin(int ms) { return process_.waitForFinished(ms); }
  QProcess& process() { return process_; }

 private:
  QProcess process_;
};

int ExitOf(const std::vector<QJsonObject>& events) { return events.empty() ? -1 : events.back()["exit"].toInt(-1); }
bool Has(const std::vector<QJsonObject>& events, const char* kind, const QString& part = {}) {
  for (const auto& e : events)
    if (e["event"] == kind && e["text"].toString().contains(part)) return true;
  return false;
}

TEST(Agent, SpeaksFirstAndAnswersEachRequest) {
  TempDir dir;
  AgentProcess agent(dir.file("site"));
  const auto hello = agent.until([](const QJsonObject&) { return true; });
  ASSERT_EQ(hello.size(), 1u);
  EXPECT_EQ(hello[0]["event"], "hello");
  EXPECT_EQ(hello[0]["version"], 1);
  EXPECT_TRUE(hello[0]["program"].toString().startsWith("tonalis-cli "));
  EXPECT_FALSE(hello[0]["host"].toString().isEmpty());

  struct Case {
    const char* what;
    QByteArray line;
    int exit;          // -1: no done (no id to answer)
    const char* kind;  // an event it holds
    const char* part;
  };
  const Case cases[] = {
      {"not JSON", "{id:1,", -1, "error", "not a JSON object: {id:1,"},
      {"not an object", "[1,2]", -1, "error", "not a JSON object"},
      {"a command it does not run", R"({"id":2,"op":"board-sim"})", 2, "error", "unknown command 'board-sim'"},
      {"args not a list", R"({"id":3,"op":"history","args":"list"})", 2, "error", "must be a list of texts"},
      {"a file option", R"({"id":4,"op":"read","args":["--port","1","-o","/tmp/x.prg"]})", 2, "error",
       "-o names a file or folder at the site"},
      {"a file option joined", R"({"id":5,"op":"read","args":["--trace=/tmp/t"]})", 2, "error", "--trace names"},
      {"a short option joined", R"({"id":6,"op":"journal","args":["-o/tmp/j.csv"]})", 2, "error", "-o names"},
      {"history elsewhere", R"({"id":7,"op":"history","args":["list","--history-dir","/"]})", 2, "error",
       "--history-dir names"},
      {"a recording", R"({"id":8,"op":"send","args":["1","--monitor-wav","/tmp/m.wav"]})", 2, "error",
       "--monitor-wav names"},
      {"a configuration without its text", R"({"id":9,"op":"program","args":["-","--port","1"]})", 2, "error",
       "\"prg\" holds the configuration's text"},
      {"the command's error as its line", R"({"id":10,"op":"identify","args":["--port","/dev/tonalis-none"]})", 1,
       "err", "Not able to open /dev/tonalis-none"},
      {"the command's output as lines", R"({"id":11,"op":"serial-ports"})", 0, "", ""},
      {"the command's refusal with its exit status", R"({"id":14,"op":"history","args":["list"]})", 2, "err",
       "No board history"},
      {"stop with nothing running", R"({"id":12,"op":"stop"})", 1, "error", "nothing is running"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    agent.send(c.line);
    const auto events = c.exit < 0 ? agent.until([](const QJsonObject& e) { return e["event"] == "error"; })
                                   : agent.untilDone(QJsonDocument::fromJson(c.line)["id"].toInt());
    ASSERT_FALSE(events.empty());
    if (c.exit >= 0) {
      EXPECT_EQ(ExitOf(events), c.exit);
    }
    if (*c.kind) {
      EXPECT_TRUE(Has(events, c.kind, c.part)) << QJsonDocument(events.front()).toJson().toStdString();
    }
  }
  EXPECT_FALSE(std::filesystem::exists("/tmp/x.prg") || std::filesystem::exists("/tmp/m.wav"));

  // A line past the bound is skipped whole; the agent goes on.
  agent.send(QByteArray(1024 * 1024 + 10, 'x'));
  EXPECT_TRUE(Has(agent.until([](const QJsonObject& e) { return e["event"] == "error"; }), "error",
                  "a line longer than 1048576 bytes"));
  agent.request(13, "serial-ports");
  EXPECT_EQ(ExitOf(agent.untilDone(13)), 0);

  // Idle, its input closed: it ends at once.
  agent.closeInput();
  EXPECT_TRUE(agent.endsWithin(2000));
  EXPECT_EQ(agent.process().exitCode(), 0);
}

TEST(Agent, AConfigurationTravelsInAndAReadComesBack) {
  TempDir dir;
  testing::BoardSimProcess board(dir.path().string());
  AgentProcess agent(dir.file("site"));
  ConfigFileContent example{testing::WorkedExample(), ""};
  agent.request(1, "program", {"-", "--port", Q(board.link())},
                {{"prg", Q(FormatConfigFile(example))}, {"prgName", "../../etc/new.prg"}});
  const auto programmed = agent.untilDone(1);
  EXPECT_EQ(ExitOf(programmed), 0);
  EXPECT_TRUE(Has(programmed, "out", "successfully programmed"));

  agent.request(2, "read", {"--port", Q(board.link())}, {{"prgName", "back.prg"}});
  const auto read = agent.untilDone(2);
  EXPECT_EQ(ExitOf(read), 0);
  QJsonObject result;
  for (const auto& e : read)
    if (e["event"] == "read") result = e;
  ConfigFileContent expected;
  expected.config = DecodeImage(ValidateAndEncode(example.config).image);
  EXPECT_EQ(result["prg"].toString().toStdString(), FormatConfigFile(expected));
  const DecoderImage image = ValidateAndEncode(example.config).image;
  EXPECT_EQ(QByteArray::fromHex(result["image"].toString().toLatin1()),
            QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size())));

  // The history at the site names the files as the caller did, nothing of the agent's.
  agent.request(3, "history", {"list"});
  const auto history = agent.untilDone(3);
  EXPECT_TRUE(Has(history, "out", "new.prg"));
  EXPECT_TRUE(Has(history, "out", "back.prg"));
  EXPECT_FALSE(Has(history, "out", "tonalis-agent"));
}

// What the agent does with a keyed transmitter when told to stop, when busy,
// and when its input goes.
TEST(Agent, StopBusyAndTheEndOfInputReleaseTheTransmitter) {
  TempDir dir;
  testing::Rigctld rig;
  ASSERT_EQ(rig.ptt(), 0);
  const QStringList tone = {"tone", "--seconds", "20", "--rigctld", Q(rig.address()), "--json"};
  enum class End { Stop, EndOfInput, AgentKilled };
  for (const End end : {End::Stop, End::EndOfInput, End::AgentKilled}) {
    const bool byStop = end == End::Stop;
    const std::string name = end == End::Stop ? "stop" : end == End::EndOfInput ? "end of input" : "agent killed";
    SCOPED_TRACE(name);
    // A card that plays in real time: the tone lasts its 20 s unless stopped.
    // (ALSA takes no blank in its configuration's path.)
    const std::string site = dir.file("site" + std::to_string(static_cast<int>(end)));
    std::filesystem::create_directories(site);
    testing::RealTimeFifo card(site);
    AgentProcess agent(site, card.conf());
    agent.request(1, tone[0], tone.mid(1));
    const auto keyed = agent.until([](const QJsonObject& e) { return e["event"] == "keyed" || e["event"] == "done"; });
    ASSERT_FALSE(keyed.empty());
    ASSERT_EQ(keyed.back()["event"].toString(), "keyed") << QJsonDocument(keyed.back()).toJson().toStdString();
    EXPECT_EQ(keyed.back()["id"], 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.ptt() == 1; }, 3000));

    agent.request(2, "history", {"list"});
    const auto busy = agent.untilDone(2);
    EXPECT_TRUE(Has(busy, "busy"));
    EXPECT_EQ(ExitOf(busy), 1);

    QElapsedTimer clock;
    clock.start();
    if (byStop) {
      agent.send(R"({"id":3,"op":"stop"})");
      EXPECT_EQ(ExitOf(agent.untilDone(3)), 0);
    } else if (end == End::EndOfInput) {
      agent.closeInput();
    } else {
      agent.process().kill();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.ptt() == 0; }, 3000));
    EXPECT_LT(clock.elapsed(), 1000) << "released within a second";
    if (end == End::AgentKilled) continue;  // nobody is left to say so
    const auto ended = agent.untilDone(1, 5000);
    ASSERT_FALSE(ended.empty());
    EXPECT_EQ(ended.back()["event"], "done");
    EXPECT_TRUE(Has(ended, "released"));
    if (!byStop) {
      EXPECT_TRUE(agent.endsWithin(3000)) << "then the agent ends";
    }
  }
}

}  // namespace
}  // namespace tonalis
