// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/station_settings.h"

#include <QFileInfo>
#include <QSettings>

namespace tonalis {
namespace {

QString PathIn(const QString& folder) { return folder + "/" + kStationFileName; }
std::string Text(const QSettings& s, const char* key, const std::string& fallback) {
  return s.value(key, QString::fromStdString(fallback)).toString().toStdString();
}
int Number(const QSettings& s, const char* key, int fallback, int low, int high) {
  bool ok = false;
  const int value = s.value(key, fallback).toInt(&ok);
  return ok && value >= low && value <= high ? value : fallback;
}

}  // namespace

bool StationSettingsExist(const QString& folder) { return QFileInfo::exists(PathIn(folder)); }

StationSettings ReadStationSettings(const QString& folder) {
  const QSettings s(PathIn(folder), QSettings::IniFormat);
  StationSettings st;
  const PttChoice defaults;
  st.outputDevice = Text(s, "sound/output", "");
  st.inputDevice = Text(s, "sound/input", "");
  st.listenForReply = s.value("listen/reply", false).toBool();
  st.listenSeconds = Number(s, "listen/seconds", 10, 2, 120);
  PttChoice& p = st.ptt;
  if (!SetPttMethodByName(Text(s, "ptt/method", "rts"), p)) p = PttChoice{};
  p.invert = s.value("ptt/invert", false).toBool();
  p.cm108Device = Text(s, "ptt/cm108_device", "");
  p.cm108Gpio = Number(s, "ptt/cm108_gpio", defaults.cm108Gpio, 1, 8);
  p.rigModel = Number(s, "ptt/rig_model", 0, 0, 999999);
  p.rigDevice = Text(s, "ptt/rig_device", "");
  p.rigBaud = Number(s, "ptt/rig_baud", 0, 0, 4000000);
  p.rigctldHost = Text(s, "ptt/rigctld_host", defaults.rigctldHost);
  p.rigctldPort = Number(s, "ptt/rigctld_port", defaults.rigctldPort, 1, 65535);
  return st;
}

std::optional<std::string> WriteStationSettings(const QString& folder, const StationSettings& st) {
  QSettings s(PathIn(folder), QSettings::IniFormat);
  const PttChoice& p = st.ptt;
  s.setValue("sound/output", QString::fromStdString(st.outputDevice));
  s.setValue("sound/input", QString::fromStdString(st.inputDevice));
  s.setValue("listen/reply", st.listenForReply);
  s.setValue("listen/seconds", st.listenSeconds);
  s.setValue("ptt/method", QString::fromStdString(PttMethodName(p)));
  s.setValue("ptt/invert", p.invert);
  s.setValue("ptt/cm108_device", QString::fromStdString(p.cm108Device));
  s.setValue("ptt/cm108_gpio", p.cm108Gpio);
  s.setValue("ptt/rig_model", p.rigModel);
  s.setValue("ptt/rig_device", QString::fromStdString(p.rigDevice));
  s.setValue("ptt/rig_baud", p.rigBaud);
  s.setValue("ptt/rigctld_host", QString::fromStdString(p.rigctldHost));
  s.setValue("ptt/rigctld_port", p.rigctldPort);
  s.sync();
  if (s.status() != QSettings::NoError) return "Cannot write " + PathIn(folder).toStdString() + ".";
  return std::nullopt;
}

}  // namespace tonalis
