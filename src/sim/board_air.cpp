// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/board_air.h"

#include <utility>

#include "config/digits.h"

namespace tonalis {
namespace {

// What each command does, by index (the window's labels).
enum class Act { On, Off, Status, CwToggle, TimerOn, TimerOff, CheckOn, CheckOff, AllOn, AllOff };
struct Rule {
  Act act;
  int output;  // 0..3 where it concerns one
};
constexpr Rule kRules[kCommandCount] = {
    {Act::On, 0},      {Act::Off, 0},      {Act::On, 1},      {Act::Off, 1},      {Act::On, 2},    {Act::Off, 2},
    {Act::On, 3},      {Act::Off, 3},      {Act::Status, -1}, {Act::CwToggle, -1}, {Act::TimerOn, 1},
    {Act::TimerOff, 1}, {Act::CheckOn, -1}, {Act::CheckOff, -1}, {Act::AllOn, -1}, {Act::AllOff, -1},
};

std::string OutputText(int output, bool on) { return "Output " + std::to_string(output + 1) + (on ? " ON" : " OFF"); }

}  // namespace

BoardAir::BoardAir(const DecoderImage& memory) {
  const std::uint8_t flags = memory[layout::kPowerOnFlags.offset];
  for (int i = 0; i < 4; ++i) outputs_[static_cast<std::size_t>(i)] = (flags >> i) & 1;
  cw_ = flags & layout::kMorseBit;
  voltageCheck_ = flags & layout::kVoltageCheckBit;
}

std::string BoardAir::reply(const DecoderImage& memory, const std::string& text) const {
  if (!cw_) return {};
  const std::string call = DecodeImage(memory).txtCallID;
  return call.empty() ? text : call + " " + text;
}

BoardAir::Outcome BoardAir::hear(const std::string& sequence, DecoderImage& memory, double now) {
  const DecoderConfig config = DecodeImage(memory);
  Outcome o;
  for (int n = 0; n < kCommandCount; ++n) {
    if (config.txtMem[static_cast<std::size_t>(n)].empty() || config.txtMem[static_cast<std::size_t>(n)] != sequence)
      continue;
    const Rule rule = kRules[n];
    const auto out = static_cast<std::size_t>(rule.output);
    const std::string timer = config.txtTmr2 + " s";
    switch (rule.act) {
      case Act::On:
      case Act::Off:
        outputs_[out] = rule.act == Act::On;
        o.did = OutputText(rule.output, outputs_[out]);
        break;
      case Act::AllOn:
      case Act::AllOff:
        outputs_.fill(rule.act == Act::AllOn);
        o.did = rule.act == Act::AllOn ? "all outputs ON" : "all outputs OFF";
        break;
      case Act::TimerOn:
      case Act::TimerOff:
        timerRestores_ = rule.act == Act::TimerOff;
        outputs_[out] = rule.act == Act::TimerOn;
        timerEnds_ = now + memory[layout::kOutput2Timer.offset];
        o.did = OutputText(rule.output, outputs_[out]) + " for " + timer;
        break;
      case Act::CheckOn:
      case Act::CheckOff:
        voltageCheck_ = rule.act == Act::CheckOn;
        o.did = voltageCheck_ ? "voltage check enabled" : "voltage check disabled";
        break;
      case Act::CwToggle:
        cw_ = !cw_;
        o.did = cw_ ? "CW replies ON" : "CW replies OFF";
        break;
      case Act::Status:
        o.did = "status sent";
        break;
    }
    o.did = "command " + std::to_string(n) + ": " + o.did;
    // Done (R), or for the status the four outputs, 1 for ON.
    std::string answer = "R";
    if (rule.act == Act::Status) {
      answer.clear();
      for (bool on : outputs_) answer += on ? '1' : '0';
    }
    o.reply = reply(memory, answer);
    return o;
  }

  // A replacement: command, Modifier ID, new command, Checksum ID, two digits.
  const std::string& modifier = config.txtSeqCmd;
  const std::string& id = config.txtCrcTag;
  if (!modifier.empty() && id.size() == 1) {
    for (int n = 0; n < kCommandCount; ++n) {
      const std::string& original = config.txtMem[static_cast<std::size_t>(n)];
      if (original.empty() || sequence.compare(0, original.size() + modifier.size(), original + modifier) != 0)
        continue;
      const std::string rest = sequence.substr(original.size() + modifier.size());
      const auto mark = rest.find(id);
      if (mark == std::string::npos || rest.size() != mark + 3) continue;
      const std::string fresh = rest.substr(0, mark);
      int sum = 0;
      for (char c : fresh) sum += DigitToCode(c);
      if (ChecksumSuffix(id, sum) != rest.substr(mark)) {
        o.did = "replacement of command " + std::to_string(n) + " refused: wrong checksum";
        return o;
      }
      bool taken = false;
      for (const std::string& other : config.txtMem) taken = taken || other == fresh;
      if (fresh.size() < 2 || fresh.size() > layout::kCommandDigits || taken) {
        o.did = "replacement of command " + std::to_string(n) + " refused: " +
                (taken ? "the new command is already one" : "the new command is not 2 to 10 digits");
        return o;
      }
      EncodeCommand(memory, n, fresh);
      o.did = "command " + std::to_string(n) + " replaced by " + fresh;
      o.reply = reply(memory, "R");
      o.memoryChanged = true;
      return o;
    }
  }
  o.did = "ignored";
  return o;
}

std::vector<std::string> BoardAir::tick(double now) {
  if (!timerEnds_ || now < *timerEnds_) return {};
  timerEnds_.reset();
  outputs_[1] = timerRestores_;
  return {OutputText(1, timerRestores_) + " again: the timer ended"};
}

}  // namespace tonalis
