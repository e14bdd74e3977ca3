#pragma once
// The pan scale in hundredths of a decibel, as stereo channel gains.

#include <cstdint>

namespace sound {

// Linear gains, 255 meaning full level.
struct ChannelGains {
  uint8_t left;
  uint8_t right;
};

// The near channel plays at full level; the far one is |pan| / 100 dB down,
// silent at +-10000. Positive pans lean right. Pans beyond +-10000 are
// clamped.
ChannelGains PanToGains(int32_t pan);

}  // namespace sound
