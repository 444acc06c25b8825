#pragma once

#include "folders.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace kestrune {

// The entries under a base as their listings show them, each folder read
// once however many paths lead through it. Names meet as the file system
// sees them (see nameKey). A folder that cannot be read counts as holding
// nothing: the press reports what really stops it.
class DiskLookup {
public:
    DiskLookup(OpenFolder& base, bool windowsFileSystem) : base_(base), windows_(windowsFileSystem) {}

    struct Found {
        QStringList names;                           // each level as named on the disk when there, else as given
        qsizetype existing = 0;                      // the levels there as folders, from the top
        QString blockedBy;                           // the first level that is a file or a link, relative to the base
        EntryKind blockedKind = EntryKind::Missing;  // what stands there: Other or Link
    };

    // What stands along `levels` (outermost first) below the base.
    Found find(const QStringList& levels);

private:
    using Listing = QHash<QString, NamedEntry>;
    const Listing& listingOf(const QStringList& levels);

    OpenFolder& base_;
    bool windows_;
    QHash<QString, Listing> listings_;
};

}  // namespace kestrune
