// The Windows edition draws no maze pictures: the picture is drawn with Qt,
// which this edition does without. mazecheck says so and checks the maze.
#include "tools/MazePicture.h"

namespace tools {

PictureResult WriteMazePicture(const std::filesystem::path&, const maze::MazeRecord&,
                               const std::vector<maze::GridPosition>&) {
  return {false, "the Windows edition of mazecheck draws no pictures"};
}

}  // namespace tools
