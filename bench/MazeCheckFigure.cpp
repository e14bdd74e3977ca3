// Figure 5e: the maze checker's whole check (flood, shortest route, the
// route pressed through, findings, report text) on the hardest of a few
// 100 x 100 mazes in bench/mazes, against the route search alone on the
// same maze. Mazes that an earlier run found far quicker to check (open
// floor, dense doors and keys, spirals, serpentines, keys on equal roads,
// mazegen's own mazes) are left out.

#include <iterator>
#include <stdexcept>

#include "bench/Figures.h"
#include "maze/MazeSearch.h"
#include "tools/CheckReport.h"

namespace bench {

void MazeCheckFigure(std::ostream& out, const Settings& settings) {
  struct NamedMaze {
    const char* name;
    const char* about;
  };
  const NamedMaze mazes[] = {
      // The goal at 50, 50 boxed in by door 20, whose key lies in the far
      // corner; the other 19 keys spread over the grid, each with a door in
      // a pocket off the way.
      {"spread-keys-pockets",
       "goal boxed by door 20, 19 keys spread out, each with a door off the way"},
      // Twenty nested square rings of doors around the goal, ring 1
      // outermost; each key lies somewhere outside its own ring, so keys can
      // be fetched early or late, and each ring needs its own leg when the
      // search gives up.
      {"nested-rings", "20 rings of doors around the goal, each key outside its ring"},
  };
  // Each maze is checked in full; the slowest makes the figure.
  std::optional<Figure> slowest;
  for (const NamedMaze& m : mazes) {
    const maze::LoadResult loaded =
        maze::LoadMaze(std::string(TARNWICK_SOURCE_DIR "/bench/mazes/") + m.name + ".maz");
    if (!loaded.ok()) throw std::runtime_error(std::string("cannot read the maze ") + m.name);
    const auto check = [&] { tools::CheckLoaded(loaded, {true, {}}); };
    Figure figure = MakeFigure(
        "5e", std::string("mazecheck on its slowest maze: ") + m.name, "ms",
        Sample(settings.searchRuns, check), "the shortest-route search alone on that maze",
        Summarize(Sample(settings.searchRuns, [&] { maze::FindRoute(*loaded.maze); })),
        std::nullopt);
    figure.note = std::string(m.about) + "; the slowest of " + std::to_string(std::size(mazes)) +
                  " hard mazes";
    if (!slowest || figure.value.median > slowest->value.median) slowest = figure;
  }
  Print(out, *slowest);
}

}  // namespace bench
