#pragma once
#include <cstdint>

namespace fake {

// Milliseconds of virtual time shared by the fake host and the fake sound.
struct VirtualClock {
  int64_t now = 0;
};

}  // namespace fake
