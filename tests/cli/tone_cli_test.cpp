// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <QDate>
#include <QTest>

#include <algorithm>

#include "support/dtmf_decode.h"
#include "support/board_sim_process.h"
#include "support/examples.h"
#include "storage/config_file.h"
#include "config/decoder_image.h"
#include "support/rigctld.h"
#include "support/run_cli.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::RunCli;
using testing::TempDir;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

TEST(ToneCli, RenderWritesWhatAnIndependentDecoderHears) {
  TempDir dir;
  const std::string wav = dir.file("x.wav");
  const auto run = RunCli({"render", "0123456789*#ABCD", "-o", Q(wav)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(testing::DecodeDtmfWav(wav), "0123456789*#ABCD");
  // RIFF header of 44 bytes, then 31 segments of 401 samples.
  EXPECT_EQ(testing::ReadAll(wav).size(), 44u + 31 * 401 * 2);

  // A level and a twist, as the tool's own measurement hears them; too loud is refused.
  ASSERT_EQ(RunCli({"render", "5", "-o", Q(wav), "--level-db", "-6", "--twist-db", "2.5"}).exitCode, 0);
  const auto measured = RunCli({"dtmf-decode", "--measure", Q(wav)});
  EXPECT_NE(measured.out.find("\n5,0.0,50.1,,770.0,1336.0,-16.3,-13.8,2.5\n"), std::string::npos) << measured.out;
  const auto loud = RunCli({"render", "5", "-o", Q(dir.file("loud.wav")), "--level-db", "5", "--twist-db", "2"});
  EXPECT_EQ(loud.exitCode, 2);
  EXPECT_EQ(loud.err, "tonalis-cli: Level +5.0 dB with twist +2.0 dB would clip: the two tones together pass full scale.\n");
}

TEST(ToneCli, RenderCorrectsTheTimingAsSendDoes) {
  TempDir dir;
  const std::string wav = dir.file("x.wav");
  const auto run = RunCli({"render", "1a", "-o", Q(wav), "--digit-ms", "10", "--gap-ms", "", "--pause-ms", "5"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err,
            "digit duration '10' corrected to 25 ms\n"
            "pause between digits '' corrected to 15 ms\n"
            "pause for a space '5' corrected to 25 ms\n"
            "'a' has no tone and is sent as a silent digit (digits are 0-9, *, #, A-D)\n");
  EXPECT_EQ(testing::ReadAll(wav).size(), 44u + (201 + 121 + 201) * 2);
}

TEST(ToneCli, SendPlaysOrSaysWhyNot) {
  TempDir dir;
  const std::string raw = dir.file("played.raw");
  const std::string good = dir.file("good.conf");
  testing::WriteAll(good, "pcm.!default { type asym playback.pcm { type file slave.pcm { type null } file \"" + raw +
                              "\" format \"raw\" } capture.pcm { type null } }\n");
  const std::string none = dir.file("none.conf");
  testing::WriteAll(none, "pcm.!default { type hw card 97 }\n");

  auto send = [](const std::string& conf, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = testing::ProgramEnvironment();
    env.insert("ALSA_CONFIG_PATH", QString::fromStdString(conf));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TONALIS_CLI), args.first().startsWith("send") ? args : QStringList{"send"} + args);
    p.waitForFinished(30000);
    return std::make_tuple(p.exitCode(), p.readAllStandardOutput().toStdString(),
                           p.readAllStandardError().toStdString());
  };

  const auto [ok, out, err] = send(good, {"0123456789*#ABCD"});
  EXPECT_EQ(ok, 0) << err;
  EXPECT_EQ(out.rfind("Sequence sent without PTT.\nEffective time = ", 0), 0u) << out;
  EXPECT_EQ(err, "") << "no chatter from the sound libraries";
  EXPECT_EQ(testing::DecodeDtmfRaw(raw), "0123456789*#ABCD");

  // A command of a configuration, by its number or a name in any case: its digits, sent the same way.
  ConfigFileContent site;
  site.config = testing::WorkedExample();
  site.config.txtMem[8] = "";
  site.config.txtMem[12] = "1212";
  ASSERT_FALSE(WriteConfigFile(dir.file("site.prg"), site));
  // Two-digit numbers are commands by number, not a part of a name.
  const auto [twelve, outTwelve, errTwelve] = send(good, {"send-command", Q(dir.file("site.prg")), "12"});
  EXPECT_EQ(twelve, 0) << errTwelve;
  EXPECT_EQ(errTwelve.rfind("command 12: ", 0), 0u) << errTwelve;
  EXPECT_EQ(testing::DecodeDtmfRaw(raw), "1212");
  for (const QString& name : {QString("0"), QString("output 1 ON"), QString("0: Output 1 ON")}) {
    const auto [byName, outName, errName] = send(good, {"send-command", Q(dir.file("site.prg")), name, "--gap-ms", "40"});
    EXPECT_EQ(byName, 0) << errName;
    EXPECT_EQ(errName, "command 0: Output 1 ON: 11\n") << S(name);
    EXPECT_EQ(testing::DecodeDtmfRaw(raw), "11") << S(name);
  }
  const auto [empty, outEmpty, errEmpty] = send(good, {"send-command", Q(dir.file("site.prg")), "status"});
  EXPECT_EQ(empty, 1);
  EXPECT_NE(errEmpty.find("Command 8: Send Status is empty in "), std::string::npos) << errEmpty;

  // A send that fails never says it completed.
  const auto [failed, out2, err2] = send(none, {"1"});
  EXPECT_EQ(failed, 1);
  EXPECT_EQ(err2, "1. waveOutOpen failed - -9985\nSequence not sent: the sound device could not be opened.\n");
  EXPECT_EQ(out2, "");

  const auto [missing, out3, err3] = send(good, {"1", "--audio-device", "no such device"});
  EXPECT_EQ(missing, 1);
  EXPECT_EQ(err3, "1. waveOutOpen failed - -9996\nSequence not sent: the sound device could not be opened.\n");
  EXPECT_EQ(out3, "");

  // The sound-card test counts input devices.
  const std::string playOnly = dir.file("play-only.conf");
  testing::WriteAll(playOnly, "pcm.!default { type asym playback.pcm { type file slave.pcm { type null } file \"" +
                                  raw + "\" format \"raw\" } capture.pcm { type hw card 98 } }\n");
  for (const auto& [conf, warned] : {std::pair{good, false}, std::pair{playOnly, true}}) {
    QProcess p;
    QProcessEnvironment env = testing::ProgramEnvironment();
    env.insert("ALSA_CONFIG_PATH", QString::fromStdString(conf));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TONALIS_CLI), {"audio-devices"});
    p.waitForFinished(30000);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_NE(p.readAllStandardOutput().toStdString().find("* default"), std::string::npos);
    EXPECT_EQ(p.readAllStandardError().toStdString(),
              warned ? "This PC has no sound card.\nThe program cannot send the DTMF tones\n" : "")
        << conf;
  }

  // Each send is in the journal, a command as the command it is, a failure with its reason.
  const auto journal = RunCli({"journal"});
  EXPECT_NE(journal.out.find("  send  0123456789*#ABCD  completed\n"), std::string::npos) << journal.out;
  EXPECT_NE(journal.out.find("  command  command 0: Output 1 ON (11)  completed\n"), std::string::npos) << journal.out;
  EXPECT_NE(journal.out.find("  send  1  failed\n"), std::string::npos) << journal.out;
  const auto csv = RunCli({"journal", "--csv", "--since", "2000-01-01"});
  EXPECT_EQ(csv.out.rfind("utc,local,kind,what,timing,ptt,result,detail,reply,monitor\r\n", 0), 0u);
  EXPECT_NE(csv.out.find(",send,1,\"digit 50 ms, gap 50 ms, pause 1000 ms, TX delay 200 ms\",none (PTT not enabled),"
                         "failed,Sequence not sent: the sound device could not be opened.,,"),
            std::string::npos) << csv.out;
  EXPECT_EQ(RunCli({"journal", "--since", "2999-01-01"}).out, "") << "none that late";
  const QString today = QDate::currentDate().toString("yyyy-MM-dd");
  EXPECT_NE(RunCli({"journal", "--since", today}).out.find("  send  1  failed\n"), std::string::npos)
      << "the day named is included";

  const auto [badPtt, out4, err4] = send(good, {"1", "--ptt", "/dev/tonalis-none"});
  EXPECT_EQ(badPtt, 1);
  EXPECT_EQ(err4, "Not able to open /dev/tonalis-none: No such file or directory\n") << "named as given";
  (void)out4;
}

// The Station setup's monitor and reply apply to the command line's sends as
// to the window's; an input that cannot be opened is said, and a reply that
// could not be listened for fails the send's exit status.
TEST(ToneCli, TheStationsMonitorAndReplyApplyWithoutTheOptions) {
  TempDir dir;
  const std::string conf = dir.file("good.conf");
  // A receiver that hears silence.
  testing::WriteAll(conf, "pcm.!default { type asym playback.pcm { type file slave.pcm { type null } file \"" +
                              dir.file("played.raw") + "\" format \"raw\" } capture.pcm { type file slave.pcm "
                              "{ type null } file \"/dev/null\" infile \"/dev/zero\" format \"raw\" } }\n");
  struct Case {
    std::string station;
    QStringList args;
    int exit;
    std::vector<std::string> said;  // on standard output or error, in order
  } cases[] = {
      {"[listen]\nmonitor=true\nreply=true\nseconds=1\n[sound]\ninput=no such input\n", {"1"}, 1,
       {"Not monitoring the transmission (the Station setup asks for it): ", "Sequence completed.",
        "Cannot listen for the board's reply: "}},
      {"", {"1", "--listen-reply", "--listen-seconds", "1"}, 0, {"Sequence completed.", "reply: none heard"}},
      {"[listen]\nreply=true\nseconds=1\n", {"1", "--json"}, 0,
       {"{\"event\":\"keyed\",\"ok\":true}", "{\"event\":\"released\",\"ok\":true}",
        "{\"event\":\"finished\",\"completed\":true,\"text\":\"Sequence completed.",
        "{\"event\":\"listening\"", "{\"event\":\"reply\",\"reply\":\"\",\"text\":\"reply: none heard\"}",
        "{\"event\":\"done\",\"exit\":0}"}},
  };
  // Keyed through rigctld's dummy rig, as a station is.
  testing::Rigctld rig;
  const std::string ptt = "[ptt]\nmethod=rigctld\nrigctld_host=127.0.0.1\nrigctld_port=" + std::to_string(rig.port()) + "\n";
  for (const Case& c : cases) {
    testing::WriteAll(dir.file("station.ini"), ptt + c.station);
    QProcess p;
    QProcessEnvironment env = testing::ProgramEnvironment();
    env.insert("ALSA_CONFIG_PATH", QString::fromStdString(conf));
    env.insert("TONALIS_SETTINGS_DIR", QString::fromStdString(dir.path().string()));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(TONALIS_CLI), QStringList{"send"} + c.args);
    ASSERT_TRUE(p.waitForFinished(30000));
    const std::string said = p.readAll().toStdString();
    EXPECT_EQ(p.exitCode(), c.exit) << said;
    std::size_t at = 0;
    for (const std::string& part : c.said) {
      at = said.find(part, at);
      ASSERT_NE(at, std::string::npos) << part << " in\n" << said;
    }
  }
}

TEST(ToneCli, TheDecodersHearWhatTheToolAndTheBoardSend) {
  TempDir dir;
  const std::string wav = dir.file("seq.wav");
  ASSERT_EQ(RunCli({"render", "1299345#D# 10", "-o", QString::fromStdString(wav), "--digit-ms", "25", "--gap-ms", "15",
                    "--pause-ms", "1500"})
                .exitCode,
            0);
  const auto digits = RunCli({"dtmf-decode", "--quiet", QString::fromStdString(wav)});
  EXPECT_EQ(digits.out, "1299345#D#10\n");
  const auto timed = RunCli({"dtmf-decode", QString::fromStdString(wav)});
  EXPECT_EQ(std::count(timed.out.begin(), timed.out.end(), '\n'), 12) << timed.out;
  EXPECT_EQ(timed.out.substr(0, 10), "1     0.00") << "each digit with its start and length";
  // Measured: a row a digit, the render's own 25 ms; checked against what was sent.
  const auto table = RunCli({"dtmf-decode", "--measure", QString::fromStdString(wav)});
  EXPECT_EQ(table.out.rfind("digit,start_ms,length_ms,gap_ms,low_hz,high_hz,low_dbfs,high_dbfs,twist_db\n"
                            "1,0.0,25.0,,697.0,1209.0,-10.3,-10.3,0.0\n"
                            "2,40.0,25.1,15.0,697.0,1336.0,-10.3,-10.3,0.0\n", 0), 0u) << table.out;
  EXPECT_NE(table.out.find("\n1,1887.6,25.4,1500.5,"), std::string::npos) << "the pause is a gap: " << table.out;
  EXPECT_NE(table.out.find("\nsummary,digits=12,shortest_ms=24.6,shortest_gap_ms=14.5,lowest_dbfs=-10.3,"),
            std::string::npos) << table.out;
  // The twist's range, both its ends: two renders of other twists, one after the other.
  const std::string twisted = dir.file("twisted.wav");
  ASSERT_EQ(RunCli({"render", "12 ", "-o", Q(dir.file("a.wav")), "--twist-db", "-3"}).exitCode, 0);
  ASSERT_EQ(RunCli({"render", "34", "-o", Q(dir.file("b.wav")), "--twist-db", "2"}).exitCode, 0);
  ASSERT_EQ(testing::RunProgram("sox", {Q(dir.file("a.wav")), Q(dir.file("b.wav")), Q(twisted)}).exitCode, 0);
  const auto range = RunCli({"dtmf-decode", "--measure", Q(twisted)});
  EXPECT_NE(range.out.find("\nsummary,digits=4,shortest_ms=49.9,shortest_gap_ms=50.1,lowest_dbfs=-13.3,"
                           "twist_db=-3.0..2.0,worst_offset_pct=0.00\n"),
            std::string::npos)
      << range.out;
  const auto check = RunCli({"dtmf-decode", "--expect", "1299345#D#10", QString::fromStdString(wav)});
  EXPECT_EQ(check.exitCode, 1) << "25 ms digits and 15 ms gaps are too short for a receiver";
  EXPECT_NE(check.out.find("digit 1 (1): 25.0 ms long, under 40 ms"), std::string::npos) << check.out;
  EXPECT_NE(check.out.find("12 would be missed"), std::string::npos) << check.out;

  // The simulated board hears the file and answers in Morse, which cw-decode reads.
  ConfigFileContent board;
  board.config = testing::WorkedExample();
  board.config.txtMem[0] = "12";
  board.config.txtSeqCmd = "99";
  const DecoderImage image = ValidateAndEncode(board.config).image;
  testing::WriteAll(dir.file("board.bin"), std::string(image.begin(), image.end()));
  const std::string reply = dir.file("reply.wav");
  testing::BoardSimProcess sim(dir.path().string(), {"--image", QString::fromStdString(dir.file("board.bin")),
                                                     "--listen", QString::fromStdString(wav), "--reply",
                                                     QString::fromStdString(reply)});
  ASSERT_TRUE(QTest::qWaitFor([&] { return sim.heard().size() == 2; }, 5000));
  EXPECT_EQ(sim.heard()[0], "heard 1299345#D# -> command 0 replaced by 345");
  EXPECT_EQ(sim.heard()[1], "heard 10 -> command 1: Output 1 OFF");
  const auto morse = RunCli({"cw-decode", "--verbose", QString::fromStdString(reply)});
  EXPECT_EQ(morse.out, "ABC R\n");
  EXPECT_EQ(morse.err.rfind("tone 800 Hz, speed 20 WPM", 0), 0u) << morse.err;

  // A board whose Morse timing byte is erased replies at the default speed, not at 5 WPM.
  DecoderImage erasedTiming = image;
  erasedTiming[layout::kMorseTiming.offset] = 0xFF;
  testing::WriteAll(dir.file("erased.bin"), std::string(erasedTiming.begin(), erasedTiming.end()));
  const std::string erasedReply = dir.file("erased-reply.wav");
  const std::string erasedFolder = dir.file("erased");
  std::filesystem::create_directories(erasedFolder);
  testing::BoardSimProcess erased(erasedFolder, {"--image", Q(dir.file("erased.bin")), "--listen",
                                                 QString::fromStdString(wav), "--reply", Q(erasedReply)});
  ASSERT_TRUE(QTest::qWaitFor([&] { return erased.heard().size() == 2; }, 5000));
  const auto erasedMorse = RunCli({"cw-decode", "--verbose", Q(erasedReply)});
  EXPECT_EQ(erasedMorse.out, "ABC R\n");
  EXPECT_EQ(erasedMorse.err.rfind("tone 800 Hz, speed 20 WPM", 0), 0u) << erasedMorse.err;

  // Through a radio link whose limiter clips: too loud loses digits, 10 dB lower is heard whole.
  for (const auto& [level, heard] : {std::pair{"0", "heard 0123456789CD -> ignored"},
                                     std::pair{"-10", "heard 0123456789ABCD -> ignored"}}) {
    const std::string sent = dir.file(std::string("level") + level + ".wav");
    ASSERT_EQ(RunCli({"render", "0123456789ABCD", "-o", QString::fromStdString(sent), "--level-db", level}).exitCode, 0);
    const std::string link = dir.file(std::string("link") + level);
    std::filesystem::create_directories(link);
    testing::BoardSimProcess air(link, {"--listen", QString::fromStdString(sent), "--channel",
                                                        "emphasis", "--clip-dbfs", "-20"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return air.heard().size() == 1; }, 5000)) << level;
    EXPECT_EQ(air.heard()[0], heard);
  }
}

}  // namespace
}  // namespace tonalis
