// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/dtmf_sequences.h"

#include <utility>

namespace tonalis {

std::optional<HeardSequence> SequenceAssembler::digit(char d, double start, double duration) {
  std::optional<HeardSequence> closed;
  if (!open_.digits.empty() && (start - lastEnd_ > gap_ || open_.digits.size() >= kMaxSequenceDigits))
    closed = take();
  if (open_.digits.empty()) open_.start = start;
  open_.digits += d;
  lastEnd_ = start + duration;
  return closed;
}

std::optional<HeardSequence> SequenceAssembler::quiet(double now) {
  if (open_.digits.empty() || now - lastEnd_ <= gap_) return std::nullopt;
  return take();
}

std::optional<HeardSequence> SequenceAssembler::close() { return take(); }

std::optional<HeardSequence> SequenceAssembler::take() {
  if (open_.digits.empty()) return std::nullopt;
  return std::exchange(open_, HeardSequence());
}

std::optional<double> SequenceAssembler::deadline() const {
  if (open_.digits.empty()) return std::nullopt;
  return lastEnd_ + gap_;
}

}  // namespace tonalis
