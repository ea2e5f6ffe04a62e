// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tonalis {

// What was last learnt of a site, as the Sites page shows it, kept between
// runs in site-state.ini in the settings folder (the program's own file,
// beside the operator's sites.ini). The checks write what they found, the
// window the sends it made there.
struct SiteMemory {
  QString state;      // "reachable", "not reachable"
  QString detail;     // the agent's program, or why not
  QString contacted;  // yyyy-MM-dd HH:mm:ss, when the agent last answered
  QString board;      // the board's banner
  QString lastRead;   // the last READ against the site's configuration file, or why it failed
  QString lastSend;   // when, what, and how it ended
  QString reply;      // the board's reply to it
};

inline constexpr const char* kSiteStateFileName = "site-state.ini";
// How its times are written (local time).
inline constexpr const char* kSiteTimeFormat = "yyyy-MM-dd HH:mm:ss";

SiteMemory RecallSite(const QString& folder, const QString& name);
// Stores what `memory` holds; an empty field keeps what was stored before,
// but a send always comes with its reply (empty: none).
// False when the file could not be written.
bool RememberSite(const QString& folder, const QString& name, const SiteMemory& memory);

}  // namespace tonalis
