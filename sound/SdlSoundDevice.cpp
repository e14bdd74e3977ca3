#include "sound/SdlSoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <mutex>
#include <utility>

#include "sound/BeepTone.h"
#include "sound/PanLaw.h"
#include "sound/SilenceGate.h"

namespace sound {

// A clip file read and converted to the output format once, kept for as
// long as the file keeps its modification time and size. Reading and
// converting a WAV takes a millisecond or more, starting samples already in
// memory a few microseconds; the samples played are the same either way.
struct DecodedClip {
  std::filesystem::file_time_type modified;
  std::uintmax_t size = 0;
  // Never played itself: each clip plays its own chunk over these samples.
  std::shared_ptr<Mix_Chunk> samples;
};

namespace {

constexpr int kOutputFrequency = 44100;
constexpr int kOutputChannels = 2;
// The mixer's thread sleeps after half a second of silence, as awake it
// wakes every 0.7 ms for the server; the next clip wakes it.
constexpr int64_t kFramesBeforeSleep = kOutputFrequency / 2;

}  // namespace

struct MixerState {
  bool open = false;
  // By path, for this opening of the mixer only: another opening may
  // convert to another format.
  std::map<std::string, DecodedClip> decoded;
  // Every call into the mixer from the window thread passes it.
  SilenceGate gate{kFramesBeforeSleep};
  int frameBytes = 4;
  std::mutex mixListenerMutex;
  std::function<void(int)> mixListener;
};

namespace {

// The programs name a few dozen clips; a folder with far more starts over.
constexpr size_t kMaxDecodedClips = 128;

// One mixer channel per slot, reserved so the mixer never picks them itself.
constexpr int kSlotChannels = 4;
int ChannelOf(ClipSlot slot) {
  switch (slot) {
    case ClipSlot::Current:
      return 0;
    case ClipSlot::Step:
      return 1;
    case ClipSlot::Announcement:
      return 2;
    case ClipSlot::Beep:
      return 3;
  }
  return 0;
}

// The mixer's end-of-channel callback carries no context of its own, so the
// listener lives here. It runs on the audio thread, or on the window thread
// inside a halt or close: it only hands the news on.
std::mutex listenerMutex;
std::function<void()> activeListener;

void SDLCALL OnChannelFinished(int /*channel*/) {
  std::lock_guard<std::mutex> lock(listenerMutex);
  if (activeListener) activeListener();
}

void InstallListener(std::function<void()> listener) {
  std::lock_guard<std::mutex> lock(listenerMutex);
  activeListener = std::move(listener);
}

class SdlClip final : public Clip {
 public:
  // The chunk plays the decoded samples, which the clip keeps alive.
  SdlClip(std::shared_ptr<MixerState> state, std::shared_ptr<Mix_Chunk> samples, Mix_Chunk* chunk,
          ClipSlot slot)
      : state_(std::move(state)),
        samples_(std::move(samples)),
        chunk_(chunk),
        channel_(ChannelOf(slot)) {}

  ~SdlClip() override {
    Stop();
    SilenceGate::Call call(state_->gate);
    // Freeing also halts any channel still on the chunk; once the mixer is
    // closed it only frees memory. The samples go with the last clip on
    // them once their file has changed, so within the call.
    Mix_FreeChunk(chunk_);
    samples_.reset();
  }

  SdlClip(const SdlClip&) = delete;
  SdlClip& operator=(const SdlClip&) = delete;

  bool IsPlaying() const override {
    if (!state_->open) return false;
    SilenceGate::Call call(state_->gate);
    return OnChannel();
  }

  void Play() override {
    if (!state_->open) return;
    SilenceGate::Call call(state_->gate);
    // Restarting a channel drops its pan, so halt first and pan afterwards.
    if (Mix_Playing(channel_) != 0) Mix_HaltChannel(channel_);
    ApplyPan();
    if (Mix_PlayChannel(channel_, chunk_, 0) < 0) {
      std::cerr << "Cannot play a clip: " << Mix_GetError() << "\n";
      return;
    }
  }

  // Every play starts from the beginning, so rewinding needs nothing.
  void SetPosition(uint32_t /*position*/) override {}

  void SetPan(int32_t pan) override {
    pan_ = pan;
    if (!state_->open) return;
    SilenceGate::Call call(state_->gate);
    if (OnChannel()) ApplyPan();
  }

  void Stop() override {
    if (!state_->open) return;
    SilenceGate::Call call(state_->gate);
    if (OnChannel()) Mix_HaltChannel(channel_);
  }

 private:
  bool OnChannel() const { return Mix_Playing(channel_) != 0 && Mix_GetChunk(channel_) == chunk_; }

  void ApplyPan() const {
    const ChannelGains gains = PanToGains(pan_);
    if (Mix_SetPanning(channel_, gains.left, gains.right) == 0) {
      std::cerr << "Cannot pan a clip: " << Mix_GetError() << "\n";
    }
  }

  std::shared_ptr<MixerState> state_;
  std::shared_ptr<Mix_Chunk> samples_;
  Mix_Chunk* chunk_;
  int channel_;
  // A new clip is centred, whatever the clip before it on the channel was.
  int32_t pan_ = kPanCentre;
};

// The file's samples in the output format: from the decoded clips while the
// file is unchanged, otherwise read afresh (and kept when it can be read).
std::shared_ptr<Mix_Chunk> DecodedSamples(MixerState& state, const std::filesystem::path& wav) {
  SilenceGate::Call call(state.gate);
  const std::string key = wav.string();
  std::error_code error;
  const std::filesystem::file_time_type modified = std::filesystem::last_write_time(wav, error);
  const std::uintmax_t size = error ? 0 : std::filesystem::file_size(wav, error);
  if (!error) {
    const auto found = state.decoded.find(key);
    if (found != state.decoded.end() && found->second.modified == modified &&
        found->second.size == size) {
      return found->second.samples;
    }
  }
  state.decoded.erase(key);
  Mix_Chunk* chunk = Mix_LoadWAV(key.c_str());
  if (chunk == nullptr) {
    std::cerr << "Cannot load " << key << ": " << Mix_GetError() << "\n";
    return nullptr;
  }
  std::shared_ptr<Mix_Chunk> samples(chunk, Mix_FreeChunk);
  if (!error) {
    if (state.decoded.size() >= kMaxDecodedClips) state.decoded.clear();
    state.decoded[key] = {modified, size, samples};
  }
  return samples;
}

// A 3 ms buffer leaves the mixer's thread no time to wait behind a busy
// machine's other work, so it runs before it where the system allows
// (real-time, below the sound servers' own threads); elsewhere it keeps the
// raised priority SDL gave it.
void RunBeforeOtherWork() {
  sched_param param{};
  param.sched_priority = 4;
  pthread_setschedparam(pthread_self(), SCHED_RR, &param);
}

// After each mix, on the mixer's thread.
void SDLCALL AfterMix(int /*channel*/, void* /*stream*/, int bytes, void* data) {
  thread_local bool first = true;
  if (std::exchange(first, false)) RunBeforeOtherWork();
  auto& state = *static_cast<MixerState*>(data);
  const int playing = Mix_Playing(-1);
  {
    std::lock_guard<std::mutex> lock(state.mixListenerMutex);
    if (state.mixListener) state.mixListener(playing);
  }
  state.gate.AfterMix(bytes / state.frameBytes, playing == 0);
}

}  // namespace

SdlSoundDevice::SdlSoundDevice(int bufferFrames)
    : state_(std::make_shared<MixerState>()),
      bufferFrames_(bufferFrames),
      frequency_(kOutputFrequency) {}

SdlSoundDevice::~SdlSoundDevice() { Close(); }

bool SdlSoundDevice::Open(std::string& reason) {
  if (state_->open) return true;
  // Clips of an earlier opening stay inert even after this one succeeds.
  state_ = std::make_shared<MixerState>();
  // Without this SDL takes over SIGINT and SIGTERM and the program could not
  // be stopped.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    reason = std::string("cannot start the audio system: ") + SDL_GetError();
    return false;
  }
  if (Mix_OpenAudio(kOutputFrequency, AUDIO_S16SYS, kOutputChannels, bufferFrames_) != 0) {
    reason = std::string("cannot open the audio output: ") + Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  frequency_ = frequency;
  Mix_AllocateChannels(kSlotChannels);
  Mix_ReserveChannels(kSlotChannels);
  MakeBeep(frequency, channels);
  InstallListener(listener_);
  Mix_ChannelFinished(OnChannelFinished);
  state_->frameBytes = channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
  // A recording (SDL's disk driver) keeps its silences.
  if (std::string(SDL_GetCurrentAudioDriver()) != "disk") {
    Mix_RegisterEffect(MIX_CHANNEL_POST, AfterMix, nullptr, state_.get());
  }
  state_->open = true;
  return true;
}

std::unique_ptr<Clip> SdlSoundDevice::CreateClip(const std::filesystem::path& wav, ClipSlot slot) {
  if (!state_->open) {
    std::cerr << "Cannot load " << wav.string() << ": the audio output is not open\n";
    return nullptr;
  }
  SilenceGate::Call call(state_->gate);
  std::shared_ptr<Mix_Chunk> samples = DecodedSamples(*state_, wav);
  if (!samples) return nullptr;
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(samples->abuf, samples->alen);
  if (chunk == nullptr) {
    std::cerr << "Cannot load " << wav.string() << ": " << Mix_GetError() << "\n";
    return nullptr;
  }
  return std::make_unique<SdlClip>(state_, std::move(samples), chunk, slot);
}

void SdlSoundDevice::Preload(const std::filesystem::path& wav) {
  if (state_->open) DecodedSamples(*state_, wav);
}

void SdlSoundDevice::MakeBeep(int frequency, int channels) {
  const std::vector<float> tone = BeepTone(frequency);
  beepSamples_.assign(tone.size() * static_cast<size_t>(channels), 0);
  for (size_t i = 0; i < tone.size(); ++i) {
    const auto sample = static_cast<int16_t>(std::lround(tone[i] * 32767.0));
    for (int c = 0; c < channels; ++c) beepSamples_[i * channels + c] = sample;
  }
  beepChunk_ = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(beepSamples_.data()),
                                 static_cast<Uint32>(beepSamples_.size() * sizeof(int16_t)));
  if (beepChunk_ == nullptr) std::cerr << "Cannot prepare the beep: " << Mix_GetError() << "\n";
}

void SdlSoundDevice::PlayBeep() {
  if (!state_->open || beepChunk_ == nullptr) return;
  SilenceGate::Call call(state_->gate);
  const int channel = ChannelOf(ClipSlot::Beep);
  if (Mix_PlayChannel(channel, beepChunk_, 0) < 0) {
    std::cerr << "Cannot play the beep: " << Mix_GetError() << "\n";
  }
}

void SdlSoundDevice::SetClipEndListener(std::function<void()> listener) {
  listener_ = std::move(listener);
  if (state_->open) InstallListener(listener_);
}

void SdlSoundDevice::Close() {
  if (!state_->open) return;
  // The mixer's thread must be awake to end.
  state_->gate.Close();
  Mix_UnregisterAllEffects(MIX_CHANNEL_POST);
  // No end notification may reach the host once closing has begun; the
  // halts below would otherwise raise one on this thread.
  Mix_ChannelFinished(nullptr);
  InstallListener(nullptr);
  Mix_HaltChannel(-1);
  // Clips still held keep their own samples.
  state_->decoded.clear();
  Mix_FreeChunk(beepChunk_);
  beepChunk_ = nullptr;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  state_->open = false;
}

int SdlSoundDevice::Frequency() const { return frequency_; }

void SdlSoundDevice::SetMixListener(std::function<void(int)> listener) {
  std::lock_guard<std::mutex> lock(state_->mixListenerMutex);
  state_->mixListener = std::move(listener);
}

int SdlSoundDevice::SilentSleeps() const { return state_->gate.Sleeps(); }

}  // namespace sound
