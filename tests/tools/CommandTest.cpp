// The two command lines as an author uses them: exit statuses, messages for
// bad usage, several files at once, and mazegen's output.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "maze/MazeFile.h"
#include "tests/support/ScenarioFolder.h"
#include "tests/tools/ToolsTestSupport.h"
#include "tools/MazeGenerator.h"

namespace {

using testing::Contains;
using testing::HasSubstr;
using toolstest::ProgramRun;
using toolstest::RunCheck;
using toolstest::RunGen;

class ToolCommands : public ::testing::Test {
 protected:
  std::string Maze(const std::string& name, const std::vector<std::string>& picture) {
    return toolstest::WriteMazeFile(folder.Path(), name, fake::DrawMaze(picture)).string();
  }
  std::string Path(const std::string& name) const { return (folder.Path() / name).string(); }

  fake::ScenarioFolder folder;
};

TEST_F(ToolCommands, CheckHelpExplainsEveryOptionAndStatus) {
  const ProgramRun run = RunCheck({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* word : {"--route", "--picture", "--help", "not proven shortest", "Exit status",
                           "0 when", "1 when", "2 when"}) {
    EXPECT_THAT(run.out, HasSubstr(word));
  }
  EXPECT_EQ(run.err, "");
}

struct UsageCase {
  std::vector<std::string> args;
  const char* message;
};

TEST_F(ToolCommands, CheckRefusesBadUsageWithTwoAndAReason) {
  const UsageCase cases[] = {
      {{}, "no maze file was named"},
      {{"--route"}, "no maze file was named"},
      {{"--bogus", "1.maz"}, "unknown option \"--bogus\""},
      {{"1.maz", "--picture"}, "--picture needs a file name"},
      {{"--picture", "a.png", "1.maz", "2.maz"}, "name only one file"},
      {{"--picture", "a.png", "--picture", "b.png", "1.maz"}, "given twice"},
      {{"--route=yes", "1.maz"}, "--route takes no value"},
  };
  for (const UsageCase& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = RunCheck(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_THAT(run.err, HasSubstr("mazecheck --help"));
  }
}

TEST_F(ToolCommands, CheckGivesTheWorstStatusOverSeveralFiles) {
  const std::string won = Maze("1.maz", {"S.G"});
  const std::string lost = Maze("2.maz", {"S#G"});
  folder.WriteFile("3.maz", "not a maze");
  EXPECT_EQ(RunCheck({won}).status, 0);
  EXPECT_EQ(RunCheck({won, won}).status, 0);
  EXPECT_EQ(RunCheck({won, lost}).status, 1);
  EXPECT_EQ(RunCheck({lost, Path("3.maz"), won}).status, 2);
  EXPECT_EQ(RunCheck({Path("9.maz")}).status, 2);
}

TEST_F(ToolCommands, CheckNamesEachFileThenSumsUp) {
  const std::string won = Maze("1.maz", {"S.G"});
  const std::string lost = Maze("2.maz", {"S#G"});
  const ProgramRun run = RunCheck({won, lost, Path("9.maz")});
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "Maze file " + won + ".");
  EXPECT_THAT(lines, Contains("Maze file " + lost + "."));
  EXPECT_THAT(lines, Contains("Maze file " + Path("9.maz") + "."));
  EXPECT_THAT(lines, Contains("Unreadable: the file does not exist."));
  EXPECT_EQ(lines.back(), "3 files checked: 1 winnable, 1 not winnable, 1 unreadable.");
  // A blank line between the files' reports, and no other.
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 3);
}

TEST_F(ToolCommands, CheckTakesFileNamesThatLookLikeOptionsAfterTwoDashes) {
  Maze("-odd.maz", {"S.G"});
  const ProgramRun run = RunCheck({"--route", "--", Path("-odd.maz")});
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.OutLines(), Contains("Route: right 2."));
}

TEST_F(ToolCommands, GenHelpExplainsEveryOption) {
  const ProgramRun run = RunGen({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* word : {"--seed", "--keys", "--area", "--output", "6.maz", "Exit status"}) {
    EXPECT_THAT(run.out, HasSubstr(word));
  }
}

TEST_F(ToolCommands, GenRefusesBadOptionsWithTwoAndAReason) {
  const UsageCase cases[] = {
      {{}, "--seed is needed"},
      {{"--keys", "3"}, "--seed is needed"},
      {{"--seed"}, "--seed needs a value"},
      {{"--seed", "x"}, "not \"x\""},
      {{"--seed", "-1"}, "not \"-1\""},
      {{"--seed", "18446744073709551616"}, "from 0 to 18446744073709551615"},
      {{"--seed", "1", "--keys", "21"}, "--keys needs a whole number from 0 to 20, not \"21\""},
      {{"--seed", "1", "--keys", "two"}, "not \"two\""},
      {{"--seed", "1", "--area", "0,1,50,50"}, "--area needs four whole numbers from 1 to 100"},
      {{"--seed", "1", "--area", "1,1,50,101"}, "not \"1,1,50,101\""},
      {{"--seed", "1", "--area", "1,1,50"}, "X1,Y1,X2,Y2"},
      {{"--seed", "1", "--area", "1,1,50,50,3"}, "X1,Y1,X2,Y2"},
      {{"--seed", "1", "--area", "10,10,11,40"}, "too small"},
      {{"--seed", "1", "--area=5,5,50,6"}, "too small"},
      {{"--seed", "1", "--output", ""}, "--output needs a file name"},
      {{"--seed", "1", "--shape", "round"}, "unknown option \"--shape\""},
  };
  for (const UsageCase& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = RunGen(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr(c.message));
  }
}

TEST_F(ToolCommands, GenWritesTheMazeFileBytesToStandardOutput) {
  const ProgramRun run = RunGen({"--seed", "8", "--keys", "4", "--area", "50,60,10,20"});
  EXPECT_EQ(run.status, 0);
  const tools::GenResult made = tools::GenerateMaze({8, 4, {10, 20, 50, 60}});
  ASSERT_TRUE(made.maze.has_value());
  EXPECT_EQ(run.out, maze::FormatMaze(*made.maze));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(RunGen({"--seed=8", "--keys=4", "--area=10,20,50,60"}).out, run.out);
}

TEST_F(ToolCommands, GenWritesAnOutputFileThatChecksWinnable) {
  const ProgramRun gen = RunGen({"--seed", "31", "--keys", "6", "--output", Path("6.maz")});
  EXPECT_EQ(gen.status, 0);
  EXPECT_THAT(gen.out, testing::StartsWith("Wrote " + Path("6.maz") + " with 6 keys and doors."));
  EXPECT_EQ(folder.ReadFile("6.maz"), RunGen({"--seed", "31", "--keys", "6"}).out);
  const ProgramRun check = RunCheck({Path("6.maz")});
  EXPECT_EQ(check.status, 0);
  EXPECT_THAT(check.OutLines(),
              Contains("Keys picked up along the route, in order: 1, 2, 3, 4, 5 and 6."));
}

TEST_F(ToolCommands, GenWritesNothingWhenNoMazeCanBeMade) {
  const ProgramRun run =
      RunGen({"--seed", "1", "--keys", "20", "--area", "1,1,9,9", "--output", Path("6.maz")});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("no maze was written: the area is too small for 20 doors"));
  EXPECT_FALSE(folder.Exists("6.maz"));
}

TEST_F(ToolCommands, GenSaysWhenTheOutputCannotBeWritten) {
  const ProgramRun run = RunGen({"--seed", "1", "--output", Path("no such folder/6.maz")});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("cannot write"));
}

}  // namespace
