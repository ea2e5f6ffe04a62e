// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "listen/dtmf_measure.h"

namespace tonalis {

// What a recording of our own transmission shows: the digits of the sequence
// sent, each heard or not, what each measures, and what would make a
// telephone-grade receiver miss it.
class TransmissionCheck {
 public:
  TransmissionCheck(const std::int16_t* samples, std::size_t count, int rate, const std::string& sequence,
                    const ReceiverLimits& limits = {});
  // What a meter that has heard the whole recording found.
  TransmissionCheck(const DtmfMeter& meter, const std::string& sequence, const ReceiverLimits& limits = {});
  // The verdicts point into the digits heard: moved, never copied.
  TransmissionCheck(TransmissionCheck&&) = default;
  TransmissionCheck(const TransmissionCheck&) = delete;
  TransmissionCheck& operator=(const TransmissionCheck&) = delete;

  const std::string& sent() const { return sent_; }  // the DTMF digits of the sequence
  const std::vector<DigitMeasure>& heard() const { return heard_; }
  const std::vector<DigitVerdict>& verdicts() const { return verdicts_; }
  std::size_t sentAndHeard() const;  // digits sent that were heard
  std::size_t problems() const;      // verdicts with a problem: digits missed, wrong or extra
  bool allTaken() const { return problems() == 0; }

  // One line: "13 of 13 digits heard, level -10.3 dBFS, twist +0.0 dB,
  // shortest digit 50 ms, gap 50 ms" (the level: the tones' mean), with the
  // worst problem after the count: "12 of 13 digits heard (digit 7 (#) not
  // heard), level ...".
  // In English unless given a translation.
  std::string summary(Translate tx = Untranslated) const;
  // A line a verdict ("digit 7 (#): taken"), then "every digit would be
  // taken" or "2 would be missed".
  std::string report(Translate tx = Untranslated) const;

 private:
  std::string describe(const DigitVerdict& verdict, Translate tx) const;

  std::string sent_;
  std::vector<DigitMeasure> heard_;
  std::vector<DigitVerdict> verdicts_;
  double peakDbfs_ = -120;  // of the whole recording
};

// The DTMF digits of a sequence as sent: its pauses and silent characters left out.
std::string SentDigits(const std::string& sequence);

}  // namespace tonalis
