#include "mounted_volumes.h"
#include "small_file_system.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace kestrune;

namespace {

// From a desktop with a USB stick, a network share and the usual system mounts.
const QString sampleMountInfo =
    QStringLiteral("22 28 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw\n"
                   "23 28 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:13 - proc proc rw\n"
                   "24 28 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,size=8000000k\n"
                   "26 28 0:24 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,size=1600000k\n"
                   "28 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
                   "29 22 0:6 / /sys/kernel/security rw shared:8 - securityfs securityfs rw\n"
                   "30 24 0:25 / /dev/shm rw,nosuid,nodev shared:4 - tmpfs tmpfs rw\n"
                   "33 22 0:28 / /sys/fs/cgroup rw shared:9 - cgroup2 cgroup2 rw\n"
                   "40 28 7:1 / /snap/core22/1033 ro,nodev,relatime shared:20 - squashfs /dev/loop1 ro\n"
                   "45 28 8:1 / /boot/efi rw,relatime shared:30 - vfat /dev/sda1 rw\n"
                   "46 28 8:3 / /home rw,relatime shared:31 - ext4 /dev/sda3 rw\n"
                   "60 26 0:50 / /run/user/1000 rw shared:40 - tmpfs tmpfs rw\n"
                   "61 60 0:51 / /run/user/1000/gvfs rw shared:41 - fuse.gvfsd-fuse gvfsd-fuse rw\n"
                   "70 26 8:17 / /media/taro/USB\\040STICK rw,nosuid,nodev shared:50 - vfat /dev/sdb1 rw\n"
                   "71 26 8:33 / /run/media/hanako/DATA rw shared:51 - exfat /dev/sdc1 rw\n"
                   "72 28 0:60 / /srv/share rw,relatime shared:52 - cifs //fileserver/共有 rw\n"
                   "73 28 0:61 / /mnt/backup rw shared:53 master:1 - nfs4 nas:/export/backup rw\n"
                   "74 28 0:62 / /mnt/backup rw shared:54 - ext4 /dev/sdd1 rw\n"
                   "75 28 0:63 / /mnt/.cache rw shared:55 - ext4 /dev/sde1 rw\n");

}  // namespace

class MountedVolumesTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheVolumesAPersonPicksAreOffered()
    {
        const QList<MountedVolume> expected{
            {QStringLiteral("ルート"), QStringLiteral("/")},
            {QStringLiteral("ホーム"), QStringLiteral("/home")},
            {QStringLiteral("USB STICK"), QStringLiteral("/media/taro/USB STICK")},
            {QStringLiteral("backup"), QStringLiteral("/mnt/backup")},  // the later mount shows
            {QStringLiteral("DATA"), QStringLiteral("/run/media/hanako/DATA")},
            {QStringLiteral("//fileserver/共有"), QStringLiteral("/srv/share")},
        };
        QCOMPARE(volumesFromMountInfo(sampleMountInfo), expected);
    }

    // The preview's mount table keeps every mount, system ones too, in order.
    void theMountTableKeepsEveryMountWithItsType()
    {
        const QList<MountEntry> entries = mountEntriesFromMountInfo(sampleMountInfo);
        QCOMPARE(entries.size(), 19);
        QCOMPARE(entries.at(13).mountPoint, QStringLiteral("/media/taro/USB STICK"));
        QCOMPARE(entries.at(13).type, QStringLiteral("vfat"));
        QCOMPARE(entries.at(15).type, QStringLiteral("cifs"));
    }

    // The table is kept between looks: a volume mounted or unmounted since
    // the last look must still show at once.
    void theMountTableFollowsMountsMadeAfterItsFirstLook()
    {
        const ProcMountTable table;
        QTemporaryDir dir;
        const QString point = QFileInfo(dir.path()).canonicalFilePath();
        const auto typeAt = [&] {
            const QList<MountEntry> entries = table.entries();
            const auto found = std::find_if(entries.crbegin(), entries.crend(),
                                            [&](const MountEntry& entry) { return entry.mountPoint == point; });
            return found == entries.crend() ? QString() : found->type;
        };
        QCOMPARE(typeAt(), QString());
        {
            const test::SmallFileSystem mounted(point, "size=64k");
            if (!mounted.mounted())
                QSKIP(qPrintable(QStringLiteral("cannot mount: ") + mounted.error));
            QCOMPARE(typeAt(), QStringLiteral("tmpfs"));
            QCOMPARE(typeAt(), QStringLiteral("tmpfs"));
        }
        QCOMPARE(typeAt(), QString());
    }

    void theRootIsOfferedEvenWithoutAMountTable()
    {
        const QList<MountedVolume> volumes = volumesFromMountInfo(QStringLiteral("garbage\n\n1 2 3\n"));
        QCOMPARE(volumes.size(), 1);
        QCOMPARE(volumes.first().rootPath, QStringLiteral("/"));
    }

    void aFolderBelongsToTheClosestVolume_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("root");
        QTest::newRow("home folder") << QStringLiteral("/home/taro/docs") << QStringLiteral("/home");
        QTest::newRow("the mount point itself") << QStringLiteral("/home") << QStringLiteral("/home");
        QTest::newRow("a name that only starts alike") << QStringLiteral("/homework") << QStringLiteral("/");
        QTest::newRow("inside a stick") << QStringLiteral("/media/taro/USB STICK/lists")
                                        << QStringLiteral("/media/taro/USB STICK");
        QTest::newRow("elsewhere") << QStringLiteral("/var/tmp") << QStringLiteral("/");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/");
    }
    void aFolderBelongsToTheClosestVolume()
    {
        QFETCH(QString, path);
        QFETCH(QString, root);
        const QList<MountedVolume> volumes = volumesFromMountInfo(sampleMountInfo);
        QCOMPARE(volumes.at(volumeHolding(volumes, path)).rootPath, root);
    }

    // On this machine's own table, each volume Qt finds lies where Qt says,
    // with the same file system, but for a point mounted twice: there Qt
    // names the hidden mount.
    void theKernelsTableIsReadAsQtReadsIt()
    {
        const ProcMountTable table;
        const QList<MountEntry> entries = table.entries();
        int compared = 0;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            const QString root = volume.rootPath();
            const auto mountedThere = [&](const MountEntry& entry) { return entry.mountPoint == root; };
            if (std::count_if(entries.cbegin(), entries.cend(), mountedThere) > 1)
                continue;
            const MountPlace place = mountPlaceOf(root, table);
            QCOMPARE(place.mount.mountPoint, root);
            QCOMPARE(place.mount.type, QString::fromUtf8(volume.fileSystemType()));
            ++compared;
        }
        QVERIFY(compared > 0);
    }
};

QTEST_GUILESS_MAIN(MountedVolumesTest)
#include "test_mounted_volumes.moc"
