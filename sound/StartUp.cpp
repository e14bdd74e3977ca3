#include "sound/StartUp.h"

#include <iostream>
#include <vector>

#include "sound/ClipCheck.h"

namespace sound {

void StartUpOrEnd(ClipPlayback& clips, platform::WindowHost& host,
                  std::span<const std::string> clipNames, const std::string& programName) {
  std::string reason;
  if (!clips.StartUp(reason)) {
    std::cerr << programName << ": cannot open the sound device: " << reason << "\n";
    host.ShowMessage(kNoSoundMessage, "");
    host.EndProgram(1);
  }
  host.ShowWindow();
  const std::vector<std::string> missing = MissingClips(clips.Folder(), clipNames);
  if (!missing.empty()) {
    std::cerr << programName << ": " << MissingClipsMessage(missing) << "\n";
    host.ShowMessage(MissingClipsMessage(missing), programName);
    host.EndProgram(1);
  }
  clips.PreloadClips(clipNames);
}

}  // namespace sound
