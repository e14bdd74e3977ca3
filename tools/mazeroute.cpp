// Prints the key presses that walk a maze file from its start to its goal,
// one key name a line as xdotool names them: Left, Right, Up, Down, Return.
// The headless demonstration feeds them to the game.
#include <cctype>
#include <iostream>
#include <string>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"
#include "tools/RouteText.h"

namespace {

std::string KeyName(maze::RouteStep step) {
  if (step == maze::RouteStep::OpenDoor) return "Return";
  std::string word = tools::StepWord(step);
  word.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(word.front())));
  return word;
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
