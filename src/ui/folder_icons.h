#pragma once

#include <QIcon>

namespace kestrune {

// The folder list's two icons, painted here rather than taken from the
// desktop's icon theme: looking the theme up, and the image plugins it
// loads, cost a sixth of the window's start-up under X.
QIcon openFolderIcon();
QIcon closedFolderIcon();

}  // namespace kestrune
