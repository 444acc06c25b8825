#include "recent_lists.h"

namespace kestrune {

namespace {
const QString settingsKey = QStringLiteral("recentLists");
}

QStringList RecentLists::paths() const
{
    return settings_.value(settingsKey).toStringList().mid(0, mostKept);
}

void RecentLists::add(const QString& path)
{
    QStringList kept = paths();
    kept.removeAll(path);
    kept.prepend(path);
    store(kept.mid(0, mostKept));
}

void RecentLists::remove(const QString& path)
{
    QStringList kept = paths();
    if (kept.removeAll(path) > 0)
        store(kept);
}

void RecentLists::store(const QStringList& paths)
{
    settings_.setValue(settingsKey, paths);
}

}  // namespace kestrune
