// The spoken position readouts: where the player stands, where the goal is.
#include "game/frmMain.h"

namespace game {

void frmMain::SpeakPosition(maze::GridPosition where) {
  // A new readout silences the one still being spoken. The coordinates are
  // queued one after the other without clearing in between, and the timer
  // plays them while the player walks on.
  announcements.ClearAnnouncements();
  numbers.SpeakCoordinate(where.x);
  numbers.SpeakCoordinate(where.y);
}

}  // namespace game
