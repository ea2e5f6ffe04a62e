// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"

#include <iostream>

#include "storage/atomic_file.h"
#include "storage/config_file.h"

namespace tonalis::cli {

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& args) {
  const QCommandLineOption help = parser.addHelpOption();
  if (!parser.parse(args)) {
    PrintError(ToStd(parser.errorText()) + "\nTry '" + ToStd(args.value(0)) + " --help'.");
    return kExitUsage;
  }
  if (parser.isSet(help)) {
    // Qt names the program as it was started; the command belongs there too.
    std::string text = ToStd(parser.helpText());
    const std::string usage = "Usage: ";
    const auto end = text.find(" [options]");
    if (text.rfind(usage, 0) == 0 && end != std::string::npos)
      text.replace(usage.size(), end - usage.size(), "tonalis-cli " + ToStd(args.value(0)));
    std::cout << text;
    return kExitOk;
  }
  return std::nullopt;
}

std::optional<int> RequireOnePositional(const QCommandLineParser& parser, QString& out) {
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) {
    PrintError(positional.isEmpty() ? "A file name is missing. Try --help." : "Too many arguments. Try --help.");
    return kExitUsage;
  }
  out = positional.first();
  return std::nullopt;
}

std::string ToStd(const QString& s) { return s.toStdString(); }

std::string ForTerminal(std::string text) {
  for (std::size_t at; (at = text.find(kCrLf)) != std::string::npos;) text.replace(at, 2, "\n");
  return text;
}

void PrintMessage(const UserMessage& message) { std::cerr << ForTerminal(message.text) << '\n'; }

void PrintError(const std::string& text) { std::cerr << "tonalis-cli: " << text << '\n'; }

std::optional<int> LoadAndEncode(const QString& configPath, EncodeResult& encoded) {
  const ConfigFileLoad load = ReadConfigFile(ToStd(configPath));
  if (!load.ok()) {
    PrintError("Unable to load data file " + ToStd(configPath) + ": " + load.error);
    return kExitUsage;
  }
  encoded = ValidateAndEncode(load.content.config);
  if (!encoded.ok()) {
    PrintMessage(*encoded.refusal);
    return kExitRefused;
  }
  return std::nullopt;
}

int WriteOutput(const QString& path, const std::string& content) {
  if (path.isEmpty()) {
    std::cout.write(content.data(), static_cast<std::streamsize>(content.size()));
    std::cout.flush();
    return std::cout ? kExitOk : kExitUsage;
  }
  if (const auto error = WriteFileAtomically(ToStd(path), content)) {
    PrintError(*error);
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace tonalis::cli
