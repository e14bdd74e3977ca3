// Figure 5e: the maze checker's whole check (flood, shortest route, the
// route pressed through, findings, report text) on the hardest of the mazes
// in maze_search/, against the route search alone on the same maze.

#include <functional>

#include "bench/Figures.h"
#include "bench/maze_search/WorstMazes.h"
#include "maze/MazeSearch.h"
#include "tools/CheckReport.h"

namespace bench {
namespace {

}  // namespace

void MazeCheckFigure(Report& report, const Settings& settings) {
  // A few runs of each find the slowest; that one is measured in full.
  const std::vector<mazebench::NamedMaze> mazes = mazebench::WorstMazes();
  const mazebench::NamedMaze* slowest = nullptr;
  double slowestMs = -1;
  for (const mazebench::NamedMaze& m : mazes) {
    maze::LoadResult loaded;
    loaded.maze = m.record;
    const Summary quick = Summarize(TimeMs(3, [&] { tools::CheckLoaded(loaded, {true, {}}); }));
    if (quick.median > slowestMs) {
      slowestMs = quick.median;
      slowest = &m;
    }
  }
  if (slowest == nullptr) return;
  maze::LoadResult loaded;
  loaded.maze = slowest->record;
  Figure figure;
  figure.id = "5e";
  figure.name = "mazecheck on its slowest maze: " + slowest->name;
  figure.unit = "ms";
  figure.value = Summarize(TimeMs(settings.searchRuns, [&] {
    tools::CheckLoaded(loaded, {true, {}});
  }));
  figure.baselineName = "the shortest-route search alone on that maze";
  figure.baseline =
      Summarize(TimeMs(settings.searchRuns, [&] { maze::FindRoute(slowest->record); }));
  figure.target = "none set";
  figure.note = slowest->about + "; the slowest of " + std::to_string(mazes.size()) + " hard mazes";
  report.Add(figure);
}

}  // namespace bench
