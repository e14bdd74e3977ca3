#!/usr/bin/env python3
"""Writes the sample mazes 1.maz to 5.maz into this folder.

Each file is 100 rows of 100 bytes and then start x, start y, goal x, goal y,
every line ended by CR LF, a number written as " 12 ". Walls are "#", floor
is a space, door n is the byte 199 + n and key n the byte 219 + n. Columns x
and rows y run from 1 to 100.

    python3 mazes/make_mazes.py
"""

import os
import random

SIZE = 100
WALL = ord("#")
FLOOR = ord(" ")


def door(n):
    return 199 + n


def key(n):
    return 219 + n


class Maze:
    def __init__(self):
        self.rows = [bytearray([WALL] * SIZE) for _ in range(SIZE)]
        self.start = (0, 0)
        self.goal = (0, 0)

    def set(self, x, y, code):
        self.rows[y - 1][x - 1] = code

    def corridor(self, points):
        """Opens straight runs of floor through the given corners, in order."""
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            assert x1 == x2 or y1 == y2, "corridors run straight"
            for x in range(min(x1, x2), max(x1, x2) + 1):
                for y in range(min(y1, y2), max(y1, y2) + 1):
                    self.set(x, y, FLOOR)

    def file_bytes(self):
        out = bytearray()
        for row in self.rows:
            out += row + b"\r\n"
        for value in (*self.start, *self.goal):
            out += b" %d \r\n" % value
        return bytes(out)


def tutorial():
    """1: a short straight corridor from west to east."""
    m = Maze()
    m.corridor([(46, 50), (54, 50)])
    m.start, m.goal = (46, 50), (54, 50)
    return m


def turns():
    """2: a corridor with four turns."""
    m = Maze()
    m.corridor([(20, 20), (30, 20), (30, 30), (40, 30), (40, 24), (46, 24)])
    m.start, m.goal = (20, 20), (46, 24)
    return m


def key_and_door():
    """3: door 1 bars the way east; key 1 lies at the end of a side passage."""
    m = Maze()
    m.corridor([(20, 50), (40, 50)])
    m.corridor([(25, 50), (25, 56)])
    m.set(25, 56, key(1))
    m.set(30, 50, door(1))
    m.start, m.goal = (20, 50), (40, 50)
    return m


def keys_and_doors():
    """4: doors 1, 2 and 3 one after another, each key found before its door,
    and one passage that leads nowhere."""
    m = Maze()
    m.corridor([(10, 10), (70, 10), (70, 30)])
    m.corridor([(20, 10), (20, 20)])  # key 1
    m.set(20, 20, key(1))
    m.corridor([(30, 10), (30, 18)])  # the dead end
    m.set(41, 10, door(1))
    m.corridor([(50, 10), (50, 20)])  # key 2
    m.set(50, 20, key(2))
    m.set(61, 10, door(2))
    m.corridor([(65, 10), (65, 4)])  # key 3
    m.set(65, 4, key(3))
    m.set(70, 21, door(3))
    m.start, m.goal = (10, 10), (70, 30)
    return m


def labyrinth():
    """5: a labyrinth over columns and rows 2 to 98, from the north-west corner
    to the south-east one. Rooms lie on even columns and rows; a depth-first
    carve from a fixed seed joins them with exactly one way between any two."""
    m = Maze()
    rng = random.Random(1405)
    rooms = range(2, 99, 2)
    seen = {(2, 2)}
    m.set(2, 2, FLOOR)
    stack = [(2, 2)]
    while stack:
        x, y = stack[-1]
        ways = [(x + dx, y + dy) for dx, dy in ((2, 0), (-2, 0), (0, 2), (0, -2))
                if x + dx in rooms and y + dy in rooms and (x + dx, y + dy) not in seen]
        if not ways:
            stack.pop()
            continue
        nx, ny = rng.choice(ways)
        m.set((x + nx) // 2, (y + ny) // 2, FLOOR)
        m.set(nx, ny, FLOOR)
        seen.add((nx, ny))
        stack.append((nx, ny))
    m.start, m.goal = (2, 2), (98, 98)
    return m


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for number, make in enumerate([tutorial, turns, key_and_door, keys_and_doors, labyrinth], 1):
        with open(os.path.join(folder, "%d.maz" % number), "wb") as f:
            f.write(make().file_bytes())


if __name__ == "__main__":
    main()
