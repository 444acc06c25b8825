#pragma once

#include "folders.h"
#include "list_preview.h"

// Filling in folders that are there already: what a press would find on the
// disk, worked out before it runs.
namespace kestrune {

// Compares `preview` with what stands under `base`, for a press that fills
// in existing parents. A parent there as a folder is filled in (Exists), not
// made again; a folder of the list that is there already gets Exists; a file
// or a link where a parent or a level must go refuses the press, naming it.
// Names meet as the file system sees them (see nameKey), and each parent's
// entries take the names found on the disk, so that the press uses the very
// folders compared: an NFD twin is found, not made beside its folder. A
// folder that cannot be read counts as holding nothing; the press reports
// what really stops it.
void compareWithDisk(ListPreview& preview, OpenFolder& base, bool windowsFileSystem);

}  // namespace kestrune
