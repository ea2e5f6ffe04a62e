// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <memory>
#include <ostream>
#include <string>

#include "link/protocol.h"

namespace tonalis {

// A time-stamped record of every byte on the link, the file a user attaches
// to a problem report. One line per write or read:
//   0.200113 TX FF CC
//   0.245870 RX FF AA 51 75 ...
//   0.300201 -- identify wait over
class SerialTrace {
 public:
  explicit SerialTrace(std::ostream& out);
  // A trace into the ordinary file at `path`, emptied first (made when
  // missing); null when it cannot be written, with `why` when it is not one.
  static std::unique_ptr<SerialTrace> ToFile(const std::string& path, std::string* why = nullptr);

  void sent(const Bytes& bytes);
  void received(const Bytes& bytes);
  void note(const std::string& text);

 private:
  void line(const char* tag, const std::string& rest);

  std::unique_ptr<std::ostream> file_;  // set when the trace owns its file
  std::ostream& out_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace tonalis
