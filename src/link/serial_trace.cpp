// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_trace.h"

#include <cstdio>
#include <fstream>

namespace tonalis {
namespace {

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

std::unique_ptr<SerialTrace> SerialTrace::ToFile(const std::string& path) {
  auto file = std::make_unique<std::ofstream>(path, std::ios::trunc);
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
