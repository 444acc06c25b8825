#pragma once

#include <QString>

namespace kestrune {

class EventDispatch;
class MainWindow;

// Opens `path` (given on the command line or dropped on the window) as the
// person would reach it by hand. A folder is browsed to. For a file, its
// folder is browsed to, the file is chosen in the file list and the list's
// click is raised, so that the very handler of a click loads it and a file
// that is missing or unreadable gives the same messages as a click on one
// that has vanished. A folder that cannot be opened is reported by
// `dispatch`, as when it is opened by hand.
void openPath(MainWindow& window, EventDispatch& dispatch, const QString& path);

}  // namespace kestrune
