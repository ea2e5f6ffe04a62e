// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <complex>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonalis {

// A Morse (CW) receiver for 16-bit audio at any rate from 8000 to 48000 Hz,
// fed in blocks as a live stream or a file comes. It finds the tone itself
// (the strongest steady one from 300 to 2000 Hz) unless told, filters
// narrowly around it, follows its level with an adaptive threshold and
// hysteresis, measures marks and spaces and reads them against the dot
// length given, or against one it estimates from the marks (they cluster at
// one and three dots). Characters it cannot read come out as '?'.
class MorseDecoder {
  // The last few values, oldest first, in place: no allocation a frame.
  template <typename T, std::size_t N>
  class Recent {
   public:
    void push(const T& value) { items_[(head_ + size_++) % N] = value; }
    const T& front() const { return items_[head_]; }
    void pop() {
      head_ = (head_ + 1) % N;
      --size_;
    }
    std::size_t size() const { return size_; }
    void clear() { head_ = size_ = 0; }

   private:
    std::array<T, N> items_{};
    std::size_t head_ = 0, size_ = 0;
  };

 public:
  struct Options {
    int sampleRate = 8000;
    std::optional<double> dotMs;   // known speed (the board's timing byte); else estimated
    std::optional<double> toneHz;  // known tone; else searched
  };

  explicit MorseDecoder(const Options& options);

  // Feeds samples; the text read from them (characters and word spaces).
  std::string push(const std::int16_t* samples, std::size_t count);
  // The end of the stream: the character being keyed ends here.
  std::string finish();

  // What it found, once found.
  std::optional<double> toneHz() const { return locked_ ? std::optional<double>(tone_) : std::nullopt; }
  std::optional<double> dotMs() const { return dot_ > 0 ? std::optional<double>(dot_) : std::nullopt; }
  double wpm() const { return dot_ > 0 ? 1200.0 / dot_ : 0; }
  // Seconds of audio since the last mark ended (or since the start).
  double silenceSeconds() const;
  // Whether a mark is being heard now.
  bool inMark() const { return on_; }

 private:
  void search(const std::int16_t* samples, std::size_t count);
  void lock(double hz);
  void endFrame(std::string& out);
  void frame(double level, std::string& out);
  void element(bool mark, double ms, std::string& out);
  void estimateDot();
  void replayPending(std::string& out);
  void reread(std::string& out);
  void feed(const std::int16_t* samples, std::size_t count, std::string& out);
  void apply(bool mark, double ms, std::string& out);
  void resolveMark();
  void spaceAction(double space, std::string& out);
  double edge() const;
  void setDot(double dot);
  void follow(double& average, double measured);
  void endCharacter(std::string& out);
  bool startedInMark(double level, std::string& out);

  Options options_;
  int rate_;

  // Tone search: power spectra of blocks, averaged, until one tone stands out.
  std::size_t fftSize_;
  std::vector<double> spectrum_;
  std::vector<std::int16_t> block_;
  std::vector<std::int16_t> early_;  // samples heard before the tone was found
  int blocks_ = 0;
  bool locked_ = false;
  double tone_ = 0;

  // Envelope: the tone mixed to zero, summed over 1 ms frames, smoothed.
  // A frame's samples are mixed with the tone's phase from the frame's
  // start (a table, real and imaginary parts), then turned by the phase the
  // frame starts at.
  std::vector<double> mix_;
  double phasor_[2] = {1, 0}, frameStep_[2] = {1, 0};
  double sum_[2] = {0, 0};
  std::size_t inFrame_ = 0;
  std::size_t frameSamples_ = 8;
  std::size_t turns_ = 0;  // frames since the phasor's length was set to 1
  Recent<std::array<double, 2>, 8> frames_;
  double running_[2] = {0, 0};
  Recent<double, 64> magnitudes_;
  double magnitudeSum_ = 0;
  std::size_t smoothing_ = 2;  // frames averaged

  // Levels and the keying they show.
  double markLevel_ = 0, spaceLevel_ = 0;
  double noiseLevel_ = 0;        // average, from frames far from any mark
  Recent<double, 128> recent_;   // frames waiting to count as noise
  std::size_t quietMs_ = 0;      // how long nothing has been keyed
  std::size_t noiseFrames_ = 0;
  bool levelsSet_ = false;
  // A stream that starts in the middle of a mark: the level it starts at and
  // when it first fell to half of that, until the first change is seen.
  bool startRun_ = true;
  double startLevel_ = 0;
  double startFellMs_ = 0;
  bool on_ = false;
  bool heardMark_ = false;
  double runMs_ = 0;       // how long the current state lasted
  double pendingChangeMs_ = 0;  // how long the other state has been showing
  double sinceMarkMs_ = 0;
  bool wordSpaceDone_ = false;

  // Elements waiting for a dot length, and the character being read.
  std::vector<std::pair<bool, double>> pending_;
  // The audio those elements came from, read again once the dot is known;
  // beyond a limit the elements alone are.
  std::vector<std::int16_t> unsure_;
  bool unsureKept_ = true;
  bool rereadDue_ = false;
  double dot_ = 0;
  double dotMark_ = 0, dotSpace_ = 0;  // a dot's mark and an inner space, as measured
  double markRun_ = 0;   // the mark being read, dropouts included
  double spaceRun_ = 0;  // the space since the last mark, noise included
  std::string code_;
  bool wordOpen_ = false;
};

}  // namespace tonalis
