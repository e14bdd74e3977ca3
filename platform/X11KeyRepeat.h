#pragma once
// Held keys on X. The X server sends each repeat of a held key as a release
// and a press, and Qt tells them from a real release only when it finds the
// press already queued behind the release, which a busy machine delays. Asked
// for detectable auto-repeat, the server sends the repeats as presses alone,
// so every release that arrives is real.

namespace platform {

// Asks the X server, once a QApplication exists, for detectable auto-repeat
// on Qt's own connection. Does nothing on any other window system (Wayland,
// offscreen) or on a server without the keyboard extension.
void AskForDetectableAutoRepeat();

}  // namespace platform
