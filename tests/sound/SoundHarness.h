#pragma once
// A bare program around the clip playback, for driving it on the fakes.

#include <functional>

#include "sound/ClipPlayback.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ScenarioFolder.h"

namespace soundtest {

struct Harness : platform::WindowEvents {
  fake::VirtualClock clock;
  fake::FakeSound sound{clock};
  fake::FakeHost host{clock, sound};
  fake::ScenarioFolder folder;
  sound::ClipPlayback clips{sound, host, folder.Path()};

  std::function<void()> onLoad;
  std::function<void(int)> onKeyDown;
  std::function<void()> onTick;

  void Form_Load() override {
    std::string reason;
    if (!clips.StartUp(reason)) throw fake::ScriptError("sound start-up failed: " + reason);
    if (onLoad) onLoad();
  }
  void Form_KeyDown(int key, int) override {
    if (onKeyDown) onKeyDown(key);
  }
  void tmrScore_Timer() override {
    if (onTick) onTick();
  }
  void Form_Unload(bool&) override {}

  std::optional<int> Run() { return host.Run(*this); }

  // The time of the n-th (0-based) op of a kind on a clip.
  int64_t TimeOf(const std::string& op, const std::string& name, int nth = 0) const {
    for (const fake::SoundOp& o : sound.ops) {
      if (o.op == op && o.name == name && nth-- == 0) return o.time;
    }
    return -1;
  }
};

}  // namespace soundtest
