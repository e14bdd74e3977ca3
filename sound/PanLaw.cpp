#include "sound/PanLaw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sound/SoundDevice.h"

namespace sound {
namespace {

constexpr double kFullGain = 255.0;
// Hundredths of a decibel per decade of amplitude.
constexpr double kPanPerDecade = 2000.0;

}  // namespace

ChannelGains PanToGains(int32_t pan) {
  const int32_t clamped = std::clamp(pan, kPanFullLeft, kPanFullRight);
  const int32_t attenuation = std::abs(clamped);
  // The far channel at the end of the scale is silent, not merely 100 dB down.
  uint8_t far = 0;
  if (attenuation < kPanFullRight) {
    far =
        static_cast<uint8_t>(std::lround(kFullGain * std::pow(10.0, -attenuation / kPanPerDecade)));
  }
  constexpr uint8_t kNear = 255;
  return clamped >= 0 ? ChannelGains{far, kNear} : ChannelGains{kNear, far};
}

}  // namespace sound
