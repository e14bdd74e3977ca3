// A program's whole run: the host, the sound device and the program folder
// handed to frmMain, and the ways the run ends.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "app/RunProgram.h"
#include "tests/platform/QtTestSupport.h"
#include "tests/platform/ToneWav.h"

namespace {

using tarnwick_test::RecordingForm;
using tarnwick_test::ReportNextDialog;

// Runs a program named Loomsel with the given frmMain factory.
void RunLoomsel(const app::FormFactory& makeForm) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  app::RunProgram(argc, argv, "Loomsel", makeForm);
}

TEST(RunProgramDeathTest, FormGetsTheFolderAndASoundDeviceWhoseClipEndsWakeTheHost) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto run = [] {
    RunLoomsel([](platform::WindowHost& host, sound::SoundDevice& sound,
                  const std::filesystem::path& folder) {
      auto form = std::make_unique<RecordingForm>();
      if (folder == std::filesystem::read_symlink("/proc/self/exe").parent_path()) {
        std::fprintf(stderr, "folder of the program\n");
      }
      form->onLoad = [&host, &sound] {
        std::string reason;
        if (!sound.Open(reason)) host.EndProgram(2);
        const auto wav = std::filesystem::temp_directory_path() / "tarnwick-run-program-tone.wav";
        tarnwick_test::WriteToneWav(wav, 0.2);
        auto clip = sound.CreateClip(wav, sound::ClipSlot::Current);
        std::filesystem::remove(wav);
        if (!clip) host.EndProgram(3);
        // Without the wake-up wiring the wait below would block for good.
        QTimer::singleShot(std::chrono::seconds(3), [&host] { host.EndProgram(4); });
        host.Beep();
        clip->Play();
        while (clip->IsPlaying()) host.DoEvents();
        std::fprintf(stderr, "clip ended\n");
        host.EndProgram(0);
      };
      return form;
    });
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "folder of the program\nclip ended");
}

TEST(RunProgramDeathTest, ErrorMakingOrLoadingTheFormIsShownTitledWithTheProgramName) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const bool duringLoad : {false, true}) {
    auto run = [duringLoad] {
      RunLoomsel(
          [duringLoad](platform::WindowHost&, sound::SoundDevice&, const std::filesystem::path&) {
            ReportNextDialog();
            if (!duringLoad) throw std::runtime_error("out of memory");
            auto form = std::make_unique<RecordingForm>();
            form->onLoad = [] { throw std::runtime_error("out of memory"); };
            return form;
          });
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(1),
                "Loomsel: unexpected error: out of memory\n.*box \"Loomsel\": out of memory")
        << (duringLoad ? "during Form_Load" : "making the form");
  }
}

}  // namespace
