#pragma once
// Every text the game shows or names: its caption and messages, the clip
// files it plays, and the window modes. Spelled once, here.

#include <string>
#include <vector>

#include "sound/ClipNames.h"
#include "sound/ClipPlayback.h"

namespace game {

inline constexpr char kProgramName[] = "Tarnwick";
inline constexpr char kCaption[] = "Tarnwick";

inline constexpr char kMazeFileMessage[] =
    "Error reading maze file. Please ensure the mazes in the game's folder are in numerical "
    "order.";

// The window modes. Only "menu" and "game" let keys do more than raise the
// interrupt flag.
inline constexpr char kModeMenu[] = "menu";
inline constexpr char kModeGame[] = "game";
inline constexpr const auto& kModePlayBreakableSound = sound::kModePlayBreakableSound;
inline constexpr char kModePlayBreakableWav[] = "play breakable wav";

// Start-up and menu.
inline constexpr char kIntroClip[] = "mazeIntro.wav";
inline constexpr const auto& kStepClip = sound::kStepClipName;
inline constexpr char kChooseMazeClip[] = "chooseMaze.wav";
inline constexpr char kQuitClip[] = "quit.wav";

// Walking.
inline constexpr char kGoClip[] = "go.wav";
inline constexpr char kEdgeClip[] = "edge.wav";
inline constexpr char kWallClip[] = "wall.wav";
inline constexpr char kDoorClip[] = "door.wav";
inline constexpr char kKeyClip[] = "key.wav";
inline constexpr char kOpenDoorClip[] = "open door.wav";
inline constexpr char kNoOpenDoorClip[] = "no open door.wav";
inline constexpr char kWinMazeClip[] = "winMaze.wav";

// Every clip the game plays; all must lie in the program folder.
std::vector<std::string> GameClipNames();

}  // namespace game
