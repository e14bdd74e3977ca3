#include "tests/platform/SoundFixture.h"

#include <QTimer>

namespace tarnwick_test {

using Clock = std::chrono::steady_clock;

SoundFixture::SoundFixture() : host_("Tarnwick") {
  device_.SetClipEndListener([this] {
    ends_.fetch_add(1);
    host_.PostWakeUp();
  });
}

SoundFixture::~SoundFixture() { device_.Close(); }

void SoundFixture::SetUp() {
  std::string reason;
  ASSERT_TRUE(device_.Open(reason)) << reason;
  DrainEvents();
}

std::filesystem::path SoundFixture::Tone(const std::string& name, double seconds,
                                         WavFormat format) {
  const std::filesystem::path path = folder_.Path() / name;
  WriteToneWav(path, seconds, format);
  return path;
}

std::unique_ptr<sound::Clip> SoundFixture::ToneClip(const std::string& name, double seconds,
                                                    sound::ClipSlot slot) {
  return device_.CreateClip(Tone(name, seconds), slot);
}

bool SoundFixture::YieldUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  bool late = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&late] { late = true; });
  guard.start(limit);
  while (!done() && !late) host_.DoEvents();
  return done();
}

WaitResult SoundFixture::WaitForEnd(const sound::Clip& clip, std::chrono::milliseconds limit) {
  const auto start = Clock::now();
  int yields = 0;
  const bool ended = YieldUntil(
      [&] {
        ++yields;  // once before each yield, and twice more at the end
        return !clip.IsPlaying();
      },
      limit);
  const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
  return {ended, yields - 2, elapsed.count()};
}

}  // namespace tarnwick_test
