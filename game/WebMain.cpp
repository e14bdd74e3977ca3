// Tarnwick in a web page: the page's window host and Web Audio device wired
// to the game's window, in a program folder filled from the site.
#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "platform/WebProgramFolder.h"
#include "platform/WebWindowHost.h"
#include "sound/WebAudioDevice.h"

int main() {
  // They live for the whole run: the program never returns from Run.
  static platform::WebWindowHost host(game::kProgramName);
  static sound::WebAudioDevice sound;
  host.SetBeep([] { sound.PlayBeep(); });
  host.SetOnEnd([] { sound.Close(); });
  const std::filesystem::path folder = platform::kWebProgramFolder;
  platform::LoadProgramFolder(folder, game::GameClipNames());
  host.WaitForStart();
  static game::frmMain form(host, sound, folder);
  host.Run(form);
}
