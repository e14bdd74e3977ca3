#include "tools/CheckFindings.h"

#include <map>

#include "tools/ReportText.h"

namespace tools {
namespace {

using maze::GridPosition;
using maze::kGridSize;

std::string Rows(const std::vector<int>& rows) {
  return (rows.size() == 1 ? "Row " : "Rows ") + NumberList(rows);
}

// Rows grouped by their length, shortest first.
std::map<size_t, std::vector<int>> ByLength(const std::vector<maze::RowLength>& rows) {
  std::map<size_t, std::vector<int>> groups;
  for (const maze::RowLength& row : rows) groups[row.length].push_back(row.row);
  return groups;
}

bool IsOrdinary(maze::CellCode code) {
  return code == maze::kWall || code == maze::kFloor || maze::IsDoor(code) || maze::IsKey(code);
}

void AddOddBytes(const maze::MazeGrid& grid, std::vector<std::string>& lines) {
  int count = 0;
  GridPosition first;
  maze::CellCode firstCode = 0;
  for (int y = 1; y <= kGridSize; ++y) {
    for (int x = 1; x <= kGridSize; ++x) {
      const maze::CellCode code = maze::CellAt(grid, x, y);
      if (IsOrdinary(code)) continue;
      if (count++ == 0) {
        first = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
        firstCode = code;
      }
    }
  }
  if (count == 0) return;
  lines.push_back(Counted(count, "cell holds", "cells hold") +
                  " a byte that is neither wall, floor, door nor key; the game treats " +
                  (count == 1 ? "it" : "them") + " as floor. The first is byte " +
                  std::to_string(firstCode) + " at " + CellText(first) + ".");
}

// "no doors", "door 3", "doors 1 to 3".
std::string NumbersOf(const std::string& noun, const std::vector<int>& numbers) {
  if (numbers.empty()) return "no " + noun + "s";
  return noun + (numbers.size() == 1 ? " " : "s ") + NumberList(numbers);
}

// ", in 4 places," for a number that stands more than once.
std::string Places(int count) {
  return count > 1 ? ", in " + std::to_string(count) + " places," : std::string();
}

// Where a position stands, for the start or the goal ("The start").
void AddPlace(const std::string& name, GridPosition p, const maze::MazeGrid& grid,
              std::vector<std::string>& lines) {
  if (!p.IsSet()) {
    lines.push_back(name + " is not set.");
    return;
  }
  if (!maze::OnGrid(p.x, p.y)) {
    lines.push_back(name + " lies outside the grid, at column " + std::to_string(p.x) + ", row " +
                    std::to_string(p.y) + ".");
    return;
  }
  lines.push_back(name + " is at " + CellText(p) + ".");
  const maze::CellCode code = maze::CellAt(grid, p.x, p.y);
  if (maze::IsWall(code)) lines.push_back(name + " is on a wall.");
  if (maze::IsDoor(code)) {
    lines.push_back(name + " is on door " + std::to_string(maze::DoorKeyNumber(code)) + ".");
  }
}

}  // namespace

std::vector<std::string> FormatFindings(const maze::LoadReport& report,
                                        const maze::MazeGrid& grid) {
  std::vector<std::string> lines;
  if (!report.paddedFrom40.empty()) {
    lines.push_back(Rows(report.paddedFrom40) +
                    (report.paddedFrom40.size() == 1 ? " had" : " each had") +
                    " 40 bytes; the reader added 60 spaces to make 100.");
  }
  if (!report.emptyFilled.empty()) {
    const bool one = report.emptyFilled.size() == 1;
    lines.push_back(Rows(report.emptyFilled) + (one ? " was" : " were") +
                    " empty; the reader filled " + (one ? "it" : "each") + " with 100 spaces.");
  }
  for (const auto& [length, rows] : ByLength(report.shortPadded)) {
    const bool one = rows.size() == 1;
    lines.push_back(Rows(rows) + (one ? " has " : " have ") + Counted(length, "byte", "bytes") +
                    ", not 100; the reader padded " + (one ? "it" : "each") + " with spaces.");
  }
  for (const auto& [length, rows] : ByLength(report.longKept)) {
    lines.push_back(Rows(rows) + (rows.size() == 1 ? " has " : " have ") + std::to_string(length) +
                    " bytes, not 100; the bytes past column 100 are not part of the maze.");
  }
  if (report.trailingBytes > 0) {
    lines.push_back("The file goes on for " + Counted(report.trailingBytes, "byte", "bytes") +
                    " after the goal y; " + (report.trailingBytes == 1 ? "it is" : "they are") +
                    " never read.");
  }
  AddOddBytes(grid, lines);
  return lines;
}

std::vector<std::string> PlaceFindings(const maze::MazeRecord& record) {
  std::vector<std::string> lines;
  AddPlace("The start", record.start, record.grid, lines);
  AddPlace("The goal", record.goal, record.grid, lines);
  if (record.start.IsSet() && record.start == record.goal) {
    lines.push_back("The start and the goal are the same cell.");
  }
  if (maze::OnGrid(record.start.x, record.start.y)) {
    const int key = maze::KeyNumber(maze::CellAt(record.grid, record.start.x, record.start.y));
    if (key > 0) {
      lines.push_back("Key " + std::to_string(key) +
                      " lies on the start; the player takes it only on stepping back there.");
    }
  }
  return lines;
}

std::vector<std::string> KeyDoorFindings(const maze::MazeGrid& grid) {
  int doors[maze::kKeyCount + 1] = {};
  int keys[maze::kKeyCount + 1] = {};
  for (int y = 1; y <= kGridSize; ++y) {
    for (int x = 1; x <= kGridSize; ++x) {
      const maze::CellCode code = maze::CellAt(grid, x, y);
      if (maze::IsDoor(code)) ++doors[maze::DoorKeyNumber(code)];
      if (maze::IsKey(code)) ++keys[maze::KeyNumber(code)];
    }
  }
  std::vector<int> doorNumbers;
  std::vector<int> keyNumbers;
  for (int n = 1; n <= maze::kKeyCount; ++n) {
    if (doors[n] > 0) doorNumbers.push_back(n);
    if (keys[n] > 0) keyNumbers.push_back(n);
  }
  std::vector<std::string> lines;
  lines.push_back("The maze has " + NumbersOf("door", doorNumbers) + " and " +
                  NumbersOf("key", keyNumbers) + ".");
  for (int n = 1; n <= maze::kKeyCount; ++n) {
    const std::string number = std::to_string(n);
    if (doors[n] > 0 && keys[n] == 0) {
      lines.push_back("Door " + number + Places(doors[n]) + " has no key: no key " + number +
                      " lies in the maze.");
    }
    if (keys[n] > 0 && doors[n] == 0) {
      lines.push_back("Key " + number + Places(keys[n]) + " has no door: no door " + number +
                      " stands in the maze.");
    }
  }
  return lines;
}

}  // namespace tools
