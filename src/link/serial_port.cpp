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

namespace {

// What each event of the port says, apart from the function (lupdate takes
// the texts inside a function that returns a std::string for std's).
const char* const kPortEventText[] = {
    TONALIS_TEXT("Comm Break Detected"),
    TONALIS_TEXT("Comm Frame Error"),
    TONALIS_TEXT("Comm OverRun Error"),
    TONALIS_TEXT("Comm OverFlow Error"),
    TONALIS_TEXT("Comm Parity Error"),
    TONALIS_TEXT("Comm Tx Buffer Full"),
    TONALIS_TEXT("Comm Device Control Block Error"),
    TONALIS_TEXT("Error no.%1 on %2"),
};

}  // namespace

std::string PortEventMessage(int code, const std::string& portName, Translate tx) {
  switch (code) {
    case port_event::kBreak:
      return tx(kPortEventText[0]);
    case port_event::kFrame:
      return tx(kPortEventText[1]);
    case port_event::kOverrun:
      return tx(kPortEventText[2]);
    case port_event::kRxOverflow:
      return tx(kPortEventText[3]);
    case port_event::kParity:
      return tx(kPortEventText[4]);
    case port_event::kTxFull:
      return tx(kPortEventText[5]);
    case port_event::kDeviceControl:
      return tx(kPortEventText[6]);
    default:
      return Fill(tx(kPortEventText[7]), {std::to_string(code), portName});
  }
}

}  // namespace tonalis
