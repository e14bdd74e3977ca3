#pragma once
// The maze grid: 100 rows of 100 one-byte cells, the meaning of each cell
// code, and the maze record that keeps the start and the goal beside it.

#include <array>
#include <cstdint>
#include <string>

namespace maze {

inline constexpr int kGridSize = 100;
inline constexpr int kKeyCount = 20;

// A cell is one byte, stored and compared as that byte; no text encoding
// stands between the file and the cell.
using CellCode = uint8_t;

inline constexpr CellCode kWall = '#';
inline constexpr CellCode kFloor = ' ';
// Door n is 199 + n and key n is 219 + n, for n from 1 to 20.
inline constexpr CellCode kFirstDoor = 200;
inline constexpr CellCode kLastDoor = 219;
inline constexpr CellCode kFirstKey = 220;
inline constexpr CellCode kLastKey = 239;

// x is the column (1 to 100, left to right), y the row (1 to 100, top to
// bottom). An x of 0 marks a start or goal that is not set yet.
struct GridPosition {
  int16_t x = 0;
  int16_t y = 0;
  bool IsSet() const { return x != 0; }
  friend bool operator==(const GridPosition&, const GridPosition&) = default;
};

// Row y is grid[y - 1], a byte string; cell x is row[x - 1]. A row normally
// holds exactly 100 bytes. A longer row keeps its extra bytes so they go
// back to the file unchanged; only columns 1 to 100 are cells.
using MazeGrid = std::array<std::string, kGridSize>;

struct MazeRecord {
  MazeGrid grid;
  GridPosition start;
  GridPosition goal;
};

// 100 rows of 100 spaces, start and goal not set.
MazeRecord NewMazeRecord();

constexpr bool OnGrid(int x, int y) { return x >= 1 && x <= kGridSize && y >= 1 && y <= kGridSize; }

// CellAt and SetCell expect x and y in 1 to 100. Builds with TARNWICK_CHECKED
// stop the program with a message when that does not hold; other builds read
// a wall off the grid and ignore a write there. A cell past the end of a
// short row (only a hand-built record has one) reads as open floor, and
// SetCell pads such a row with spaces before writing.
CellCode CellAt(const MazeGrid& grid, int x, int y);
void SetCell(MazeGrid& grid, int x, int y, CellCode code);

constexpr bool IsWall(CellCode cell) { return cell == kWall; }

constexpr bool IsDoor(CellCode cell) { return cell >= kFirstDoor && cell <= kLastDoor; }

// The number of the key that opens the door, 1 to 20; -1 for any other cell.
constexpr int16_t DoorKeyNumber(CellCode cell) {
  return IsDoor(cell) ? static_cast<int16_t>(cell - (kFirstDoor - 1)) : int16_t{-1};
}

constexpr bool IsKey(CellCode cell) { return cell >= kFirstKey && cell <= kLastKey; }

// The key's number, 1 to 20; -1 for any other cell.
constexpr int16_t KeyNumber(CellCode cell) {
  return IsKey(cell) ? static_cast<int16_t>(cell - (kFirstKey - 1)) : int16_t{-1};
}

// Only called with n already known to lie in 1 to 20.
constexpr CellCode DoorCell(int n) { return static_cast<CellCode>(kFirstDoor - 1 + n); }
constexpr CellCode KeyCell(int n) { return static_cast<CellCode>(kFirstKey - 1 + n); }

}  // namespace maze
