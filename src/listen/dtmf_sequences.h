// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tonalis {

// Digits closer than this make one sequence, as the board takes them (the
// simulated board's rule; the real board's is not known).
inline constexpr double kSequenceGapSeconds = 1.0;
// A sequence is closed at this many digits (the longest Send Sequence sends):
// a channel that never falls quiet does not make one without end.
inline constexpr std::size_t kMaxSequenceDigits = 1024;

// A sequence heard: its digits, and where its first began (seconds into the stream).
struct HeardSequence {
  std::string digits;
  double start = 0;
};

// The sequences in a stream of digits: digits closer than `gapSeconds` after
// the end of the one before belong together, up to kMaxSequenceDigits.
class SequenceAssembler {
 public:
  explicit SequenceAssembler(double gapSeconds) : gap_(gapSeconds) {}
  // A digit heard from `start` for `duration` seconds; a sequence it closed.
  std::optional<HeardSequence> digit(char d, double start, double duration);
  // The sequence, if one is open and nothing was heard since `gap` before `now`.
  std::optional<HeardSequence> quiet(double now);
  // The end of the stream: whatever is open.
  std::optional<HeardSequence> close();
  std::optional<double> deadline() const;

 private:
  std::optional<HeardSequence> take();

  double gap_;
  HeardSequence open_;
  double lastEnd_ = 0;
};

}  // namespace tonalis
