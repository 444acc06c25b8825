#pragma once

#include "entry_name.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Checks on the folder names a person gives: the parent name typed in the
// window and the lines of a list file. Pure functions with no disk access, so
// that they can be tested and fuzzed on their own. A name is refused when it
// could lead outside the chosen folder or when no folder can carry it.
namespace kestrune {

// "/" and "\" both separate folder levels, so that a list written on Windows
// nests the same way.
constexpr bool isLevelSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// The next folder level of a list line at or after `position`, as a view
// into `name`; `position` moves past it. An empty view when no level is left.
// "/" and "\" both separate levels, so that a list written on Windows nests
// the same way; empty and "." levels are passed over ("a//./b" gives a, b).
// Spaces are kept. Walks a line's levels without copying them.
QStringView nextFolderLevel(QStringView name, qsizetype& position);

// The parent name as the press uses what was typed: spaces trimmed at both
// ends, or the preset name when nothing is left.
QString parentNameFrom(const QString& typed);

// The name a person typed to save a list under, as a list file's: U+0020
// spaces trimmed at both ends, as from the parent name, and ".txt" added when
// it has none. Empty when it names no single file or holds a control
// character.
QString listFileNameFrom(const QString& typed);

// `text` with each control character replaced by its visible picture
// (U+2400 to U+241F, U+2421), for naming a refused line in a message. C1
// controls have no picture and become U+FFFD, so that each character stays
// one character.
QString withVisibleControls(const QString& text);

}  // namespace kestrune
