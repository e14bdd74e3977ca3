// The desktop edition: the Qt window host and the SDL2_mixer sound device.
#include <QApplication>

#include "app/RunProgram.h"
#include "platform/QtWindowHost.h"
#include "sound/SdlSoundDevice.h"

namespace app {

int RunProgram(int argc, char** argv, const std::string& programName, const FormFactory& makeForm) {
  QApplication application(argc, argv);
  platform::QtWindowHost host(programName);
  // Declared after the host, so that it closes (and stops calling the host)
  // before the host goes away.
  sound::SdlSoundDevice sound;
  sound.SetClipEndListener([&host] { host.PostWakeUp(); });
  host.SetBeep([&sound] { sound.PlayBeep(); });
  host.SetOnEnd([&sound] { sound.Close(); });
  host.Guarded([&] {
    std::unique_ptr<platform::WindowEvents> form =
        makeForm(host, sound, platform::QtWindowHost::ProgramFolder());
    host.Run(*form);
  });
  // Neither Run nor a failure caught by the guard comes back here.
  host.EndProgram(1);
}

}  // namespace app
