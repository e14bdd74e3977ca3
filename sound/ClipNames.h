#pragma once
// The clip names the sound layer itself relies on: the step sound both
// programs load, and the word clips numbers are spoken with.

#include <string>
#include <vector>

namespace sound {

inline constexpr char kStepClipName[] = "step.wav";

inline constexpr char kWavSuffix[] = ".wav";
inline constexpr char kHundredClip[] = "hundred.wav";
inline constexpr char kThousandClip[] = "thousand.wav";
inline constexpr char kMillionClip[] = "million.wav";
inline constexpr char kZeroClip[] = "0.wav";
inline constexpr char kSayPointsClip[] = "say points.wav";

// The clip of a number spoken as one word: 0 to 19 and the tens 20 to 90.
inline std::string NumberWordClip(int number) { return std::to_string(number) + kWavSuffix; }

// Every word clip a spoken number may use: 0 to 19, the tens 20 to 90, the
// multipliers, and the word said after zero.
std::vector<std::string> NumberClipNames();

}  // namespace sound
