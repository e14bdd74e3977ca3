// Prints the key presses that walk a maze file from its start to its goal,
// one key name a line as xdotool names them: Left, Right, Up, Down, Return.
// The headless demonstration feeds them to the game.
#include <iostream>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"

namespace {

const char* KeyName(maze::RouteStep step) {
  switch (step) {
    case maze::RouteStep::Left:
      return "Left";
    case maze::RouteStep::Right:
      return "Right";
    case maze::RouteStep::Up:
      return "Up";
    case maze::RouteStep::Down:
      return "Down";
    case maze::RouteStep::OpenDoor:
      return "Return";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mazeroute <maze file>\n";
    return 2;
  }
  maze::LoadResult loaded = maze::LoadMaze(argv[1]);
  if (!loaded.ok()) {
    std::cerr << "mazeroute: " << argv[1] << ": " << loaded.error.Describe() << "\n";
    return 1;
  }
  if (!maze::StartAndGoalOnGrid(*loaded.maze)) {
    std::cerr << "mazeroute: " << argv[1] << ": the start or the goal lies off the grid\n";
    return 1;
  }
  const maze::Route route = maze::FindRoute(*loaded.maze);
  if (!route.found) {
    std::cerr << "mazeroute: " << argv[1] << ": the goal cannot be reached\n";
    return 1;
  }
  for (maze::RouteStep step : route.steps) std::cout << KeyName(step) << "\n";
  return 0;
}
