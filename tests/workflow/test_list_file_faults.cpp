// A list file that cannot be read, or that is not what a list should be, is
// reported with the program's one message, leaves nothing ready, makes
// nothing and changes nothing on disk.

#include "tree_snapshot.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kestrune;
using namespace kestrune::test;

namespace {

const QString listName = QStringLiteral("names.txt");

// Kills the test run (SIGALRM) if a step hangs, so that a hang shows as a
// failure at once instead of at the suite's time-out.
class HangGuard {
public:
    explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

// The window after a good list of three names was read from `dir` and the
// folder list still shows `dir`, with `listName` chosen in the file list.
void earlierListLoaded(WorkflowFixture& f, const QString& dir)
{
    QString earlier = dir + QStringLiteral("/earlier.txt");
    if (!QFile::exists(earlier))
        earlier = writeFile(dir, QStringLiteral("earlier.txt"), "a\r\nb\r\nc\r\n");
    f.load(earlier, dir + u'/');
    QCOMPARE(f.state().listState, ListState::Ready);
    f.folderList.openPath = dir;
    f.fileList.shownFolder = dir;
    f.parentNameEdit.contents = QStringLiteral("parent");
}

// Peak memory of this process since the last reset, in kB; the reset makes the
// peak the current size. Returns -1 where the kernel cannot reset it.
long resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        return -1;
    return 0;
}

long statusField(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(static_cast<qsizetype>(std::strlen(name))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

}  // namespace

class ListFileFaultsTest : public QObject {
    Q_OBJECT

    // A load that failed: the user heard and saw one error report, nothing
    // is ready, and a press of the create button only beeps.
    static void checkRefusedLoad(WorkflowFixture& f)
    {
        QCOMPARE(f.desktop.prompts(), QStringList{texts::errorOccurred});
        QCOMPARE(f.desktop.beeps, 1);
        QCOMPARE(f.state().listState, ListState::NotReady);
        QVERIFY(f.namesList.items.isEmpty());
        QCOMPARE(f.parentNameEdit.contents, QStringLiteral("parent"));
        QCOMPARE(f.desktop.pointer, int(NormalPointer));

        f.workflow.createFolders();
        QCOMPARE(f.desktop.beeps, 2);
        QCOMPARE(f.desktop.boxes.size(), 1);
        QVERIFY(f.folders.made.isEmpty());
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    // One report, whatever is in the list's place. A FIFO must fail at once,
    // not wait for a writer that never comes.
    void aListThatCannotBeOpenedIsReportedOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("removed after it was listed") << QStringLiteral("removed");
        QTest::newRow("a folder with the list's name") << QStringLiteral("folder");
        QTest::newRow("a FIFO with the list's name") << QStringLiteral("fifo");
        QTest::newRow("a dangling link") << QStringLiteral("dangling link");
    }
    void aListThatCannotBeOpenedIsReportedOnce()
    {
        QFETCH(QString, kind);
        WorkflowFixture f;
        earlierListLoaded(f, dir());
        const QString path = dir() + u'/' + listName;
        const QByteArray native = QFile::encodeName(path);
        if (kind == u"removed") {
            writeFile(dir(), listName, "x\r\n");
            QVERIFY(QFile::remove(path));
        } else if (kind == u"folder") {
            QVERIFY(::mkdir(native.constData(), 0755) == 0);
        } else if (kind == u"fifo") {
            QVERIFY(::mkfifo(native.constData(), 0644) == 0);
        } else {
            QVERIFY(::symlink("no-such-target.txt", native.constData()) == 0);
        }
        const TreeSnapshot before = snapshotTree(dir());

        {
            const HangGuard guard(10);
            f.workflow.onListFileClicked(listName);
        }

        checkRefusedLoad(f);
        const TreeChanges changes = compareTrees(before, snapshotTree(dir()));
        QVERIFY2(changes.isEmpty(), qPrintable(changes.describe()));
    }

    // A file the user may not read. As root the check runs in a child that
    // has given up root for the user "nobody".
    void anUnreadableListIsReportedOnce()
    {
        writeFile(dir(), QStringLiteral("earlier.txt"), "a\r\nb\r\nc\r\n");
        const QString path = writeFile(dir(), listName, "x\r\ny\r\n");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir()).constData(), 0755) == 0);
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() == 0 && nobody == nullptr)
            QSKIP("running as root and there is no user \"nobody\" to drop to");
        const TreeSnapshot before = snapshotTree(dir());

        int pipeEnds[2];
        QVERIFY(::pipe(pipeEnds) == 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(pipeEnds[0]);
            QByteArray report;
            if (::geteuid() == 0) {
                const gid_t group = nobody->pw_gid;
                if (::setgroups(0, nullptr) != 0 || ::setresgid(group, group, group) != 0 ||
                    ::setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) != 0)
                    report = "cannot drop privileges: " + QByteArray(std::strerror(errno));
            }
            if (report.isEmpty() && ::access(QFile::encodeName(path).constData(), R_OK) == 0)
                report = "the file is still readable (a capability overrides its mode)";
            if (report.isEmpty()) {
                WorkflowFixture f;
                earlierListLoaded(f, dir());
                f.workflow.onListFileClicked(listName);
                report = "ok";
                const auto fact = [&](bool holds, const char* what) {
                    if (!holds && report == "ok")
                        report = what;
                };
                fact(f.desktop.prompts() == QStringList{texts::errorOccurred}, "one error message");
                fact(f.desktop.beeps == 1, "one beep");
                fact(f.state().listState == ListState::NotReady, "not ready");
                fact(f.namesList.items.isEmpty(), "namesList empty");
            }
            (void)!::write(pipeEnds[1], report.constData(), static_cast<size_t>(report.size()));
            ::_exit(0);  // no cleanup of the parent's objects in the child
        }
        ::close(pipeEnds[1]);
        QByteArray report;
        char chunk[256];
        for (ssize_t got; (got = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
            report.append(chunk, got);
        ::close(pipeEnds[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        if (report.startsWith("cannot drop") || report.startsWith("the file is still"))
            QSKIP(report.constData());
        QCOMPARE(report, QByteArray("ok"));
        const TreeChanges changes = compareTrees(before, snapshotTree(dir()));
        QVERIFY2(changes.isEmpty(), qPrintable(changes.describe()));
    }

    // A removable volume pulled between the listing and the read: the OS
    // errors of a vanished or unanswering device cannot be made here, so the
    // file input fails as it would.
    void aVolumeGoneWhileReadingIsReported_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("gone") << int(DeviceUnavailable);
        QTest::newRow("not ready") << int(DiskNotReady);
    }
    void aVolumeGoneWhileReadingIsReported()
    {
        QFETCH(int, number);
        WorkflowFixture f;
        earlierListLoaded(f, dir());
        writeFile(dir(), listName, "x\r\ny\r\nz\r\n");
        const TreeSnapshot before = snapshotTree(dir());
        f.lists.faults.failOn(QStringLiteral("readLines"), 2, number);  // the second read: after the earlier list

        f.workflow.onListFileClicked(listName);

        checkRefusedLoad(f);
        QVERIFY(compareTrees(before, snapshotTree(dir())).isEmpty());
    }

    // The drive list loses its volume after a list was read: the user is
    // asked for the disk, and the names read before can no longer be made.
    void aVolumeGoneAtTheDriveChangeLeavesNothingToMake_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("unavailable") << int(DeviceUnavailable);
        QTest::newRow("not ready") << int(DiskNotReady);
    }
    void aVolumeGoneAtTheDriveChangeLeavesNothingToMake()
    {
        QFETCH(int, number);
        WorkflowFixture f;
        earlierListLoaded(f, dir());
        f.driveList.drive = QStringLiteral("/media/gone");
        f.folderList.faults.failOn(QStringLiteral("setPath"), 1, number);
        const TreeSnapshot before = snapshotTree(dir());

        f.workflow.onDriveChanged();
        f.workflow.createFolders();

        QCOMPARE(f.desktop.prompts(), QStringList{texts::insertDisk});
        QCOMPARE(f.desktop.beeps, 1);  // the refused press
        QCOMPARE(f.state().listState, ListState::NotReady);
        QVERIFY(f.namesList.items.isEmpty());
        QCOMPARE(f.folderList.openPath, dir());
        QVERIFY(f.folders.made.isEmpty());
        QVERIFY(compareTrees(before, snapshotTree(dir())).isEmpty());
    }

    // Bytes that are no text at all still read as lines, but names holding
    // NUL or other control characters are refused before anything is made.
    void aBinaryFileMakesNothing()
    {
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(static_cast<char>((i * 37 + 11) & 0xFF));
        WorkflowFixture f;
        earlierListLoaded(f, dir());
        writeFile(dir(), listName, bytes);
        const TreeSnapshot before = snapshotTree(dir());

        f.workflow.onListFileClicked(listName);
        QCOMPARE(f.state().listState, ListState::Ready);
        QVERIFY(f.desktop.boxes.isEmpty());
        const QStringList listed = f.namesList.items;
        QCOMPARE(listed, f.state().lines);

        f.workflow.createFolders();

        QCOMPARE(f.desktop.prompts().size(), 1);
        QVERIFY2(f.desktop.prompts().first().startsWith(texts::badFolderNames + u'\n'),
                 qPrintable(f.desktop.prompts().first()));
        QCOMPARE(f.desktop.beeps, 1);
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.namesList.items, listed);
        QCOMPARE(f.desktop.pointer, int(NormalPointer));
        QVERIFY(f.folders.made.isEmpty());
        QVERIFY(compareTrees(before, snapshotTree(dir())).isEmpty());
    }

    // Japanese Windows text whose first line ends in half a character: the
    // stray byte must neither vanish (a folder with another name) nor join the
    // next line. It shows as the substitute character and the list is refused.
    void aCharacterCutByALineEndIsRefusedNotChanged()
    {
        WorkflowFixture f;
        earlierListLoaded(f, dir());
        writeFile(dir(), listName, "\x83\x65\x83\x58\x83\r\n\x65\x61\x62\x63\r\n");  // テス + a lead byte; eabc
        const TreeSnapshot before = snapshotTree(dir());

        f.workflow.onListFileClicked(listName);
        QCOMPARE(f.namesList.items, (QStringList{QStringLiteral("テス\x1a"), QStringLiteral("eabc")}));
        f.workflow.createFolders();

        QCOMPARE(f.desktop.prompts(),
                 QStringList{texts::badFolderNames +
                             QStringLiteral("\n1行目: テス␚（%1）").arg(texts::reasonControlCharacter)});
        QCOMPARE(f.state().listState, ListState::Ready);
        QVERIFY(f.folders.made.isEmpty());
        QVERIFY(compareTrees(before, snapshotTree(dir())).isEmpty());
    }

    // No folder name is that long: the line is refused once it passes the
    // longest name, without holding the whole line in memory.
    void aTenMegabyteLineIsRefusedInBoundedMemory()
    {
        {
            QFile file(dir() + u'/' + listName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray block(64 * 1024, 'x');
            for (int i = 0; i < 160; ++i)
                QCOMPARE(file.write(block), block.size());
            QVERIFY(file.write("\r\nnext\r\n") == 8);
        }
        WorkflowFixture f;
        earlierListLoaded(f, dir());
        const TreeSnapshot before = snapshotTree(dir());

        const bool measured = resetPeakMemory() == 0;
        const long start = statusField("VmRSS:");
        f.workflow.onListFileClicked(listName);
        const long peak = statusField("VmHWM:");

        QCOMPARE(f.desktop.prompts(), QStringList{texts::errorOccurred});
        QCOMPARE(f.desktop.beeps, 1);
        QCOMPARE(f.state().listState, ListState::NotReady);
        QVERIFY(f.namesList.items.isEmpty());
        QVERIFY(compareTrees(before, snapshotTree(dir())).isEmpty());
        if (!measured || start < 0 || peak < 0)
            QSKIP("this kernel cannot reset the peak memory of a process; the refusal itself passed");
        // Holding the line would take 10 MB as bytes and 20 MB as text.
        qInfo("peak memory grew by %ld kB while reading the 10 MB line", peak - start);

        // The measure itself must see a line held whole: 16 MB touched shows.
        QVERIFY(resetPeakMemory() == 0);
        const long calibrationStart = statusField("VmRSS:");
        {
            const QByteArray held(16 * 1024 * 1024, 'x');
            QVERIFY(held.count('x') == held.size());
        }
        QVERIFY(statusField("VmHWM:") - calibrationStart >= 15 * 1024);
        QVERIFY2(peak - start < 4 * 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(peak - start)));
    }

private:
    QString dir() const { return dir_->path(); }

    std::unique_ptr<QTemporaryDir> dir_;  // a fresh one for every test and row
};

QTEST_GUILESS_MAIN(ListFileFaultsTest)
#include "test_list_file_faults.moc"
