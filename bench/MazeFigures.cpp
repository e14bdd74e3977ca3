// Figure 5: reading and writing a full 100 x 100 maze file, and the maze
// search (flood and shortest route) on its two hardest kinds of maze.

#include <array>
#include <deque>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "bench/Figures.h"
#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"

namespace bench {
namespace {

constexpr int kN = maze::kGridSize;

void Fill(maze::MazeRecord& record, maze::CellCode code) {
  for (std::string& row : record.grid) row.assign(kN, static_cast<char>(code));
}

void Set(maze::MazeRecord& record, int x, int y, maze::CellCode code) {
  maze::SetCell(record.grid, x, y, code);
}

// Twenty narrow strips side by side, each a serpentine from top to bottom.
// The player enters strip k at its top, must walk down to key k at its
// bottom and back up to door k, which leads into the next strip; after door
// 20 a last serpentine leads to the goal. Every row of the file is full.
maze::MazeRecord DenseDoorMaze() {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (int y = 1; y <= kN; ++y) {
    for (int x = 1; x <= kN; ++x) {
      const bool doorColumn = x % 4 == 0 && x <= 4 * maze::kKeyCount;
      const bool combRow = y % 2 == 0;
      Set(record, x, y, doorColumn || combRow || y == kN ? maze::kWall : maze::kFloor);
    }
  }
  // A gap in each comb row, at alternate ends of each strip or of the goal
  // area.
  for (int y = 2; y < kN; y += 2) {
    const bool left = y % 4 == 0;
    for (int k = 1; k <= maze::kKeyCount; ++k) Set(record, left ? 4 * k - 3 : 4 * k - 1, y, ' ');
    Set(record, left ? 4 * maze::kKeyCount + 1 : kN, y, maze::kFloor);
  }
  for (int k = 1; k <= maze::kKeyCount; ++k) {
    Set(record, 4 * k, 1, maze::DoorCell(k));
    Set(record, 4 * k - 2, kN - 1, maze::KeyCell(k));
  }
  record.start = {1, 1};
  record.goal = {90, kN - 1};
  return record;
}

// One corridor winding inwards from the top left corner to the middle,
// walls one cell thick between its turns.
maze::MazeRecord SpiralMaze() {
  maze::MazeRecord record = maze::NewMazeRecord();
  Fill(record, maze::kWall);
  auto carved = [&](int x, int y) {
    return maze::OnGrid(x, y) && maze::CellAt(record.grid, x, y) == maze::kFloor;
  };
  auto canMove = [&](int x, int y, int dx, int dy) {
    const int nx = x + dx, ny = y + dy;
    return maze::OnGrid(nx, ny) && !carved(nx, ny) && !carved(nx + dx, ny + dy);
  };
  constexpr std::array<std::array<int, 2>, 4> kTurns = {{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  int x = 1, y = 1, direction = 0;
  Set(record, x, y, maze::kFloor);
  while (true) {
    if (!canMove(x, y, kTurns[direction][0], kTurns[direction][1])) {
      direction = (direction + 1) % 4;
      if (!canMove(x, y, kTurns[direction][0], kTurns[direction][1])) break;
    }
    x += kTurns[direction][0];
    y += kTurns[direction][1];
    Set(record, x, y, maze::kFloor);
  }
  record.start = {1, 1};
  record.goal = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
  return record;
}

// A plain flood that knows nothing of keys, doors taken as open: the least
// any search over the grid must do.
int PlainFlood(const maze::MazeRecord& record) {
  std::vector<bool> seen(kN * kN, false);
  std::deque<std::pair<int, int>> queue{{record.start.x, record.start.y}};
  seen[(record.start.y - 1) * kN + record.start.x - 1] = true;
  int reached = 0;
  while (!queue.empty()) {
    const auto [x, y] = queue.front();
    queue.pop_front();
    ++reached;
    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int nx = x + dx, ny = y + dy;
      if (!maze::OnGrid(nx, ny) || seen[(ny - 1) * kN + nx - 1]) continue;
      if (maze::IsWall(maze::CellAt(record.grid, nx, ny))) continue;
      seen[(ny - 1) * kN + nx - 1] = true;
      queue.emplace_back(nx, ny);
    }
  }
  return reached;
}

Figure MazeFigure(const std::string& id, const std::string& name, std::vector<double> value,
                  const std::string& baselineName, std::vector<double> baseline) {
  Figure figure;
  figure.id = id;
  figure.name = name;
  figure.unit = "ms";
  figure.value = Summarize(std::move(value));
  figure.baselineName = baselineName;
  figure.baseline = Summarize(std::move(baseline));
  figure.target = "none set";
  return figure;
}

void FileFigures(Report& report, const Settings& settings, const maze::MazeRecord& full) {
  ScratchFolder folder("mazefile");
  const std::filesystem::path file = maze::MazePath(folder.Path(), "1");
  const std::filesystem::path plain = folder.Path() / "plain.bytes";
  const std::string bytes = maze::FormatMaze(full);

  const std::vector<double> saves = TimeMs(settings.mazeFileRuns, [&] {
    if (!maze::SaveMaze(file, full).ok) throw std::runtime_error("the save failed");
  });
  const std::vector<double> writes = TimeMs(settings.mazeFileRuns, [&] {
    std::ofstream out(plain, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  });
  const std::vector<double> loads = TimeMs(settings.mazeFileRuns, [&] {
    if (!maze::LoadMaze(file).ok()) throw std::runtime_error("the load failed");
  });
  const std::vector<double> reads = TimeMs(settings.mazeFileRuns, [&] {
    std::ifstream in(plain, std::ios::binary);
    std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (whole.size() != bytes.size()) throw std::runtime_error("short read");
  });
  const std::string size = std::to_string(bytes.size()) + " bytes";
  report.Add(MazeFigure("5a", "Maze file: LoadMaze of a full 100x100 maze (" + size + ")", loads,
                        "reading the same bytes whole, unparsed", reads));
  report.Add(MazeFigure("5b", "Maze file: SaveMaze of it (temporary file, then rename)", saves,
                        "writing the same bytes straight over a file", writes));
}

void SearchFigures(Report& report, const Settings& settings, const std::string& id,
                   const std::string& label, const maze::MazeRecord& record) {
  maze::FloodResult flood;
  maze::Route route;
  const std::vector<double> plains = TimeMs(settings.searchRuns, [&] { PlainFlood(record); });
  const std::vector<double> floods =
      TimeMs(settings.searchRuns, [&] { flood = maze::FloodMaze(record); });
  const std::vector<double> routes =
      TimeMs(settings.searchRuns, [&] { route = maze::FindRoute(record); });
  if (!flood.winnable || !route.found) throw std::runtime_error("the " + label + " is not won");
  Figure floodFigure = MazeFigure(id + "f", "Maze search: flood of the " + label, floods,
                                  "a plain flood, doors open, no keys", plains);
  floodFigure.note = std::to_string(flood.reachableCells) + " cells reachable";
  report.Add(floodFigure);
  Figure routeFigure = MazeFigure(id + "r", "Maze search: shortest route through the " + label,
                                  routes, "the flood of the same maze", floods);
  routeFigure.note = std::to_string(route.cellsWalked) + " cells walked, " +
                     std::to_string(route.doorsOpened) + " doors, " +
                     std::to_string(route.statesExplored) + " states, " +
                     (route.provenShortest ? "proven shortest" : "leg by leg (bound met)");
  report.Add(routeFigure);
}

}  // namespace

void MazeFigures(Report& report, const Settings& settings) {
  const maze::MazeRecord dense = DenseDoorMaze();
  FileFigures(report, settings, dense);
  SearchFigures(report, settings, "5c", "dense 20-door maze", dense);
  SearchFigures(report, settings, "5d", "100x100 spiral", SpiralMaze());
}

}  // namespace bench
