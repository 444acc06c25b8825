#pragma once

#include <QtGlobal>

// How much of a list file the program takes: the window and the command
// line read the same lists, and every reader holds to these.
namespace kestrune {

// Lines in one list; a longer list fails to load.
inline constexpr int mostListLines = 1000;
// Characters in one line: no folder name is longer, and it keeps the memory
// for one line bounded.
inline constexpr qsizetype longestListLine = 32767;

// Rows of a values table below its header: one tree a row, and a press
// makes at most this many folders anyway.
inline constexpr int mostTableRows = 10000;

// How much of a text file a reader takes: past either it fails whole.
struct TextLimits {
    int mostLines = mostListLines;
    qsizetype longestLine = longestListLine;
};

inline constexpr TextLimits listFileLimits{mostListLines, longestListLine};
// A table's file may hold blank lines between its rows (they are skipped),
// so it is given room for as many again; a cell is no longer than a name.
inline constexpr TextLimits tableFileLimits{2 * (mostTableRows + 1), longestListLine};

}  // namespace kestrune
