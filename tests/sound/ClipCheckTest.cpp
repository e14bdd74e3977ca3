// The start-up check that every clip a program names is in its folder.
#include <gtest/gtest.h>

#include "sound/ClipCheck.h"
#include "sound/StartUp.h"
#include "tests/sound/SoundHarness.h"
#include "tests/support/ScenarioFolder.h"

namespace {

TEST(MissingClips, NamesEachAbsentFileOnceInOrder) {
  fake::ScenarioFolder folder;
  folder.WriteClip("step.wav", 80);
  folder.WriteClip(".go.wav", 80);                               // hidden files do not count
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

// A program that runs only the start-up, for the clips named.
struct StartUpHarness : soundtest::Harness {
  std::vector<std::string> names{"step.wav", "go.wav", "open door.wav"};
  void Form_Load() override { sound::StartUpOrEnd(clips, host, names, "Tarnwick"); }
};

TEST(StartUpOrEnd, ShowsTheWindowAndReadsEveryClipAhead) {
  StartUpHarness h;
  h.folder.WriteClips(h.names, 100);
  EXPECT_EQ(h.Run(), std::nullopt);
  EXPECT_TRUE(h.host.shown);
  EXPECT_EQ(h.sound.preloaded, h.names);
  EXPECT_TRUE(h.host.dialogs.empty());
}

TEST(StartUpOrEnd, AMissingClipOrNoSoundDeviceShowsItsMessageAndEndsBeforeAnyClipIsRead) {
  struct Case {
    bool noDevice;
    std::string text;
    std::string title;  // the device message keeps the default title
  };
  const Case cases[] = {{false, sound::MissingClipsMessage({"open door.wav"}), "Tarnwick"},
                        {true, "Please install directX8 or later", ""}};
  for (const Case& c : cases) {
    StartUpHarness h;
    h.folder.WriteClips({"step.wav", "go.wav"}, 100);
    if (c.noDevice) h.sound.openFailure = "no audio";
    h.host.AnswerOk();
    EXPECT_EQ(h.Run(), 1);
    ASSERT_EQ(h.host.dialogs.size(), 1u);
    EXPECT_EQ(h.host.dialogs[0].text, c.text);
    EXPECT_EQ(h.host.dialogs[0].title, c.title);
    EXPECT_TRUE(h.sound.preloaded.empty());
    EXPECT_EQ(h.host.shown, !c.noDevice);
  }
}

}  // namespace
