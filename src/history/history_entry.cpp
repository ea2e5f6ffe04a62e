// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_entry.h"

#include <cstdio>
#include <ctime>
#include <sstream>

#include "i18n/text.h"
#include "storage/config_file.h"

namespace tonalis {
namespace {

constexpr const char* kMagic = "tonalis-history: 1";
constexpr std::size_t kHexBytesPerLine = 16;

std::string TimeText(std::int64_t timeMs, bool utc, const char* format) {
  const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
  std::tm parts{};
  if (utc)
    gmtime_r(&seconds, &parts);
  else
    localtime_r(&seconds, &parts);
  char text[64];
  std::strftime(text, sizeof text, format, &parts);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A header value holds no line break: a banner with one would break the file.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

std::string HistoryIdFor(std::int64_t timeMs) {
  const std::string ms = std::to_string(1000 + timeMs % 1000).substr(1);
  return TimeText(timeMs, true, "%Y%m%dT%H%M%S") + "." + ms + "Z";
}

std::string LocalTimeText(std::int64_t timeMs) { return TimeText(timeMs, false, "%Y-%m-%d %H:%M:%S"); }

std::string FormatHistoryEntry(const HistoryEntry& e) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::ostringstream out;
  out << kMagic << '\n';
  out << "id: " << e.id << '\n';
  out << "time: " << TimeText(e.timeMs, true, "%Y-%m-%dT%H:%M:%S") << "." << std::to_string(1000 + e.timeMs % 1000).substr(1)
      << "Z\n";
  out << "time-ms: " << e.timeMs << '\n';
  out << "operation: " << e.operation << '\n';
  out << "port: " << OneLine(e.port) << '\n';
  out << "device: " << OneLine(e.device) << '\n';
  out << "banner: " << OneLine(e.banner) << '\n';
  out << "file: " << OneLine(e.file) << '\n';
  if (e.isAir()) out << "air: " << OneLine(e.air) << '\n';
  if (e.previousKnown) {
    out << "changes: " << e.changes.size() << '\n';
    for (const auto& c : e.changes) out << "change: " << OneLine(c) << '\n';
  }
  for (std::size_t i = 0; i < e.image.size(); i += kHexBytesPerLine) {
    out << "image:";
    for (std::size_t k = i; k < i + kHexBytesPerLine; ++k) out << ' ' << kHex[e.image[k] >> 4] << kHex[e.image[k] & 15];
    out << '\n';
  }
  out << "\n# The configuration as a .prg file holds it:\n";
  ConfigFileContent content;
  content.config = DecodeImage(e.image);
  content.txtPrgComm = "1";
  out << FormatConfigFile(content);
  return out.str();
}

std::optional<HistoryEntry> ParseHistoryEntry(const std::string& text, std::string* error) {
  auto fail = [error](const std::string& why) -> std::optional<HistoryEntry> {
    if (error) *error = why;
    return std::nullopt;
  };
  std::istringstream in(text);
  std::string line;
  auto next = [&in, &line] {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();  // edited elsewhere
    return true;
  };
  if (!next() || line != kMagic) return fail("not a board history entry");
  HistoryEntry e;
  std::size_t imageBytes = 0;
  bool haveTime = false;
  while (next() && !line.empty()) {
    const auto colon = line.find(": ");
    const std::string key = line.substr(0, colon == std::string::npos ? line.size() : colon);
    const std::string value = colon == std::string::npos ? std::string() : line.substr(colon + 2);
    if (key == "id") e.id = value;
    if (key == "operation") e.operation = value;
    if (key == "port") e.port = value;
    if (key == "device") e.device = value;
    if (key == "banner") e.banner = value;
    if (key == "file") e.file = value;
    if (key == "air") e.air = value;
    if (key == "changes") e.previousKnown = true;
    if (key == "change") e.changes.push_back(value);
    if (key == "time-ms") {
      try {
        e.timeMs = std::stoll(value);
        haveTime = true;
      } catch (...) {
        return fail("the time is not a number");
      }
    }
    if (key == "image") {
      std::istringstream bytes(value);
      std::string pair;
      while (bytes >> pair) {
        const int hi = pair.size() == 2 ? HexDigit(pair[0]) : -1;
        const int lo = pair.size() == 2 ? HexDigit(pair[1]) : -1;
        if (hi < 0 || lo < 0) return fail("the image holds something that is not hexadecimal");
        if (imageBytes == e.image.size()) return fail("the image is longer than 192 bytes");
        e.image[imageBytes++] = static_cast<std::uint8_t>(hi * 16 + lo);
      }
    }
  }
  if (imageBytes != e.image.size()) return fail("the image is not 192 bytes");
  if (e.id.empty() || e.id.find_first_of(" /\t") != std::string::npos) return fail("the id is missing or not a token");
  if (e.operation != "READ" && e.operation != "PROGRAM" && e.operation != "AIR")
    return fail("the operation is none of READ, PROGRAM and AIR");
  if (!haveTime) return fail("the time is missing");
  return e;
}

std::string AirConfirmedBy(const std::string& readId) { return "confirmed by READ " + readId; }
std::string AirDiffersIn(const std::string& readId) { return "READ " + readId + " differs"; }

namespace {
constexpr const char* kAirSentText = TONALIS_TEXT("sent over the air, not read back");
constexpr const char* kAirConfirmedText = TONALIS_TEXT("confirmed by the READ of %1");
constexpr const char* kAirDiffersText = TONALIS_TEXT("the READ of %1 differs");

// The local time of an entry's id ("20261207T172600.123Z"), or the id when it is none.
std::string TimeOfId(const std::string& id) {
  int y, mo, d, h, mi, s, ms;
  if (id.size() != 20 || std::sscanf(id.c_str(), "%4d%2d%2dT%2d%2d%2d.%3dZ", &y, &mo, &d, &h, &mi, &s, &ms) != 7)
    return id;
  // Days from the civil date (proleptic Gregorian), as the standard library has no timegm.
  const int yy = y - (mo <= 2);
  const int era = (yy >= 0 ? yy : yy - 399) / 400;
  const int yoe = yy - era * 400;
  const int doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const std::int64_t days = std::int64_t{era} * 146097 + doe - 719468;
  return LocalTimeText(((days * 24 + h) * 60 + mi) * 60000 + s * 1000 + ms);
}
}  // namespace

std::string AirStatusText(const std::string& air, Translate tx) {
  const std::string confirmed = "confirmed by READ ", read = "READ ", differs = " differs";
  if (air == kAirSent) return tx(kAirSentText);
  if (air.rfind(confirmed, 0) == 0) return Fill(tx(kAirConfirmedText), {TimeOfId(air.substr(confirmed.size()))});
  if (air.rfind(read, 0) == 0 && air.size() > read.size() + differs.size() &&
      air.compare(air.size() - differs.size(), differs.size(), differs) == 0)
    return Fill(tx(kAirDiffersText), {TimeOfId(air.substr(read.size(), air.size() - read.size() - differs.size()))});
  return air;
}

DecoderImage ImageAfterReplacement(const DecoderImage& before, int command, const std::string& digits) {
  DecoderImage after = before;
  EncodeCommand(after, command, digits);
  return after;
}

std::string PrgCommForPort(const std::string& port) {
  if (port.size() >= 4 && port.size() <= 5 && port.compare(0, 3, "COM") == 0 &&
      port.find_first_not_of("0123456789", 3) == std::string::npos) {
    const int n = std::stoi(port.substr(3));
    if (n >= 1 && n <= 16) return std::to_string(n);
  }
  return "1";
}

}  // namespace tonalis
