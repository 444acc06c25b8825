#pragma once

#include <QSettings>
#include <QStringList>

namespace kestrune {

// The list files opened last, newest first, kept in the settings so that a
// list used every month is one menu entry away.
class RecentLists {
public:
    explicit RecentLists(QSettings& settings) : settings_(settings) {}

    QStringList paths() const;
    // Puts `path` first, dropping an older entry of it and the oldest past mostRemembered.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& paths);

    QSettings& settings_;
};

}  // namespace kestrune
