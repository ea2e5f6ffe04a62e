// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>
#include <string>

namespace tonalis::testing {

// The digits an independent DTMF decoder (multimon-ng) hears in a WAV file.
inline std::string DecodeDtmfWav(const std::string& wav) {
  QProcess p;
  p.start("multimon-ng", {"-q", "-t", "wav", "-a", "DTMF", QString::fromStdString(wav)});
  if (!p.waitForFinished(60000)) return "(decoder did not finish)";
  std::string digits;
  for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
    if (line.startsWith("DTMF: ")) digits += line.mid(6).trimmed().toStdString();
  return digits;
}

// The same for headerless 8000 Hz mono 16-bit samples, as the ALSA file
// device writes them.
inline std::string DecodeDtmfRaw(const std::string& raw) {
  const std::string wav = raw + ".wav";
  QProcess sox;
  sox.start("sox", {"-t", "raw", "-r", "8000", "-e", "signed", "-b", "16", "-c", "1", QString::fromStdString(raw),
                    QString::fromStdString(wav)});
  if (!sox.waitForFinished(60000) || sox.exitCode() != 0) return "(sox failed)";
  return DecodeDtmfWav(wav);
}

}  // namespace tonalis::testing
