#pragma once
// What is heard, as lines: a listener for a PlayWatch that writes every clip
// start ("go", "step at column 3", "7"). The headless demonstration and the
// key storm read these lines as the game plays; the desktop wiring puts the
// watch in front of the device when TARNWICK_TRACE=1.

#include <ostream>

#include "sound/PlayWatch.h"

namespace sound {

PlayWatch::Listener TraceClips(std::ostream& out);

}  // namespace sound
