// The start-up check that every clip a program names is in its folder.
#include <gtest/gtest.h>

#include "sound/ClipCheck.h"
#include "tests/support/ScenarioFolder.h"

namespace {

TEST(MissingClips, NamesEachAbsentFileOnceInOrder) {
  fake::ScenarioFolder folder;
  folder.WriteClip("step.wav", 80);
  folder.WriteClip(".go.wav", 80);  // hidden files do not count
  std::filesystem::create_directory(folder.Path() / "key.wav");  // nor directories
  const std::vector<std::string> names{"step.wav", "go.wav", "key.wav", "open door.wav"};
  auto missing = sound::MissingClips(folder.Path(), names);
  EXPECT_EQ(missing, (std::vector<std::string>{"go.wav", "key.wav", "open door.wav"}));
  EXPECT_EQ(sound::MissingClipsMessage(missing),
            "These sound files are missing from the program folder: go.wav, key.wav, "
            "open door.wav. The program cannot run without them and will now close.");
  EXPECT_EQ(sound::MissingClipsMessage({"step.wav"}),
            "This sound file is missing from the program folder: step.wav. The program cannot "
            "run without it and will now close.");
}

}  // namespace
