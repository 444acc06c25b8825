#include "folder_listing.h"

#include "dir_closer.h"
#include "native_path.h"
#include "os_error.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
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

// Simple case folding of one code unit, with the common cases inline: ASCII,
// and kana and kanji, which have no letter case.
char16_t foldedUnit(char16_t unit)
{
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
    if (unit >= 0x3000 && unit < 0xA000)
        return unit;
    return static_cast<char16_t>(QChar::toCaseFolded(unit));  // a BMP letter folds within the BMP
}

// Writes the case-folded code units of `name` to `out` in big-endian byte
// order, so that memcmp on two keys orders them code unit by code unit.
// Letters outside the basic plane are folded as whole code points, as
// QString::toCaseFolded does.
unsigned char* writeFoldedKey(QStringView name, unsigned char* out)
{
    const auto put = [&out](char16_t unit) {
        *out++ = static_cast<unsigned char>(unit >> 8);
        *out++ = static_cast<unsigned char>(unit & 0xFF);
    };
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(name[i + 1].unicode())) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            put(QChar::highSurrogate(folded));
            put(QChar::lowSurrogate(folded));
            ++i;
        } else {
            put(foldedUnit(unit));
        }
    }
    return out;
}

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
    // Each name is folded once into one shared buffer, so the comparisons are
    // plain memcmp calls with no allocation per name.
    qsizetype units = 0;
    for (const QString& name : std::as_const(names))
        units += name.size();
    std::vector<unsigned char> keys(static_cast<std::size_t>(units) * 2);

    struct Keyed {
        const unsigned char* key;
        std::size_t bytes;
        qsizetype index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(static_cast<std::size_t>(names.size()));
    unsigned char* out = keys.data();
    for (qsizetype i = 0; i < names.size(); ++i) {
        unsigned char* const end = writeFoldedKey(names.at(i), out);
        keyed.push_back({out, static_cast<std::size_t>(end - out), i});
        out = end;
    }
    std::sort(keyed.begin(), keyed.end(), [&names](const Keyed& a, const Keyed& b) {
        const std::size_t common = std::min(a.bytes, b.bytes);
        if (const int order = common == 0 ? 0 : std::memcmp(a.key, b.key, common))
            return order < 0;
        if (a.bytes != b.bytes)
            return a.bytes < b.bytes;
        return QString::compare(names.at(a.index), names.at(b.index), Qt::CaseSensitive) < 0;
    });

    QStringList sorted;
    sorted.reserve(names.size());
    QString* const source = names.data();
    for (const Keyed& entry : keyed)
        sorted.append(std::move(source[entry.index]));
    names = std::move(sorted);
}

}  // namespace kestrune
