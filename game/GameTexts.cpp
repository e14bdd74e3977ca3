#include "game/GameTexts.h"

namespace game {

std::vector<std::string> NumberClipNames() {
  std::vector<std::string> names;
  for (int n = 0; n <= 19; ++n) names.push_back(std::to_string(n) + ".wav");
  for (int tens = 20; tens <= 90; tens += 10) names.push_back(std::to_string(tens) + ".wav");
  for (const char* word : {"hundred.wav", "thousand.wav", "million.wav", "say points.wav"}) {
    names.push_back(word);
  }
  return names;
}

std::vector<std::string> GameClipNames() {
  std::vector<std::string> names{kIntroClip, kStepClip,     kChooseMazeClip, kQuitClip,
                                 kGoClip,    kEdgeClip,     kWallClip,       kDoorClip,
                                 kKeyClip,   kOpenDoorClip, kNoOpenDoorClip, kWinMazeClip};
  for (std::string& name : NumberClipNames()) names.push_back(std::move(name));
  return names;
}

}  // namespace game
