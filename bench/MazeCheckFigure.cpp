// Figure 5e: the maze checker's whole check (flood, shortest route, the
// route pressed through, findings, report text) on the hardest of a few
// 100 x 100 mazes, against the route search alone on the same maze. Mazes
// that an earlier run found far quicker to check (open floor, dense doors
// and keys, spirals, serpentines, keys on equal roads, mazegen's own mazes)
// are left out.

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "bench/Figures.h"
#include "maze/MazeSearch.h"
#include "tools/CheckReport.h"
#include "tools/Random.h"

namespace bench {
namespace {

struct NamedMaze {
  std::string name;
  std::string about;
  maze::MazeRecord record;
};

constexpr int kN = maze::kGridSize;
constexpr int kKeys = maze::kKeyCount;

void Set(maze::MazeRecord& r, int x, int y, maze::CellCode code) {
  maze::SetCell(r.grid, x, y, code);
}

maze::MazeRecord Open(maze::GridPosition start = {1, 1}, maze::GridPosition goal = {kN, kN}) {
  maze::MazeRecord r = maze::NewMazeRecord();
  r.start = start;
  r.goal = goal;
  return r;
}

// The goal boxed in by door 20, whose key lies in the far corner; the other
// 19 keys spread over the grid, each with a door in a pocket off the way.
maze::MazeRecord SpreadKeysWithPockets() {
  maze::MazeRecord r = Open({1, kN}, {50, 50});
  for (int i = 48; i <= 52; ++i) {
    for (const auto& [x, y] : {std::pair{i, 48}, {i, 52}, {48, i}, {52, i}})
      Set(r, x, y, maze::DoorCell(kKeys));
  }
  for (int k = 1; k < kKeys; ++k) Set(r, (k * 37) % 97 + 2, (k * 53) % 97 + 2, maze::KeyCell(k));
  Set(r, kN, 1, maze::KeyCell(kKeys));
  for (int k = 1; k < kKeys; ++k) Set(r, 80 + k, kN - 1, maze::DoorCell(k));
  return r;
}

// Twenty nested square rings of doors around the goal, ring 1 outermost;
// each key lies somewhere outside its own ring, so keys can be fetched early
// or late, and each ring needs its own leg when the search gives up.
maze::MazeRecord NestedRings() {
  maze::MazeRecord r = Open({1, 1}, {50, 50});
  tools::SplitMix64 random(11);
  for (int k = 1; k <= kKeys; ++k) {
    const int radius = 44 - 2 * k;
    for (int y = 50 - radius; y <= 50 + radius; ++y) {
      for (int x = 50 - radius; x <= 50 + radius; ++x) {
        if (std::max(std::abs(x - 50), std::abs(y - 50)) == radius) Set(r, x, y, maze::DoorCell(k));
      }
    }
  }
  for (int k = 1; k <= kKeys; ++k) {
    const int radius = 44 - 2 * k;
    while (true) {
      const int x = random.Below(kN) + 1;
      const int y = random.Below(kN) + 1;
      const int distance = std::max(std::abs(x - 50), std::abs(y - 50));
      if (distance > radius && distance % 2 == 1 && maze::CellAt(r.grid, x, y) == maze::kFloor &&
          !(x == 1 && y == 1)) {
        Set(r, x, y, maze::KeyCell(k));
        break;
      }
    }
  }
  return r;
}

}  // namespace

void MazeCheckFigure(std::ostream& out, const Settings& settings) {
  // Each maze is checked in full; the slowest makes the figure.
  const NamedMaze mazes[] = {
      {"spread-keys-pockets",
       "goal boxed by door 20, 19 keys spread out, each with a door off the way",
       SpreadKeysWithPockets()},
      {"nested-rings", "20 rings of doors around the goal, each key outside its ring",
       NestedRings()},
  };
  std::optional<Figure> slowest;
  for (const NamedMaze& m : mazes) {
    maze::LoadResult loaded;
    loaded.maze = m.record;
    const auto check = [&] { tools::CheckLoaded(loaded, {true, {}}); };
    Figure figure = MakeFigure(
        "5e", "mazecheck on its slowest maze: " + m.name, "ms", Sample(settings.searchRuns, check),
        "the shortest-route search alone on that maze",
        Summarize(Sample(settings.searchRuns, [&] { maze::FindRoute(m.record); })), std::nullopt);
    figure.note = m.about + "; the slowest of " + std::to_string(std::size(mazes)) + " hard mazes";
    if (!slowest || figure.value.median > slowest->value.median) slowest = figure;
  }
  Print(out, *slowest);
}

}  // namespace bench
