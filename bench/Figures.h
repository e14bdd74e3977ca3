#pragma once
// The benchmark's figures: how every figure is printed, with its
// median, 95th percentile, baseline and target, and the figures themselves.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"

namespace bench {

struct Figure {
  std::string id;    // "1a"
  std::string name;  // what was measured
  std::string unit;  // "us", "% of a core", "ms"
  Summary value;
  std::string baselineName;
  Summary baseline;
  std::string target;  // "p95 < 1000", or "none set"
  // Empty when no target applies.
  std::optional<bool> met;
  std::string note;
};

// Prints the figure, at once.
void Print(std::ostream& out, const Figure& figure);

// A figure of samples against a baseline. With a limit the target is "p95 <
// limit unit" and met when the 95th percentile lies below it; without one
// no target is set.
Figure MakeFigure(std::string id, std::string name, std::string unit,
                  const std::vector<double>& samples, std::string baselineName, Summary baseline,
                  std::optional<double> p95Limit);

std::string Fixed(double value, int decimals);

struct Settings {
  int keyPresses = 2000;
  // Repetitions of each 3-second processor-use measurement.
  int waitRuns = 5;
  int startUpRuns = 15;
  int clipRuns = 500;
  int searchRuns = 15;
  // Steps timed on each sound server, and its key storm: presses and
  // releases 1 ms apart.
  int serverSteps = 200;
  int stormKeys = 20'000;
};

// 1: key to sound through the real game in "game" mode.
void KeyToSoundGame(std::ostream& out, const Settings& settings, GameSession& game);

// 2: processor use while waiting: on a clip, then in the game walking and in
// its menu. The spin baseline is measured first and used by the game's
// figures.
Summary WaitingClip(std::ostream& out, const Settings& settings);
void WaitingInGame(std::ostream& out, const Settings& settings, GameSession& game,
                   const Summary& spin);
// Percent of one core spent over each wait: by the whole process, and by the
// window thread alone (the rest is SDL's audio thread mixing the output).
struct CoreUse {
  std::vector<double> total;
  std::vector<double> window;
};
// Over `runs` waits.
CoreUse CoreUseOver(int runs, const std::function<void()>& wait);
// In the maze menu sitting idle, over `runs` waits of `waitMs`; the game
// must be walking, and walks again afterwards.
CoreUse MeasureMenuIdle(GameSession& game, int runs, int waitMs);

// 1d: key to sink on each sound server scripts/bench started, with the mixer
// buffer in use, the first step after a silence, idle processor use and the
// stream's underruns during a key storm.
void ServerLatency(std::ostream& out, const Settings& settings);

// 3: start-up, in fresh processes of this program.
void StartUp(std::ostream& out, const Settings& settings);
// The child processes' side: returns the exit status, or -1 when argv asks
// for no child.
int StartUpChild(int argc, char** argv);

// 4: clip creation.
void ClipCreation(std::ostream& out, const Settings& settings);

// 5: the maze checker on its slowest maze.
void MazeCheckFigure(std::ostream& out, const Settings& settings);

}  // namespace bench
