#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

namespace kestrune {

// Which folder an entry is. The device and inode numbers alone are not
// enough: a folder removed and made again at once under the same name gets
// the same inode back on ext4, and its birth time is read from a clock that
// moves only every few milliseconds. The file system's handle carries the
// inode's generation, new for every folder made, where the file system gives
// one; the birth time tells folders apart where it gives no handle.
struct FolderId {
    quint64 device = 0;
    quint64 inode = 0;
    bool hasBirth = false;  // false when the file system records no birth time
    qint64 bornSeconds = 0;
    quint32 bornNanoseconds = 0;
    QByteArray handle;  // the file system's handle; empty when it gives none
    qint64 mount = 0;   // the mount the handle was read on, numbered anew whenever the file system is mounted
};

// True when both name the same folder: the same handle on the same mount
// where both have one, otherwise the same device and inode, and the same
// birth where both record one.
bool isSameFolder(const FolderId& first, const FolderId& second);

// True when `recorded` and `now` name the same folder as far as its file
// system alone tells, the mount's and device's numbers aside: those are given
// anew when a file system is mounted again (a restart, a USB stick plugged in
// once more), so a folder recorded days ago reads with other numbers today.
// Needs the file system's handle, or else the inode with its birth: without
// either, nothing tells two folders apart.
bool isSameFolderRemounted(const FolderId& recorded, const FolderId& now);

// `id` with the mount and device numbers of `now` where it has those of
// `recorded`: a folder recorded on the same mount as `recorded`, read as it
// would be on the mount `now` was read on.
FolderId remounted(FolderId id, const FolderId& recorded, const FolderId& now);

// What a copied file was right after the copy, so that an undo can tell a
// file the person has since changed from the copy it made.
struct FileStamp {
    qint64 size = -1;
    qint64 modifiedNanoseconds = 0;  // since the epoch

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

enum class EntryKind {
    Missing,  // no entry of that name
    Folder,
    Link,   // a symbolic link, whatever it leads to
    Other,  // a file, a device, a socket...
};

struct FolderEntry {
    EntryKind kind = EntryKind::Missing;
    FolderId id;             // for a Folder, and for a plain file (identities compare as for folders)
    bool plainFile = false;  // Other: a regular file, not a device, a socket or a FIFO
    FileStamp stamp = {};    // for a plain file
};

// One entry of a folder's listing: its name and what it is.
struct NamedEntry {
    QString name;
    EntryKind kind = EntryKind::Other;
};

// One entry of a listing with sizes (OpenFolder::sizedEntries).
struct SizedEntry {
    QString name;
    EntryKind kind = EntryKind::Other;
    bool plainFile = false;  // Other: a regular file, not a device, a socket or a FIFO
    qint64 size = 0;         // plain files only
};

// A plain file opened for reading, to be copied (OpenFolder::copyFile).
class SourceFile {
public:
    virtual ~SourceFile() = default;
    // The path it had when opened, for messages only.
    virtual const QString& path() const = 0;
    // Its size when opened.
    virtual qint64 size() const = 0;
};

// What a copy made: which file it is and its stamp right after the copy.
struct CopiedFile {
    FolderId id;
    FileStamp stamp = {};
};

// Told the bytes of one copy written so far, as it goes. A throw from it
// stops the copy as a failure of the disk would.
using CopyProgress = std::function<void(qint64 bytesWritten)>;

// One open folder. Everything happens relative to it, by one name at a
// time, and no link is followed: a folder that another program moves or
// swaps for a link while it is open cannot send a make or a removal
// elsewhere. `name` is always one level: no separator, not "." or "..".
class OpenFolder {
public:
    virtual ~OpenFolder() = default;
    // The path it had when opened, for messages only: it may have moved since.
    virtual const QString& path() const = 0;
    virtual FolderId id() const = 0;
    // Makes the folder `name` here and says which it is; none when an entry
    // of that name exists, so that a caller can choose another name, or keep
    // the folder there, without a separate look (and without an error: a
    // fill-in meets one at every folder it keeps). Fails with error 75 when
    // the name is too long for the file system, otherwise with the number
    // mapped from the OS error.
    virtual std::optional<FolderId> makeFolder(const QString& name) = 0;
    // Opens the folder `name` here. Fails with error 76 when the entry is a
    // symbolic link or no folder, and 53 when there is none.
    virtual std::unique_ptr<OpenFolder> openFolder(const QString& name) = 0;
    // What the entry `name` here is now, without following a link. Any
    // failure but a missing entry is a RuntimeError with its real reason.
    virtual FolderEntry entry(const QString& name) const = 0;
    // True when the entry `name` here is still the folder `id` (isSameFolder);
    // false for anything else there, or nothing. A look that fails is a
    // RuntimeError, as for entry(). May take one look where entry() takes two.
    virtual bool holdsFolder(const QString& name, const FolderId& id) const
    {
        const FolderEntry there = entry(name);
        return there.kind == EntryKind::Folder && isSameFolder(there.id, id);
    }
    // Every entry here but "." and "..", in no particular order, without
    // following links. A name the file-name encoding cannot carry is left
    // out: nothing could be made or found under it. Fails with the real reason.
    virtual QList<NamedEntry> entries() const = 0;
    // The same, with each plain file's size and whether an Other is a plain
    // file at all; a look at each entry, so only where sizes are wanted.
    virtual QList<SizedEntry> sizedEntries() const = 0;
    // Opens the plain file `name` here for reading, following no link. Fails
    // with error 76 when it is a link, a folder or no plain file (a device is
    // never opened), 53 when there is none.
    virtual std::unique_ptr<SourceFile> openFile(const QString& name) = 0;
    // Copies `source`, from its start, here as the new file `name`: never over an entry there
    // (error 58, and nothing done), following no link, with the mode any new
    // file gets here (never the source's bits or owner), modified now; the
    // bytes only, not the source's other attributes. A copy that fails
    // half-way (a full disk, a throw from `progress`) is removed before the
    // error passes on. `source` must come from openFile of the same host.
    virtual CopiedFile copyFile(SourceFile& source, const QString& name, const CopyProgress& progress) = 0;
    // Removes the empty folder `name` here; false, and nothing done, when it
    // holds anything. Any other failure is a RuntimeError.
    virtual bool removeEmptyFolder(const QString& name) = 0;
    // Removes the file `name` here (not a folder); false, and nothing done,
    // when there is none. Any other failure is a RuntimeError.
    virtual bool removeFile(const QString& name) = 0;
};

// Where the program's writes to the disk begin: the folder the person chose.
// With saving a list (ListWriter), the program's only writes to the disk.
class Folders {
public:
    virtual ~Folders() = default;
    // What `path` is now, links along it followed (as the person sees the
    // path): a Folder, Other (a file), or Missing; never Link.
    virtual EntryKind kindOf(const QString& path) const = 0;
    // Opens the folder at `path`. Links in the path are followed: it is the
    // folder the person sees. Fails with error 76 when it is no folder.
    virtual std::unique_ptr<OpenFolder> openFolder(const QString& path) = 0;
};

}  // namespace kestrune
