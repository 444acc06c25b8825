#pragma once

#include "list_limits.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrune {

// The lines of a list given as text (pasted, or dropped on the window), split
// as a list file's: at CR, LF or CR LF, a final line end adding no empty line.
// None past `limits` (a list file's unless said): more lines than it takes,
// or a line longer than any name.
std::optional<QStringList> splitListText(const QString& text, const TextLimits& limits = listFileLimits);

}  // namespace kestrune
