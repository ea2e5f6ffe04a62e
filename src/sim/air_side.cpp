// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/air_side.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

#include "tone/morse.h"
#include "tone/portaudio_output.h"
#include "tone/wav_file.h"

namespace tonalis {
namespace {

constexpr int kRawRate = 8000;
// What the board hears goes into the reply FIFO once this much has gathered
// (200 ms): it is read in bursts, and so comes out whole.
constexpr std::size_t kEchoLead = kRawRate / 5;
// A FIFO source is read in steps of this much audio.
constexpr std::size_t kPacedChunk = kRawRate / 20 * sizeof(std::int16_t);
// The dot of a board whose memory holds no Morse timing (20 WPM).
constexpr double kDefaultDotMs = 60;

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

// A sound device: input captured into a pipe the loop polls; replies played
// on a thread of their own.
struct AirSide::Device {
  PaStream* input = nullptr;
  int pipe[2] = {-1, -1};
  std::thread player;

  static int Captured(const void* in, void*, unsigned long frames, const PaStreamCallbackTimeInfo*,
                      PaStreamCallbackFlags, void* self) {
    const auto* device = static_cast<Device*>(self);
    // The loop reads the pipe; a full pipe drops audio rather than block the device.
    [[maybe_unused]] const ssize_t n = ::write(device->pipe[1], in, frames * sizeof(std::int16_t));
    return paContinue;
  }
  ~Device() {
    if (input) {
      Pa_StopStream(input);
      Pa_CloseStream(input);
    }
    if (player.joinable()) player.join();
    for (int fd : pipe)
      if (fd >= 0) ::close(fd);
  }
};

AirSide::AirSide(const Options& options, BoardSim& board)
    : options_(options),
      board_(board),
      air_(board.image()),
      decoder_(kRawRate),
      sequences_(options.sequenceGapSeconds) {}

AirSide::~AirSide() {
  if (fd_ > 0 && !device_) ::close(fd_);
  if (stream_ >= 0) ::close(stream_);
}

std::unique_ptr<AirSide> AirSide::Open(const Options& options, BoardSim& board, std::string& error) {
  std::unique_ptr<AirSide> side(new AirSide(options, board));
  const std::string& source = options.source;
  struct stat info {};
  if (source == "-") {
    side->fd_ = STDIN_FILENO;
  } else if (::stat(source.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
    const SoundFile file = ReadSoundFile(source);
    if (!file.error.empty()) {
      error = file.error;
      return nullptr;
    }
    side->decoder_ = DtmfDecoder(file.sampleRate);
    side->fileSamples_ = file.samples;
  } else if (::stat(source.c_str(), &info) == 0 && !S_ISFIFO(info.st_mode)) {
    // A device such as /dev/urandom never ends and is no sound source.
    error = source + " is neither a sound file, a FIFO nor a sound device.";
    return nullptr;
  } else if (::stat(source.c_str(), &info) == 0) {
    side->fd_ = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (side->fd_ < 0) {
      error = "Cannot open " + source + ": " + std::strerror(errno);
      return nullptr;
    }
    side->reopen_ = S_ISFIFO(info.st_mode);
    // The smallest pipe: its writer runs at most this far ahead of the air.
    if (side->reopen_) ::fcntl(side->fd_, F_SETPIPE_SZ, 4096);
  } else {
    // A sound input device by name.
    auto& session = PortAudioSession::instance();
    const int index = session.inputDevice(source);
    if (index < 0) {
      error = "No sound input device or file is called " + source + " (tonalis-cli audio-devices lists the devices).";
      return nullptr;
    }
    auto device = std::make_unique<Device>();
    if (::pipe2(device->pipe, O_NONBLOCK | O_CLOEXEC) != 0) {
      error = std::string("Cannot make a pipe: ") + std::strerror(errno);
      return nullptr;
    }
    PaStreamParameters in{};
    in.device = index;
    in.channelCount = 1;
    in.sampleFormat = paInt16;
    in.suggestedLatency = Pa_GetDeviceInfo(index)->defaultLowInputLatency;
    double rate = kRawRate;
    if (Pa_IsFormatSupported(&in, nullptr, rate) != paFormatIsSupported) rate = Pa_GetDeviceInfo(index)->defaultSampleRate;
    PaError e = Pa_OpenStream(&device->input, &in, nullptr, rate, paFramesPerBufferUnspecified, paNoFlag,
                              &Device::Captured, device.get());
    if (e == paNoError) e = Pa_StartStream(device->input);
    if (e != paNoError) {
      error = "Cannot listen on " + source + ": " + Pa_GetErrorText(e);
      return nullptr;
    }
    side->decoder_ = DtmfDecoder(static_cast<int>(rate));
    side->fd_ = device->pipe[0];
    side->device_ = std::move(device);
  }
  struct stat replyInfo {};
  if (!options.reply.empty() && ::stat(options.reply.c_str(), &replyInfo) == 0 && S_ISFIFO(replyInfo.st_mode)) {
    // Read and write: it never blocks, and a reader may come and go.
    side->stream_ = ::open(options.reply.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    // A small pipe: little stale silence waits for a reader that comes late.
    if (side->stream_ >= 0) ::fcntl(side->stream_, F_SETPIPE_SZ, 4096);
    side->streamStart_ = Clock::now();
  }
  return side;
}

void AirSide::pumpStream() {
  if (stream_ < 0) return;
  // What the board hears is mixed in as one receiver hears both. It comes in
  // bursts as the air is read, so it starts once a lead has gathered and then
  // goes out as fast as the FIFO takes it, with no silence cut into it.
  if (!echoing_ && (echoed_.size() >= kEchoLead ||
                    (!echoed_.empty() && Clock::now() - lastAudio_ > std::chrono::milliseconds(100))))
    echoing_ = true;
  const auto due = static_cast<std::uint64_t>(std::chrono::duration<double>(Clock::now() - streamStart_).count() * kRawRate);
  for (;;) {
    std::size_t size = 0;
    if (echoing_)
      size = std::min<std::size_t>(echoed_.size(), 1024);
    else if (streamed_ < due)
      size = static_cast<std::size_t>(std::min<std::uint64_t>(due - streamed_, 1024));
    if (size == 0) return;
    std::vector<std::int16_t> chunk(size, 0);
    const std::size_t fromReply = std::min(chunk.size(), queued_.size());
    std::copy(queued_.begin(), queued_.begin() + static_cast<long>(fromReply), chunk.begin());
    const std::size_t fromEcho = echoing_ ? size : 0;
    for (std::size_t i = 0; i < fromEcho; ++i)
      chunk[i] = static_cast<std::int16_t>(std::clamp(chunk[i] + echoed_[i], -32768, 32767));
    const ssize_t n = ::write(stream_, chunk.data(), chunk.size() * sizeof(std::int16_t));
    if (n <= 0) {
      // Nobody reads: silence and what the board heard are let go, a reply waits.
      if (queued_.empty()) streamed_ = due;
      echoed_.clear();
      echoing_ = false;
      return;
    }
    const auto samples = static_cast<std::size_t>(n) / sizeof(std::int16_t);
    queued_.erase(queued_.begin(), queued_.begin() + static_cast<long>(std::min(samples, fromReply)));
    echoed_.erase(echoed_.begin(), echoed_.begin() + static_cast<long>(std::min(samples, fromEcho)));
    streamed_ += samples;
    if (echoing_ && echoed_.empty()) {
      echoing_ = false;
      streamed_ = std::max(streamed_, due);
      return;
    }
  }
}

double AirSide::now() const { return std::chrono::duration<double>(Clock::now() - started_).count(); }

void AirSide::start() {
  if (fileSamples_.empty()) return;
  feed(fileSamples_.data(), fileSamples_.size());
  fileSamples_.clear();
  endOfStream();
}

int AirSide::fd() const { return reopen_ && heardUntil_ > Clock::now() ? -1 : fd_; }

void AirSide::onReadable() {
  char buffer[16384];
  const auto at = Clock::now();
  if (reopen_ && heardUntil_ > at) return;
  const ssize_t n = ::read(fd_, buffer, reopen_ ? kPacedChunk : sizeof buffer);
  if (n < 0) return;  // nothing after all, or interrupted
  if (reopen_)
    heardUntil_ = std::max(heardUntil_, at) +
                  std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                      static_cast<double>(n) / (kRawRate * sizeof(std::int16_t))));
  if (n == 0) {
    endOfStream();
    if (reopen_) {
      // The writer went (ALSA's file device closes it after each sequence):
      // wait for the next one.
      ::close(fd_);
      fd_ = ::open(options_.source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      // A new pipe comes with each writer: small again, as at the start.
      if (fd_ >= 0) ::fcntl(fd_, F_SETPIPE_SZ, 4096);
    } else if (!device_) {
      fd_ = -1;  // standard input ended: only the serial link is served now
    }
    return;
  }
  pending_.append(buffer, static_cast<std::size_t>(n));
  const std::size_t count = pending_.size() / 2;
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i)
    samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(pending_[2 * i]) |
                                           (static_cast<unsigned char>(pending_[2 * i + 1]) << 8));
  pending_.erase(0, count * 2);
  feed(samples.data(), samples.size());
}

void AirSide::feed(const std::int16_t* samples, std::size_t count) {
  lastAudio_ = Clock::now();
  std::vector<std::int16_t> heard;
  if (options_.channel) {
    if (!channel_ || channelRate_ != decoder_.sampleRate()) {
      channelRate_ = decoder_.sampleRate();
      channel_ = std::make_unique<RadioChannel>(channelRate_, *options_.channel);
    }
    heard.assign(samples, samples + count);
    channel_->process(heard.data(), heard.size());
    samples = heard.data();
  }
  if (options_.echo && stream_ >= 0 && decoder_.sampleRate() == kRawRate) {
    echoed_.insert(echoed_.end(), samples, samples + count);
    constexpr std::size_t kMostWaiting = kRawRate * 2;  // for a reader that is gone
    if (echoed_.size() > kMostWaiting) echoed_.erase(echoed_.begin(), echoed_.end() - kMostWaiting);
  }
  for (const auto& d : decoder_.push(samples, count))
    if (const auto closed = sequences_.digit(d.digit, d.start, d.duration)) handle(closed->digits);
  if (const auto closed = sequences_.quiet(decoder_.time())) handle(closed->digits);
}

void AirSide::endOfStream() {
  for (const auto& d : decoder_.finish())
    if (const auto closed = sequences_.digit(d.digit, d.start, d.duration)) handle(closed->digits);
  if (const auto closed = sequences_.close()) handle(closed->digits);
  decoder_ = DtmfDecoder(decoder_.sampleRate());
}

void AirSide::onTime() {
  pumpStream();
  // A stream that stalls mid-sequence (a live device keeps talking; a pipe
  // may just stop) closes the sequence after the gap, by the clock.
  if (sequences_.deadline() &&
      Clock::now() - lastAudio_ > std::chrono::duration<double>(options_.sequenceGapSeconds)) {
    if (const auto closed = sequences_.close()) handle(closed->digits);
  }
  for (const std::string& line : air_.tick(now())) say(line);
}

std::optional<AirSide::Clock::time_point> AirSide::deadline() const {
  std::optional<Clock::time_point> next;
  if (stream_ >= 0) next = Clock::now() + std::chrono::milliseconds(20);
  if (fd_ >= 0 && reopen_ && heardUntil_ > Clock::now() && (!next || heardUntil_ < *next)) next = heardUntil_;
  if (sequences_.deadline()) {
    const auto at = lastAudio_ + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(options_.sequenceGapSeconds + 0.001));
    if (!next || at < *next) next = at;
  }
  if (const auto timer = air_.nextEvent()) {
    const auto at = started_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(*timer));
    if (!next || at < *next) next = at;
  }
  return next;
}

void AirSide::handle(const std::string& sequence) {
  DecoderImage memory = board_.image();
  const BoardAir::Outcome outcome = air_.hear(sequence, memory, now());
  if (outcome.memoryChanged) board_.store(memory);
  say("heard " + sequence + " -> " + outcome.did);
  if (!outcome.reply.empty() && !options_.reply.empty()) sendReply(outcome.reply);
}

void AirSide::sendReply(const std::string& text) {
  const std::uint8_t timing = board_.image()[layout::kMorseTiming.offset];
  // A little silence either side, as a receiver's squelch opens and closes.
  std::vector<std::int16_t> audio(kRawRate / 10, 0);
  const auto keyed =
      RenderMorse(text, timing == 0 || timing == 0xFF ? kDefaultDotMs : timing, options_.toneHz, kRawRate);
  audio.insert(audio.end(), keyed.begin(), keyed.end());
  audio.resize(audio.size() + kRawRate / 5, 0);
  const std::string& target = options_.reply;
  const auto bytes = reinterpret_cast<const char*>(audio.data());
  const std::size_t size = audio.size() * sizeof(std::int16_t);
  std::string outcome = "replied " + text;
  struct stat info {};
  if (target == "-") {
    std::fwrite(bytes, 1, size, stdout);
    std::fflush(stdout);
  } else if (EndsWith(target, ".wav")) {
    if (const auto error = WriteWav(target, audio.data(), static_cast<std::int64_t>(audio.size())))
      outcome = "reply not written: " + *error;
  } else if (stream_ >= 0) {
    queued_.insert(queued_.end(), audio.begin(), audio.end());
  } else if (::stat(target.c_str(), &info) == 0) {
    // A file: raw audio appended.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_APPEND);
    if (fd < 0) {
      outcome = "reply not sent: nobody reads " + target;
    } else {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n <= 0 && errno != EINTR) break;
        if (n > 0) done += static_cast<std::size_t>(n);
      }
      ::close(fd);
    }
  } else {
    const int index = PortAudioSession::instance().outputDevice(target);
    if (index < 0) {
      outcome = "reply not played: no sound output device is called " + target;
    } else {
      if (!device_) device_ = std::make_unique<Device>();
      if (device_->player.joinable()) device_->player.join();
      device_->player = std::thread([index, audio] {
        PaStreamParameters out{};
        out.device = index;
        out.channelCount = 1;
        out.sampleFormat = paInt16;
        out.suggestedLatency = Pa_GetDeviceInfo(index)->defaultHighOutputLatency;
        PaStream* stream = nullptr;
        if (Pa_OpenStream(&stream, nullptr, &out, kRawRate, paFramesPerBufferUnspecified, paNoFlag, nullptr,
                          nullptr) != paNoError)
          return;
        Pa_StartStream(stream);
        Pa_WriteStream(stream, audio.data(), static_cast<unsigned long>(audio.size()));
        Pa_StopStream(stream);
        Pa_CloseStream(stream);
      });
    }
  }
  say(outcome);
}

}  // namespace tonalis
