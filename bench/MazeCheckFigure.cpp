// Figure 5e: the maze checker's whole check (flood, shortest route, the
// route pressed through, findings, report text) on the hardest of the mazes
// in WorstMazes, against the route search alone on the same maze.

#include <functional>

#include "bench/Figures.h"
#include "bench/WorstMazes.h"
#include "maze/MazeSearch.h"
#include "tools/CheckReport.h"

namespace bench {

void MazeCheckFigure(Report& report, const Settings& settings) {
  // A few runs of each find the slowest; that one is measured in full.
  const std::vector<mazebench::NamedMaze> mazes = mazebench::WorstMazes();
  const mazebench::NamedMaze* slowest = nullptr;
  double slowestMs = -1;
  for (const mazebench::NamedMaze& m : mazes) {
    maze::LoadResult loaded;
    loaded.maze = m.record;
    const Summary quick = Summarize(Sample(3, [&] { tools::CheckLoaded(loaded, {true, {}}); }));
    if (quick.median > slowestMs) {
      slowestMs = quick.median;
      slowest = &m;
    }
  }
  if (slowest == nullptr) return;
  maze::LoadResult loaded;
  loaded.maze = slowest->record;
  Figure figure =
      MakeFigure("5e", "mazecheck on its slowest maze: " + slowest->name, "ms",
                 Sample(settings.searchRuns,
                        [&] {
                          tools::CheckLoaded(loaded, {true, {}});
                        }),
                 "the shortest-route search alone on that maze",
                 Summarize(Sample(settings.searchRuns, [&] { maze::FindRoute(slowest->record); })),
                 std::nullopt);
  figure.note = slowest->about + "; the slowest of " + std::to_string(mazes.size()) + " hard mazes";
  report.Add(figure);
}

}  // namespace bench
