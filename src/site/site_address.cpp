// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/site_address.h"

#include <QRegularExpression>

#include "i18n/language.h"

namespace tonalis {
namespace {

const char* const kNotSite =
    TONALIS_TEXT("%1 is not a site: write ssh://HOST, ssh://USER@HOST or ssh://USER@HOST:PORT (an IPv6 address "
                 "in brackets), or the name of a site in the Sites list.");
const char* const kUnsafe =
    TONALIS_TEXT("%1: a host or user may not begin with '-' or hold blanks or control characters.");
const char* const kHostKey =
    TONALIS_TEXT("The host key of %1 is not known here, or has changed. Tonalis never accepts a host key by "
                 "itself: check the key with the site's keeper, then connect once with %2 and accept it (or "
                 "correct ~/.ssh/known_hosts if the site was reinstalled).");
const char* const kKeyRefused =
    TONALIS_TEXT("%1 refused the login: no key of this computer is accepted there for that user. Add this "
                 "computer's public key to the site's authorized_keys (the README shows the line), or name the "
                 "user in the address (ssh://USER@%1).");
const char* const kNoProgram =
    TONALIS_TEXT("tonalis-cli is not installed at %1 (or not on its PATH): install the tonalis-cli package "
                 "there, or give the site's program path in the Sites list.");
const char* const kUnreachable = TONALIS_TEXT("Cannot reach %1: %2");

bool Safe(const QString& part) {
  if (part.startsWith('-')) return false;
  for (const QChar c : part)
    if (c.isSpace() || c.category() == QChar::Other_Control) return false;
  return true;
}

// A command line split into words as a POSIX shell splits it, without its
// expansions: blanks part words, '...' and "..." keep them, \ takes the next
// character as it is (inside "..." only before \, " and $).
QStringList SplitWords(const QString& line) {
  QStringList words;
  QString word;
  bool inWord = false;
  QChar quote;
  for (int i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quote == '\'') {
      if (c == '\'')
        quote = QChar();
      else
        word += c;
    } else if (quote == '"') {
      if (c == '"')
        quote = QChar();
      else if (c == '\\' && i + 1 < line.size() && QStringLiteral("\\\"$`").contains(line[i + 1]))
        word += line[++i];
      else
        word += c;
    } else if (c == '\'' || c == '"') {
      quote = c;
      inWord = true;
    } else if (c == '\\' && i + 1 < line.size()) {
      word += line[++i];
      inWord = true;
    } else if (c.isSpace()) {
      if (inWord) words << word;
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words << word;
  return words;
}

}  // namespace

std::optional<SiteAddress> ParseSiteAddress(const QString& text, QString* why) {
  static const QRegularExpression form(
      QStringLiteral(R"(^ssh://(?:([^@/]+)@)?(\[[0-9A-Fa-f:.]+\]|[^@/:\[\]]+)(?::([0-9]{1,5}))?/?$)"),
      QRegularExpression::CaseInsensitiveOption);
  const auto match = form.match(text);
  auto refuse = [&](const char* reason) -> std::optional<SiteAddress> {
    if (why) *why = Tr(reason, {text});
    return std::nullopt;
  };
  if (!match.hasMatch()) return refuse(kNotSite);
  SiteAddress address;
  address.user = match.captured(1);
  address.host = match.captured(2);
  if (address.host.startsWith('[')) address.host = address.host.mid(1, address.host.size() - 2);
  if (!Safe(address.user) || !Safe(address.host) || address.host.isEmpty()) return refuse(kUnsafe);
  if (!match.captured(3).isEmpty()) {
    address.port = match.captured(3).toInt();
    if (address.port < 1 || address.port > 65535) return refuse(kNotSite);
  }
  return address;
}

QStringList SshCommandLine(const SiteAddress& address, const QString& sshCommand, const QString& siteProgram) {
  QStringList words = SplitWords(sshCommand);
  if (words.isEmpty()) words << "ssh";
  // Never a question (a password, a new host key): a failure in words instead.
  words << "-T" << "-o" << "BatchMode=yes" << "-o" << "ServerAliveInterval=10" << "-o" << "ServerAliveCountMax=3"
        << "-o" << "ConnectTimeout=15";
  if (address.port > 0) words << "-p" << QString::number(address.port);
  if (!address.user.isEmpty()) words << "-l" << address.user;
  // After "--" nothing is an option, whatever the host's name.
  words << "--" << address.host << siteProgram << "agent" << "--stdio";
  return words;
}

QString SshTarget(const SiteAddress& address) {
  QString target = "ssh ";
  if (address.port > 0) target += "-p " + QString::number(address.port) + ' ';
  if (!address.user.isEmpty()) target += address.user + '@';
  return target + address.host;
}

QString SshFailure(const QString& sshErrors, int exitCode, const SiteAddress& address) {
  const QString& host = address.host;
  if (sshErrors.contains("Host key verification failed") || sshErrors.contains("REMOTE HOST IDENTIFICATION HAS CHANGED"))
    return Tr(kHostKey, {host, SshTarget(address)});
  if (sshErrors.contains("Permission denied")) return Tr(kKeyRefused, {host});
  if (exitCode == 127 || sshErrors.contains("tonalis-cli: not found") || sshErrors.contains("command not found"))
    return Tr(kNoProgram, {host});
  QString last;
  for (const QString& line : sshErrors.split('\n', Qt::SkipEmptyParts))
    if (!line.trimmed().isEmpty()) last = line.trimmed();
  return Tr(kUnreachable, {host, last.isEmpty() ? QStringLiteral("ssh ended with status %1").arg(exitCode) : last});
}

}  // namespace tonalis
