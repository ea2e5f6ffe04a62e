// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "link/protocol.h"

namespace tonalis {

// A serial port reached over telnet with the COM port control option
// (RFC 854, 855, 856, 2217), as its client sees it: what goes out (data with
// every 0xFF doubled, option answers, COM port commands) and a parser for
// what comes in, fed TCP segments split anywhere. No sockets here.
namespace telnet {
inline constexpr std::uint8_t kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251, kSb = 250, kSe = 240;
inline constexpr std::uint8_t kBinary = 0, kSuppressGoAhead = 3, kComPort = 44;
// COM port commands, client to server; the server answers with the command + 100.
inline constexpr std::uint8_t kSetBaudRate = 1, kSetDataSize = 2, kSetParity = 3, kSetStopSize = 4, kSetControl = 5;
inline constexpr std::uint8_t kServerOffset = 100;
inline constexpr std::uint8_t kParityNone = 1, kStopOne = 1;
// SET-CONTROL values: no flow control, then DTR and RTS on and off.
inline constexpr std::uint8_t kNoFlowControl = 1, kDtrOn = 8, kDtrOff = 9, kRtsOn = 11, kRtsOff = 12;
}  // namespace telnet

// Data as it goes on the wire: each 0xFF doubled.
Bytes TelnetEscape(const Bytes& data);
// A COM port command with its value (escaped) as a subnegotiation.
Bytes ComPortCommand(std::uint8_t command, const Bytes& value);
// The client's opening: it will speak the COM port option and binary both
// ways, and asks the server to suppress go-ahead.
Bytes TelnetOpening();
// The line as the board needs it, four commands: 4800 baud, 8 data bits, no
// parity, one stop bit; each answered by the server.
Bytes ComPortSettings(std::uint32_t baud = 4800);

// What the server sends, parsed: the port's data (unescaped) and, in between,
// option negotiation and COM port answers. A segment may end anywhere, even
// between an IAC and what follows it.
class TelnetReceiver {
 public:
  struct Event {
    enum class Kind { Will, Wont, Do, Dont, ComPortAnswer, Subnegotiation, Command };
    Kind kind;
    std::uint8_t code = 0;  // the option, the COM port command (less 100), or the bare command
    Bytes value;            // a subnegotiation's bytes after its command, unescaped
  };
  // Appends the data in `bytes` to `data` and what else came to `events`.
  void feed(const std::uint8_t* bytes, std::size_t count, Bytes& data, std::vector<Event>& events);
  // A subnegotiation that never closes ends at this many bytes.
  static constexpr std::size_t kMaxSubnegotiation = 64;

 private:
  enum class State { Data, Iac, Verb, Sb, SbIac };
  void endSubnegotiation(std::vector<Event>& events);
  State state_ = State::Data;
  std::uint8_t verb_ = 0;
  Bytes sb_;
};

// The client's side of option negotiation (RFC 1143 without queues): binary
// and suppress-go-ahead accepted both ways, the COM port option offered by
// us, everything else refused; an answer only when the state changes, so two
// ends never loop. What to send in reply to `event`, possibly nothing.
class TelnetOptions {
 public:
  Bytes answer(const TelnetReceiver::Event& event);
  // The server agreed to the COM port option (DO 44), or refused it (DONT 44).
  std::optional<bool> comPortAccepted() const { return comPort_; }

 private:
  struct Side {
    std::uint64_t asked = 0;  // we sent WILL (ours) or DO (theirs), not yet answered
    std::uint64_t on = 0;     // agreed
  };
  static bool Has(std::uint64_t set, std::uint8_t option) { return option < 64 && (set >> option & 1); }
  static void Put(std::uint64_t& set, std::uint8_t option, bool in);
  Side us_{(1ull << telnet::kBinary) | (1ull << telnet::kComPort), 0};  // the opening's WILLs
  Side them_{(1ull << telnet::kBinary) | (1ull << telnet::kSuppressGoAhead), 0};  // and its DOs
  std::optional<bool> comPort_;
};

}  // namespace tonalis
