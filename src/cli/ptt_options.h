// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <optional>
#include <string>

#include "link/board_link.h"
#include "station/ptt_choice.h"

namespace tonalis::cli {

// The PTT options `send` and `ptt-test` share. Without any of them the PTT
// stored in station.ini applies, when there is one.
struct PttOptions {
  QCommandLineOption port{"ptt", "Key PTT on a line of port P: a number 1-16 (mapped by ports.ini) or a device path.",
                          "P"};
  QCommandLineOption line{"ptt-line", "The line of the --ptt port that keys: rts (default) or dtr.", "LINE"};
  QCommandLineOption invert{"ptt-invert", "The line is low while keyed."};
  QCommandLineOption cm108{"cm108", "Key on GPIO pin GPIO (1-8, default 3) of a CM108 sound chip.",
                           "DEVICE[:GPIO]"};
  QCommandLineOption rig{"rig", "Key with the rig's CAT command through Hamlib (rigctl --list shows models).",
                         "MODEL:DEVICE[:BAUD]"};
  QCommandLineOption rigctld{"rigctld", "Key through a running rigctld.", "HOST:PORT"};
  QCommandLineOption verbose{"verbose", "Show Hamlib's own messages on standard error."};

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
