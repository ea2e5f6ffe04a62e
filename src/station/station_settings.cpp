// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/station_settings.h"

#include "i18n/language.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cmath>

namespace tonalis {
namespace {

// What a value that cannot be used is said to be.
constexpr const char* kProblemLine = TONALIS_TEXT("%1 line %2: %3 = '%4' is %5");
constexpr const char* kTooLong = TONALIS_TEXT("longer than %1 characters");
constexpr const char* kNotWholeNumber = TONALIS_TEXT("not a whole number from %1 to %2");
constexpr const char* kNotNumber = TONALIS_TEXT("not a number from %1 to %2");
constexpr const char* kNotFlag = TONALIS_TEXT("neither true nor false");
constexpr const char* kNotLanguage = TONALIS_TEXT("not one of auto, en, it");
constexpr const char* kWouldClip = TONALIS_TEXT("too loud with that twist (the tones would clip)");
constexpr const char* kNotMethod = TONALIS_TEXT("not one of rts, dtr, cm108, cat, rigctld");
constexpr const char* kFileTooLarge = TONALIS_TEXT("%1 is too large to be a station file");
constexpr const char* kNotFile = TONALIS_TEXT("%1 is not a file");
constexpr const char* kCannotWrite = TONALIS_TEXT("Cannot write %1.");

QString PathIn(const QString& folder) { return folder + "/" + kStationFileName; }

// A station file is a few dozen short lines.
constexpr qint64 kMaxFileSize = 64 * 1024;
constexpr int kMaxValueLength = 4096;
constexpr int kShownValueLength = 60;

// Reads station.ini's values and says which line a problem is on.
class Reader {
 public:
  explicit Reader(const QString& path) : settings_(path, QSettings::IniFormat) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) lines_ = file.readAll().split('\n');
  }
  const QSettings& settings() const { return settings_; }
  std::vector<std::string>& problems() { return problems_; }

  bool has(const char* key) const { return settings_.contains(key); }
  std::string text(const char* key, const std::string& fallback) {
    if (!has(key)) return fallback;
    const QString value = settings_.value(key).toString();
    if (value.size() > kMaxValueLength) {
      problem(key, value, Fill(TrStd(kTooLong), {std::to_string(kMaxValueLength)}));
      return fallback;
    }
    return value.toStdString();
  }
  // A whole number in [low, high]; nothing (and a problem) otherwise.
  std::optional<int> number(const char* key, int fallback, int low, int high) {
    if (!has(key)) return fallback;
    const QString value = settings_.value(key).toString();
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (ok && n >= low && n <= high) return n;
    problem(key, value, Fill(TrStd(kNotWholeNumber), {std::to_string(low), std::to_string(high)}));
    return std::nullopt;
  }
  // A number in [low, high], to a tenth; nothing (and a problem) otherwise.
  std::optional<double> decimal(const char* key, double fallback, double low, double high) {
    if (!has(key)) return fallback;
    const QString value = settings_.value(key).toString();
    bool ok = false;
    const double n = value.trimmed().toDouble(&ok);
    if (ok && n >= low && n <= high) return std::round(n * 10) / 10;
    problem(key, value,
            Fill(TrStd(kNotNumber), {QString::number(low).toStdString(), QString::number(high).toStdString()}));
    return std::nullopt;
  }
  std::optional<bool> flag(const char* key, bool fallback) {
    if (!has(key)) return fallback;
    const QString value = settings_.value(key).toString().trimmed().toLower();
    if (value == "true" || value == "1") return true;
    if (value == "false" || value == "0") return false;
    problem(key, value, TrStd(kNotFlag));
    return std::nullopt;
  }
  void problem(const char* key, const QString& value, const std::string& why) {
    QString shown = value.left(kShownValueLength);
    if (value.size() > kShownValueLength) shown += "...";
    problems_.push_back(
        Fill(TrStd(kProblemLine), {kStationFileName, std::to_string(lineOf(key)), key, shown.toStdString(), why}));
  }

 private:
  // The line of `section/name` (1-based), or 0 when it cannot be found.
  int lineOf(const QString& key) const {
    const QString section = key.section('/', 0, 0);
    const QString name = key.section('/', 1);
    bool inSection = false;
    for (int i = 0; i < lines_.size(); ++i) {
      const QString line = QString::fromUtf8(lines_[i]).trimmed();
      if (line.startsWith('[')) inSection = line.mid(1, line.indexOf(']') - 1).trimmed() == section;
      else if (inSection && line.section('=', 0, 0).trimmed() == name) return i + 1;
    }
    return 0;
  }

  QSettings settings_;
  QList<QByteArray> lines_;
  std::vector<std::string> problems_;
};

}  // namespace

bool StationSettingsExist(const QString& folder) { return QFileInfo::exists(PathIn(folder)); }

StationSettings ReadStationSettings(const QString& folder) {
  StationSettings st;
  PttChoice& p = st.ptt;
  const QFileInfo info(PathIn(folder));
  if (info.exists() && (!info.isFile() || info.size() > kMaxFileSize)) {
    const std::string why = Fill(TrStd(info.isFile() ? kFileTooLarge : kNotFile), {PathIn(folder).toStdString()});
    st.problems.push_back(why);
    p.unusable = why;
    return st;
  }
  Reader r(PathIn(folder));
  const PttChoice defaults;
  st.outputDevice = r.text("sound/output", "");
  st.inputDevice = r.text("sound/input", "");
  st.listenForReply = r.flag("listen/reply", false).value_or(false);
  st.listenSeconds = r.number("listen/seconds", 10, 2, 120).value_or(10);
  st.monitorSend = r.flag("listen/monitor", false).value_or(false);
  st.maskKeys = r.flag("journal/mask_keys", true).value_or(true);
  const std::string language = r.text("ui/language", "");
  if (IsLanguageChoice(QString::fromStdString(language)))
    st.language = language == "auto" ? "" : language;
  else
    r.problem("ui/language", QString::fromStdString(language), TrStd(kNotLanguage));
  st.txLimitSeconds = r.number("ptt/tx_limit_seconds", 0, 0, kMaxTxLimitSeconds).value_or(0);
  st.tailMs = r.number("ptt/tail_ms", 40, 0, kMaxTailMs).value_or(40);
  ToneLevels levels;
  levels.levelDb = r.decimal("output/level_db", 0, kMinLevelDb, kMaxLevelDb).value_or(0);
  levels.twistDb = r.decimal("output/twist_db", 0, -kMaxTwistDb, kMaxTwistDb).value_or(0);
  // Each in range, but together too loud: today's levels, never a clipped sound.
  if (const auto clip = ToneLevelsProblem(levels)) {
    r.problem("output/level_db", QString::number(levels.levelDb), TrStd(kWouldClip));
    levels = {};
  }
  st.levels = levels;

  // Every PTT value that cannot be read makes the PTT unusable.
  const std::size_t before = r.problems().size();
  const std::string method = r.text("ptt/method", "rts");
  if (!SetPttMethodByName(method, p)) r.problem("ptt/method", QString::fromStdString(method), TrStd(kNotMethod));
  if (const auto invert = r.flag("ptt/invert", false)) p.invert = *invert;
  p.cm108Device = r.text("ptt/cm108_device", "");
  if (const auto gpio = r.number("ptt/cm108_gpio", defaults.cm108Gpio, 1, 8)) p.cm108Gpio = *gpio;
  if (const auto model = r.number("ptt/rig_model", 0, 0, 999999)) p.rigModel = *model;
  p.rigDevice = r.text("ptt/rig_device", "");
  if (const auto baud = r.number("ptt/rig_baud", 0, 0, 4000000)) p.rigBaud = *baud;
  p.rigctldHost = r.text("ptt/rigctld_host", defaults.rigctldHost);
  if (const auto port = r.number("ptt/rigctld_port", defaults.rigctldPort, 1, 65535)) p.rigctldPort = *port;
  if (r.problems().size() > before) p.unusable = r.problems()[before];
  st.problems = r.problems();
  return st;
}

std::optional<std::string> WriteStationSettings(const QString& folder, const StationSettings& st) {
  QSettings s(PathIn(folder), QSettings::IniFormat);
  const PttChoice& p = st.ptt;
  s.setValue("sound/output", QString::fromStdString(st.outputDevice));
  s.setValue("sound/input", QString::fromStdString(st.inputDevice));
  s.setValue("listen/reply", st.listenForReply);
  s.setValue("listen/seconds", st.listenSeconds);
  s.setValue("listen/monitor", st.monitorSend);
  s.setValue("journal/mask_keys", st.maskKeys);
  s.setValue("ui/language", QString::fromStdString(st.language.empty() ? "auto" : st.language));
  s.setValue("ptt/method", QString::fromStdString(PttMethodName(p)));
  s.setValue("ptt/invert", p.invert);
  s.setValue("ptt/cm108_device", QString::fromStdString(p.cm108Device));
  s.setValue("ptt/cm108_gpio", p.cm108Gpio);
  s.setValue("ptt/rig_model", p.rigModel);
  s.setValue("ptt/rig_device", QString::fromStdString(p.rigDevice));
  s.setValue("ptt/rig_baud", p.rigBaud);
  s.setValue("ptt/rigctld_host", QString::fromStdString(p.rigctldHost));
  s.setValue("ptt/rigctld_port", p.rigctldPort);
  s.setValue("ptt/tx_limit_seconds", st.txLimitSeconds);
  s.setValue("ptt/tail_ms", st.tailMs);
  s.setValue("output/level_db", st.levels.levelDb);
  s.setValue("output/twist_db", st.levels.twistDb);
  s.sync();
  if (s.status() != QSettings::NoError) return Fill(TrStd(kCannotWrite), {PathIn(folder).toStdString()});
  return std::nullopt;
}

}  // namespace tonalis
