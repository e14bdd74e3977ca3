// The real platform: the Qt window host on the offscreen platform and the
// SDL2_mixer device on SDL's dummy driver, as the programs wire them.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <mutex>
#include <thread>

#include "app/RunProgram.h"
#include "platform/KeyMap.h"
#include "platform/QtWindowHost.h"
#include "sound/SdlSoundDevice.h"
#include "tests/support/Fakes.h"

// The system's font library keeps a cache it never frees once a window has
// loaded fonts; the leak checker of the sanitizer builds looks past it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

namespace vk = platform::vk;

QApplication& App() {
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = (qputenv("QT_QPA_PLATFORM", "offscreen"),
                              qputenv("SDL_AUDIODRIVER", "dummy"), new QApplication(argc, argv));
  return *app;
}

struct Recorder : platform::WindowEvents {
  void Form_Load() override {}
  void Form_KeyDown(int key, int shift) override {
    log += "down " + std::to_string(key) + " " + std::to_string(shift) + ", ";
  }
  void Form_KeyUp(int key, int) override { log += "up " + std::to_string(key) + ", "; }
  void Form_Unload(bool& cancel) override { cancel = keepOpen; }
  std::string log;
  bool keepOpen = false;
};

TEST(KeyMap, GivesEachKeyItsCodeAndEachModifierItsBit) {
  struct Case {
    int qtKey;
    unsigned scanCode;  // the key's own code on X11
    int code;
  };
  const Case keys[] = {{Qt::Key_Left, 0, vk::kLeft},
                       {Qt::Key_Up, 0, vk::kUp},
                       {Qt::Key_Right, 0, vk::kRight},
                       {Qt::Key_Down, 0, vk::kDown},
                       {Qt::Key_Return, 0, vk::kEnter},
                       {Qt::Key_Enter, 0, vk::kEnter},
                       {Qt::Key_Escape, 0, vk::kEscape},
                       {Qt::Key_Space, 0, vk::kSpace},
                       {Qt::Key_Home, 0, vk::kHome},
                       {Qt::Key_End, 0, vk::kEnd},
                       {Qt::Key_Delete, 0, vk::kDelete},
                       {Qt::Key_S, 39, 'S'},
                       {Qt::Key_7, 16, '7'},
                       {Qt::Key_F1, 67, 0},
                       // A letter is the key's on a non-Latin layout, the character's on a
                       // Latin one, wherever its key sits.
                       {0x42B, 39, 'S'},
                       {0x426, 25, 'W'},
                       {0x3A3, 39, 'S'},
                       {0x5D3, 39, 'S'},
                       {'A', 24, 'A'},
                       {'Z', 29, 'Z'},
                       {0xD6, 47, 0},
                       {0x401, 49, 0}};
  for (const Case& c : keys) {
    EXPECT_EQ(platform::VirtualKeyFromQt(c.qtKey, c.scanCode), c.code) << std::hex << c.qtKey;
  }
  EXPECT_EQ(platform::ShiftStateFromQt(Qt::ShiftModifier), platform::kShiftMask);
  EXPECT_EQ(platform::ShiftStateFromQt(Qt::ControlModifier), platform::kCtrlMask);
  EXPECT_EQ(platform::ShiftStateFromQt(Qt::AltModifier | Qt::ControlModifier),
            platform::kAltMask | platform::kCtrlMask);
}

TEST(QtWindowHost, HandsKeysOnHearsOnlyTheRealReleaseAndShowsTheCaption) {
  App();
  platform::QtWindowHost host("Loomsel");
  Recorder form;
  host.Attach(form);
  host.ShowWindow();
  host.SetCaption("Location: 3, 4 - Loomsel");
  EXPECT_EQ(host.Window().windowTitle(), "Location: 3, 4 - Loomsel");
  for (const bool repeat : {true, true, false}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::ControlModifier, QString(), repeat);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::ControlModifier, QString(), repeat);
    QCoreApplication::sendEvent(&host.Window(), &press);
    QCoreApplication::sendEvent(&host.Window(), &release);
  }
  // Ctrl and the key of S on a Cyrillic layout.
  QKeyEvent cyrillic(QEvent::KeyPress, 0x42B, Qt::ControlModifier, 39, 0, 0, QString(QChar(0x44B)));
  QCoreApplication::sendEvent(&host.Window(), &cyrillic);
  EXPECT_EQ(form.log, "down 39 2, down 39 2, down 39 2, up 39, down 83 2, ");
}

// Acts on the next modal dialog once it is up.
void OnNextDialog(std::function<void(QWidget&)> act) {
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    poll->stop();
    poll->deleteLater();
    act(*dialog);
  });
  poll->start(5);
}

TEST(QtWindowHost, OnlyYesOrNoAnswersAQuestionWhileEscapeDismissesAMessage) {
  App();
  platform::QtWindowHost host("Loomsel");
  Recorder form;
  host.Attach(form);
  host.ShowWindow();
  auto press = [](QWidget& dialog, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &event);
  };
  for (const auto& [key, answer] : {std::pair{Qt::Key_Y, true}, std::pair{Qt::Key_N, false}}) {
    bool stayedOpen = false;
    OnNextDialog([&](QWidget& dialog) {
      press(dialog, Qt::Key_Escape);
      press(dialog, Qt::Key_Escape);
      dialog.close();
      QCoreApplication::processEvents();
      stayedOpen = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
      press(dialog, key);
    });
    EXPECT_EQ(host.AskYesNo("Save changes to maze?", ""), answer);
    EXPECT_TRUE(stayedOpen) << "Escape or a close request answered the question";
  }
  bool dismissed = false;
  OnNextDialog([&](QWidget& dialog) {
    press(dialog, Qt::Key_Escape);
    dismissed = !dialog.isVisible();
    if (!dismissed) static_cast<QDialog&>(dialog).accept();
  });
  host.ShowMessage("You did not set a starting position.", "");
  EXPECT_TRUE(dismissed);
}

TEST(QtWindowHostDeathTest, ACloseRequestEndsTheProgramUnlessTheFormKeepsItOpen) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const bool keepOpen : {false, true}) {
    auto close = [keepOpen] {
      App();
      platform::QtWindowHost host("Tarnwick");
      Recorder form;
      form.keepOpen = keepOpen;
      host.Attach(form);
      host.ShowWindow();
      host.Window().close();
      std::_Exit(7);
    };
    EXPECT_EXIT(close(), ::testing::ExitedWithCode(keepOpen ? 7 : 0), "") << keepOpen;
  }
}

TEST(QtWindowHost, AYieldWithNothingPendingWaitsForAWakeUpFromAnotherThread) {
  App();
  platform::QtWindowHost host("Tarnwick");
  std::atomic<bool> posted = false;
  std::thread waker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    posted = true;
    host.PostWakeUp();
  });
  while (!posted) host.DoEvents();
  waker.join();
}

// The energy each output channel carries, summed after the mix.
std::mutex tapMutex;
double tapLeft = 0, tapRight = 0;
void SDLCALL Tap(void*, Uint8* stream, int length) {
  const auto* samples = reinterpret_cast<const int16_t*>(stream);
  std::lock_guard<std::mutex> lock(tapMutex);
  for (int i = 0; i + 1 < length / 2; i += 2) {
    tapLeft += static_cast<double>(samples[i]) * samples[i];
    tapRight += static_cast<double>(samples[i + 1]) * samples[i + 1];
  }
}

TEST(SdlSoundDevice, PlaysEachClipOnItsSideAndTellsWhenItEnds) {
  App();
  fake::TempFolder folder;
  fake::WriteTone(folder / "tone.wav", 300);
  sound::SdlSoundDevice device;
  std::atomic<int> ends = 0;
  device.SetClipEndListener([&ends] { ++ends; });
  std::string reason;
  ASSERT_TRUE(device.Open(reason)) << reason;
  Mix_SetPostMix(Tap, nullptr);
  std::unique_ptr<sound::Clip> clip = device.CreateClip(folder / "tone.wav", sound::ClipSlot::Step);
  ASSERT_NE(clip, nullptr);
  for (const int32_t pan : {sound::kPanFullRight, sound::kPanFullLeft}) {
    {
      std::lock_guard<std::mutex> lock(tapMutex);
      tapLeft = tapRight = 0;
    }
    const int endsBefore = ends;
    clip->SetPan(pan);
    clip->Play();
    for (int i = 0; i < 400 && (clip->IsPlaying() || ends == endsBefore); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::lock_guard<std::mutex> lock(tapMutex);
    const double near = pan > 0 ? tapRight : tapLeft;
    const double far = pan > 0 ? tapLeft : tapRight;
    EXPECT_GT(near, 0.0) << pan;
    EXPECT_LT(far, near / 1000) << pan;
    EXPECT_EQ(ends, endsBefore + 1) << pan;
  }
  Mix_SetPostMix(nullptr, nullptr);
  EXPECT_EQ(device.CreateClip(folder / "missing.wav", sound::ClipSlot::Current), nullptr);
}

TEST(RunProgramDeathTest, AClipsEndWakesTheProgramsWait) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto run = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    app::RunProgram(
        argc, argv, "Loomsel",
        [](platform::WindowHost& host, sound::SoundDevice& sound, const std::filesystem::path&) {
          std::string reason;
          if (!sound.Open(reason)) host.EndProgram(2);
          fake::TempFolder folder;
          fake::WriteTone(folder / "tone.wav", 200);
          std::unique_ptr<sound::Clip> clip =
              sound.CreateClip(folder / "tone.wav", sound::ClipSlot::Current);
          // Without the wake-up the wait below blocks until this timer.
          QTimer::singleShot(3000, [&host] { host.EndProgram(4); });
          clip->Play();
          while (clip->IsPlaying()) host.DoEvents();
          host.EndProgram(0);
          return std::unique_ptr<platform::WindowEvents>();
        });
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
