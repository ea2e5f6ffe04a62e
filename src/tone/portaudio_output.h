// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include <portaudio.h>

#include "tone/audio_input.h"
#include "tone/fifo_input.h"
#include "tone/audio_output.h"

namespace tonalis {

// PortAudio, set up once per process. Silences the ALSA and JACK libraries'
// own chatter on stderr first: a machine without a sound server makes them
// print dozens of lines the user has no use for.
class PortAudioSession {
 public:
  static PortAudioSession& instance();
  int error() const { return error_; }  // of Pa_Initialize, 0 when ready

  struct Device {
    int index;
    std::string name;
    std::string hostApi;
    int inputs;
    int outputs;
    bool defaultOutput;
    bool defaultInput;
  };
  std::vector<Device> devices() const;
  // The output (or input) device called `name` (exactly, else the first
  // whose name contains it); the default one for an empty name; -1 when none.
  int device(const std::string& name, bool input) const;
  int outputDevice(const std::string& name) const { return device(name, false); }
  int inputDevice(const std::string& name) const { return device(name, true); }

 private:
  PortAudioSession();
  ~PortAudioSession();
  int error_ = 0;
};

// True when the machine has at least one sound input device (the tool's
// test for a sound card).
bool HasInputDevice();

class PortAudioOutput : public AudioOutput {
 public:
  explicit PortAudioOutput(std::string deviceName = {});
  ~PortAudioOutput() override;

  int open() override;
  int start(const std::int16_t* samples, std::int64_t count, std::function<void()> finished) override;
  int stop() override;
  int close() override;
  void reset() override;
  void setDevice(const std::string& name) override { deviceName_ = name; }

 private:
  static int Callback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                      PaStreamCallbackFlags, void* self);
  static void Finished(void* self);

  std::string deviceName_;
  PaStream* stream_ = nullptr;
  const std::int16_t* samples_ = nullptr;
  std::int64_t count_ = 0;
  std::atomic<std::int64_t> position_{0};
  std::function<void()> finished_;
};

class PortAudioInput : public AudioInput {
 public:
  ~PortAudioInput() override;
  std::optional<std::string> open(const std::string& device, int rate, Samples samples, int* rateUsed) override;
  void close() override;

 private:
  static int Callback(const void* input, void*, unsigned long frames, const PaStreamCallbackTimeInfo*,
                      PaStreamCallbackFlags, void* self);
  PaStream* stream_ = nullptr;
  Samples samples_;
  FifoInput fifo_;  // a device name that is a FIFO of raw audio
};

}  // namespace tonalis
