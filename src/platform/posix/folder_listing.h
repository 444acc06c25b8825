#pragma once

#include "listing_source.h"

#include <QString>
#include <QStringList>

namespace kestrune {

// Reads `path` in one pass, each list sorted with sortNames. Names starting with "." are left out, as file
// managers do. A failure to open or read the folder throws the numbered error
// mapped from the OS error.
FolderListing listFolder(const QString& path);

// Orders names as people look them up: letter case ignored, code unit by code
// unit, with the exact comparison breaking ties so that the order is total.
void sortNames(QStringList& names);

}  // namespace kestrune
