#pragma once
// Every clip name, caption, prompt, question and message of the editor, in
// one place and spelled exactly as the author hears or reads it.

#include <array>
#include <string>

#include "sound/ClipNames.h"

namespace editor {

inline constexpr char kProgramName[] = "Loomsel";
// Every dialog of the editor carries the program's name as its title.
inline constexpr char kTitle[] = "Loomsel";

// Clips.
inline constexpr const auto& kStepClip = sound::kStepClipName;
inline constexpr char kStartClip[] = "start.wav";
inline constexpr char kGoalClip[] = "win.wav";
inline constexpr char kWallClip[] = "wall.wav";
inline constexpr char kDoorClip[] = "door.wav";
inline constexpr char kKeyClip[] = "key.wav";
inline constexpr char kDeleteClip[] = "delete.wav";

// Every clip the editor plays; each must lie in the program folder.
inline const std::array<std::string, 7> kEditorClips = {
    kStepClip, kStartClip, kGoalClip, kWallClip, kDoorClip, kKeyClip, kDeleteClip};

// The caption while editing: "Location: 12, 7 - Loomsel".
inline std::string LocationCaption(int x, int y) {
  return "Location: " + std::to_string(x) + ", " + std::to_string(y) + " - Loomsel";
}

// Opening a maze.
inline constexpr char kMazeNumberPrompt[] =
    "Please enter the number of the maze you would like to edit or create";
inline constexpr char kMazeExistsMessage[] =
    "That maze already exists. It will now be opened for editing.";

// An existing file that cannot be read whole; the prompt comes back after it.
inline std::string UnreadableMazeMessage(const std::string& fileName, const std::string& reason) {
  return "The maze file " + fileName + " cannot be read: " + reason +
         ". It was left as it is. Please enter a maze number again.";
}

// Doors and keys.
inline constexpr char kDoorNumberPrompt[] =
    "Please enter the number of the key which will unlock this door, from 1 to 20. Ensure that "
    "you also make a key with the same number, or the door will be unlockable";
inline constexpr char kKeyNumberPrompt[] =
    "Please enter the number of this key, from 1 to 20. Ensure that you also make a door "
    "unlockable with a key of this number, unless you want the key to do nothing and be useless "
    "when picked up.";

inline std::string DoorInfoMessage(int keyNumber) {
  return "A door unlocked by a key of number " + std::to_string(keyNumber) + " is at this location";
}
// Two blanks before the number: the message has always read so.
inline std::string KeyInfoMessage(int keyNumber) {
  return "A key of number  " + std::to_string(keyNumber) + " is at this location";
}

inline constexpr char kClearQuestion[] = "Clear entire maze?";

// Saving and leaving.
inline constexpr char kNoStartMessage[] =
    "You did not set a starting position. Please move to the correct location, and press the s "
    "key to set it.";
inline constexpr char kNoGoalMessage[] =
    "You did not set a winning position. Please move to the correct location, and press the w "
    "key to set it.";
inline constexpr char kSaveQuestion[] = "Save changes to maze?";
inline constexpr char kAnotherMazeQuestion[] = "Edit another maze?";

// A save that failed; editing goes on with the same maze.
inline std::string SaveFailedMessage(const std::string& fileName, const std::string& reason) {
  return "The maze could not be saved to " + fileName + ": " + reason +
         ". The maze is still open and nothing of it is lost; press Escape to try again.";
}

}  // namespace editor
