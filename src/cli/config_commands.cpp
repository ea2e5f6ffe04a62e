// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFileInfo>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "card/card_pdf.h"
#include "cli/cli_support.h"
#include "cli/send_support.h"
#include "cli/commands.h"
#include "config/decoder_image.h"
#include "i18n/language.h"
#include "remote/replacement.h"
#include "storage/config_file.h"
#include "storage/file_reading.h"

namespace tonalis::cli {
namespace {

std::string HexRows(const DecoderImage& image) {
  std::string out;
  char byte[4];
  for (std::size_t i = 0; i < image.size(); ++i) {
    std::snprintf(byte, sizeof byte, "%02X", image[i]);
    out += byte;
    out += (i % 16 == 15) ? '\n' : ' ';
  }
  return out;
}

// Loads a configuration file; on failure reports it and returns nothing.
std::optional<ConfigFileContent> LoadConfig(const QString& path) {
  const ConfigFileLoad load = ReadConfigFile(ToStd(path));
  if (!load.ok()) {
    PrintLoadError(path, load.error);
    return std::nullopt;
  }
  return load.content;
}

}  // namespace

int RunEncode(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Checks a configuration file as PROGRAM does and prints the 192-byte decoder image\n"
            "as hexadecimal, 16 bytes a row, or writes the raw bytes with -o."));
  parser.addPositionalArgument("CONFIG.prg", CliTr("Configuration file to encode."));
  const QCommandLineOption output({"o", "output"}, CliTr("Write the raw image to FILE."), "FILE");
  parser.addOption(output);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  QString configPath;
  if (auto exit = RequireOnePositional(parser, configPath)) return *exit;

  EncodeResult encoded;
  if (auto exit = LoadAndEncode(configPath, encoded)) return *exit;
  if (parser.isSet(output))
    return WriteOutput(parser.value(output), std::string(encoded.image.begin(), encoded.image.end()));
  return WriteOutput({}, HexRows(encoded.image));
}

int RunDecode(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Turns a 192-byte decoder image into a configuration file, as READ does\n"
            "(programming port 1). Writes to standard output without -o."));
  parser.addPositionalArgument("IMAGE.bin", CliTr("Raw decoder image, exactly 192 bytes."));
  const QCommandLineOption output({"o", "output"}, CliTr("Write the configuration to FILE."), "FILE");
  parser.addOption(output);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  QString imagePath;
  if (auto exit = RequireOnePositional(parser, imagePath)) return *exit;

  const QFileInfo info(imagePath);
  if (!info.exists()) {
    PrintError(Fill(CliText("%1: no such file."), {ToStd(imagePath)}));
    return kExitUsage;
  }
  if (const auto problem = SmallFileProblem(ToStd(imagePath), 1 << 20)) {
    PrintError(*problem);
    return kExitUsage;
  }
  if (info.size() != static_cast<qint64>(kImageSize)) {
    PrintError(Fill(CliText("%1 holds %2 bytes; a decoder image has exactly %3."),
                    {ToStd(imagePath), std::to_string(info.size()), std::to_string(kImageSize)}));
    return kExitUsage;
  }
  std::ifstream in(ToStd(imagePath), std::ios::binary);
  DecoderImage image{};
  if (!in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()))) {
    PrintError(Fill(CliText("Cannot read %1."), {ToStd(imagePath)}));
    return kExitUsage;
  }
  ConfigFileContent content;
  content.config = DecodeImage(image);
  return WriteOutput(parser.isSet(output) ? parser.value(output) : QString(), FormatConfigFile(content));
}

int RunReplace(const QStringList& arguments) {
  // After --send come send's own options: the replacement is then sent.
  const int sendAt = static_cast<int>(arguments.indexOf("--send"));
  const QStringList args = sendAt < 0 ? arguments : arguments.mid(0, sendAt);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Computes the DTMF sequence that makes the decoder replace a command over the air:\n"
            "Original + Modifier ID + New + Checksum ID + two checksum digits.\n"
            "With --config, the Modifier ID, the Checksum ID and the commands come from a\n"
            "configuration file (options given as well take precedence), and the notes the\n"
            "window shows about them are printed on standard error.\n"
            "--send [send options], last: sends it as Send Sequence sends a replacement (the options\n"
            "are send's: tonalis-cli send --help); with --config, a replacement that completes is\n"
            "kept in the board history as sent over the air, not confirmed until a READ."));
  const QCommandLineOption original("original", CliTr("The command to replace."), "SEQ");
  const QCommandLineOption modifier("modifier-id", CliTr("The decoder's Modifier ID."), "ID");
  const QCommandLineOption checksum("checksum-id", CliTr("The decoder's Checksum ID digit."), "D");
  const QCommandLineOption fresh("new", CliTr("The new command."), "SEQ");
  const QCommandLineOption config("config", CliTr("Configuration file of the decoder."), "CONFIG.prg");
  parser.addOptions({original, modifier, checksum, fresh, config});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  if (!parser.positionalArguments().isEmpty()) {
    PrintError(Fill(CliText("Unexpected argument %1. Try --help."), {ToStd(parser.positionalArguments().first())}));
    return kExitUsage;
  }

  std::string modifierId;
  std::string checksumId;
  std::optional<DecoderConfig> decoder;
  std::optional<ConfigFileContent> file;
  if (parser.isSet(config)) {
    file = LoadConfig(parser.value(config));
    if (!file) return kExitUsage;
    decoder = file->config;
    modifierId = decoder->txtSeqCmd;
    checksumId = decoder->txtCrcTag;
  }
  if (parser.isSet(modifier)) modifierId = ToStd(parser.value(modifier));
  if (parser.isSet(checksum)) checksumId = ToStd(parser.value(checksum));
  const std::string originalSeq = ToStd(parser.value(original));
  const std::string newSeq = ToStd(parser.value(fresh));

  if (decoder) {
    if (auto conflict = ChecksumIdConflict(checksumId, decoder->txtMem, TrStd)) PrintMessage(*conflict);
    for (const auto& [caption, separator, sequence] :
         {std::tuple{kOriginalCaption, kOriginalMatchSeparator, originalSeq},
          std::tuple{kNewCaption, kNewMatchSeparator, newSeq}}) {
      const std::string base = TrStd(caption);
      const std::string note = CommandMatchCaption(base, separator, sequence, decoder->txtMem);
      if (note != base) PrintMessage({"", note, UserMessage::Icon::None});
    }
  }

  ReplacementResult result = CalculateReplacement(originalSeq, modifierId, checksumId, newSeq, TrStd);
  if (result.sequence && decoder) {
    // What the board would ignore or refuse is not printed for sending.
    ReplacementResult board = ReplacementAgainstCommands(originalSeq, newSeq, decoder->txtMem, TrStd);
    if (board.refusal) result = std::move(board);
  }
  if (!result.sequence) {
    PrintMessage(*result.refusal);
    return kExitRefused;
  }
  if (sendAt < 0) return WriteOutput({}, *result.sequence + "\n");
  AirRequest replacement = file ? SendingFrom(*file) : AirRequest{};
  if (file) replacement.file = ToStd(QFileInfo(parser.value(config)).fileName());
  replacement.kind = AirRequest::Kind::Replacement;
  replacement.modifierId = modifierId;
  replacement.checksumId = checksumId;
  replacement.replacedDigits = originalSeq;
  replacement.newDigits = newSeq;
  if (decoder)
    for (int n = 0; n < kCommandCount; ++n)
      if (decoder->txtMem[static_cast<std::size_t>(n)] == originalSeq) replacement.replacedCommand = n;
  std::cerr << Fill(CliText("replacement: %1"), {*result.sequence}) << '\n';
  return RunSendAs(QStringList{"send", QString::fromStdString(*result.sequence)} + arguments.mid(sendAt + 1),
                   replacement);
}

}  // namespace tonalis::cli

namespace tonalis::cli {

int RunCard(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Writes the command card for the site's crew: one page (A4, or Letter where the locale\n"
            "measures in inches) with the configuration's name, each command's label and digits, the\n"
            "CW call and speed, the timer, the battery levels and the power-on states. The Modifier ID\n"
            "and Checksum ID show as * unless --show-keys is given."));
  parser.addPositionalArgument("CONFIG.prg", CliTr("The configuration."));
  const QCommandLineOption output({"o", "output"}, CliTr("The PDF to write."), "CARD.pdf");
  const QCommandLineOption keys("show-keys", CliTr("Print the Modifier ID and Checksum ID as they are."));
  parser.addOptions({output, keys});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  QString path;
  if (auto exit = RequireOnePositional(parser, path)) return *exit;
  if (!parser.isSet(output)) {
    PrintError(CliText("-o CARD.pdf is required. Try --help."));
    return kExitUsage;
  }
  const ConfigFileLoad load = ReadConfigFile(ToStd(path));
  if (!load.ok()) {
    PrintLoadError(path, load.error);
    return kExitUsage;
  }
  const CardContent card =
      MakeCard(load.content.config, QFileInfo(path).completeBaseName().toStdString(), parser.isSet(keys));
  if (const auto error = WriteCardPdf(parser.value(output), card)) {
    PrintError(*error);
    return kExitRefused;
  }
  return kExitOk;
}

}  // namespace tonalis::cli
