#include "sound/DirectSoundDevice.h"

#include <dsound.h>
#include <mmreg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "sound/BeepTone.h"
#include "sound/WavFile.h"

namespace sound {

// A clip file read once, kept for as long as the file keeps its
// modification time and size, so a play only copies samples.
struct DecodedClip {
  std::filesystem::file_time_type modified;
  std::uintmax_t size = 0;
  std::shared_ptr<const std::string> bytes;
  WavClip clip;  // its samples lie in bytes
};

class DirectSoundClip;

struct DirectSoundState {
  IDirectSound8* sound = nullptr;
  // Set by every clip's end (auto-reset); the watcher thread waits on it.
  HANDLE ended = nullptr;
  std::set<DirectSoundClip*> live;
  std::map<std::string, DecodedClip> decoded;
};

namespace {

constexpr int kBeepRate = 44100;
// The programs name a few dozen clips; a folder with far more starts over.
constexpr size_t kMaxDecodedClips = 128;

std::string Hex(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
  return text;
}

// A static secondary buffer holding the samples, its end signalling `ended`.
IDirectSoundBuffer* MakeBuffer(const DirectSoundState& state, const WavFormat& format,
                               std::string_view samples, std::string& problem) {
  WAVEFORMATEX wave{};
  wave.wFormatTag = WAVE_FORMAT_PCM;
  wave.nChannels = format.channels;
  wave.nSamplesPerSec = format.sampleRate;
  wave.wBitsPerSample = format.bitsPerSample;
  wave.nBlockAlign = format.BlockAlign();
  wave.nAvgBytesPerSec = format.sampleRate * format.BlockAlign();
  DSBUFFERDESC description{};
  description.dwSize = sizeof description;
  description.dwFlags = DirectSoundDevice::kClipBufferFlags;
  // DirectSound refuses an empty buffer: a clip without samples holds one
  // silent frame.
  const std::string silence(format.BlockAlign(), format.bitsPerSample == 8 ? '\x80' : '\0');
  if (samples.empty()) samples = silence;
  description.dwBufferBytes = static_cast<DWORD>(samples.size());
  description.lpwfxFormat = &wave;
  IDirectSoundBuffer* buffer = nullptr;
  HRESULT result = state.sound->CreateSoundBuffer(&description, &buffer, nullptr);
  if (FAILED(result)) {
    problem = "DirectSound cannot make its buffer (" + Hex(result) + ")";
    return nullptr;
  }
  void* part1 = nullptr;
  void* part2 = nullptr;
  DWORD size1 = 0;
  DWORD size2 = 0;
  result = buffer->Lock(0, 0, &part1, &size1, &part2, &size2, DSBLOCK_ENTIREBUFFER);
  if (SUCCEEDED(result)) {
    std::memcpy(part1, samples.data(), std::min<size_t>(size1, samples.size()));
    buffer->Unlock(part1, size1, part2, size2);
  }
  IDirectSoundNotify* notify = nullptr;
  if (SUCCEEDED(result)) {
    result = buffer->QueryInterface(IID_IDirectSoundNotify, reinterpret_cast<void**>(&notify));
  }
  if (SUCCEEDED(result)) {
    DSBPOSITIONNOTIFY atStop{static_cast<DWORD>(DSBPN_OFFSETSTOP), state.ended};
    result = notify->SetNotificationPositions(1, &atStop);
    notify->Release();
  }
  if (FAILED(result)) {
    problem = "DirectSound cannot fill its buffer (" + Hex(result) + ")";
    buffer->Release();
    return nullptr;
  }
  return buffer;
}

}  // namespace

class DirectSoundClip final : public Clip {
 public:
  DirectSoundClip(std::shared_ptr<DirectSoundState> state, IDirectSoundBuffer* buffer)
      : state_(std::move(state)), buffer_(buffer) {
    state_->live.insert(this);
  }
  ~DirectSoundClip() override {
    Drop();
    state_->live.erase(this);
  }
  DirectSoundClip(const DirectSoundClip&) = delete;
  DirectSoundClip& operator=(const DirectSoundClip&) = delete;

  bool IsPlaying() const override {
    DWORD status = 0;
    return buffer_ != nullptr && SUCCEEDED(buffer_->GetStatus(&status)) &&
           (status & DSBSTATUS_PLAYING) != 0;
  }
  void Play() override {
    if (buffer_ != nullptr) buffer_->Play(0, 0, 0);
  }
  void SetPosition(uint32_t position) override {
    if (buffer_ != nullptr) buffer_->SetCurrentPosition(position);
  }
  // The programs' pan is DirectSound's own unit.
  void SetPan(int32_t pan) override {
    if (buffer_ != nullptr) buffer_->SetPan(std::clamp(pan, kPanFullLeft, kPanFullRight));
  }
  void Stop() override {
    if (buffer_ != nullptr) buffer_->Stop();
  }
  // Silences and releases the buffer, before its device goes.
  void Drop() {
    if (buffer_ == nullptr) return;
    buffer_->Stop();
    buffer_->Release();
    buffer_ = nullptr;
  }

 private:
  std::shared_ptr<DirectSoundState> state_;
  IDirectSoundBuffer* buffer_;
};

namespace {

std::mutex listenerMutex;

// The file's samples: from the decoded clips while the file is unchanged,
// otherwise read afresh (and kept when it can be read).
const DecodedClip* Decoded(DirectSoundState& state, const std::filesystem::path& wav) {
  const std::string key = wav.string();
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(wav, error);
  const std::uintmax_t size = error ? 0 : std::filesystem::file_size(wav, error);
  if (error) {
    std::cerr << "Cannot load " << key << ": " << error.message() << "\n";
    return nullptr;
  }
  const auto found = state.decoded.find(key);
  if (found != state.decoded.end() && found->second.modified == modified &&
      found->second.size == size) {
    return &found->second;
  }
  state.decoded.erase(key);
  auto bytes = ReadWholeFile(wav);
  if (!bytes) {
    std::cerr << "Cannot load " << key << ": it cannot be opened\n";
    return nullptr;
  }
  auto kept = std::make_shared<const std::string>(std::move(*bytes));
  const WavReading reading = ReadWav(*kept);
  if (!reading.clip) {
    std::cerr << key << " " << reading.problem << "\n";
    return nullptr;
  }
  if (state.decoded.size() >= kMaxDecodedClips) state.decoded.clear();
  return &(state.decoded[key] = {modified, size, kept, *reading.clip});
}

}  // namespace

DirectSoundDevice::DirectSoundDevice(HWND window)
    : window_(window), state_(std::make_shared<DirectSoundState>()) {}

DirectSoundDevice::~DirectSoundDevice() { Close(); }

bool DirectSoundDevice::Open(std::string& reason) {
  if (state_->sound != nullptr) return true;
  // Clips of an earlier opening stay inert even after this one succeeds.
  state_ = std::make_shared<DirectSoundState>();
  IDirectSound8* sound = nullptr;
  HRESULT result = DirectSoundCreate8(nullptr, &sound, nullptr);
  if (FAILED(result)) {
    reason = "DirectSoundCreate8 failed (" + Hex(result) + ")";
    return false;
  }
  result = sound->SetCooperativeLevel(window_, DSSCL_PRIORITY);
  if (FAILED(result)) {
    reason = "DirectSound refuses the priority level (" + Hex(result) + ")";
    sound->Release();
    return false;
  }
  state_->sound = sound;
  state_->ended = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  stopWatching_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  watcher_ = std::thread([this] { WatchEnds(); });
  // The beep: the generated tone, mono, 16 bits.
  const std::vector<float> tone = BeepTone(kBeepRate);
  std::string samples;
  for (float value : tone) {
    const auto sample = static_cast<int16_t>(std::lround(value * 32767.0));
    samples.push_back(static_cast<char>(sample & 0xFF));
    samples.push_back(static_cast<char>((sample >> 8) & 0xFF));
  }
  std::string problem;
  beep_ = MakeBuffer(*state_, WavFormat{1, kBeepRate, 16}, samples, problem);
  if (beep_ == nullptr) std::cerr << "Cannot prepare the beep: " << problem << "\n";
  return true;
}

std::unique_ptr<Clip> DirectSoundDevice::CreateClip(const std::filesystem::path& wav,
                                                    ClipSlot /*slot*/) {
  if (state_->sound == nullptr) {
    std::cerr << "Cannot load " << wav.string() << ": the audio output is not open\n";
    return nullptr;
  }
  const DecodedClip* decoded = Decoded(*state_, wav);
  if (decoded == nullptr) return nullptr;
  std::string problem;
  IDirectSoundBuffer* buffer =
      MakeBuffer(*state_, decoded->clip.format, decoded->clip.samples, problem);
  if (buffer == nullptr) {
    std::cerr << "Cannot load " << wav.string() << ": " << problem << "\n";
    return nullptr;
  }
  buffer->SetPan(kPanCentre);
  return std::make_unique<DirectSoundClip>(state_, buffer);
}

void DirectSoundDevice::Preload(const std::filesystem::path& wav) {
  if (state_->sound != nullptr) Decoded(*state_, wav);
}

void DirectSoundDevice::PlayBeep() {
  if (beep_ == nullptr) return;
  beep_->Stop();
  beep_->SetCurrentPosition(0);
  beep_->Play(0, 0, 0);
}

void DirectSoundDevice::SetClipEndListener(std::function<void()> listener) {
  std::lock_guard<std::mutex> lock(listenerMutex);
  listener_ = std::move(listener);
}

void DirectSoundDevice::WatchEnds() {
  const HANDLE events[] = {stopWatching_, state_->ended};
  while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    std::lock_guard<std::mutex> lock(listenerMutex);
    if (listener_) listener_();
  }
}

void DirectSoundDevice::Close() {
  if (state_->sound == nullptr) return;
  // No end may reach the host once closing has begun.
  SetEvent(stopWatching_);
  watcher_.join();
  for (DirectSoundClip* clip : state_->live) clip->Drop();
  if (beep_ != nullptr) beep_->Release();
  beep_ = nullptr;
  state_->decoded.clear();
  state_->sound->Release();
  state_->sound = nullptr;
  CloseHandle(state_->ended);
  CloseHandle(stopWatching_);
  stopWatching_ = nullptr;
}

}  // namespace sound
