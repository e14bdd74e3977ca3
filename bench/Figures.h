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
  // The key storm of each buffer size on the sound server.
  int stormSeconds = 60;
};

// 1: key to sound through the real game in "game" mode.
void KeyToSoundGame(Report& report, const Settings& settings, GameSession& game);

// 2: processor use while waiting. The spin baseline is measured first and
// used by the game's figures.
Summary WaitingClip(Report& report, const Settings& settings);
void WaitingGameMode(Report& report, const Settings& settings, GameSession& game,
                     const Summary& spin);
void WaitingMenu(Report& report, const Settings& settings, GameSession& game, const Summary& spin);
// The maze menu's idle processor use over `runs` 3-second waits, in % of a
// core; the game must be walking, and walks again afterwards.
Summary MenuIdleCpu(GameSession& game, int runs);

// 1d: key to sink on a real sound server, for several mixer buffer sizes,
// with the menu's idle processor use and the stream's underruns during a key
// storm on each. Not measured when no server was started for it.
void ServerLatency(Report& report, const Settings& settings);

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
