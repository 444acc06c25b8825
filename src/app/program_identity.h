#pragma once

#include <QString>

namespace kestrune {

// Names the program for Qt, which finds the settings and the data folder by
// that name; the window and the command line alike, before either starts.
void nameProgram();

// Where the history of the presses lies: in the person's data folder
// (QStandardPaths::AppDataLocation), in a folder of its own.
QString pressHistoryFolder();

}  // namespace kestrune
