// The trace of what is heard, which the headless demonstration prints.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/sound/SoundHarness.h"
#include "tools/ClipTrace.h"

namespace {

TEST(ClipTrace, WritesEachClipStartAsItIsHeardAndPassesItOn) {
  soundtest::Harness h;
  h.folder.WriteClips({"go.wav", "step.wav", "7.wav", "open door.wav"}, 100);
  std::ostringstream out;
  tools::ClipTrace trace(h.sound, out);
  sound::ClipPlayback clips(trace, h.host, h.folder.Path());
  h.onLoad = [&] {
    std::string reason;
    ASSERT_TRUE(clips.StartUp(reason));
    clips.LoadStepClip();
    clips.LoadAnnouncementClip();  // loaded, never played: not heard
    clips.PlayClip("go.wav");
    clips.RestartStep((3 - 50) * 20);
    clips.RestartStep((100 - 50) * 20);
    clips.PlayAnnouncement("7.wav");
    clips.PlayClip("open door.wav");
    EXPECT_FALSE(clips.PlayClip("absent.wav"));
  };
  h.Run();
  EXPECT_EQ(out.str(), "go\nstep at column 3\nstep at column 100\n7\nopen door\n");
  EXPECT_EQ(h.sound.HeardNames(),
            (std::vector<std::string>{"go.wav", "step.wav", "step.wav", "7.wav", "open door.wav"}));
}

}  // namespace
