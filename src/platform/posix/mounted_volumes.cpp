#include "mounted_volumes.h"
#include "posix_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace kestrune {

namespace {

const QString RootPath = QStringLiteral("/");

// Kernel and system file systems nobody browses for a list file, and read-only
// images such as snap packages.
bool isPseudoFileSystem(const QString& type)
{
    static const QSet<QString> pseudo = {
        QStringLiteral("autofs"),      QStringLiteral("binfmt_misc"),   QStringLiteral("bpf"),
        QStringLiteral("cgroup"),      QStringLiteral("cgroup2"),       QStringLiteral("configfs"),
        QStringLiteral("debugfs"),     QStringLiteral("devpts"),        QStringLiteral("devtmpfs"),
        QStringLiteral("efivarfs"),    QStringLiteral("fusectl"),       QStringLiteral("hugetlbfs"),
        QStringLiteral("mqueue"),      QStringLiteral("nsfs"),          QStringLiteral("proc"),
        QStringLiteral("pstore"),      QStringLiteral("ramfs"),         QStringLiteral("rpc_pipefs"),
        QStringLiteral("securityfs"),  QStringLiteral("selinuxfs"),     QStringLiteral("squashfs"),
        QStringLiteral("sysfs"),       QStringLiteral("tmpfs"),         QStringLiteral("tracefs"),
        QStringLiteral("nfsd"),        QStringLiteral("overlay"),       QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"), QStringLiteral("fuse.snapfuse"),
    };
    return pseudo.contains(type);
}

bool isNetworkFileSystem(const QString& type)
{
    static const QSet<QString> network = {
        QStringLiteral("nfs"),   QStringLiteral("nfs4"),        QStringLiteral("cifs"),
        QStringLiteral("smb3"),  QStringLiteral("smbfs"),       QStringLiteral("fuse.sshfs"),
        QStringLiteral("sshfs"), QStringLiteral("davfs"),       QStringLiteral("fuse.davfs2"),
        QStringLiteral("ceph"),  QStringLiteral("glusterfs"),   QStringLiteral("fuse.glusterfs"),
        QStringLiteral("afs"),   QStringLiteral("fuse.rclone"), QStringLiteral("9p"),
    };
    return network.contains(type);
}

// mountinfo writes space, tab, newline and backslash in a path as \ooo.
QString unescape(const QString& field)
{
    QByteArray bytes = field.toUtf8();
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto isOctal = [&](qsizetype at) { return at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '7'; };
        if (bytes[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            out.append(
                static_cast<char>(((bytes[i + 1] - '0') << 6) | ((bytes[i + 2] - '0') << 3) | (bytes[i + 3] - '0')));
            i += 3;
        } else {
            out.append(bytes[i]);
        }
    }
    return QFile::decodeName(out);
}

bool isUnder(const QString& path, const QString& folder)
{
    return path.startsWith(folder + u'/') && path.size() > folder.size() + 1;
}

bool hasHiddenPart(const QString& path)
{
    return path.contains(QStringLiteral("/."));
}

// Where a person's own volumes are mounted: home, and removable media as the
// desktop (/media, /run/media) or the administrator (/mnt) mounts them.
bool isPersonalPlace(const QString& mountPoint)
{
    return mountPoint == QStringLiteral("/home") || isUnder(mountPoint, QStringLiteral("/home")) ||
           isUnder(mountPoint, QStringLiteral("/media")) || isUnder(mountPoint, QStringLiteral("/run/media")) ||
           mountPoint == QStringLiteral("/mnt") || isUnder(mountPoint, QStringLiteral("/mnt"));
}

QString labelFor(const QString& mountPoint, const QString& type, const QString& source)
{
    if (mountPoint == QStringLiteral("/home"))
        return texts::homeVolume;
    if (isNetworkFileSystem(type) && !source.isEmpty())
        return source;
    return mountPoint.section(u'/', -1);
}

// The fields of one mount that this file uses.
struct MountLine {
    QString mountPoint;
    QString type;
    QString source;
};

QList<MountLine> mountLinesOf(const QString& mountInfo)
{
    QList<MountLine> mounts;
    for (const QString& line : mountInfo.split(u'\n', Qt::SkipEmptyParts)) {
        // id parent major:minor root mount-point options [optional...] - type source super-options
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        const qsizetype separator = fields.indexOf(QStringLiteral("-"), 6);
        if (fields.size() < 6 || separator < 0 || separator + 1 >= fields.size())
            continue;
        mounts.append({unescape(fields[4]), fields[separator + 1],
                       separator + 2 < fields.size() ? unescape(fields[separator + 2]) : QString()});
    }
    return mounts;
}

}  // namespace

QList<MountedVolume> volumesFromMountInfo(const QString& mountInfo)
{
    // Later lines mount over earlier ones at the same point; the last one shows.
    QList<MountedVolume> found;
    for (const MountLine& mount : mountLinesOf(mountInfo)) {
        const QString& mountPoint = mount.mountPoint;
        if (mountPoint == RootPath || !mountPoint.startsWith(u'/') || hasHiddenPart(mountPoint) ||
            isPseudoFileSystem(mount.type))
            continue;
        if (!isPersonalPlace(mountPoint) && !isNetworkFileSystem(mount.type))
            continue;
        found.removeIf([&](const MountedVolume& volume) { return volume.rootPath == mountPoint; });
        found.append({labelFor(mountPoint, mount.type, mount.source), mountPoint});
    }
    std::sort(found.begin(), found.end(),
              [](const MountedVolume& a, const MountedVolume& b) { return a.rootPath < b.rootPath; });
    found.prepend({texts::rootVolume, RootPath});
    return found;
}

namespace {

QString readMountInfo()
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(table.readAll());
}

// The whole table again from its open descriptor; none when it cannot be read.
std::optional<QByteArray> readAgain(int descriptor)
{
    if (::lseek(descriptor, 0, SEEK_SET) != 0)
        return std::nullopt;
    QByteArray table;
    std::array<char, 16384> block{};
    for (;;) {
        const ssize_t got = ::read(descriptor, block.data(), block.size());
        if (got == 0)
            return table;
        if (got > 0)
            table.append(block.data(), got);
        else if (errno != EINTR)
            return std::nullopt;
    }
}

}  // namespace

QList<MountedVolume> mountedVolumes()
{
    return volumesFromMountInfo(readMountInfo());
}

QList<MountEntry> mountEntriesFromMountInfo(const QString& mountInfo)
{
    QList<MountEntry> entries;
    for (const MountLine& mount : mountLinesOf(mountInfo))
        entries.append({mount.mountPoint, mount.type});
    return entries;
}

ProcMountTable::ProcMountTable() : descriptor_(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC)) {}

ProcMountTable::~ProcMountTable()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

QList<MountEntry> ProcMountTable::entries() const
{
    if (descriptor_ < 0)
        return mountEntriesFromMountInfo(readMountInfo());
    // The kernel marks the open table with POLLPRI once after each change.
    pollfd changed{descriptor_, POLLPRI, 0};
    if (::poll(&changed, 1, 0) > 0 && (changed.revents & (POLLPRI | POLLERR)) != 0)
        current_ = false;
    if (!current_) {
        const std::optional<QByteArray> table = readAgain(descriptor_);
        if (!table)
            return mountEntriesFromMountInfo(readMountInfo());
        entries_ = mountEntriesFromMountInfo(QString::fromUtf8(*table));
        current_ = true;
    }
    return entries_;
}

QString ProcMountTable::resolvedPath(const QString& path) const
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

}  // namespace kestrune
