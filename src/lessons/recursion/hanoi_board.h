#pragma once

#include "lesson/drawing.h"

#include <array>

// The Tower of Hanoi board: how many disks there are, and the disk numbers on each of the
// three pegs from the bottom up. It checks every move against the board, so the counts never
// leave their ranges, and draws itself as the primitives of the lesson's picture.
class HanoiBoard
{
public:
    static constexpr int capacity = 100; // positions 1 to 100 of a peg

    // N disks on peg 1, the largest at the bottom; pegs 2 and 3 empty. N is 1 to 100.
    void setUp(int disks);
    // Takes the top disk from peg `from` and puts disk `disk` on peg `to`, as the routine's
    // MoveTo does. Refuses (throws a Fault) a peg outside 1 to 3, the same peg twice, an
    // empty peg and a disk number the board does not have.
    void move(int disk, int from, int to);

    int disks() const { return disks_; }
    int count(int peg) const;
    // The picture of the board: the scale with the corners (0, N + 2) and (4, -0.1), the
    // three pegs, the base, and each disk filled in its colour and outlined in black.
    Picture picture() const;

private:
    int disks_ = 0;
    std::array<int, 3> counts_{};
    std::array<std::array<int, capacity>, 3> pegs_{};
};

// The colour of disk `disk`: by its number modulo 4, blue, green, yellow, red.
Colour diskColour(int disk);
