// The pan scale: hundredths of a decibel off the far channel.

#include <gtest/gtest.h>

#include "sound/PanLaw.h"

namespace {

struct PanCase {
  int32_t pan;
  int left;
  int right;
};

TEST(PanLaw, FarChannelLosesAHundredthOfADecibelPerStep) {
  const PanCase cases[] = {
      {-10000, 255, 0},                    // full left: the right channel is silent
      {-980, 255, 83},                     // 9.8 dB down: 255 x 0.3236
      {0, 255, 255},    {1000, 81, 255},   // 10 dB down: 255 x 0.3162
      {10000, 0, 255},  {-12000, 255, 0},  // beyond the scale: clamped
      {20, 249, 255},                      // one column right of centre in the editor's steps
  };
  for (const PanCase& c : cases) {
    const sound::ChannelGains gains = sound::PanToGains(c.pan);
    EXPECT_EQ(gains.left, c.left) << "pan " << c.pan;
    EXPECT_EQ(gains.right, c.right) << "pan " << c.pan;
  }
}

}  // namespace
