#include "tools/CheckReport.h"

#include <map>

#include "tools/CheckFindings.h"
#include "tools/ReportText.h"
#include "tools/RouteText.h"

namespace tools {
namespace {

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

std::vector<int> Numbers(const std::vector<maze::KeyPickup>& keys) {
  std::vector<int> numbers;
  for (const maze::KeyPickup& key : keys) numbers.push_back(key.number);
  return numbers;
}

// Not the list as a range ("1 to 3"): the order is the point here.
std::string OrderList(const std::vector<int>& numbers) {
  std::string text;
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
    text += std::to_string(numbers[i]);
  }
  return text;
}

void AddNotWinnable(const maze::FloodResult& flood, std::vector<std::string>& lines) {
  lines.push_back("Not winnable.");
  lines.push_back("From the start, " + Counted(flood.reachableCells, "cell", "cells") +
                  " can be reached.");
  // The locked doors by number: where the first stands, and how many more.
  std::map<int, std::vector<maze::GridPosition>> locked;
  for (const maze::LockedDoor& door : flood.lockedDoors) locked[door.keyNumber].push_back(door.at);
  for (const auto& [number, places] : locked) {
    const std::string n = std::to_string(number);
    std::string where = "at " + CellText(places.front());
    if (places.size() > 1) {
      where += " and " + Counted(places.size() - 1, "more place", "more places");
    }
    lines.push_back("Door " + n + " stays locked " + where + ": no key " + n + " can be reached.");
  }
  if (flood.nearestDistance >= 0) {
    lines.push_back("The reachable cell nearest to the goal is at " +
                    CellText(flood.nearestToGoal) + ", " +
                    Counted(flood.nearestDistance, "cell", "cells") + " from it.");
  }
}

void AddRoute(const maze::MazeRecord& record, const CheckOptions& options, MazeCheck& check) {
  std::vector<std::string>& lines = check.lines;
  const maze::Route route = maze::FindRoute(record, options.limits);
  const maze::ReplayResult replay = maze::ReplayRoute(record, route.steps);
  // A route is only told when pressing it by the game's rules wins, on its
  // last press and not before.
  if (!route.found || !replay.won || replay.pressesUsed != route.steps.size()) {
    lines.push_back("No route could be confirmed by pressing it through; none is shown.");
    return;
  }
  check.routeCells = replay.path;
  const std::string moves = Counted(route.cellsWalked, "move", "moves");
  const std::string doors = route.doorsOpened == 0
                                ? "opens no doors"
                                : "opens " + Counted(route.doorsOpened, "door", "doors");
  const std::string presses =
      Counted(static_cast<long long>(route.steps.size()), "key press", "key presses");
  const std::string rest = " " + doors + ", " + presses + " in all.";
  if (route.provenShortest) {
    lines.push_back("A shortest route takes " + moves + " and" + rest);
  } else {
    lines.push_back("A route of " + moves + " (not proven shortest)" + rest);
  }
  if (route.keyOrder.empty()) {
    lines.push_back("The route picks up no keys.");
  } else {
    lines.push_back(
        "Keys picked up along the route, in order: " + OrderList(Numbers(route.keyOrder)) + ".");
  }
  if (options.route) Append(lines, RouteLines(route.steps));
}

void AddSearch(const maze::MazeRecord& record, const CheckOptions& options, MazeCheck& check) {
  if (!maze::StartAndGoalOnGrid(record)) {
    check.verdict = Verdict::NotWinnable;
    check.lines.push_back(
        "Not winnable: the game does not open a maze whose start or goal is off the grid.");
    return;
  }
  if (record.start == record.goal) {
    check.verdict = Verdict::Winnable;
    check.lines.push_back(
        "Winnable: the player starts on the goal, so the first key press that does "
        "not move them wins.");
    check.routeCells = {record.start};
    if (options.route) check.lines.push_back("Route: no moves; press Enter.");
    return;
  }
  const maze::FloodResult flood = maze::FloodMaze(record);
  if (!flood.winnable) {
    check.verdict = Verdict::NotWinnable;
    AddNotWinnable(flood, check.lines);
    return;
  }
  check.verdict = Verdict::Winnable;
  check.lines.push_back("Winnable.");
  AddRoute(record, options, check);
}

}  // namespace

MazeCheck CheckLoaded(const maze::LoadResult& loaded, const CheckOptions& options) {
  MazeCheck check;
  check.maze = loaded.maze;
  if (!loaded.ok()) {
    // What the reader made of the rows before it failed would only blur the
    // one reason that matters.
    check.verdict = Verdict::Unreadable;
    check.lines.push_back("Unreadable: " + loaded.error.Describe() + ".");
    return check;
  }
  const maze::MazeRecord& record = *loaded.maze;
  Append(check.lines, FormatFindings(loaded.report, record.grid));
  Append(check.lines, PlaceFindings(record));
  Append(check.lines, KeyDoorFindings(record.grid));
  AddSearch(record, options, check);
  return check;
}

MazeCheck CheckMazeFile(const std::filesystem::path& file, const CheckOptions& options) {
  return CheckLoaded(maze::LoadMaze(file), options);
}

}  // namespace tools
