// Which files the programs see in their folder.

#include <gtest/gtest.h>

#include "MazeTestSupport.h"
#include "maze/MazeFolder.h"

namespace {

using mazetest::TempFolder;
using mazetest::WriteBytes;

TEST(FileExists, OnlyForOrdinaryVisibleFiles) {
  TempFolder folder;
  WriteBytes(folder / "step.wav", "x");
  WriteBytes(folder / ".hidden.wav", "x");
  std::filesystem::create_directory(folder / "win.wav");
  std::filesystem::create_symlink(folder / "step.wav", folder / "linked.wav");
  std::filesystem::create_symlink(folder / "nowhere.wav", folder / "dangling.wav");

  EXPECT_TRUE(maze::FileExists(folder / "step.wav"));
  EXPECT_TRUE(maze::FileExists(folder / "linked.wav"));
  EXPECT_FALSE(maze::FileExists(folder / "missing.wav"));
  EXPECT_FALSE(maze::FileExists(folder / ".hidden.wav"));
  EXPECT_FALSE(maze::FileExists(folder / "win.wav"));
  EXPECT_FALSE(maze::FileExists(folder / "dangling.wav"));
  EXPECT_FALSE(maze::FileExists(folder / "no folder" / "step.wav"));
}

TEST(CountMazeFiles, CountsVisibleOrdinaryFilesEndingInMaz) {
  TempFolder folder;
  for (const char* name : {"1.maz", "2.maz", "3.maz", "extra.maz"}) WriteBytes(folder / name, "");
  for (const char* name :
       {".4.maz", ".1.maz.saving", "5.MAZ", "6.maz.bak", "7.mazx", "8maz", "notes.txt", ".maz"}) {
    WriteBytes(folder / name, "");
  }
  std::filesystem::create_directory(folder / "9.maz");
  std::filesystem::create_directory(folder / "sub");
  WriteBytes(folder / "sub" / "10.maz", "");

  EXPECT_EQ(maze::CountMazeFiles(folder.path()), 4);
}

TEST(CountMazeFiles, EmptyMissingOrNotAFolderCountsZero) {
  TempFolder folder;
  EXPECT_EQ(maze::CountMazeFiles(folder.path()), 0);
  EXPECT_EQ(maze::CountMazeFiles(folder / "missing"), 0);
  WriteBytes(folder / "1.maz", "");
  EXPECT_EQ(maze::CountMazeFiles(folder / "1.maz"), 0);
}

}  // namespace
