#pragma once
// The edge beep: a short tone with soft edges, so it does not click.

#include <vector>

namespace sound {

inline constexpr double kBeepSeconds = 0.080;
inline constexpr double kBeepHertz = 880.0;
inline constexpr double kBeepFadeSeconds = 0.008;
// Of full scale.
inline constexpr double kBeepLevel = 0.35;

// One channel of the beep at the given rate, samples from -1 to 1.
std::vector<float> BeepTone(int sampleRate);

}  // namespace sound
