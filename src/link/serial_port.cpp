// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port.h"

#include "link/serial_trace.h"

#include <algorithm>

namespace tonalis {

void SerialPort::deliver(Bytes bytes) {
  if (bytes.empty()) return;
  if (trace_) trace_->received(bytes);
  if (dropNul_) bytes.erase(std::remove(bytes.begin(), bytes.end(), 0), bytes.end());
  if (!bytes.empty()) Q_EMIT bytesReceived(bytes);
}

std::string PortEventMessage(int code, const std::string& portName) {
  switch (code) {
    case port_event::kBreak:
      return "Comm Break Detected";
    case port_event::kFrame:
      return "Comm Frame Error";
    case port_event::kOverrun:
      return "Comm OverRun Error";
    case port_event::kRxOverflow:
      return "Comm OverFlow Error";
    case port_event::kParity:
      return "Comm Parity Error";
    case port_event::kTxFull:
      return "Comm Tx Buffer Full";
    case port_event::kDeviceControl:
      return "Comm Device Control Block Error";
    default:
      return "Errore n." + std::to_string(code) + " su " + portName;
  }
}

}  // namespace tonalis
