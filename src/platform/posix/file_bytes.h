#pragma once

#include "folders.h"

namespace kestrune {

// Moves every byte of the open file `from`, from its start and leaving its
// offset alone (one source serves many copies), into the empty open file `to`: as a reflink where the file system
// shares blocks between files, else with copy_file_range(2), which lets the kernel (or a network share's server) move
// them without passing through this program, else by reading and writing. `progress` is told the bytes written so far
// after each step. 0, or the errno of the failure; a throw from `progress`
// passes on.
int copyFileBytes(int from, int to, const CopyProgress& progress);

}  // namespace kestrune
