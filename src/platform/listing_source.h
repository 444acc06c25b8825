#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kestrune {

// A volume a person would pick to browse: the file-system root, home, removable
// media and network shares.
struct MountedVolume {
    QString label;     // how a person recognises it, e.g. "USBメモリ" or "//server/share"
    QString rootPath;  // where it is mounted; "/" for the root

    bool operator==(const MountedVolume&) const = default;
};

// The visible entries of one folder, each list sorted as people look names up.
struct FolderListing {
    QStringList folders;  // sub-folders, links to folders included
    QStringList files;    // everything else that is not a folder
};

// What the drive, folder and file lists show, read from the host: the
// widgets reach the disk through nothing else.
class ListingSource {
public:
    virtual ~ListingSource() = default;
    // The volumes mounted now, the root first; the root alone when the host
    // cannot tell.
    virtual QList<MountedVolume> volumes() const = 0;
    // `path` read in one pass; names starting with "." are left out, as file
    // managers do. A folder that cannot be opened or read fails with its
    // numbered error.
    virtual FolderListing listFolder(const QString& path) const = 0;
};

// Index of the volume whose root holds `path` most closely; the first (the
// root) when none does.
qsizetype volumeHolding(const QList<MountedVolume>& volumes, QStringView path);

// True for the name of a list file: "*.txt" in any letter case.
bool isListFileName(QStringView name);

}  // namespace kestrune
