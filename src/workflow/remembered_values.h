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

private:
    QSettings& settings_;
};

}  // namespace kestrune
