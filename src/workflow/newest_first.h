#pragma once

#include <QString>
#include <QStringList>

namespace kestrune {

// How many of the things used last the settings keep (lists opened, values
// given for a name): enough for a month's clients, few enough to scan.
inline constexpr qsizetype mostRemembered = 10;

// `kept` with `newest` first, an older copy of it dropped, and at most
// mostRemembered in all.
inline QStringList withNewestFirst(QStringList kept, const QString& newest)
{
    kept.removeAll(newest);
    kept.prepend(newest);
    return kept.mid(0, mostRemembered);
}

}  // namespace kestrune
