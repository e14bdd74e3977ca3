#include "game/GameTexts.h"

namespace game {

std::vector<std::string> GameClipNames() {
  std::vector<std::string> names{kIntroClip, kStepClip,     kChooseMazeClip, kQuitClip,
                                 kGoClip,    kEdgeClip,     kWallClip,       kDoorClip,
                                 kKeyClip,   kOpenDoorClip, kNoOpenDoorClip, kWinMazeClip};
  for (std::string& name : sound::NumberClipNames()) names.push_back(std::move(name));
  return names;
}

}  // namespace game
