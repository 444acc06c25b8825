#pragma once

namespace kestrune {

// The window's entry point in its module: the program's main for the window.
using WindowMain = int (*)(int argc, char* argv[]);

// Loads the window's module (next to the program in a build, in its library
// folder once installed) and runs the window; returns its exit status. Says
// why on standard error, and returns 1, when the module cannot be loaded.
int runWindowModule(int argc, char* argv[]);

}  // namespace kestrune
