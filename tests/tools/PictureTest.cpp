// The picture for sighted helpers: a PNG of one square per cell, walls dark,
// floor light, doors and keys in colour, start and goal marked, the route
// drawn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QImageReader>

#include "tests/support/ScenarioFolder.h"
#include "tests/tools/ToolsTestSupport.h"
#include "tools/MazePicture.h"

namespace {

using toolstest::RunCheck;

QColor CentreOf(const QImage& image, int x, int y) {
  const int half = tools::kCellPixels / 2;
  return image.pixelColor((x - 1) * tools::kCellPixels + half, (y - 1) * tools::kCellPixels + half);
}

// A corner pixel: clear of the number, the disc of a key and the route line.
QColor CornerOf(const QImage& image, int x, int y) {
  return image.pixelColor((x - 1) * tools::kCellPixels, (y - 1) * tools::kCellPixels);
}

class MazePicture : public ::testing::Test {
 protected:
  QImage Draw(const std::vector<std::string>& drawing, int expectedStatus) {
    const std::string maze =
        toolstest::WriteMazeFile(folder.Path(), "1.maz", fake::DrawMaze(drawing)).string();
    const std::string png = (folder.Path() / "maze.png").string();
    const toolstest::ProgramRun run = RunCheck({"--picture", png, maze});
    EXPECT_EQ(run.status, expectedStatus);
    EXPECT_THAT(run.OutLines(), testing::Contains("Picture written to " + png + "."));
    QImageReader reader(QString::fromStdString(png));
    EXPECT_EQ(reader.format(), "png");
    return reader.read();
  }

  fake::ScenarioFolder folder;
};

TEST_F(MazePicture, IsAPngOfOneSquarePerCell) {
  const QImage image = Draw({"S..aA..G", "#######."}, 0);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 100 * tools::kCellPixels);
  EXPECT_EQ(image.height(), 100 * tools::kCellPixels);
  const QColor wall = CentreOf(image, 5, 50);
  const QColor floor = CornerOf(image, 3, 1);
  EXPECT_LT(wall.lightness(), 80);
  EXPECT_GT(floor.lightness(), 200);
  // The door is filled with its number's colour, the key's square keeps the
  // floor at its corners.
  const QColor door = CornerOf(image, 5, 1);
  EXPECT_GT(door.saturation(), 100);
  EXPECT_EQ(CornerOf(image, 4, 1), floor);
  EXPECT_NE(CentreOf(image, 4, 1), floor);
  // Start green, goal red.
  const QColor start = CornerOf(image, 1, 1);
  const QColor goal = CornerOf(image, 8, 1);
  EXPECT_GT(start.green(), start.red());
  EXPECT_GT(goal.red(), goal.green());
}

TEST_F(MazePicture, DrawsTheRouteThroughTheCellsItWalks) {
  const QImage image = Draw({"S......", "######.", "G......"}, 0);
  ASSERT_FALSE(image.isNull());
  const QColor onRoute = CentreOf(image, 7, 2);
  EXPECT_GT(onRoute.blue(), onRoute.red() + 60);
  // Floor the route does not pass stays plain.
  const QImage other = Draw({"S.G", "..."}, 0);
  EXPECT_EQ(CentreOf(other, 2, 2), CornerOf(other, 2, 2));
}

TEST_F(MazePicture, IsWrittenWithoutARouteForAMazeThatCannotBeWon) {
  const QImage image = Draw({"S.#.G"}, 1);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(CentreOf(image, 2, 1), CornerOf(image, 2, 1));
}

TEST_F(MazePicture, ThatCannotBeWrittenGivesTwo) {
  const std::string maze =
      toolstest::WriteMazeFile(folder.Path(), "1.maz", fake::DrawMaze({"S.G"})).string();
  const toolstest::ProgramRun run =
      RunCheck({"--picture", (folder.Path() / "missing" / "m.png").string(), maze});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.out, testing::HasSubstr("No picture: the picture cannot be written"));
}

TEST_F(MazePicture, IsNotWrittenForAnUnreadableFile) {
  folder.WriteFile("1.maz", "too short");
  const std::string png = (folder.Path() / "maze.png").string();
  const toolstest::ProgramRun run =
      RunCheck({"--picture", png, (folder.Path() / "1.maz").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.OutLines(), testing::Contains("No picture: the maze could not be read."));
  EXPECT_FALSE(folder.Exists("maze.png"));
}

}  // namespace
