// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/portaudio_output.h"

#include <algorithm>
#include <cstring>

#include "i18n/language.h"
#include "tone/sound_libraries.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {
constexpr const char* kNoSoundSystem = TONALIS_TEXT("the sound system could not start: %1");
constexpr const char* kNoInputDevice = TONALIS_TEXT("this machine has no sound input device");
constexpr const char* kNoSuchInput = TONALIS_TEXT("no sound input device is called %1");
constexpr const char* kInputNotOpened = TONALIS_TEXT("the input device could not be opened: %1");
}  // namespace

PortAudioSession& PortAudioSession::instance() {
  static PortAudioSession session;
  return session;
}

PortAudioSession::PortAudioSession() {
  SilenceSoundLibraries();
  error_ = Pa_Initialize();
}

PortAudioSession::~PortAudioSession() {
  if (error_ == paNoError) Pa_Terminate();
}

std::vector<PortAudioSession::Device> PortAudioSession::devices() const {
  std::vector<Device> list;
  if (error_ != paNoError) return list;
  const PaDeviceIndex defaultOutput = Pa_GetDefaultOutputDevice();
  const PaDeviceIndex defaultInput = Pa_GetDefaultInputDevice();
  for (PaDeviceIndex i = 0; i < Pa_GetDeviceCount(); ++i) {
    const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
    if (!info) continue;
    const PaHostApiInfo* api = Pa_GetHostApiInfo(info->hostApi);
    list.push_back({i, info->name ? info->name : "", api && api->name ? api->name : "", info->maxInputChannels,
                    info->maxOutputChannels, i == defaultOutput, i == defaultInput});
  }
  return list;
}

int PortAudioSession::device(const std::string& name, bool input) const {
  if (error_ != paNoError) return -1;
  if (name.empty()) {
    const PaDeviceIndex fallback = input ? Pa_GetDefaultInputDevice() : Pa_GetDefaultOutputDevice();
    return fallback == paNoDevice ? -1 : fallback;
  }
  const auto list = devices();
  for (int pass = 0; pass < 2; ++pass)
    for (const auto& d : list)
      if ((input ? d.inputs : d.outputs) > 0 && (pass == 0 ? d.name == name : d.name.find(name) != std::string::npos))
        return d.index;
  return -1;
}

bool HasInputDevice() {
  const auto list = PortAudioSession::instance().devices();
  return std::any_of(list.begin(), list.end(), [](const auto& d) { return d.inputs > 0; });
}

PortAudioOutput::PortAudioOutput(std::string deviceName) : deviceName_(std::move(deviceName)) {}

PortAudioOutput::~PortAudioOutput() { reset(); }

int PortAudioOutput::open() {
  auto& session = PortAudioSession::instance();
  if (session.error() != paNoError) return session.error();
  const int device = session.outputDevice(deviceName_);
  if (device < 0) return deviceName_.empty() ? paDeviceUnavailable : paInvalidDevice;
  PaStreamParameters out{};
  out.device = device;
  out.channelCount = 1;
  out.sampleFormat = paInt16;
  out.suggestedLatency = Pa_GetDeviceInfo(device)->defaultHighOutputLatency;
  return Pa_OpenStream(&stream_, nullptr, &out, kSampleRate, paFramesPerBufferUnspecified, paNoFlag,
                       &PortAudioOutput::Callback, this);
}

int PortAudioOutput::start(const std::int16_t* samples, std::int64_t count, std::function<void()> finished) {
  if (!stream_) return paBadStreamPtr;
  samples_ = samples;
  count_ = count;
  position_ = 0;
  finished_ = std::move(finished);
  const PaError e = Pa_SetStreamFinishedCallback(stream_, &PortAudioOutput::Finished);
  if (e != paNoError) return e;
  return Pa_StartStream(stream_);
}

int PortAudioOutput::Callback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                              PaStreamCallbackFlags, void* self) {
  auto* me = static_cast<PortAudioOutput*>(self);
  auto* out = static_cast<std::int16_t*>(output);
  const std::int64_t position = me->position_;
  const std::int64_t n = std::min<std::int64_t>(static_cast<std::int64_t>(frames), me->count_ - position);
  std::memcpy(out, me->samples_ + position, static_cast<std::size_t>(n) * sizeof(std::int16_t));
  std::fill(out + n, out + frames, std::int16_t{0});
  me->position_ = position + n;
  return me->position_ >= me->count_ ? paComplete : paContinue;
}

void PortAudioOutput::Finished(void* self) {
  auto* me = static_cast<PortAudioOutput*>(self);
  if (me->finished_) me->finished_();
}

int PortAudioOutput::stop() {
  if (!stream_) return paBadStreamPtr;
  return Pa_IsStreamStopped(stream_) == 1 ? paNoError : Pa_StopStream(stream_);
}

int PortAudioOutput::close() {
  if (!stream_) return paBadStreamPtr;
  const PaError e = Pa_CloseStream(stream_);
  stream_ = nullptr;
  return e;
}

void PortAudioOutput::reset() {
  if (!stream_) return;
  Pa_AbortStream(stream_);
  Pa_CloseStream(stream_);
  stream_ = nullptr;
}

PortAudioInput::~PortAudioInput() { close(); }

std::optional<std::string> PortAudioInput::open(const std::string& device, int rate, Samples samples, int* rateUsed) {
  close();
  if (FifoInput::Names(device)) {
    if (rateUsed) *rateUsed = FifoInput::kRate;
    return fifo_.open(device, std::move(samples));
  }
  auto& session = PortAudioSession::instance();
  if (session.error() != paNoError) return Fill(TrStd(kNoSoundSystem), {Pa_GetErrorText(session.error())});
  const int index = session.inputDevice(device);
  if (index < 0) return device.empty() ? TrStd(kNoInputDevice) : Fill(TrStd(kNoSuchInput), {device});
  PaStreamParameters in{};
  in.device = index;
  in.channelCount = 1;
  in.sampleFormat = paInt16;
  in.suggestedLatency = Pa_GetDeviceInfo(index)->defaultLowInputLatency;
  double use = rate;
  if (Pa_IsFormatSupported(&in, nullptr, use) != paFormatIsSupported) use = Pa_GetDeviceInfo(index)->defaultSampleRate;
  samples_ = std::move(samples);
  PaError e = Pa_OpenStream(&stream_, &in, nullptr, use, paFramesPerBufferUnspecified, paNoFlag,
                            &PortAudioInput::Callback, this);
  if (e == paNoError) e = Pa_StartStream(stream_);
  if (e != paNoError) {
    close();
    return Fill(TrStd(kInputNotOpened), {Pa_GetErrorText(e)});
  }
  if (rateUsed) *rateUsed = static_cast<int>(use);
  return std::nullopt;
}

int PortAudioInput::Callback(const void* input, void*, unsigned long frames, const PaStreamCallbackTimeInfo*,
                             PaStreamCallbackFlags, void* self) {
  auto* me = static_cast<PortAudioInput*>(self);
  if (input && me->samples_) me->samples_(static_cast<const std::int16_t*>(input), frames);
  return paContinue;
}

void PortAudioInput::close() {
  fifo_.close();
  if (!stream_) return;
  Pa_AbortStream(stream_);
  Pa_CloseStream(stream_);
  stream_ = nullptr;
}

}  // namespace tonalis
