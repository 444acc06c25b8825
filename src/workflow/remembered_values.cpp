#include "remembered_values.h"

#include "newest_first.h"

#include <QVariantMap>

namespace kestrune {

namespace {
// One map of name to values: a name may hold what a settings key cannot.
const QString settingsKey = QStringLiteral("notationValues");
}  // namespace

QStringList RememberedValues::valuesOf(const QString& name) const
{
    return settings_.value(settingsKey).toMap().value(name).toStringList().mid(0, mostRemembered);
}

void RememberedValues::remember(const QString& name, const QString& value)
{
    QVariantMap all = settings_.value(settingsKey).toMap();
    all.insert(name, withNewestFirst(all.value(name).toStringList(), value));
    settings_.setValue(settingsKey, all);
}

}  // namespace kestrune
