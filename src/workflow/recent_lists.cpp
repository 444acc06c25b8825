#include "recent_lists.h"

#include "newest_first.h"

namespace kestrune {

namespace {
const QString settingsKey = QStringLiteral("recentLists");
}

QStringList RecentLists::paths() const
{
    return settings_.value(settingsKey).toStringList().mid(0, mostRemembered);
}

void RecentLists::add(const QString& path)
{
    store(withNewestFirst(paths(), path));
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
