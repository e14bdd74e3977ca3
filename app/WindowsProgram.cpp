// The Windows edition: the Win32 window host and the DirectSound device.
#include <memory>
#include <string>

#include "app/RunProgram.h"
#include "platform/Win32WindowHost.h"
#include "sound/DirectSoundDevice.h"

namespace app {

int RunProgram(int /*argc*/, char** /*argv*/, const std::string& programName,
               const FormFactory& makeForm) {
  platform::Win32WindowHost host(programName);
  // Declared after the host, so that it closes (and stops calling the host)
  // before the host goes away.
  sound::DirectSoundDevice sound(host.Window());
  sound.SetClipEndListener([&host] { host.PostWakeUp(); });
  host.SetBeep([&sound] { sound.PlayBeep(); });
  host.SetOnEnd([&sound] { sound.Close(); });
  host.Guarded([&] {
    std::unique_ptr<platform::WindowEvents> form =
        makeForm(host, sound, platform::Win32WindowHost::ProgramFolder());
    host.Run(*form);
  });
  // Neither Run nor a failure caught by the guard comes back here.
  host.EndProgram(1);
}

}  // namespace app
