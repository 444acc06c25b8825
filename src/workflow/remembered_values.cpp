#include "remembered_values.h"

#include "newest_first.h"

#include <QVariantMap>

namespace kestrune {

namespace {
// One map of name to values: a name may hold what a settings key cannot.
const QString settingsKey = QStringLiteral("notationValues");
// One map of list file to table file, for the same reason.
const QString tablesKey = QStringLiteral("valuesTables");
}  // namespace

QStringList RememberedValues::valuesOf(const QString& name) const
{
    return settings_.value(settingsKey).toMap().value(name).toStringList().mid(0, mostRemembered);
}

QString RememberedValues::tableOf(const QString& listPath) const
{
    return settings_.value(tablesKey).toMap().value(listPath).toString();
}

void RememberedValues::rememberTable(const QString& listPath, const QString& tablePath)
{
    QVariantMap all = settings_.value(tablesKey).toMap();
    if (tablePath.isEmpty() && !all.contains(listPath))
        return;
    if (tablePath.isEmpty())
        all.remove(listPath);
    else
        all.insert(listPath, tablePath);
    settings_.setValue(tablesKey, all);
}

void RememberedValues::remember(const QString& name, const QString& value)
{
    QVariantMap all = settings_.value(settingsKey).toMap();
    all.insert(name, withNewestFirst(all.value(name).toStringList(), value));
    settings_.setValue(settingsKey, all);
}

}  // namespace kestrune
