// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tonalis {

// Where a site's agent is reached: ssh://[USER@]HOST[:PORT].
struct SiteAddress {
  QString user;  // empty: ssh's own choice (~/.ssh/config, the local user)
  QString host;  // without brackets
  int port = 0;  // 0: ssh's own choice
};

// The address in `text`, or nothing with the reason in `why`. A host or
// user that could be read as an option of ssh (a leading '-'), or that
// holds blanks or control characters, is refused.
std::optional<SiteAddress> ParseSiteAddress(const QString& text, QString* why);

// The program the site runs when none is named for it.
inline constexpr const char* kSiteProgram = "tonalis-cli";

// The command line that reaches the agent at `address`: `sshCommand` (the
// user's TONALIS_SSH, or empty for OpenSSH's ssh) split into words as a
// shell splits them (quotes kept, nothing expanded, no shell run), ssh's
// options for a program that never asks anything, the destination, and the
// agent's command at the site. The first word is the program.
QStringList SshCommandLine(const SiteAddress& address, const QString& sshCommand,
                           const QString& siteProgram = kSiteProgram);

// What ssh said when it failed (its standard error) in words a user can act
// on: an unknown or changed host key, a refused key, no tonalis-cli at the
// site, nobody there. `exitCode` is ssh's.
QString SshFailure(const QString& sshErrors, int exitCode, const SiteAddress& address);
// How a user reaches the site by hand: "ssh -p 2222 op@site".
QString SshTarget(const SiteAddress& address);

}  // namespace tonalis
