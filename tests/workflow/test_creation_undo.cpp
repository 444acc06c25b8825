// Undo of a press on real folders: only what the press made goes, deepest
// first, empty-only, and only while it is still the folder made (a folder
// removed and made again under the same name is not); everything else stays
// with a reason, a failed removal or look is reported with its reason while
// the rest goes on, and what is still there to remove stays in the record
// for another try.

#include "creation_undo.h"
#include "fake_folders.h"
#include "raised_error.h"
#include "small_file_system.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace kestrune;
using namespace kestrune::test;
using namespace Qt::StringLiterals;

namespace {

// The press: `lines` made under a new parent "親" in `base`. A failure leaves
// the record as far as it got and is returned.
std::optional<RuntimeError> press(Folders& folders, const QString& base, const QStringList& lines,
                                  CreationRecord& record)
{
    const QList<LinePreview> preview = previewLines(lines, PreviewTarget{base + u'/', u"親"_s});
    return raisedError([&] {
        makeFolderTree(folders.openFolder(base), u"親"_s, ParentChoice::NewName, preview, record, nullptr, nullptr);
    });
}

// The folders a record still holds, relative to its base.
QStringList recorded(const CreationRecord& record)
{
    QStringList out;
    for (const MadeEntry& made : record.made)
        out.append(made.path);
    return out;
}

// What stays, relative to `base`: "path why", why one of holds, holdsKept,
// replaced, missing or failed<number>.
QStringList notRemoved(const UndoOutcome& outcome, const QString& base)
{
    static const char* const whys[] = {"holds", "holdsKept", "replaced", "missing"};
    QStringList out;
    for (const KeptFolder& kept : outcome.kept)
        out.append(QDir(base).relativeFilePath(kept.path) + u' ' + whys[int(kept.because)]);
    // An injected failure's reason is shown; a real one varies with the system.
    for (const UndoFailure& failure : outcome.failures)
        out.append(QDir(base).relativeFilePath(failure.path) + u" failed"_s + QString::number(failure.number) +
                   (failure.reason.startsWith(u"injected"_s) ? u' ' + failure.reason : QString()));
    return out;
}

// Removals asked for only of recorded folders, each once, deepest first.
void checkRemovalsFollowTheRecord(const QStringList& removed, const CreationRecord& record)
{
    qsizetype next = record.made.size() - 1;
    for (const QString& path : removed) {
        while (next >= 0 && record.pathOf(record.made.at(next)) != path)
            --next;
        QVERIFY2(next >= 0, qPrintable(u"removal not in the record's reverse order: "_s + path));
        --next;
    }
}

}  // namespace

class CreationUndoTest : public QObject {
    Q_OBJECT

private slots:
    // Changes after the press, relative to the base folder: "file p",
    // "mkdir p", "rmdir p", "move p q"; "fail member n" makes the n-th call
    // of that member of the open folders fail with 70. `remaining` is what
    // the record holds afterwards, for another undo.
    void undoRemovesOnlyTheUnchangedFoldersItMade_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("stays");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("remaining");
        QTest::newRow("all made, all removed") << QStringList{} << QStringList{"a", "b/c", "b/d"} << QStringList{}
                                               << QStringList{} << QStringList{} << QStringList{};
        QStringList levels;
        for (int level = 1; level <= 40; ++level)
            levels.append(QString::number(level));
        QTest::newRow("deeper than the levels held open")
            << QStringList{} << QStringList{levels.join(u'/'), levels.first(20).join(u'/') + "/x", "1/y"}
            << QStringList{} << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("a file inside keeps its ancestors")
            << QStringList{} << QStringList{"a", "b/c/d"} << QStringList{"file 親/b/c/d/memo.txt"}
            << QStringList{"親 holdsKept", "親/b holdsKept", "親/b/c holdsKept", "親/b/c/d holds"}
            << QStringList{"親/", "親/b/", "親/b/c/", "親/b/c/d/", "親/b/c/d/memo.txt"}
            << QStringList{"親", "親/b", "親/b/c", "親/b/c/d"};
        QTest::newRow("a folder someone made inside")
            << QStringList{} << QStringList{"a", "b"} << QStringList{"mkdir 親/a/x"}
            << QStringList{"親 holdsKept", "親/a holds"} << QStringList{"親/", "親/a/", "親/a/x/"}
            << QStringList{"親", "親/a"};
        QTest::newRow("replaced by one of the same name")
            << QStringList{} << QStringList{"a", "b"} << QStringList{"move 親/a 親/old", "mkdir 親/a"}
            << QStringList{"親 holds", "親/a replaced"} << QStringList{"親/", "親/a/", "親/old/"} << QStringList{"親"};
        // The same inode comes back at once on ext4, within the same tick
        // of the clock that stamps the birth time.
        QTest::newRow("removed and made again at once")
            << QStringList{} << QStringList{"a", "b"} << QStringList{"rmdir 親/a", "mkdir 親/a"}
            << QStringList{"親 holds", "親/a replaced"} << QStringList{"親/", "親/a/"} << QStringList{"親"};
        QTest::newRow("a link in its place")
            << QStringList{} << QStringList{"a", "b"} << QStringList{"move 親/a 親/old", "link old 親/a"}
            << QStringList{"親 holds", "親/a missing"} << QStringList{"親/", "親/a/", "親/old/"} << QStringList{"親"};
        QTest::newRow("moved away") << QStringList{} << QStringList{"a/b", "c"} << QStringList{"move 親/a/b moved"}
                                    << QStringList{"親/a/b missing"} << QStringList{"moved/"} << QStringList{};
        QTest::newRow("its folder moved away")
            << QStringList{} << QStringList{"a/b/c", "d"} << QStringList{"move 親/a moved"}
            << QStringList{"親/a missing", "親/a/b missing", "親/a/b/c missing"}
            << QStringList{"moved/", "moved/b/", "moved/b/c/"} << QStringList{};
        QTest::newRow("existing folders and repeats untouched")
            << QStringList{"親", "親/a"} << QStringList{"a", "a", "b/c", "b"} << QStringList{} << QStringList{}
            << QStringList{"親/", "親/a/"} << QStringList{};
        QTest::newRow("a failed removal, the rest goes on")
            << QStringList{} << QStringList{"a", "b", "c"} << QStringList{"fail removeEmptyFolder 2"}
            << QStringList{"親 holdsKept", "親/b failed70 injected failure of removeEmptyFolder"}
            << QStringList{"親/", "親/b/"} << QStringList{"親", "親/b"};
        // Not 「見つからないため」: the reason the look failed.
        QTest::newRow("a folder that cannot be looked at")
            << QStringList{} << QStringList{"a", "b", "c"} << QStringList{"fail entry 2"}
            << QStringList{"親 holdsKept", "親/b failed70 injected failure of entry"} << QStringList{"親/", "親/b/"}
            << QStringList{"親", "親/b"};
        QTest::newRow("a containing folder that cannot be opened")
            << QStringList{} << QStringList{"a/b", "a/c"} << QStringList{"fail openFolder 2"}
            << QStringList{"親 holdsKept", "親/a holdsKept", "親/a/c failed70 injected failure of openFolder"}
            << QStringList{"親/", "親/a/", "親/a/c/"} << QStringList{"親", "親/a", "親/a/c"};
    }
    void undoRemovesOnlyTheUnchangedFoldersItMade()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, stays);
        QFETCH(QStringList, after);
        QFETCH(QStringList, remaining);
        QTemporaryDir dir;
        const QString base = dir.path();
        for (const QString& folder : before)
            QVERIFY(QDir(base).mkdir(folder));
        FakeFolders folders;
        CreationRecord record;
        QVERIFY(!press(folders, base, lines, record));
        if (QTest::currentDataTag() == "removed and made again at once"_L1 && record.made.first().id.handle.isEmpty())
            QSKIP("this file system gives no handle: a folder made again at once looks the same");
        // The open folders the undo uses count their calls from here.
        FakeFolders undoCalls;
        const CreationRecord pressed = record;
        for (const QString& change : changes) {
            const QStringList word = change.split(u' ');
            if (word[0] == "file")
                writeFile(base, word[1], "memo");
            else if (word[0] == "mkdir")
                QVERIFY(QDir(base).mkdir(word[1]));
            else if (word[0] == "rmdir")
                QVERIFY(QDir(base).rmdir(word[1]));
            else if (word[0] == "link")
                QVERIFY(QFile::link(word[1], base + u'/' + word[2]));
            else if (word[0] == "fail")
                undoCalls.faults.failOn(word[1], word[2].toInt(), PermissionDenied);
            else
                QVERIFY(QDir(base).rename(word[1], word[2]));
        }
        const UndoOutcome outcome = undoCreation(record, undoCalls);

        QCOMPARE(notRemoved(outcome, base), stays);
        QCOMPARE(entriesBelow(base), after);
        QCOMPARE(outcome.removed + outcome.parentsRemoved, int(pressed.made.size() - stays.size()));
        QCOMPARE(outcome.parentsRemoved == 1, !stays.join(u' ').contains(u"親 "_s) && !pressed.isEmpty());
        checkRemovalsFollowTheRecord(undoCalls.removed, pressed);
        QCOMPARE(recorded(record), remaining);
    }

    // On a real volume: a press stopped by a full disk is undone completely;
    // on one gone read-only every removal fails with its path and reason,
    // and every one is still tried.
    void undoOnASmallVolume_data()
    {
        QTest::addColumn<int>("inodes");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("full half-way") << 20 << false;
        QTest::newRow("read-only at undo") << 1000 << true;
    }
    void undoOnASmallVolume()
    {
        QFETCH(int, inodes);
        QFETCH(bool, readOnly);
        QTemporaryDir outer;
        const QString base = outer.path() + u"/volume"_s;
        QVERIFY(QDir().mkdir(base));
        const QByteArray options = "size=1m,nr_inodes=" + QByteArray::number(inodes);
        SmallFileSystem volume(base, options.constData());
        if (!volume.mounted())
            QSKIP(qPrintable(u"cannot mount a small tmpfs here: "_s + volume.error));
        QStringList lines;
        for (int n = 1; n <= 30; ++n)
            lines.append(u"名前%1"_s.arg(n));
        FakeFolders folders;
        CreationRecord record;
        const std::optional<RuntimeError> error = press(folders, base, lines, record);
        QCOMPARE(error.has_value(), !readOnly);
        QVERIFY(record.made.size() > 2);
        if (readOnly)
            QVERIFY(volume.makeReadOnly());

        const qsizetype made = record.made.size();
        const UndoOutcome outcome = undoCreation(record, folders);

        QCOMPARE(folders.removed.size(), made - (readOnly ? 1 : 0));  // not the parent: it holds them
        if (!readOnly) {
            QVERIFY(outcome.removedAll());
            QCOMPARE(outcome.removed, int(made - 1));
            QCOMPARE(outcome.parentsRemoved, 1);
            QCOMPARE(entriesBelow(base), QStringList{});
            QVERIFY(record.isEmpty());
            return;
        }
        QCOMPARE(outcome.removed, 0);
        QCOMPARE(outcome.failures.size(), made - 1);
        QCOMPARE(record.made.size(), made);  // all still there, for another try
        for (const UndoFailure& failure : outcome.failures) {
            QCOMPARE(failure.number, int(PermissionDenied));
            QCOMPARE(failure.reason, QString::fromLocal8Bit(std::strerror(EROFS)));
        }
        QCOMPARE(outcome.kept.size(), 1);
        QCOMPARE(outcome.kept[0].because, KeptBecause::HoldsKeptFolder);
    }

    // The question and the report count the same folders, the sub-folders,
    // and name the parent apart: removed too, or not.
    void questionAndReportTexts_data()
    {
        QTest::addColumn<bool>("parent");  // in the record, and removed
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("failures");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("report");
        const QString ask = u"作成したフォルダー 3 個を削除しますか？\n親ディレクトリ"_s;
        const QString removed = u"作成したフォルダー 3 個を削除しました。"_s;
        QString keptLines;
        for (int n = 1; n <= 10; ++n)
            keptLines += u"\n/t/親/%1（中身があるため）"_s.arg(n);
        QTest::newRow("all removed") << true << 0 << 0 << ask + u"（これも削除します）: /t/親#"_s
                                     << u"作成したフォルダー 3 個と親ディレクトリを削除しました。"_s;
        QTest::newRow("1 kept") << false << 1 << 0 << ask + u"（削除しません）: /t/親#"_s
                                << removed + u"\n\n削除しなかったフォルダー（1 個）:\n/t/親/1（中身があるため）"_s;
        QTest::newRow("12 kept and a failure")
            << false << 12 << 1 << ask + u"（削除しません）: /t/親#"_s
            << removed + u"\n\n削除しなかったフォルダー（12 個）:"_s + keptLines + u"\nほか2件"_s +
                   u"\n\n削除できなかったフォルダー（1 個）:\n/t/親/%1: Permission denied（エラー 70）"_s;
    }
    void questionAndReportTexts()
    {
        QFETCH(bool, parent);
        QFETCH(int, kept);
        QFETCH(int, failures);
        QFETCH(QString, question);
        QFETCH(QString, report);
        UndoOutcome outcome;
        outcome.removed = 3;
        outcome.parentsRemoved = parent ? 1 : 0;
        for (int n = 1; n <= kept; ++n)
            outcome.kept.append({u"/t/親/%1"_s.arg(n), KeptBecause::HoldsEntries, u"中身があるため"_s});
        for (int n = 1; n <= failures; ++n)  // a "%1" in a name stays as it is
            outcome.failures.append({u"/t/親/%1"_s, int(PermissionDenied), u"Permission denied"_s});
        QCOMPARE(undoReport(outcome), report);

        CreationRecord record;
        QCOMPARE(undoQuestion(record), QString());
        record.basePath = u"/t"_s;
        record.parents.append({u"親#"_s, parent});
        if (parent)
            record.made.append({u"親#"_s, FolderId{}, EntryKind::Folder, {}});
        for (int n = 1; n <= 3; ++n)
            record.made.append({u"親#/%1"_s.arg(n), FolderId{}, EntryKind::Folder, {}});
        QCOMPARE(undoQuestion(record), question);
    }
};

QTEST_GUILESS_MAIN(CreationUndoTest)
#include "test_creation_undo.moc"
