// Clip slots and the three ways of playing a clip, on the fake device.
#include <gtest/gtest.h>

#include "tests/sound/SoundHarness.h"

namespace {

using sound::ClipSlot;
using soundtest::Harness;

TEST(PlayClipAndWait, ReturnsAtTheNaturalEndRunningKeysInsideTheWait) {
  Harness h;
  h.folder.WriteClip("intro.wav", 1200);
  int64_t returnedAt = -1;
  std::vector<int64_t> keysAt;
  h.onKeyDown = [&](int) { keysAt.push_back(h.host.Now()); };
  h.onLoad = [&] {
    h.clips.PlayClipAndWait("intro.wav", -10000);
    returnedAt = h.host.Now();
  };
  h.host.KeyDown(300, 39);
  h.Run();
  EXPECT_EQ(returnedAt, 1200);
  EXPECT_EQ(keysAt, std::vector<int64_t>{300});
  auto heard = h.sound.Heard();
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].pan, -10000);
  EXPECT_EQ(heard[0].slot, ClipSlot::Current);
}

TEST(PlayClipAndWait, WaitsForWhicheverClipHoldsTheSlotNow) {
  Harness h;
  h.folder.WriteClip("first.wav", 1000);
  h.folder.WriteClip("second.wav", 2000);
  int64_t returnedAt = -1;
  h.onKeyDown = [&](int) { h.clips.PlayClip("second.wav"); };
  h.onLoad = [&] {
    h.clips.PlayClipAndWait("first.wav", 0);
    returnedAt = h.host.Now();
  };
  h.host.KeyDown(400, 13);
  h.Run();
  // The nested PlayClip replaced the slot at 400; its clip lasts 2000.
  EXPECT_EQ(returnedAt, 2400);
}

TEST(PlayClipAndWait, MissingFileReturnsAtOnceAndPlayClipReportsIt) {
  Harness h;
  int64_t returnedAt = -1;
  bool created = true;
  h.onLoad = [&] {
    h.clips.PlayClipAndWait("absent.wav", 0);
    returnedAt = h.host.Now();
    created = h.clips.PlayClip("nowhere.wav");
  };
  h.Run();
  EXPECT_EQ(returnedAt, 0);
  EXPECT_FALSE(created);
  EXPECT_FALSE(h.clips.CurrentPlaying());
}

TEST(PlayClip, SilencesTheCurrentClipButNotTheStepOrAnnouncement) {
  Harness h;
  h.folder.WriteClips({"a.wav", "b.wav", "step.wav"}, 1000);
  bool bCreated = false;
  h.onLoad = [&] {
    h.clips.LoadStepClip();
    h.clips.LoadAnnouncementClip();
    h.clips.PlayClip("a.wav");
    h.clips.RestartStep(0);
    h.clips.PlayAnnouncement("a.wav");
    bCreated = h.clips.PlayClip("b.wav");
    EXPECT_TRUE(h.clips.CurrentPlaying());
    EXPECT_TRUE(h.clips.AnnouncementPlaying());
  };
  h.Run();
  EXPECT_TRUE(bCreated);
  // "a.wav" in the current slot was released when "b.wav" came; nothing
  // released the step.
  std::vector<std::string> ops;
  for (const auto& op : h.sound.ops) {
    if (op.slot != ClipSlot::Announcement) ops.push_back(op.op + " " + op.name);
  }
  EXPECT_EQ(ops, (std::vector<std::string>{"create step.wav", "create a.wav", "play a.wav",
                                           "stop step.wav", "position step.wav", "pan step.wav",
                                           "play step.wav", "release a.wav", "create b.wav",
                                           "play b.wav"}));
}

struct InterruptHarness : Harness {
  std::string formMode;
  bool interruptFlag = false;
  int64_t returnedAt = -1;
  InterruptHarness() {
    folder.WriteClip("menu.wav", 1500);
    onKeyDown = [this](int) { interruptFlag = true; };
    onLoad = [this] {
      clips.PlayClipInterruptible("menu.wav", formMode, interruptFlag);
      returnedAt = host.Now();
    };
  }
};

TEST(PlayClipInterruptible, AKeyDuringTheClipCutsItShortAndOneBeforeItDoesNot) {
  InterruptHarness during;
  during.host.KeyDown(500, 40);
  during.Run();
  EXPECT_EQ(during.returnedAt, 500);
  EXPECT_EQ(during.formMode, "play breakable sound");
  EXPECT_EQ(during.TimeOf("stop", "menu.wav"), 500);

  InterruptHarness before;
  before.interruptFlag = true;
  before.Run();
  EXPECT_EQ(before.returnedAt, 1500);
  // It stops the clip that has already ended, which is harmless.
  EXPECT_EQ(before.TimeOf("stop", "menu.wav"), 1500);
}

TEST(StepClip, IsRestartedNotLayeredAndKeepsItsPanWhenNoneIsGiven) {
  Harness h;
  h.folder.WriteClip("step.wav", 80);
  h.onLoad = [&] {
    h.clips.LoadStepClip();
    h.clips.RestartStep(-980);
    h.clips.RestartStep();
  };
  h.Run();
  std::vector<std::string> stepOps;
  for (const auto& op : h.sound.ops) {
    if (op.slot == ClipSlot::Step) stepOps.push_back(op.op + " " + std::to_string(op.pan));
  }
  EXPECT_EQ(stepOps,
            (std::vector<std::string>{"create 0", "stop 0", "position 0", "pan -980", "play -980",
                                      "stop -980", "position -980", "play -980"}));
}

}  // namespace
