// The announcement queue: clips in order, one at a time, on the timer.
#include <gtest/gtest.h>

#include "sound/AnnouncementQueue.h"
#include "tests/sound/SoundHarness.h"

namespace {

using sound::AnnouncementQueue;
using sound::ClipSlot;

// A program whose 100 ms timer services the queue, as the game does in
// "game" mode.
struct QueueHarness : soundtest::Harness {
  AnnouncementQueue queue{clips};
  QueueHarness() {
    folder.WriteClips({"step.wav", "1.wav", "2.wav", "3.wav", "4.wav"}, 250);
    onTick = [this] { queue.ServiceAnnouncements(); };
  }
  void Load(std::function<void()> then) {
    onLoad = [this, then] {
      host.StartTimer(100);
      clips.LoadStepClip();
      clips.LoadAnnouncementClip();
      then();
    };
  }
};

TEST(AnnouncementQueue, PlaysQueuedClipsInOrderEachWithinATickOfThePreviousEnd) {
  QueueHarness h;
  h.Load([&] {
    h.queue.QueueClip("1.wav");
    h.queue.QueueClip("2.wav");
    h.queue.QueueClip("3.wav");
  });
  h.Run();
  auto heard = h.sound.Heard();
  ASSERT_EQ(heard.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(heard[i].name, std::to_string(i + 1) + ".wav");
    EXPECT_EQ(heard[i].slot, ClipSlot::Announcement);
  }
  for (int i = 1; i < 3; ++i) {
    int64_t gap = heard[i].time - (heard[i - 1].time + 250);
    EXPECT_GE(gap, 0);
    EXPECT_LE(gap, 100);
  }
  EXPECT_EQ(h.queue.Count(), 0);
  EXPECT_TRUE(h.queue.AnnouncementStarted());
}

TEST(AnnouncementQueue, ClearSilencesAtOnceAndDropsPendingEntries) {
  QueueHarness h;
  h.Load([&] {
    h.queue.QueueClip("1.wav");
    h.queue.QueueClip("2.wav");
  });
  h.onKeyDown = [&](int) {
    h.queue.ClearAnnouncements();
    h.queue.QueueClip("4.wav");
  };
  h.host.KeyDown(150, 32);  // during "1.wav", which started at the first tick
  h.Run();
  EXPECT_EQ(h.sound.HeardNames(), (std::vector<std::string>{"1.wav", "4.wav"}));
  EXPECT_EQ(h.TimeOf("stop", "1.wav"), 150);
  // The clip queued after the clear starts with the next service call.
  EXPECT_EQ(h.TimeOf("play", "4.wav"), 200);
}

TEST(AnnouncementQueue, RefusesASixteenthEntryAndKeepsStaleTextsOutOfPlay) {
  QueueHarness h;
  for (int i = 1; i <= AnnouncementQueue::kCapacity; ++i) EXPECT_TRUE(h.queue.QueueClip("1.wav"));
  EXPECT_FALSE(h.queue.QueueClip("2.wav"));
  EXPECT_EQ(h.queue.Count(), 15);
  EXPECT_EQ(h.queue.Entry(15), "1.wav");

  h.queue.DequeueClip();
  EXPECT_EQ(h.queue.Count(), 14);
  // The entry after the new last one keeps its old text.
  EXPECT_EQ(h.queue.Entry(15), "1.wav");
}

TEST(AnnouncementQueue, AClipQueuedAfterTheQueueEmptiedStartsOnceTheLastHasEnded) {
  QueueHarness h;
  h.Load([&] {
    h.queue.QueueClip("1.wav");
    h.queue.QueueClip("2.wav");
  });
  h.onKeyDown = [&](int) { h.queue.QueueClip("3.wav"); };
  h.host.KeyDown(400, 32);  // "2.wav" plays from 400 to 650 at the latest
  h.Run();
  EXPECT_EQ(h.sound.HeardNames(), (std::vector<std::string>{"1.wav", "2.wav", "3.wav"}));
  int64_t secondEnd = h.TimeOf("play", "2.wav") + 250;
  EXPECT_GE(h.TimeOf("play", "3.wav"), secondEnd);
  EXPECT_LE(h.TimeOf("play", "3.wav"), secondEnd + 100);
}

}  // namespace
