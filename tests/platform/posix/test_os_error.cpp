#include "os_error.h"

#include <QTest>

#include <cerrno>

using namespace kestrune;

class OsErrorTest : public QObject {
    Q_OBJECT

private slots:
    void osErrorsMapOntoHostNumbers_data()
    {
        QTest::addColumn<int>("osError");
        QTest::addColumn<int>("number");
        QTest::newRow("missing") << ENOENT << int(FileNotFound);
        QTest::newRow("not a folder on the way") << ENOTDIR << int(PathNotFound);
        QTest::newRow("denied") << EACCES << int(PermissionDenied);
        QTest::newRow("read-only volume") << EROFS << int(PermissionDenied);
        QTest::newRow("exists") << EEXIST << int(FileAlreadyExists);
        QTest::newRow("disk full") << ENOSPC << int(DiskFull);
        QTest::newRow("quota") << EDQUOT << int(DiskFull);
        QTest::newRow("name too long") << ENAMETOOLONG << int(PathFileAccessError);
        QTest::newRow("no medium") << ENOMEDIUM << int(DeviceUnavailable);
        QTest::newRow("no device") << ENODEV << int(DeviceUnavailable);
        QTest::newRow("no such device or address") << ENXIO << int(DeviceUnavailable);
        QTest::newRow("I/O error") << EIO << int(DiskNotReady);
        QTest::newRow("share gone") << ENOTCONN << int(DiskNotReady);
        QTest::newRow("stale handle") << ESTALE << int(DiskNotReady);
        QTest::newRow("host down") << EHOSTDOWN << int(DiskNotReady);
        QTest::newRow("anything else") << EPIPE << int(DeviceIOError);
    }
    void osErrorsMapOntoHostNumbers()
    {
        QFETCH(int, osError);
        QFETCH(int, number);
        QCOMPARE(errorFromErrno(osError, QStringLiteral("/x")).number(), number);
    }

    void descriptionNamesThePathAndTheReason()
    {
        const RuntimeError error = errorFromErrno(ENOENT, QStringLiteral("/tmp/名前.txt"));
        QVERIFY(error.description().contains(QStringLiteral("/tmp/名前.txt")));
        QVERIFY(error.description().size() > QStringLiteral("/tmp/名前.txt").size() + 2);
        QVERIFY(QString::fromUtf8(error.what()).startsWith(QStringLiteral("53: ")));
    }
};

QTEST_GUILESS_MAIN(OsErrorTest)
#include "test_os_error.moc"
