#include "tests/platform/OutputTap.h"

#include <SDL_mixer.h>

#include <cstdint>
#include <mutex>

namespace tarnwick_test {
namespace {

std::mutex energyMutex;
double leftEnergy = 0.0;
double rightEnergy = 0.0;

// Runs on the audio thread after all channels are mixed. The output is
// 16-bit stereo.
void SDLCALL Accumulate(void* /*context*/, Uint8* stream, int length) {
  const auto* samples = reinterpret_cast<const int16_t*>(stream);
  const int frames = length / static_cast<int>(2 * sizeof(int16_t));
  double left = 0.0;
  double right = 0.0;
  for (int i = 0; i < frames; ++i) {
    left += static_cast<double>(samples[2 * i]) * samples[2 * i];
    right += static_cast<double>(samples[2 * i + 1]) * samples[2 * i + 1];
  }
  std::lock_guard<std::mutex> lock(energyMutex);
  leftEnergy += left;
  rightEnergy += right;
}

}  // namespace

OutputTap::OutputTap() {
  Reset();
  Mix_SetPostMix(Accumulate, nullptr);
}

OutputTap::~OutputTap() { Mix_SetPostMix(nullptr, nullptr); }

void OutputTap::Reset() {
  std::lock_guard<std::mutex> lock(energyMutex);
  leftEnergy = 0.0;
  rightEnergy = 0.0;
}

double OutputTap::Left() const {
  std::lock_guard<std::mutex> lock(energyMutex);
  return leftEnergy;
}

double OutputTap::Right() const {
  std::lock_guard<std::mutex> lock(energyMutex);
  return rightEnergy;
}

}  // namespace tarnwick_test
