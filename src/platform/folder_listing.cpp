#include "folder_listing.h"

#include "native_path.h"
#include "runtime_error.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace kestrune {

namespace {

enum class EntryKind { Folder, File, Other };

// The kind of one entry. d_type spares a stat on most file systems; a link is
// followed, so a link to a folder is offered as a folder and a broken one not
// at all.
EntryKind kindOf(int folderFd, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::File;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:  // fifos, sockets, devices: nothing a list file can be
        return EntryKind::Other;
    }
    struct stat info {};
    if (::fstatat(folderFd, entry.d_name, &info, 0) != 0)
        return EntryKind::Other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    return S_ISREG(info.st_mode) ? EntryKind::File : EntryKind::Other;
}

// A name the OS gave in bytes that are not valid in the file-name encoding
// would come back as another name; such an entry could not be opened by name.
bool roundTrips(const QString& name, const char* bytes)
{
    if (!name.contains(QChar::ReplacementCharacter))
        return true;
    return QFile::encodeName(name) == QByteArray(bytes);
}

class DirCloser {
public:
    explicit DirCloser(DIR* dir) : dir_(dir) {}
    ~DirCloser() { ::closedir(dir_); }
    DirCloser(const DirCloser&) = delete;
    DirCloser& operator=(const DirCloser&) = delete;

private:
    DIR* dir_;
};

}  // namespace

FolderListing listFolder(const QString& path)
{
    const QByteArray native = nativePath(path);
    DIR* dir = ::opendir(native.constData());
    if (dir == nullptr)
        throw errorFromErrno(errno, path);
    const DirCloser closeOnExit(dir);
    const int folderFd = ::dirfd(dir);

    FolderListing listing;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0)
                throw errorFromErrno(errno, path);
            break;
        }
        if (entry->d_name[0] == '.')
            continue;
        const EntryKind kind = kindOf(folderFd, *entry);
        if (kind == EntryKind::Other)
            continue;
        QString name = QFile::decodeName(entry->d_name);
        if (!roundTrips(name, entry->d_name))
            continue;
        (kind == EntryKind::Folder ? listing.folders : listing.files).append(std::move(name));
    }
    sortNames(listing.folders);
    sortNames(listing.files);
    return listing;
}

void sortNames(QStringList& names)
{
    // Folding each name once keeps the comparisons plain code-unit ones; an
    // already folded name is shared, not copied.
    struct Keyed {
        QString folded;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(static_cast<std::size_t>(names.size()));
    for (QString& name : names) {
        QString folded = name.toCaseFolded();
        keyed.push_back({std::move(folded), std::move(name)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (const int order = QString::compare(a.folded, b.folded, Qt::CaseSensitive))
            return order < 0;
        return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        names[static_cast<qsizetype>(i)] = std::move(keyed[i].name);
}

namespace {

char16_t folded(QChar ch)
{
    return ch.toCaseFolded().unicode();
}

// Classic wildcard matching with one backtrack point: "*" any run, "?" one unit.
bool wildcardMatch(const QString& pattern, const QString& name)
{
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p].unicode() == folded(name[n]))) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

}  // namespace

NamePattern::NamePattern(const QString& pattern) : text_(pattern)
{
    for (const QString& part : pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            parts_.append(trimmed.toCaseFolded());
    }
}

bool NamePattern::matches(const QString& name) const
{
    return std::any_of(parts_.cbegin(), parts_.cend(), [&](const QString& part) { return wildcardMatch(part, name); });
}

}  // namespace kestrune
