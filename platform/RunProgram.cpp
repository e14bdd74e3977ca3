#include "platform/RunProgram.h"

#include <QApplication>
#include <exception>

#include "platform/QtWindowHost.h"
#include "sound/SdlSoundDevice.h"

namespace platform {

int RunProgram(int argc, char** argv, const std::string& programName, const FormFactory& makeForm) {
  QApplication application(argc, argv);
  QtWindowHost host(programName);
  // Declared after the host, so that it closes (and stops calling the host)
  // before the host goes away.
  sound::SdlSoundDevice sound;
  sound.SetClipEndListener([&host] { host.PostWakeUp(); });
  host.SetBeep([&sound] { sound.PlayBeep(); });
  host.SetOnEnd([&sound] { sound.Close(); });
  host.Guarded([&] {
    std::unique_ptr<WindowEvents> form = makeForm(host, sound, QtWindowHost::ProgramFolder());
    host.Run(*form);
  });
  // Neither Run nor a failure caught by the guard comes back here.
  host.EndProgram(1);
}

}  // namespace platform
