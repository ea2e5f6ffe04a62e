// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_trace.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "i18n/text.h"
#include "storage/file_reading.h"

namespace tonalis {
namespace {

constexpr const char* kNotOrdinary =
    TONALIS_TEXT("%1 is not an ordinary file (a link, pipe, device or folder): a trace is written only to one.");

std::string Hex(const Bytes& bytes) {
  std::string out;
  char byte[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(byte, sizeof byte, i ? " %02X" : "%02X", bytes[i]);
    out += byte;
  }
  return out;
}

}  // namespace

SerialTrace::SerialTrace(std::ostream& out) : out_(out), start_(std::chrono::steady_clock::now()) {}

std::unique_ptr<SerialTrace> SerialTrace::ToFile(const std::string& path, std::string* why) {
  // As every file the tool writes: never through a link (it would empty the
  // file it points to), never into a pipe or device (which could block).
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(FilePath(path), ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    if (why) *why = Fill(Message(kNotOrdinary), {path});
    return nullptr;
  }
  auto file = std::make_unique<std::ofstream>(FilePath(path), std::ios::trunc);
  if (!*file) return nullptr;
  auto trace = std::make_unique<SerialTrace>(*file);
  trace->file_ = std::move(file);
  return trace;
}

void SerialTrace::sent(const Bytes& bytes) { line("TX", Hex(bytes)); }
void SerialTrace::received(const Bytes& bytes) { line("RX", Hex(bytes)); }
void SerialTrace::note(const std::string& text) { line("--", text); }

void SerialTrace::line(const char* tag, const std::string& rest) {
  const std::chrono::duration<double> t = std::chrono::steady_clock::now() - start_;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%.6f", t.count());
  out_ << stamp << ' ' << tag << ' ' << rest << '\n';
  out_.flush();
}

}  // namespace tonalis
