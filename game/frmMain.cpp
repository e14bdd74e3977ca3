// The window itself: start-up, and the routing of key-downs, key-ups, ticks
// and the close request by the window mode.
#include "game/frmMain.h"

#include "game/GameTexts.h"
#include "sound/StartUp.h"

namespace game {

namespace vk = platform::vk;

frmMain::frmMain(platform::WindowHost& host, sound::SoundDevice& device,
                 std::filesystem::path programFolder)
    : clips(device, host, programFolder),
      announcements(clips),
      numbers(announcements),
      host_(host),
      programFolder_(std::move(programFolder)) {}

void frmMain::Form_Load() {
  // The timer runs from load; until the first maze only "game" mode would
  // make its tick do anything.
  host_.StartTimer(kTimerIntervalMs);
  host_.SetCaption(kCaption);
  const std::vector<std::string> clipNames = GameClipNames();
  sound::StartUpOrEnd(clips, host_, clipNames, kProgramName);
  // The mode is still empty: keys pressed now neither cut the intro short
  // nor are remembered.
  clips.PlayClipAndWait(kIntroClip, 0);
  clips.LoadStepClip();
  clips.LoadAnnouncementClip();
  RunMazeMenu();
}

void frmMain::Form_KeyDown(int keyCode, int /*shift*/) {
  if (FormMode == kModeGame) {
    // Esc runs the whole menu inside this key-down; the key then goes on
    // against the newly started maze, where only the goal test can act.
    if (keyCode == vk::kEscape) RunMazeMenu();
    GameKeyDown(keyCode);
  }
  // Afresh: the game keys may have run the menu and changed the mode.
  if (FormMode == kModeMenu) LatchMenuKey(keyCode);
  InterruptFlag = true;
}

void frmMain::Form_KeyUp(int keyCode, int /*shift*/) {
  if (FormMode != kModeGame) return;
  switch (keyCode) {
    case vk::kUp:
      KeyLatch.up = false;
      break;
    case vk::kDown:
      KeyLatch.down = false;
      break;
    case vk::kLeft:
      KeyLatch.left = false;
      break;
    case vk::kRight:
      KeyLatch.right = false;
      break;
    default:
      break;
  }
}

void frmMain::tmrScore_Timer() {
  // In "menu" mode the menu loop services the queue itself.
  if (FormMode == kModeGame) announcements.ServiceAnnouncements();
}

void frmMain::Form_Unload(bool& /*cancel*/) {
  // No process may stay behind without a window, also when the close
  // request arrives inside the menu loop or a clip wait.
  host_.EndProgram(0);
}

}  // namespace game
