// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/telnet_codec.h"

namespace tonalis {

using namespace telnet;

Bytes TelnetEscape(const Bytes& data) {
  Bytes out;
  out.reserve(data.size() + 4);
  for (const std::uint8_t b : data) {
    out.push_back(b);
    if (b == kIac) out.push_back(kIac);
  }
  return out;
}

Bytes ComPortCommand(std::uint8_t command, const Bytes& value) {
  Bytes out{kIac, kSb, kComPort, command};
  const Bytes escaped = TelnetEscape(value);
  out.insert(out.end(), escaped.begin(), escaped.end());
  out.insert(out.end(), {kIac, kSe});
  return out;
}

Bytes TelnetOpening() {
  return {kIac, kWill, kComPort, kIac, kWill, kBinary, kIac, kDo, kBinary, kIac, kDo, kSuppressGoAhead};
}

Bytes ComPortSettings(std::uint32_t baud) {
  Bytes out = ComPortCommand(kSetBaudRate, {static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
                                            static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)});
  for (const auto& [command, value] :
       {std::pair{kSetDataSize, std::uint8_t{8}}, std::pair{kSetParity, kParityNone}, std::pair{kSetStopSize, kStopOne}}) {
    const Bytes one = ComPortCommand(command, {value});
    out.insert(out.end(), one.begin(), one.end());
  }
  return out;
}

void TelnetReceiver::feed(const std::uint8_t* bytes, std::size_t count, Bytes& data, std::vector<Event>& events) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t b = bytes[i];
    switch (state_) {
      case State::Data:
        if (b == kIac)
          state_ = State::Iac;
        else
          data.push_back(b);
        break;
      case State::Iac:
        if (b == kIac) {
          data.push_back(kIac);  // an escaped 0xFF is data
          state_ = State::Data;
        } else if (b == kWill || b == kWont || b == kDo || b == kDont) {
          verb_ = b;
          state_ = State::Verb;
        } else if (b == kSb) {
          sb_.clear();
          state_ = State::Sb;
        } else {
          events.push_back({Event::Kind::Command, b, {}});  // NOP, GA, a stray SE...
          state_ = State::Data;
        }
        break;
      case State::Verb: {
        const Event::Kind kind = verb_ == kWill ? Event::Kind::Will
                                 : verb_ == kWont ? Event::Kind::Wont
                                 : verb_ == kDo   ? Event::Kind::Do
                                                  : Event::Kind::Dont;
        events.push_back({kind, b, {}});
        state_ = State::Data;
        break;
      }
      case State::Sb:
        if (b == kIac)
          state_ = State::SbIac;
        else
          sb_.push_back(b);
        if (sb_.size() > kMaxSubnegotiation) endSubnegotiation(events);  // one that never closes
        break;
      case State::SbIac:
        if (b == kIac) {
          sb_.push_back(kIac);
          state_ = State::Sb;
          if (sb_.size() > kMaxSubnegotiation) endSubnegotiation(events);
        } else if (b == kSe) {
          endSubnegotiation(events);
        } else {
          // IAC and a command inside a subnegotiation: it was never closed.
          endSubnegotiation(events);
          state_ = State::Iac;
          --i;  // read the command as after an IAC
          continue;
        }
        break;
    }
  }
}

void TelnetReceiver::endSubnegotiation(std::vector<Event>& events) {
  state_ = State::Data;
  if (sb_.size() >= 2 && sb_[0] == kComPort && sb_[1] > kServerOffset)
    events.push_back({Event::Kind::ComPortAnswer, static_cast<std::uint8_t>(sb_[1] - kServerOffset),
                      Bytes(sb_.begin() + 2, sb_.end())});
  else
    events.push_back({Event::Kind::Subnegotiation, sb_.empty() ? std::uint8_t{0} : sb_[0],
                      sb_.size() > 1 ? Bytes(sb_.begin() + 1, sb_.end()) : Bytes{}});
  sb_.clear();
}

void TelnetOptions::Put(std::uint64_t& set, std::uint8_t option, bool in) {
  if (option >= 64) return;
  if (in)
    set |= 1ull << option;
  else
    set &= ~(1ull << option);
}

Bytes TelnetOptions::answer(const TelnetReceiver::Event& event) {
  using Kind = TelnetReceiver::Event::Kind;
  const std::uint8_t o = event.code;
  const bool oursAllowed = o == kBinary || o == kComPort || o == kSuppressGoAhead;
  const bool theirsAllowed = o == kBinary || o == kSuppressGoAhead;
  switch (event.kind) {
    case Kind::Do: {
      if (o == kComPort) comPort_ = true;
      if (Has(us_.on, o)) return {};  // already so
      const bool asked = Has(us_.asked, o);
      Put(us_.asked, o, false);
      if (!oursAllowed) return {kIac, kWont, o};
      Put(us_.on, o, true);
      return asked ? Bytes{} : Bytes{kIac, kWill, o};
    }
    case Kind::Dont: {
      if (o == kComPort) comPort_ = false;
      const bool was = Has(us_.on, o);
      Put(us_.asked, o, false);
      Put(us_.on, o, false);
      return was ? Bytes{kIac, kWont, o} : Bytes{};  // a refusal of what we asked needs no answer
    }
    case Kind::Will: {
      if (Has(them_.on, o)) return {};
      const bool asked = Has(them_.asked, o);
      Put(them_.asked, o, false);
      if (!theirsAllowed) return {kIac, kDont, o};
      Put(them_.on, o, true);
      return asked ? Bytes{} : Bytes{kIac, kDo, o};
    }
    case Kind::Wont: {
      const bool was = Has(them_.on, o);
      Put(them_.asked, o, false);
      Put(them_.on, o, false);
      return was ? Bytes{kIac, kDont, o} : Bytes{};
    }
    default:
      return {};
  }
}

}  // namespace tonalis
