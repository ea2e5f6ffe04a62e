// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <vector>

#include <fstream>

#include "config/decoder_image.h"
#include "storage/config_file.h"
#include "support/examples.h"
#include "support/run_cli.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::ReadAll;
using testing::RunCli;
using testing::TempDir;
using testing::WriteAll;

ConfigFileContent WorkedExample() {
  ConfigFileContent f;
  f.config = testing::WorkedExample();
  return f;
}

const char* kWorkedExampleRows =
    "81 0C 3C 0A 73 8A FF FF 01 01 80 FF FF FF FF FF\n"
    "FF FF 01 0A 80 FF FF FF FF FF FF FF 80 FF FF FF\n"
    "FF FF FF FF FF FF 80 FF FF FF FF FF FF FF FF FF\n"
    "80 FF FF FF FF FF FF FF FF FF 80 FF FF FF FF FF\n"
    "FF FF FF FF 80 FF FF FF FF FF FF FF FF FF 80 FF\n"
    "FF FF FF FF FF FF FF FF 80 FF FF FF FF FF FF FF\n"
    "FF FF 80 FF FF FF FF FF FF FF FF FF 80 FF FF FF\n"
    "FF FF FF FF FF FF 80 FF FF FF FF FF FF FF FF FF\n"
    "80 FF FF FF FF FF FF FF FF FF 80 FF FF FF FF FF\n"
    "FF FF FF FF 80 FF FF FF FF FF FF FF FF FF 80 FF\n"
    "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF\n"
    "01 02 03 04 80 FF FF FF FF 41 42 43 00 FF FF FF\n";

QString Q(const std::string& s) { return QString::fromStdString(s); }

TEST(Cli, EncodesAndDecodesTheWorkedExample) {
  TempDir dir;
  const std::string prg = dir.file("example.prg");
  ASSERT_FALSE(WriteConfigFile(prg, WorkedExample()));

  const auto hex = RunCli({"encode", Q(prg)});
  EXPECT_EQ(hex.exitCode, 0) << hex.err;
  EXPECT_EQ(hex.out, kWorkedExampleRows);

  const std::string bin = dir.file("example.bin");
  const auto raw = RunCli({"encode", Q(prg), "-o", Q(bin)});
  EXPECT_EQ(raw.exitCode, 0) << raw.err;
  const std::string bytes = ReadAll(bin);
  ASSERT_EQ(bytes.size(), 192u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x81);
  EXPECT_EQ(static_cast<unsigned char>(bytes[190]), 0xFF);

  const auto decoded = RunCli({"decode", Q(bin)});
  EXPECT_EQ(decoded.exitCode, 0) << decoded.err;
  EXPECT_EQ(decoded.out, ReadAll(prg));

  const std::string back = dir.file("back.prg");
  EXPECT_EQ(RunCli({"decode", Q(bin), "--output", Q(back)}).exitCode, 0);
  EXPECT_EQ(ReadAll(back), ReadAll(prg));
}

TEST(Cli, EncodeRefusalsPrintTheWindowsMessage) {
  struct Case {
    void (*change)(DecoderConfig&);
    const char* message;
  };
  const Case cases[] = {
      {[](DecoderConfig& c) { c.txtCrcTag = ""; }, "Checksum ID empty."},
      {[](DecoderConfig& c) { c.txtMorseSpeed = "151"; }, "Please insert a valid Morse Speed"},
      {[](DecoderConfig& c) { c.txtTmr2 = "0"; }, "Please insert a valid Output 2 Timer Interval"},
      {[](DecoderConfig& c) { c.txtBlo = "14"; }, "Battery High Level must be grater than Low level"},
      {[](DecoderConfig& c) { c.txtBlo = "25.41", c.txtBhi = "25.5"; }, "Please insert a valid Low Battery Voltage"},
      {[](DecoderConfig& c) { c.txtBlo = "0", c.txtBhi = "0.05"; }, "Please insert a valid High Battery Voltage"},
      {[](DecoderConfig& c) { c.txtMem[9] = "11"; }, "Command #0 is equal to Command #9"},
      {[](DecoderConfig& c) { c.txtSeqCmd = ""; }, "Modifier ID is empty"},
      {[](DecoderConfig& c) { c.txtMem[2] = "12345678901"; },
       "Command #2 is too long: 11 digits, at most 10 fit in the decoder."},
  };
  TempDir dir;
  for (const auto& tc : cases) {
    ConfigFileContent f = WorkedExample();
    tc.change(f.config);
    const std::string prg = dir.file("refused.prg");
    ASSERT_FALSE(WriteConfigFile(prg, f));
    const auto run = RunCli({"encode", Q(prg)});
    EXPECT_EQ(run.exitCode, 1) << tc.message;
    EXPECT_EQ(run.err, std::string(tc.message) + "\n");
    EXPECT_EQ(run.out, "");
  }
}

TEST(Cli, ReplacePrintsTheSequenceOrTheRefusal) {
  struct Case {
    QStringList args;
    int exit;
    const char* out;
    const char* err;
  };
  const Case cases[] = {
      {{"--original", "12", "--modifier-id", "99", "--checksum-id", "#", "--new", "345"}, 0, "1299345#D#\n", ""},
      {{"--original", "5", "--modifier-id", "99", "--checksum-id", "#", "--new", "1234567890"},
       0,
       "5991234567890#37\n",
       ""},
      {{"--original", "12", "--checksum-id", "#", "--new", "345"},
       1,
       "",
       "Modifier ID or Checksum ID cannot be empty.\n"
       "Please insert Modifier ID / Checksum ID in Direct Programming Tab.\n"},
      {{"--original", "1299", "--modifier-id", "99", "--checksum-id", "#", "--new", "345"},
       1,
       "",
       "Original Sequence ends with Modifier ID Sequence.\nPlease modify Original Sequence.\n"},
      {{"--original", "12", "--modifier-id", "99", "--checksum-id", "#", "--new", "3499"},
       1,
       "",
       "New Sequence ends with Modifier ID Sequence.\nPlease modify New Sequence.\n"},
      {{"--original", "12", "--modifier-id", "99", "--checksum-id", "#", "--new", "7"},
       1,
       "",
       "Original/New Sequence too short.\n"},
      {{"--original", "12", "--bogus"}, 2, "", nullptr},
      {{"stray"}, 2, "", nullptr},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(QStringList{"replace"} + c.args);
    EXPECT_EQ(run.exitCode, c.exit) << c.args.join(' ').toStdString() << ": " << run.err;
    EXPECT_EQ(run.out, c.out);
    if (c.err) {
      EXPECT_EQ(run.err, c.err);
    }
  }
}

TEST(Cli, ReplaceWithAConfigurationShowsTheWindowsNotes) {
  TempDir dir;
  ConfigFileContent f = WorkedExample();
  f.config.txtSeqCmd = "99";
  f.config.txtCrcTag = "5";
  f.config.txtMem[3] = "152";
  f.config.txtMem[7] = "55";
  f.config.txtMem[12] = "12";
  const std::string prg = dir.file("board.prg");
  ASSERT_FALSE(WriteConfigFile(prg, f));

  const auto run = RunCli({"replace", "--config", Q(prg), "--original", "12", "--new", "152"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "Digit 5 already used in command sequences.\nPlease choose another digit.\n"
            "Original Sequence [cmd 12]\n"
            "New Sequence  [cmd 3]\n"
            "New Sequence \"152\" contains the Checksum ID 5.\n"
            "The decoder would take it as the end of the new command.\n");
  // Options win over the file.
  const auto override =
      RunCli({"replace", "--config", Q(prg), "--checksum-id", "#", "--original", "12", "--new", "345"});
  EXPECT_EQ(override.out, "1299345#D#\n");
  // What the board would ignore or refuse is not printed for sending.
  const auto ignored = RunCli({"replace", "--config", Q(prg), "--checksum-id", "#", "--original", "1", "--new", "345"});
  EXPECT_EQ(ignored.exitCode, 1);
  EXPECT_EQ(ignored.out, "");
  EXPECT_NE(ignored.err.find("The Original Sequence 1 is none of the commands"), std::string::npos) << ignored.err;
}

// The command card: every label and sequence is on its one page, the site's keys only when asked for.
TEST(Cli, TheCommandCardHasEveryCommandAndHidesTheKeys) {
  TempDir dir;
  ConfigFileContent site = WorkedExample();
  site.config.txtMem[8] = "98";
  ASSERT_FALSE(WriteConfigFile(dir.file("North Hill.prg"), site));
  for (const bool keys : {false, true}) {
    const std::string pdf = dir.file(keys ? "keys.pdf" : "card.pdf");
    QStringList args{"card", Q(dir.file("North Hill.prg")), "-o", Q(pdf)};
    if (keys) args << "--show-keys";
    const auto run = RunCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto text = testing::RunProgram("pdftotext", {"-layout", Q(pdf), "-"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const auto pages = testing::RunProgram("pdfinfo", {Q(pdf)});
    EXPECT_EQ(QString::fromStdString(pages.out).section("Pages:", 1).section("\n", 0, 0).trimmed(), "1") << pages.out;
    for (const char* line : {"North Hill", "0: Output 1 ON", "11", "1: Output 1 OFF", "10", "8: Send Status", "98",
                             "15: ALL Outputs OFF", "(none)", "CW call", "ABC", "20 WPM", "10 s", "11.5 V", "13.8 V", "Output 1 at power-on"})
      EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;
    EXPECT_EQ(text.out.find("1234") != std::string::npos, keys) << text.out;
    EXPECT_NE(text.out.find(keys ? "Checksum ID                      #" : "****"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Output 1 at power-on             ON"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Output 2 at power-on             OFF"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Output 4 at power-on             OFF"), std::string::npos) << text.out;
  }
  // A card that cannot be written is said, exit 1, and never blocks.
  ::mkfifo(dir.file("fifo.pdf").c_str(), 0600);
  std::filesystem::create_directory(dir.file("folder.pdf"));
  const std::pair<std::string, const char*> refusals[] = {
      {dir.file("folder.pdf"), "Is a directory"},
      {dir.file("fifo.pdf"), "not a regular file"},
      {dir.file("nowhere/card.pdf"), "Cannot create a file in"},
  };
  for (const auto& [target, said] : refusals) {
    const auto run = RunCli({"card", Q(dir.file("North Hill.prg")), "-o", Q(target)}, 10000);
    EXPECT_FALSE(run.crashed) << target;
    EXPECT_EQ(run.exitCode, 1) << target;
    EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
  }
}

TEST(Cli, UsageAndFileErrors) {
  TempDir dir;
  const std::string small = dir.file("small.bin");
  WriteAll(small, std::string(191, '\xFF'));
  const std::string site = dir.file("site.prg");
  ASSERT_FALSE(WriteConfigFile(site, WorkedExample()));
  // Where a trace or log would go: never through a link, never into a pipe.
  ::mkfifo(dir.file("trace.fifo").c_str(), 0600);
  WriteAll(dir.file("notes.txt"), "my notes");
  std::filesystem::create_symlink(dir.file("notes.txt"), dir.file("trace.link"));
  struct Case {
    QStringList args;
    int exit;
    const char* errPart;
  };
  const Case cases[] = {
      {{}, 2, "Usage: tonalis-cli"},
      {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
      {{"encode"}, 2, "A file name is missing"},
      {{"encode", Q(dir.file("none.prg"))}, 2, "File not found."},
      {{"decode", Q(small)}, 2, "holds 191 bytes; a decoder image has exactly 192."},
      {{"decode", Q(dir.file("none.bin"))}, 2, "no such file"},
      {{"decode", Q(small), "-o"}, 2, "Missing value after '-o'"},
      {{"encode", Q(small), "-o", Q(dir.file("nowhere/x.bin"))}, 2, "Unable to load data file"},
      {{"dtmf-decode", Q(small), "--expect", "12x"}, 2, "--expect takes the DTMF digits sent"},
      {{"tone", "--hz", "3501"}, 2, "--hz takes 100 to 3500, --seconds up to 600"},
      {{"board-sim", "--listen", Q(small), "--channel", "loud"}, 2, "--channel takes emphasis or flat"},
      {{"board-sim", "--listen", Q(small), "--snr-db", "10"}, 2, "--clip-dbfs and --snr-db go with --channel"},
      {{"board-sim", "--listen", Q(small), "--channel", "flat", "--clip-dbfs", "1"}, 2, "--clip-dbfs takes -40 to 0"},
      {{"tone", "--seconds", "0"}, 2, "--hz takes 100 to 3500, --seconds up to 600"},
      {{"dtmf-decode", Q(small), "--expect", "1", "--floor-dbfs", "-91"}, 2, "--floor-dbfs takes a number from -90 to 0"},
      // NaN and infinities pass no range.
      {{"dtmf-decode", Q(small), "--expect", "1", "--floor-dbfs", "nan"}, 2, "--floor-dbfs takes a number from -90 to 0"},
      {{"board-sim", "--listen", Q(small), "--channel", "flat", "--snr-db", "nan"}, 2, "--clip-dbfs takes -40 to 0"},
      {{"board-sim", "--listen", Q(small), "--cw-tone-hz", "nan"}, 2, "--cw-tone-hz 200 to 3000"},
      {{"tone", "--level", "-inf"}, 2, "--hz takes 100 to 3500"},
      {{"tone", "--hz", "nan"}, 2, "--hz takes 100 to 3500"},
      {{"identify", "--port", "/dev/null", "--trace", Q(dir.file("trace.fifo"))}, 2, "is not an ordinary file"},
      {{"identify", "--port", "/dev/null", "--trace", Q(dir.file("trace.link"))}, 2, "is not an ordinary file"},
      {{"board-sim", "--log", Q(dir.file("trace.link"))}, 2, "is not an ordinary file"},
      {{"send", "1", "--monitor-wav", Q(dir.file("m.wav"))}, 2, "--monitor-wav goes with --monitor"},
      {{"send", "1", "--listen-reply", "--listen-seconds", "0"}, 2, "--listen-seconds takes a number of seconds"},
      {{"send", "1", "--listen-seconds", "121"}, 2, "--listen-seconds takes a number of seconds"},
      {{"audio-devices", "--json"}, 2, "Unknown option 'json'"},
      {{"send-command", Q(site), "output"}, 2, "\"output\" could be 0: Output 1 ON, 1: Output 1 OFF, 2: Output 2 ON,"},
      {{"send-command", Q(site), "16"}, 2, "There is no command 16: they are numbered 0 to 15."},
      {{"send-command", Q(site), "warp"}, 2, "No command is called \"warp\"."},
      {{"send-command", Q(dir.file("none.prg")), "0"}, 2, "Unable to load data file"},
      {{"send-command", Q(site)}, 2, "Usage: tonalis-cli send-command CONFIG.prg N|NAME"},
      {{"journal", "--since", "8 December"}, 2, "--since takes a date as YYYY-MM-DD."},
      {{"card", Q(site)}, 2, "-o CARD.pdf is required."},
      {{"card", Q(dir.file("none.prg")), "-o", Q(dir.file("c.pdf"))}, 2, "Unable to load data file"},
      {{"send", "1", "--monitor", "--input-device", "tonalis-no-input"}, 1,
       "Cannot monitor the transmission: no sound input device is called tonalis-no-input. Nothing was sent."},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, c.exit) << c.args.join(' ').toStdString();
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
  }
  EXPECT_EQ(testing::ReadAll(dir.file("notes.txt")), "my notes") << "a link's file is never emptied";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Whether a line says something in words (a word: four letters or more, as
// prose has; option names, value names and CSV headers are not words).
bool HasWords(const std::string& line) {
  static const QRegularExpression word("(^|\\s)[A-Za-z']{4,}[.,:;)]?(\\s|$)");
  return word.match(Q(line)).hasMatch();
}

// Every command's help in English and in Italian: no line of prose left in
// English, the program named as a user would type it.
TEST(Cli, EveryCommandsHelpInEnglishAndInItalian) {
  const auto top = RunCli({"--help"});
  const auto topIt = RunCli({"--language", "it", "--help"});
  ASSERT_EQ(top.exitCode, 0);
  ASSERT_EQ(topIt.exitCode, 0);
  std::vector<std::pair<QStringList, std::string>> helps = {{{"--help"}, ""}};
  for (const auto& line : Lines(top.out))
    if (line.rfind("  ", 0) == 0 && line.size() > 2 && std::islower(static_cast<unsigned char>(line[2])))
      helps.push_back({{Q(line.substr(2, line.find(' ', 2) - 2)), "--help"}, ""});
  ASSERT_EQ(helps.size(), 22u) << top.out;
  for (auto& [args, english] : helps) {
    const auto en = RunCli(args);
    const auto it = RunCli(QStringList{"--language", "it"} + args);
    const std::string where = args.join(' ').toStdString();
    EXPECT_EQ(en.exitCode, 0) << where;
    EXPECT_EQ(it.exitCode, 0) << where;
    const std::string named = "tonalis-cli " + (args.size() > 1 ? args[0].toStdString() : std::string());
    EXPECT_EQ(en.out.rfind("Usage: " + named, 0), 0u) << en.out;
    EXPECT_NE(it.out.substr(0, it.out.find('\n')).find(named), std::string::npos) << it.out;
    const auto englishLines = Lines(en.out);
    int prose = 0;
    for (const auto& line : Lines(it.out)) {
      if (!HasWords(line)) continue;
      ++prose;
      EXPECT_EQ(std::count(englishLines.begin(), englishLines.end(), line), 0) << where << ": not in Italian: " << line;
    }
    EXPECT_GE(prose, 2) << where;
  }
}

// The language: --language (anywhere), else the Station setup's, else the
// system's; a language it does not speak is a usage error.
TEST(Cli, SpeaksTheLanguageChosen) {
  TempDir dir;
  const QString settings = Q(dir.file("settings"));
  std::filesystem::create_directories(settings.toStdString());
  WriteAll(dir.file("settings/station.ini"), "[ui]\nlanguage=it\n");
  struct Case {
    const char* system;
    bool setting;
    QStringList args;
    int exit;
    const char* errPart;
  };
  const Case cases[] = {
      {"en", false, {"journal", "--since", "x"}, 2, "--since takes a date as YYYY-MM-DD."},
      {"it", false, {"journal", "--since", "x"}, 2, "--since vuole una data nella forma AAAA-MM-GG."},
      {"it", false, {"--language", "en", "journal", "--since", "x"}, 2, "--since takes a date"},
      {"en", true, {"journal", "--since", "x"}, 2, "--since vuole una data"},
      {"it", true, {"journal", "--since", "x", "--language=en"}, 2, "--since takes a date"},
      {"en", false, {"--language", "it", "encode", Q(dir.file("none.prg"))}, 2, "Impossibile caricare il file dati"},
      {"en", false, {"--language", "it", "frobnicate"}, 2, "comando sconosciuto 'frobnicate'"},
      {"it", false, {"--language", "fr", "journal"}, 2, "speaks en or it, not 'fr'"},
      {"en", false, {"journal", "--language"}, 2, "speaks en or it, not '--language'"},
  };
  const QByteArray oldLanguage = qgetenv("LANGUAGE");
  const QByteArray oldSettings = qgetenv("TONALIS_SETTINGS_DIR");
  for (const auto& c : cases) {
    qputenv("LANGUAGE", c.system);
    if (c.setting)
      qputenv("TONALIS_SETTINGS_DIR", settings.toUtf8());
    else if (oldSettings.isEmpty())
      qunsetenv("TONALIS_SETTINGS_DIR");
    else
      qputenv("TONALIS_SETTINGS_DIR", oldSettings);
    const auto run = RunCli(c.args);
    const std::string where = std::string(c.system) + " " + c.args.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, c.exit) << where;
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << where << ": " << run.err;
  }
  qputenv("LANGUAGE", oldLanguage);
}

TEST(Cli, HostileFilesNeverCrashIt) {
  TempDir dir;
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>(i * 37));
  std::string longLines = std::string(200000, '1') + "\r\n";
  std::string nonAscii = FormatConfigFile(WorkedExample());
  nonAscii.replace(nonAscii.find("ABC"), 3, "\xC3\xA9\xE2\x82\xAC\xFF");
  std::string withNul = FormatConfigFile(WorkedExample());
  withNul.replace(withNul.find("1234"), 1, std::string(1, '\0'));
  std::string hugeCommand = FormatConfigFile(WorkedExample());
  hugeCommand.replace(hugeCommand.find("\"11\""), 4, "\"" + std::string(5000, '1') + "\"");

  const std::pair<std::string, int> files[] = {{"", 2},       {binary, 2},  {longLines, 2},
                                               {nonAscii, 1}, {withNul, 1}, {hugeCommand, 1}};
  for (const auto& [content, exit] : files) {
    const std::string path = dir.file("hostile.prg");
    WriteAll(path, content);
    const auto run = RunCli({"encode", Q(path)});
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, exit) << run.err;
    EXPECT_FALSE(run.err.empty());
  }
}

#ifdef TONALIS_CLI_FRONT
// tonalis-cli as started decodes a sound file without the whole program, and
// says what the whole program says, byte for byte; whatever it does not take
// itself (an error, --help, Italian) it leaves to the whole program.
TEST(Cli, TheDecodersAsStartedSayWhatTheWholeProgramSays) {
  TempDir dir;
  const std::string wav = dir.file("a.wav"), stereo = dir.file("stereo.wav"), morse = dir.file("morse.wav");
  ASSERT_EQ(RunCli({"render", "159D 0*", "-o", Q(wav)}).exitCode, 0);
  ASSERT_EQ(testing::RunProgram("sox", {Q(wav), "-r", "48000", "-c", "2", Q(stereo)}).exitCode, 0);
  ASSERT_EQ(RunCli({"render", "1", "-o", Q(morse)}).exitCode, 0);  // no Morse in it
  const std::vector<QStringList> runs = {
      {"dtmf-decode", Q(wav)},
      {"dtmf-decode", "--quiet", Q(stereo)},
      {"dtmf-decode", "--measure", Q(stereo)},
      {"dtmf-decode", "--expect", "159D0*", Q(wav)},
      {"dtmf-decode", "--expect=1590*", "--floor-dbfs", "-30", "--measure", Q(wav)},  // one extra: exit 1
      {"dtmf-decode", "--language=en", "--quiet", Q(wav)},
      {"dtmf-decode", "--language", "it", "--expect", "15", Q(wav)},
      {"dtmf-decode", "--floor-dbfs", "5", Q(wav)},
      {"dtmf-decode", Q(dir.file("missing.wav"))},
      {"dtmf-decode", "--help"},
      {"dtmf-decode", "--quiet"},
      {"cw-decode", "--verbose", Q(morse)},
      {"cw-decode", "--wpm=20", "--tone-hz", "800", "--verbose", Q(wav)},
      {"cw-decode", "--wpm", "300", Q(wav)},
  };
  QProcessEnvironment whole = testing::ProgramEnvironment();
  whole.insert("TONALIS_PROGRAM_DIR", QFileInfo(TONALIS_CLI_FRONT).absolutePath());
  for (const auto& args : runs) {
    const auto asStarted = RunCli(args);
    QProcess p;
    p.setProcessEnvironment(whole);
    p.start(TONALIS_CLI_WHOLE, args);
    ASSERT_TRUE(p.waitForFinished(30000));
    const std::string where = args.join(' ').toStdString();
    EXPECT_EQ(asStarted.exitCode, p.exitCode()) << where;
    EXPECT_EQ(asStarted.out, p.readAllStandardOutput().toStdString()) << where;
    EXPECT_EQ(asStarted.err, p.readAllStandardError().toStdString()) << where;
  }
  // Alone, without the whole program beside it: the decoders work, the rest says why not.
  const std::string alone = dir.file("alone/tonalis-cli");
  std::filesystem::create_directories(dir.file("alone"));
  std::filesystem::copy_file(TONALIS_CLI_FRONT, alone);
  const auto decoded = testing::RunProgram(Q(alone), {"dtmf-decode", "--quiet", Q(wav)});
  EXPECT_EQ(decoded.exitCode, 0) << decoded.err;
  EXPECT_EQ(decoded.out, "159D0*\n");
  const auto version = testing::RunProgram(Q(alone), {"--version"});
  EXPECT_EQ(version.exitCode, 2);
  EXPECT_NE(version.err.find("tonalis-cli: " + dir.file("alone/") + "../libexec/tonalis/tonalis-cli cannot be started"),
            std::string::npos)
      << version.err;
}
#endif

// Every reader refuses what is no file of its kind at once, instead of
// hanging on a FIFO nobody writes or reading a device without end.
TEST(Cli, NoReaderHangsOnAPipeOrADevice) {
  TempDir dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string history = dir.file("history");
  std::filesystem::create_directories(history);
  const QStringList runs[] = {
      {"dtmf-decode", Q(fifo)},
      {"cw-decode", Q(fifo)},
      {"dtmf-decode", "/dev/zero"},
      {"dtmf-decode", Q(dir.path().string())},
      {"encode", Q(fifo)},
      {"encode", "/dev/zero"},
      {"decode", Q(fifo)},
      {"board-sim", "--image", Q(fifo)},
      {"history", "diff", Q(fifo), "/dev/zero", "--history-dir", Q(history)},
      {"history", "diff", "/dev/zero", Q(fifo), "--history-dir", Q(history)},
  };
  for (const auto& args : runs) {
    const auto run = RunCli(args, 5000);
    EXPECT_FALSE(run.crashed) << args.join(' ').toStdString() << ": it hung or crashed";
    EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString() << run.err;
    EXPECT_TRUE(run.err.find("pipe") != std::string::npos || run.err.find("device") != std::string::npos ||
                run.err.find("folder") != std::string::npos)
        << run.err;
  }
}

// One rule for every file written: a regular file is replaced whole (through
// a link, the file it points to), a FIFO gets the bytes, nothing else is replaced.
TEST(Cli, WrittenFilesReplaceOnlyFiles) {
  TempDir dir;
  const std::string target = dir.file("real.wav");
  WriteAll(target, "old");
  const std::string link = dir.file("link.wav");
  std::filesystem::create_symlink(target, link);
  EXPECT_EQ(RunCli({"render", "1", "-o", Q(link)}).exitCode, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(link)) << "the link stays a link";
  EXPECT_EQ(testing::ReadAll(target).substr(0, 4), "RIFF");

  const std::string fifo = dir.file("stream.wav");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  const auto run = RunCli({"render", "1", "-o", Q(fifo)}, 5000);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  char head[4] = {};
  EXPECT_EQ(::read(reader, head, 4), 4);
  EXPECT_EQ(std::string(head, 4), "RIFF") << "streamed into the FIFO";
  ::close(reader);
  struct stat st {};
  ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO is still a FIFO";
  // A FIFO nobody reads is said at once, not waited on for good.
  const auto unread = RunCli({"render", "1", "-o", Q(fifo)}, 5000);
  EXPECT_FALSE(unread.crashed) << "it hung";
  EXPECT_EQ(unread.exitCode, 2);
  EXPECT_NE(unread.err.find("no program reads the FIFO"), std::string::npos) << unread.err;

  const auto folder = RunCli({"render", "1", "-o", Q(dir.path().string())});
  EXPECT_EQ(folder.exitCode, 2);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

}  // namespace
}  // namespace tonalis
