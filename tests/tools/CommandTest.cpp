// The two command lines as an author uses them: exit statuses, messages for
// bad usage, several files at once, mazegen's output, and the picture for
// sighted helpers (a PNG of one square per cell, walls dark, floor light,
// doors and keys in colour, start and goal marked, the route drawn).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QImageReader>

#include "maze/MazeFile.h"
#include "tests/support/ScenarioFolder.h"
#include "tests/tools/ToolsTestSupport.h"
#include "tools/MazeGenerator.h"
#include "tools/MazePicture.h"

namespace {

using testing::Contains;
using testing::HasSubstr;
using toolstest::ProgramRun;
using toolstest::RunCheck;
using toolstest::RunGen;

QColor CentreOf(const QImage& image, int x, int y) {
  const int half = tools::kCellPixels / 2;
  return image.pixelColor((x - 1) * tools::kCellPixels + half, (y - 1) * tools::kCellPixels + half);
}

// A corner pixel: clear of the number, the disc of a key and the route line.
QColor CornerOf(const QImage& image, int x, int y) {
  return image.pixelColor((x - 1) * tools::kCellPixels, (y - 1) * tools::kCellPixels);
}

class ToolCommands : public ::testing::Test {
 protected:
  // Writes number.maz and returns its path.
  std::string Maze(const std::string& number, const std::vector<std::string>& picture) {
    folder.WriteMaze(number, fake::DrawMaze(picture));
    return Path(number + ".maz");
  }
  std::string Path(const std::string& name) const { return (folder.Path() / name).string(); }

  // mazecheck --picture on 1.maz.
  ProgramRun PictureOf1(const std::string& picture) {
    return RunCheck({"--picture", picture, Path("1.maz")});
  }
  QImage Draw(const std::vector<std::string>& drawing, int expectedStatus) {
    Maze("1", drawing);
    const ProgramRun run = PictureOf1(png);
    EXPECT_EQ(run.status, expectedStatus);
    EXPECT_THAT(run.OutLines(), Contains("Picture written to " + png + "."));
    QImageReader reader(QString::fromStdString(png));
    EXPECT_EQ(reader.format(), "png");
    return reader.read();
  }

  fake::ScenarioFolder folder;
  const std::string png = Path("maze.png");
};

TEST_F(ToolCommands, HelpExplainsEveryOptionAndStatus) {
  const ProgramRun check = RunCheck({"--help"});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.err, "");
  for (const char* word : {"--route", "--picture", "not proven shortest", "Exit status", "0 when",
                           "1 when", "2 when"}) {
    EXPECT_THAT(check.out, HasSubstr(word));
  }
  const ProgramRun gen = RunGen({"--help"});
  EXPECT_EQ(gen.status, 0);
  for (const char* word : {"--seed", "--keys", "--area", "--output", "6.maz", "Exit status"}) {
    EXPECT_THAT(gen.out, HasSubstr(word));
  }
}

TEST_F(ToolCommands, BadUsageGivesTwoAndAReason) {
  struct Case {
    bool gen;
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {false, {}, "no maze file was named"},
      {false, {"--bogus", "1.maz"}, "unknown option \"--bogus\""},
      {false, {"1.maz", "--picture"}, "--picture needs a file name"},
      {false, {"--picture", "a.png", "1.maz", "2.maz"}, "name only one file"},
      {true, {"--keys", "3"}, "--seed is needed"},
      {true, {"--seed", "-1"}, "not \"-1\""},
      {true, {"--seed", "18446744073709551616"}, "from 0 to 18446744073709551615"},
      {true,
       {"--seed", "1", "--keys", "21"},
       "--keys needs a whole number from 0 to 20, not \"21\""},
      {true,
       {"--seed", "1", "--area", "0,1,50,50"},
       "--area needs four whole numbers from 1 to 100"},
      {true, {"--seed", "1", "--area", "1,1,50"}, "X1,Y1,X2,Y2"},
      {true, {"--seed", "1", "--area", "10,10,11,40"}, "too small"},
      {true, {"--seed", "1", "--area=5,5,50,6"}, "too small"},
      {true, {"--seed", "1", "--shape", "round"}, "unknown option \"--shape\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = c.gen ? RunGen(c.args) : RunCheck(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr(c.message));
    if (!c.gen) {
      EXPECT_THAT(run.err, HasSubstr("mazecheck --help"));
    }
  }
}

// The worst status over several files; each file named, then a sum.
TEST_F(ToolCommands, CheckNamesEachFileAndGivesTheWorstStatus) {
  const std::string won = Maze("1", {"S.G"});
  const std::string lost = Maze("2", {"S#G"});
  folder.WriteFile("3.maz", "not a maze");
  EXPECT_EQ(RunCheck({won, won}).status, 0);
  EXPECT_EQ(RunCheck({won, lost}).status, 1);
  EXPECT_EQ(RunCheck({lost, Path("3.maz"), won}).status, 2);
  const ProgramRun run = RunCheck({won, lost, Path("9.maz")});
  EXPECT_EQ(run.status, 2);
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "Maze file " + won + ".");
  EXPECT_THAT(lines, Contains("Maze file " + lost + "."));
  EXPECT_THAT(lines, Contains("Maze file " + Path("9.maz") + "."));
  EXPECT_THAT(lines, Contains("Unreadable: the file does not exist."));
  EXPECT_EQ(lines.back(), "3 files checked: 1 winnable, 1 not winnable, 1 unreadable.");
  // A blank line between the files' reports, and no other.
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 3);
  // File names that look like options come after two dashes.
  const ProgramRun odd = RunCheck({"--route", "--", Maze("-odd", {"S.G"})});
  EXPECT_EQ(odd.status, 0);
  EXPECT_THAT(odd.OutLines(), Contains("Route: right 2."));
}

// The area may be given corner to corner either way; three rows are enough.
TEST_F(ToolCommands, GenWritesTheMazeFileBytesToStandardOutputOrAFile) {
  const ProgramRun run = RunGen({"--seed", "8", "--keys", "4", "--area", "50,22,10,20"});
  EXPECT_EQ(run.status, 0);
  const tools::GenResult made = tools::GenerateMaze({8, 4, {10, 20, 50, 22}});
  ASSERT_TRUE(made.maze.has_value());
  EXPECT_EQ(run.out, maze::FormatMaze(*made.maze));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(RunGen({"--seed=8", "--keys=4", "--area=10,20,50,22"}).out, run.out);

  const ProgramRun gen = RunGen({"--seed", "31", "--keys", "6", "--output", Path("6.maz")});
  EXPECT_EQ(gen.status, 0);
  EXPECT_THAT(gen.out, testing::StartsWith("Wrote " + Path("6.maz") + " with 6 keys and doors."));
  EXPECT_EQ(folder.ReadFile("6.maz"), RunGen({"--seed", "31", "--keys", "6"}).out);
}

TEST_F(ToolCommands, GenWritesNothingWhenNoMazeCanBeMadeOrWritten) {
  const ProgramRun run =
      RunGen({"--seed", "1", "--keys", "20", "--area", "1,1,9,9", "--output", Path("6.maz")});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("no maze was written: the area is too small for 20 doors"));
  EXPECT_FALSE(folder.Exists("6.maz"));
  const ProgramRun unwritable = RunGen({"--seed", "1", "--output", Path("no such folder/6.maz")});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_THAT(unwritable.err, HasSubstr("cannot write"));
}

TEST_F(ToolCommands, PictureIsAPngOfOneSquarePerCellWithTheRouteWhenThereIsOne) {
  const QImage image = Draw({"S..aA..G", "#######."}, 0);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 100 * tools::kCellPixels);
  EXPECT_EQ(image.height(), 100 * tools::kCellPixels);
  const QColor floor = CornerOf(image, 3, 1);
  EXPECT_LT(CentreOf(image, 5, 50).lightness(), 80);  // wall
  EXPECT_GT(floor.lightness(), 200);
  // The door is filled with its number's colour, the key's square keeps the
  // floor at its corners.
  EXPECT_GT(CornerOf(image, 5, 1).saturation(), 100);
  EXPECT_EQ(CornerOf(image, 4, 1), floor);
  EXPECT_NE(CentreOf(image, 4, 1), floor);
  // Start green, goal red.
  const QColor start = CornerOf(image, 1, 1);
  const QColor goal = CornerOf(image, 8, 1);
  EXPECT_GT(start.green(), start.red());
  EXPECT_GT(goal.red(), goal.green());
  // The route runs through the cells it walks; floor it does not pass stays
  // plain.
  const QColor onRoute = CentreOf(image, 2, 1);
  EXPECT_GT(onRoute.blue(), onRoute.red() + 60);
  EXPECT_EQ(CentreOf(image, 8, 2), CornerOf(image, 8, 2));
  // A maze that cannot be won gets its picture without a route.
  const QImage lost = Draw({"S.#.G"}, 1);
  EXPECT_EQ(CentreOf(lost, 2, 1), CornerOf(lost, 2, 1));
}

TEST_F(ToolCommands, PictureGivesTwoWhenItCannotBeWrittenOrTheMazeCannotBeRead) {
  Maze("1", {"S.G"});
  const toolstest::ProgramRun unwritable =
      PictureOf1((folder.Path() / "missing" / "m.png").string());
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_THAT(unwritable.out, testing::HasSubstr("No picture: the picture cannot be written"));
  folder.WriteFile("1.maz", "too short");
  const toolstest::ProgramRun unreadable = PictureOf1(png);
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_THAT(unreadable.OutLines(), Contains("No picture: the maze could not be read."));
  EXPECT_FALSE(folder.Exists("maze.png"));
}

}  // namespace
