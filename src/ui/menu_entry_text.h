#pragma once

#include <QString>

namespace kestrune {

// A name (a path, a shelf's title) shown in a menu as written: a "&" in it
// would otherwise mark the next letter as the entry's shortcut and vanish.
inline QString menuEntryText(QString name)
{
    return name.replace(u'&', QStringLiteral("&&"));
}

}  // namespace kestrune
