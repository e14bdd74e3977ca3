// Which files the programs see in their folder.

#include <gtest/gtest.h>

#include "maze/MazeFolder.h"
#include "sound/FileExists.h"
#include "tests/support/ScenarioFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(FileExists, OnlyForOrdinaryVisibleFiles) {
  fake::ScenarioFolder folder;
  const fs::path p = folder.Path();
  folder.WriteFile("step.wav", "x");
  folder.WriteFile(".hidden.wav", "x");
  fs::create_directory(p / "win.wav");
  fs::create_symlink(p / "step.wav", p / "linked.wav");
  fs::create_symlink(p / "nowhere.wav", p / "dangling.wav");
  EXPECT_TRUE(sound::FileExists(p / "step.wav"));
  EXPECT_TRUE(sound::FileExists(p / "linked.wav"));
  for (const char* name :
       {"missing.wav", ".hidden.wav", "win.wav", "dangling.wav", "no folder/step.wav"}) {
    EXPECT_FALSE(sound::FileExists(p / name)) << name;
  }
}

TEST(CountMazeFiles, CountsVisibleOrdinaryFilesEndingInMaz) {
  fake::ScenarioFolder folder;
  EXPECT_EQ(maze::CountMazeFiles(folder.Path()), 0);
  for (const char* name : {"1.maz", "2.maz", "3.maz", "extra.maz", ".4.maz", ".1.maz.saving",
                           "5.MAZ", "6.maz.bak", "7.mazx", "8maz", "notes.txt", ".maz"}) {
    folder.WriteFile(name, "");
  }
  fs::create_directory(folder.Path() / "9.maz");
  fs::create_directory(folder.Path() / "sub");
  folder.WriteFile("sub/10.maz", "");
  EXPECT_EQ(maze::CountMazeFiles(folder.Path()), 4);
  EXPECT_EQ(maze::CountMazeFiles(folder.Path() / "missing"), 0);
  EXPECT_EQ(maze::CountMazeFiles(folder.Path() / "1.maz"), 0);
}

}  // namespace
