#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace kestrune {

// The values last given for each {?名前}, newest first, kept in the settings
// so that next month's list offers last month's clients.
class RememberedValues {
public:
    explicit RememberedValues(QSettings& settings) : settings_(settings) {}

    QStringList valuesOf(const QString& name) const;
    // Puts `value` first for `name`, dropping an older copy and the oldest past mostRemembered.
    void remember(const QString& name, const QString& value);

    // The table file last used with the list file at `listPath`; empty for none.
    QString tableOf(const QString& listPath) const;
    // Keeps `tablePath` with the list; an empty one forgets the list's table.
    void rememberTable(const QString& listPath, const QString& tablePath);

private:
    QSettings& settings_;
};

}  // namespace kestrune
