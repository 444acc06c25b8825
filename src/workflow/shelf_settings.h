#pragma once

#include "shelf_reader.h"

#include <QList>
#include <QSettings>
#include <QString>

#include <optional>

namespace kestrune {

// The shelves in the settings: the administrator's, from the system scope,
// which is only ever read, and the person's own, from the user scope. Both
// hold them as a Qt array: shelves/1/name, shelves/1/path, …
class ShelfSettings {
public:
    // `user` is read and written; `system` only read.
    ShelfSettings(QSettings& user, QSettings& system) : user_(user), system_(system) {}

    // The administrator's shelves, then the person's own, each scope in the
    // order it holds them. An entry without a usable name or an absolute
    // path is left out, and so is one whose name an earlier entry took: the
    // administrator's shelf wins over one of the person's own of that name.
    QList<Shelf> shelves() const;
    std::optional<Shelf> find(const QString& name) const;

    // Adds a shelf of the person's own after the others.
    void add(const QString& name, const QString& path);
    // Takes the person's own shelf `name` off; false when they have none of
    // that name (an administrator's shelf is never taken off).
    bool remove(const QString& name);

private:
    struct Entry {
        QString name;
        QString path;
    };
    // The entries of one scope as stored, broken ones included.
    static QList<Entry> entriesOf(QSettings& scope);
    void storeOwn(const QList<Entry>& entries);

    QSettings& user_;
    QSettings& system_;
};

// True when `name` can name a shelf: something besides spaces, and no control
// character (a tab or line break would break a row of `kestrune --shelves`).
bool isUsableShelfName(const QString& name);

}  // namespace kestrune
