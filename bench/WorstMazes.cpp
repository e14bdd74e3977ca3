#include "bench/WorstMazes.h"

#include <algorithm>
#include <cstdlib>

#include "tools/MazeGenerator.h"
#include "tools/Random.h"

namespace mazebench {
namespace {

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

// Every cell floor but a dense pattern: every other diagonal a door of one
// of the 20 numbers, the diagonals between them keys.
maze::MazeRecord DenseMix() {
  maze::MazeRecord r = Open();
  for (int y = 1; y <= kN; ++y) {
    for (int x = 1; x <= kN; ++x) {
      if ((x + 2 * y) % 4 == 0) Set(r, x, y, maze::DoorCell((x * y) % kKeys + 1));
      if ((x + 2 * y) % 4 == 2) Set(r, x, y, maze::KeyCell((x + y) % kKeys + 1));
    }
  }
  Set(r, 1, 1, maze::kFloor);
  Set(r, kN, kN, maze::kFloor);
  return r;
}

// Twenty strips side by side, each a serpentine from top to bottom: key k
// at the bottom of strip k, door k at its top leading into the next strip.
maze::MazeRecord SerpentineDoors() {
  maze::MazeRecord r = Open({1, 1}, {90, kN - 1});
  for (int y = 1; y <= kN; ++y) {
    for (int x = 1; x <= kN; ++x) {
      const bool doorColumn = x % 4 == 0 && x <= 4 * kKeys;
      if (doorColumn || y % 2 == 0 || y == kN) Set(r, x, y, maze::kWall);
    }
  }
  for (int y = 2; y < kN; y += 2) {
    const bool left = y % 4 == 0;
    for (int k = 1; k <= kKeys; ++k) Set(r, left ? 4 * k - 3 : 4 * k - 1, y, maze::kFloor);
    Set(r, left ? 4 * kKeys + 1 : kN, y, maze::kFloor);
  }
  for (int k = 1; k <= kKeys; ++k) {
    Set(r, 4 * k, 1, maze::DoorCell(k));
    Set(r, 4 * k - 2, kN - 1, maze::KeyCell(k));
  }
  return r;
}

// Rings of wall one cell apart, each with one gap, at alternating ends: one
// corridor of about 5,000 cells from the corner to the middle.
maze::MazeRecord Spiral(bool doors) {
  maze::MazeRecord r = Open({1, 1}, {49, 49});
  for (int y = 1; y <= kN; ++y) {
    for (int x = 1; x <= kN; ++x) {
      const int ring = std::min(std::min(x - 1, kN - x), std::min(y - 1, kN - y));
      if (ring % 2 == 1) Set(r, x, y, maze::kWall);
    }
  }
  for (int d = 1, n = 1; d < kN / 2; d += 2, ++n) {
    const int x = (d / 2) % 2 == 0 ? d + 2 : kN - d - 1;
    Set(r, x, d + 1, doors && n <= kKeys ? maze::DoorCell(n) : maze::kFloor);
    if (doors && n <= kKeys) Set(r, x + (x < kN / 2 ? 1 : -1), d, maze::KeyCell(n));
  }
  return r;
}

// The goal boxed in by door 20, whose key lies in the far corner; the other
// 19 keys spread over the grid, each with a door in a pocket off the way.
maze::MazeRecord SpreadKeys(bool pocketDoors) {
  maze::MazeRecord r = Open({1, kN}, {50, 50});
  for (int i = 48; i <= 52; ++i) {
    for (const auto& [x, y] : {std::pair{i, 48}, {i, 52}, {48, i}, {52, i}})
      Set(r, x, y, maze::DoorCell(kKeys));
  }
  for (int k = 1; k < kKeys; ++k) Set(r, (k * 37) % 97 + 2, (k * 53) % 97 + 2, maze::KeyCell(k));
  Set(r, kN, 1, maze::KeyCell(kKeys));
  if (pocketDoors) {
    for (int k = 1; k < kKeys; ++k) Set(r, 80 + k, kN - 1, maze::DoorCell(k));
  }
  return r;
}

// An open grid with the 20 keys in a 4 by 5 block across the middle and all
// 20 doors in a corner pocket: every road from corner to corner is equally
// short and picks up a different set of keys.
maze::MazeRecord KeyBlock() {
  maze::MazeRecord r = Open();
  for (int k = 0; k < kKeys; ++k)
    Set(r, 30 + (k % 4) * 12, 25 + (k / 4) * 12, maze::KeyCell(k + 1));
  for (int k = 1; k <= kKeys; ++k) Set(r, kN - 1 - (k - 1) % 5, 1 + (k - 1) / 5, maze::DoorCell(k));
  return r;
}

// Keys scattered at random, one cell in ten, doors one in ten.
maze::MazeRecord RandomScatter() {
  maze::MazeRecord r = Open();
  tools::SplitMix64 random(7);
  for (int y = 1; y <= kN; ++y) {
    for (int x = 1; x <= kN; ++x) {
      const int v = random.Below(10);
      if (v == 0) Set(r, x, y, maze::DoorCell(random.Below(kKeys) + 1));
      if (v == 1) Set(r, x, y, maze::KeyCell(random.Below(kKeys) + 1));
    }
  }
  Set(r, 1, 1, maze::kFloor);
  Set(r, kN, kN, maze::kFloor);
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

maze::MazeRecord Generated(uint64_t seed) { return *tools::GenerateMaze({seed, kKeys, {}}).maze; }

}  // namespace

std::vector<NamedMaze> WorstMazes() {
  return {
      {"open", "every cell floor, corner to corner", Open()},
      {"dense-mix", "every other diagonal doors of 20 numbers, keys between", DenseMix()},
      {"serpentine-doors", "20 serpentine strips, key at the bottom, door at the top",
       SerpentineDoors()},
      {"spiral", "one corridor winding to the middle", Spiral(false)},
      {"spiral-doors", "the spiral with a door in each of 20 rings, key before it", Spiral(true)},
      {"spread-keys", "goal boxed by door 20, 19 keys spread out", SpreadKeys(false)},
      {"spread-keys-pockets", "the same, each of the 19 keys with a door off the way",
       SpreadKeys(true)},
      {"key-block", "open grid, 20 keys on every equal road, doors in a corner", KeyBlock()},
      {"random-scatter", "a door or a key in one cell of five", RandomScatter()},
      {"nested-rings", "20 rings of doors around the goal, each key outside its ring",
       NestedRings()},
      {"generated-1", "mazegen --seed 1 --keys 20", Generated(1)},
      {"generated-2", "mazegen --seed 2 --keys 20", Generated(2)},
  };
}

}  // namespace mazebench
