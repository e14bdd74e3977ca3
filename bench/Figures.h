#pragma once
// The benchmark's figures, each measured and added to the report.

#include "bench/GameSession.h"
#include "bench/Stats.h"

namespace bench {

struct Settings {
  int keyPresses = 2000;
  // Repetitions of each 3-second processor-use measurement.
  int waitRuns = 5;
  int startUpRuns = 15;
  int clipRuns = 500;
  int searchRuns = 15;
};

// 1: key to sound through the real game in "game" mode.
void KeyToSoundGame(Report& report, const Settings& settings, GameSession& game);

// 2: processor use while waiting. The spin baseline is measured first and
// used by the game's figures.
Summary WaitingClip(Report& report, const Settings& settings);
void WaitingGameMode(Report& report, const Settings& settings, GameSession& game,
                     const Summary& spin);
void WaitingMenu(Report& report, const Settings& settings, GameSession& game, const Summary& spin);

// 3: start-up, in fresh processes of this program.
void StartUp(Report& report, const Settings& settings);
// The child processes' side: returns the exit status, or -1 when argv asks
// for no child.
int StartUpChild(int argc, char** argv);

// 4: clip creation.
void ClipCreation(Report& report, const Settings& settings);

// 5: the maze checker on its slowest maze.
void MazeCheckFigure(Report& report, const Settings& settings);

}  // namespace bench
