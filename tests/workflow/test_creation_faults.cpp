// The disk fills up while folders are made: the press stops at the folder
// that failed with a clear error, keeps what was made, gives the pointer back
// and leaves the list ready for another try. Another program swaps a level
// for a link while the press runs: nothing is made where the link leads, and
// the press says it failed.

#include "folder_paths.h"
#include "posix_folders.h"
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
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using namespace kestrune;
using namespace kestrune::test;

namespace {

std::optional<RuntimeError> press(WorkflowFixture& f)
{
    return raisedError([&] { f.workflow.createFolders(); });
}

// Once line 1 is made, swaps a level of the new tree and a link in one
// step, as another program could (renameat2 with RENAME_EXCHANGE).
class SwapAfterFirstLine final : public PressProgress {
public:
    SwapAfterFirstLine(const CreationRecord& record, QString level, QString link)
        : record_(record), level_(std::move(level)), link_(std::move(link))
    {
    }
    void folderDone(qsizetype entry) override
    {
        if (entry != 0)
            return;
        swappedPath = level_.isEmpty() ? record_.parentPath() : joinPath(record_.parentPath(), level_);
        swapped = ::renameat2(AT_FDCWD, QFile::encodeName(swappedPath).constData(), AT_FDCWD,
                              QFile::encodeName(link_).constData(), RENAME_EXCHANGE) == 0;
    }
    void folderFailed(qsizetype, const RuntimeError&) override {}

    QString swappedPath;
    bool swapped = false;

private:
    const CreationRecord& record_;
    QString level_;
    QString link_;
};

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

    // `level` (below the new parent "P"; empty for the parent itself) is
    // swapped for a link to the folder "outside" after line 1.
    void aLevelSwappedForALinkStopsThePress_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("made");  // recorded, below the base
        const QString a = QStringLiteral("a");
        QTest::newRow("the parent") << QString() << QStringList{"a", "b", "c/d"}
                                    << QStringList{"P", "P/a", "P/b", "P/c", "P/c/d"};
        QTest::newRow("a level the next line goes on in")
            << a << QStringList{"a/x", "a/y"} << QStringList{"P", "P/a", "P/a/x"};
        QTest::newRow("above a level the next line goes on in")
            << a << QStringList{"a/b/x", "a/b/y"} << QStringList{"P", "P/a", "P/a/b", "P/a/b/x"};
        QTest::newRow("a level a later line comes back to")
            << a << QStringList{"a/x", "b", "a/y"} << QStringList{"P", "P/a", "P/a/x", "P/b"};
    }
    void aLevelSwappedForALinkStopsThePress()
    {
        QFETCH(QString, level);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, made);
        QTemporaryDir dir;
        const QString base = dir.path();
        QVERIFY(QDir(base).mkdir(QStringLiteral("outside")));
        QVERIFY(::symlink("outside", QFile::encodeName(base + QStringLiteral("/link")).constData()) == 0);
        const QList<LinePreview> preview = previewLines(lines, PreviewTarget{base + u'/', QStringLiteral("P"), false});
        CreationRecord record;
        SwapAfterFirstLine swap(record, level, base + QStringLiteral("/link"));
        PosixFolders folders;

        const std::optional<RuntimeError> error = raisedError([&] {
            makeFolderTree(folders.openFolder(base), QStringLiteral("P"), ParentChoice::NewName, preview, record, &swap,
                           nullptr);
        });

        QVERIFY(swap.swapped);
        QCOMPARE(
            QDir(base + QStringLiteral("/outside")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            QStringList());
        QVERIFY(error);
        QCOMPARE(error->number(), int(PathNotFound));
        QVERIFY2(error->description().startsWith(swap.swappedPath + QStringLiteral(": ")),
                 qPrintable(error->description()));
        QStringList recorded;
        for (const MadeEntry& folder : record.made)
            recorded.append(folder.path);
        QCOMPARE(recorded, made);
    }
};

QTEST_GUILESS_MAIN(CreationFaultsTest)
#include "test_creation_faults.moc"
