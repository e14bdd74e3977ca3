#include "tests/platform/SoundFixture.h"

#include <QTimer>

#include "tests/platform/QtTestSupport.h"

namespace tarnwick_test {
namespace {

using Clock = std::chrono::steady_clock;

// Also makes sure the application exists before the host does.
std::filesystem::path FreshFolder() {
  TestApplication();
  const auto stamp = Clock::now().time_since_epoch().count();
  const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("tarnwick-sound-" + test + "-" + std::to_string(stamp));
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

SoundFixture::SoundFixture() : folder_(FreshFolder()), host_("Tarnwick") {
  device_.SetClipEndListener([this] {
    ends_.fetch_add(1);
    host_.PostWakeUp();
  });
}

SoundFixture::~SoundFixture() {
  device_.Close();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void SoundFixture::SetUp() {
  std::string reason;
  ASSERT_TRUE(device_.Open(reason)) << reason;
  DrainEvents();
}

std::filesystem::path SoundFixture::Tone(const std::string& name, double seconds,
                                         WavFormat format) {
  const std::filesystem::path path = folder_ / name;
  WriteToneWav(path, seconds, format);
  return path;
}

std::unique_ptr<sound::Clip> SoundFixture::ToneClip(const std::string& name, double seconds,
                                                    sound::ClipSlot slot) {
  return device_.CreateClip(Tone(name, seconds), slot);
}

WaitResult SoundFixture::WaitForEnd(const sound::Clip& clip, std::chrono::milliseconds limit) {
  bool late = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&late] { late = true; });
  guard.start(limit);
  const auto start = Clock::now();
  int yields = 0;
  while (clip.IsPlaying() && !late) {
    host_.DoEvents();
    ++yields;
  }
  const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
  return {!clip.IsPlaying(), yields, elapsed.count()};
}

bool SoundFixture::WaitForEnds(int count, std::chrono::milliseconds limit) {
  bool late = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&late] { late = true; });
  guard.start(limit);
  while (ends_.load() < count && !late) host_.DoEvents();
  return ends_.load() >= count;
}

void SoundFixture::YieldFor(std::chrono::milliseconds time) {
  bool over = false;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&over] { over = true; });
  timer.start(time);
  while (!over) host_.DoEvents();
}

}  // namespace tarnwick_test
