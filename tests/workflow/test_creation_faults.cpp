// The disk fills up while folders are made: the press stops at the folder
// that failed with a clear error, keeps what was made, gives the pointer back
// and leaves the list ready for another try.

#include "raised_error.h"
#include "small_file_system.h"
#include "tree_snapshot.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <optional>

using namespace kestrune;
using namespace kestrune::test;

namespace {

std::optional<RuntimeError> press(WorkflowFixture& f)
{
    return raisedError([&] { f.workflow.createFolders(); });
}

}  // namespace

class CreationFaultsTest : public QObject {
    Q_OBJECT

private slots:
    // Inodes run out: with room for the list only, the parent itself fails;
    // with some more, part of the sub-folders are made first.
    void aFullFileSystemStopsAtTheFolderThatFailed_data()
    {
        QTest::addColumn<int>("inodes");
        QTest::newRow("full before the parent") << 2;  // the root and the list file
        QTest::newRow("full among the sub-folders") << 40;
    }
    void aFullFileSystemStopsAtTheFolderThatFailed()
    {
        QFETCH(int, inodes);
        QTemporaryDir outer;
        QVERIFY(outer.isValid());
        const QString base = outer.path() + QStringLiteral("/volume");
        QVERIFY(QDir().mkdir(base));
        const QByteArray options = "size=1m,nr_inodes=" + QByteArray::number(inodes);
        const SmallFileSystem volume(base, options.constData());
        if (!volume.mounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (%1); the fault injection of the "
                                            "creation tests covers a failing MkDir")
                                 .arg(volume.error)));

        WorkflowFixture f;
        f.load(writeFile(base, QStringLiteral("names.txt"), numberedLines(100)), base + u'/');
        QCOMPARE(f.state().listState, ListState::Ready);
        const QStringList listed = f.namesList.items;
        f.parentNameEdit.contents = QStringLiteral("親");
        const TreeSnapshot before = snapshotTree(outer.path());

        const std::optional<RuntimeError> error = press(f);

        QVERIFY(error);
        QCOMPARE(error->number(), int(DiskFull));
        const QString failed = f.folders.made.last();
        QVERIFY2(error->description().startsWith(failed + QStringLiteral(": ")) &&
                     error->description().endsWith(QString::fromLocal8Bit(std::strerror(ENOSPC))),
                 qPrintable(error->description()));
        QCOMPARE(f.desktop.pointer, int(NormalPointer));
        QCOMPARE(f.desktop.pointerHistory, (QList<int>{BusyPointer, NormalPointer}));
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.namesList.items, listed);
        QCOMPARE(f.parentNameEdit.contents, QStringLiteral("親"));
        QVERIFY(f.desktop.boxes.isEmpty());  // the window reports the error, not the handler

        // Every folder asked for before the failing one is there, and nothing else
        // is new: the parent and the sub-folders made so far, in list order.
        const TreeChanges changes = compareTrees(before, snapshotTree(outer.path()));
        QVERIFY2(changes.removed.isEmpty() && changes.changed.isEmpty(), qPrintable(changes.describe()));
        QStringList expected;
        for (qsizetype k = 0; k + 1 < f.folders.made.size(); ++k)
            expected.append(QDir(outer.path()).relativeFilePath(f.folders.made.at(k)));
        QStringList added;
        for (const QByteArray& path : changes.added)
            added.append(QFile::decodeName(path));
        added.sort();
        expected.sort();
        QCOMPARE(added, expected);
        if (inodes == 2)
            QCOMPARE(f.folders.made, QStringList{base + QStringLiteral("/親")});
        else
            QVERIFY(f.folders.made.size() > 2);
    }
};

QTEST_GUILESS_MAIN(CreationFaultsTest)
#include "test_creation_faults.moc"
