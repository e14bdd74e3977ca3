#include "sound/BeepTone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sound {

std::vector<float> BeepTone(int sampleRate) {
  const int frames = static_cast<int>(kBeepSeconds * sampleRate);
  const int fadeFrames = static_cast<int>(kBeepFadeSeconds * sampleRate);
  std::vector<float> samples(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    const int edge = std::min(i, frames - 1 - i);
    // A raised-cosine ramp at both ends.
    const double envelope =
        edge >= fadeFrames ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * edge / fadeFrames);
    const double phase = 2.0 * std::numbers::pi * kBeepHertz * i / sampleRate;
    samples[static_cast<size_t>(i)] = static_cast<float>(kBeepLevel * envelope * std::sin(phase));
  }
  return samples;
}

}  // namespace sound
