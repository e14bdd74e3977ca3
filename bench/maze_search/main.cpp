// How long the checker takes on its hardest mazes: the flood, the shortest
// route search, and the whole report of mazecheck (flood, route, pressing
// the route through, findings, text), each run many times; the median and
// the slowest run in milliseconds. Also how long mazegen takes for a full
// grid with 20 keys. A measurement, not a test.
//
//   maze_search_bench [runs]    (31 runs a maze unless given)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "bench/maze_search/WorstMazes.h"
#include "maze/MazeSearch.h"
#include "tools/CheckReport.h"
#include "tools/MazeGenerator.h"

namespace {

// Wall-clock median and slowest run, and the median of the processor time
// the run used, which other work on a shared machine does not inflate.
struct Timing {
  double median = 0;
  double slowest = 0;
  double cpuMedian = 0;
};

Timing Time(int runs, const std::function<void()>& action) {
  action();  // warm-up
  std::vector<double> ms;
  std::vector<double> cpu;
  for (int i = 0; i < runs; ++i) {
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    action();
    const auto wall = std::chrono::steady_clock::now() - start;
    ms.push_back(std::chrono::duration<double, std::milli>(wall).count());
    cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
  }
  std::sort(ms.begin(), ms.end());
  std::sort(cpu.begin(), cpu.end());
  return {ms[ms.size() / 2], ms.back(), cpu[cpu.size() / 2]};
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
  std::printf(
      "Maze checker on hard 100 by 100 mazes, %d runs each. Times in ms: median / slowest run, "
      "and in brackets the median processor time.\n",
      runs);
  std::string slowestName;
  Timing slowest;
  for (const mazebench::NamedMaze& m : mazebench::WorstMazes()) {
    maze::FloodResult flood;
    maze::Route route;
    tools::MazeCheck check;
    maze::LoadResult loaded;
    loaded.maze = m.record;
    const Timing floodTime = Time(runs, [&] { flood = maze::FloodMaze(m.record); });
    const Timing routeTime = Time(runs, [&] { route = maze::FindRoute(m.record); });
    const Timing checkTime = Time(runs, [&] { check = tools::CheckLoaded(loaded, {true, {}}); });
    std::printf("%s: %s.\n", m.name.c_str(), m.about.c_str());
    std::printf("  %s, %d cells reachable, %zu keys found.",
                flood.winnable ? "winnable" : "not winnable", flood.reachableCells,
                flood.keyOrder.size());
    if (route.found) {
      std::printf(" Route %d moves, %d doors, %zu states, %s.", route.cellsWalked,
                  route.doorsOpened, route.statesExplored,
                  route.provenShortest ? "proven shortest" : "not proven shortest");
    }
    std::printf(
        "\n  flood %.2f / %.2f (%.2f), route %.2f / %.2f (%.2f), whole check %.2f / %.2f (%.2f)\n",
        floodTime.median, floodTime.slowest, floodTime.cpuMedian, routeTime.median,
        routeTime.slowest, routeTime.cpuMedian, checkTime.median, checkTime.slowest,
        checkTime.cpuMedian);
    if (checkTime.median > slowest.median) {
      slowest = checkTime;
      slowestName = m.name;
    }
  }
  std::printf("Slowest whole check: %s, median %.2f ms, slowest run %.2f ms, processor %.2f ms.\n",
              slowestName.c_str(), slowest.median, slowest.slowest, slowest.cpuMedian);

  uint64_t seed = 0;
  const Timing gen = Time(runs, [&] { tools::GenerateMaze({seed++, maze::kKeyCount, {}}); });
  std::printf("mazegen, full grid, 20 keys, a new seed each run: %.2f / %.2f (%.2f)\n", gen.median,
              gen.slowest, gen.cpuMedian);
  return 0;
}
