// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <optional>
#include <string>

#include "cli/cli_support.h"
#include "link/board_link.h"
#include "station/ptt_choice.h"

namespace tonalis::cli {

// The PTT options `send` and `ptt-test` share. Without any of them the PTT
// stored in station.ini applies, when there is one.
// The options' descriptions, translated where the options are made.
inline constexpr const char* kPttHelp[] = {
    TONALIS_TEXT("Key PTT on a line of port P: a number 1-16 (mapped by ports.ini) or a device path."),
    TONALIS_TEXT("The line of the --ptt port that keys: rts (default) or dtr."),
    TONALIS_TEXT("The line is low while keyed."),
    TONALIS_TEXT("Key on GPIO pin GPIO (1-8, default 3) of a CM108 sound chip."),
    TONALIS_TEXT("Key with the rig's CAT command through Hamlib (rigctl --list shows models)."),
    TONALIS_TEXT("Key through a running rigctld."),
    TONALIS_TEXT("Show Hamlib's own messages on standard error."),
};

struct PttOptions {
  QCommandLineOption port{"ptt", CliTr(kPttHelp[0]), "P"};
  QCommandLineOption line{"ptt-line", CliTr(kPttHelp[1]), "LINE"};
  QCommandLineOption invert{"ptt-invert", CliTr(kPttHelp[2])};
  QCommandLineOption cm108{"cm108", CliTr(kPttHelp[3]), "DEVICE[:GPIO]"};
  QCommandLineOption rig{"rig", CliTr(kPttHelp[4]), "MODEL:DEVICE[:BAUD]"};
  QCommandLineOption rigctld{"rigctld", CliTr(kPttHelp[5]), "HOST:PORT"};
  QCommandLineOption verbose{"verbose", CliTr(kPttHelp[6])};

  void addTo(QCommandLineParser& parser);

  struct Choice {
    PttChoice ptt;
    bool enabled = false;   // some PTT was chosen
    std::string portText;   // the PTT port, as the window's field holds it
    BoardLink::PortResolver resolver;
  };
  // What the options (or station.ini) choose; nothing after a usage error,
  // which is printed.
  std::optional<Choice> read(const QCommandLineParser& parser) const;
};

}  // namespace tonalis::cli
