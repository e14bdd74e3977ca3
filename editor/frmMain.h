#pragma once
// The editor's window: a maze, a cursor over its grid, and the keys that
// build it. Everything the author needs is heard; the caption shows where
// the cursor stands. The operations are split over files by concern:
// opening a maze, the editing keys, door and key numbers, and finishing.

#include <cstdint>
#include <filesystem>
#include <string>

#include "maze/Grid.h"
#include "platform/WindowHost.h"
#include "sound/ClipPlayback.h"
#include "sound/SoundDevice.h"

namespace editor {

class frmMain final : public platform::WindowEvents {
 public:
  frmMain(platform::WindowHost& host, sound::SoundDevice& device,
          std::filesystem::path programFolder);

  // Window events.
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;
  // Every close request runs the save flow and is then cancelled: closing
  // the window never ends the editor by itself.
  void Form_Unload(bool& cancel) override;
  // The maze differs from the one the author last settled: as opened, as
  // saved, or as left without saving.
  bool HasUnsavedWork() const override;

  // The editor's state, for reading.
  const maze::MazeRecord& Maze() const { return maze_; }
  maze::GridPosition EditCursor() const { return editCursor_; }

 private:
  // Opening: asks for a maze number until one opens a maze or starts a new
  // one.
  void OpenMazeByNumber();
  std::filesystem::path MazeFilePath() const;
  // Reads the existing file into the maze; false (after telling the author
  // why) when it cannot be read whole.
  bool ReadExistingMaze(const std::filesystem::path& file);

  // What every cursor move repeats: the caption, and the clip for what lies
  // under the cursor (start and goal first, waited for, then wall, door or
  // key; nothing for an open cell).
  void UpdateLocationCaption();
  void AnnounceCell();

  // The rows of the key table.
  void JumpTo(maze::GridPosition position);
  void StepHorizontally(int delta);
  void StepVertically(int delta);
  void PlaceWall();
  void PlaceDoor();
  void PlaceKey();
  void TellDoorOrKey();
  void DeleteCell();
  void FillRow();
  void ClearMaze();
  void SetStart();
  void SetGoal();

  maze::CellCode CellUnderCursor() const;
  void SetCellUnderCursor(maze::CellCode code);
  maze::CellCode AskDoorNumber();
  maze::CellCode AskKeyNumber();
  // The number prompt shared by doors and keys: asks until 1 to 20.
  int16_t AskNumberFrom1To20(const char* prompt);
  // Checks start and goal, offers to save, then offers another maze or
  // ends the program. Returns when editing goes on.
  void FinishEditing();
  // Writes the maze; tells the author why when that fails.
  bool SaveToFile();

  platform::WindowHost& host_;
  sound::ClipPlayback clips_;
  std::filesystem::path programFolder_;
  maze::MazeRecord maze_;
  maze::GridPosition editCursor_;
  std::string mazeNumberText_;
  // The maze file's text as the author last settled it.
  std::string settledText_;
};

}  // namespace editor
