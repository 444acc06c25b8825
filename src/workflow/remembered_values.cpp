#include "remembered_values.h"

#include <QVariantMap>

namespace kestrune {

namespace {
// One map of name to values: a name may hold what a settings key cannot.
const QString settingsKey = QStringLiteral("notationValues");
}  // namespace

QStringList RememberedValues::valuesOf(const QString& name) const
{
    return settings_.value(settingsKey).toMap().value(name).toStringList().mid(0, mostKept);
}

void RememberedValues::remember(const QString& name, const QString& value)
{
    QVariantMap all = settings_.value(settingsKey).toMap();
    QStringList values = all.value(name).toStringList();
    values.removeAll(value);
    values.prepend(value);
    all.insert(name, values.mid(0, mostKept));
    settings_.setValue(settingsKey, all);
}

}  // namespace kestrune
