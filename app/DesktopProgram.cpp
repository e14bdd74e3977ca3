// The desktop edition: the Qt window host and the SDL2_mixer sound device.
// TARNWICK_TRACE=1 writes every clip start to standard output, for the
// headless demonstration and the end-to-end key storm.
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "app/RunProgram.h"
#include "platform/QtWindowHost.h"
#include "sound/ClipTrace.h"
#include "sound/SdlSoundDevice.h"

namespace app {
namespace {

bool Tracing() {
  const char* trace = std::getenv("TARNWICK_TRACE");
  return trace != nullptr && std::string(trace) == "1";
}

}  // namespace

int RunProgram(int argc, char** argv, const std::string& programName, const FormFactory& makeForm) {
  QApplication application(argc, argv);
  platform::QtWindowHost host(programName);
  // Declared after the host, so that it closes (and stops calling the host)
  // before the host goes away.
  sound::SdlSoundDevice sound;
  sound.SetClipEndListener([&host] { host.PostWakeUp(); });
  host.SetBeep([&sound] { sound.PlayBeep(); });
  host.SetOnEnd([&sound] { sound.Close(); });
  // Outlives the window, which plays through it.
  std::optional<sound::PlayWatch> trace;
  if (Tracing()) trace.emplace(sound, sound::TraceClips(std::cout));
  sound::SoundDevice& played = trace ? static_cast<sound::SoundDevice&>(*trace) : sound;
  host.Guarded([&] {
    std::unique_ptr<platform::WindowEvents> form =
        makeForm(host, played, platform::QtWindowHost::ProgramFolder());
    host.Run(*form);
  });
  // Neither Run nor a failure caught by the guard comes back here.
  host.EndProgram(1);
}

}  // namespace app
