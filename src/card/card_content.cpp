// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/card_content.h"

#include "config/command_names.h"

namespace tonalis {
namespace {

std::string OrNone(const std::string& s) { return s.empty() ? "(none)" : s; }

std::string Masked(const std::string& s, bool show) { return show || s.empty() ? OrNone(s) : std::string(s.size(), '*'); }

}  // namespace

CardContent MakeCard(const DecoderConfig& c, const std::string& name, bool showKeys) {
  CardContent card;
  card.title = name;
  for (int n = 0; n < kCommandCount; ++n)
    card.commands.push_back({CommandLabel(n), OrNone(c.txtMem[static_cast<std::size_t>(n)])});
  card.settings = {
      {"CW call", OrNone(c.txtCallID)},
      {"CW speed", c.txtMorseSpeed.empty() ? "(none)" : c.txtMorseSpeed + " WPM"},
      {"Timer [Output 2]", c.txtTmr2.empty() ? "(none)" : c.txtTmr2 + " s"},
      {"Low battery level", c.txtBlo.empty() ? "(none)" : c.txtBlo + " V"},
      {"High battery level", c.txtBhi.empty() ? "(none)" : c.txtBhi + " V"},
  };
  for (int i = 0; i < 4; ++i)
    card.settings.push_back({"Output " + std::to_string(i + 1) + " at power-on",
                             c.chkOutput[static_cast<std::size_t>(i)] ? "ON" : "OFF"});
  card.settings.push_back({"CW replies", c.chkMorse ? "enabled" : "disabled"});
  card.settings.push_back({"Voltage check", c.chkBCheck ? "enabled" : "disabled"});
  card.settings.push_back({"Modifier ID", Masked(c.txtSeqCmd, showKeys)});
  card.settings.push_back({"Checksum ID", Masked(c.txtCrcTag, showKeys)});
  return card;
}

}  // namespace tonalis
