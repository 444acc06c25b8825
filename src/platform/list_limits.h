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

}  // namespace kestrune
