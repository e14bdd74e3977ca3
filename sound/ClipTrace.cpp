#include "sound/ClipTrace.h"

#include "sound/ClipPlayback.h"

namespace sound {

PlayWatch::Listener TraceClips(std::ostream& out) {
  return [&out](const PlayedClip& clip) {
    if (clip.slot == ClipSlot::Step) {
      // The step is panned by the player's column.
      out << "step at column " << StepColumn(clip.pan) << std::endl;
    } else {
      out << clip.file.stem().string() << std::endl;
    }
  };
}

}  // namespace sound
