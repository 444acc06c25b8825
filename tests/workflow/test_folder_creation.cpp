#include "immutable_folder.h"
#include "raised_error.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace kestrune;
using namespace kestrune::test;
using namespace Qt::StringLiterals;

namespace {

// A list as the read leaves it, without going through a file.
void ready(WorkflowFixture& f, const QString& base, const QStringList& names, const QString& text)
{
    f.state().lines = names;
    f.state().baseFolder = base + u'/';
    f.state().listState = ListState::Ready;
    f.parentNameEdit.contents = text;
    f.workflow.onParentNameEdited();  // the rows, as the load shows them
}

std::optional<RuntimeError> press(WorkflowFixture& f)
{
    return raisedError([&] { f.workflow.createFolders(); });
}

}  // namespace

class FolderCreationTest : public QObject {
    Q_OBJECT

    // A failed press keeps what was made, leaves the list ready and the pointer back.
    static void checkFailure(WorkflowFixture& f, const std::optional<RuntimeError>& error, int number,
                             const QString& path, const QString& text)
    {
        QVERIFY(error);
        QCOMPARE(error->number(), number);
        QVERIFY2(error->description().startsWith(path + ": "), qPrintable(error->description()));
        QCOMPARE(f.desktop.pointerHistory, (QList<int>{BusyPointer, NormalPointer}));
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.parentNameEdit.contents, text);
        QCOMPARE(f.namesList.items, f.state().lines);
    }

private slots:
    void parentTakesTheFirstFreeName_data()
    {
        QTest::addColumn<QStringList>("existing");  // made in this order; "file:" makes a plain file
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parent");
        const QString preset = texts::defaultParentName;
        QTest::newRow("empty box") << QStringList{} << "" << preset;
        QTest::newRow("trimmed") << QStringList{} << u"  Data  "_s << u"Data"_s;
        QTest::newRow("spaces only") << QStringList{} << "   " << preset;
        QTest::newRow("preset taken") << QStringList{preset} << "" << preset + "#";
        QTest::newRow("taken twice") << QStringList{"A", "A#"} << u"A"_s << u"A##"_s;
        QTest::newRow("A# before A") << QStringList{"A#", "A"} << u"A"_s << u"A##"_s;
        QTest::newRow("plain file") << QStringList{"file:A"} << u"A"_s << u"A#"_s;
        QTest::newRow("case differs") << QStringList{"a"} << u"A"_s << u"A"_s;
    }
    void parentTakesTheFirstFreeName()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, text);
        QFETCH(QString, parent);
        QTemporaryDir dir;
        for (const QString& entry : existing) {
            if (entry.startsWith("file:"))
                writeFile(dir.path(), entry.mid(5), "keep");
            else
                QVERIFY(QDir(dir.path()).mkdir(entry));
        }
        QStringList expected = entriesBelow(dir.path()) + QStringList{parent + "/", parent + "/x/"};
        expected.sort();
        WorkflowFixture f;
        ready(f, dir.path(), {"x"}, text);

        QVERIFY(!press(f));
        QCOMPARE(entriesBelow(dir.path()), expected);
        QCOMPARE(f.state().listState, ListState::NotReady);
        QCOMPARE(f.namesList.items, QStringList{texts::creationFinished});
        QCOMPARE(f.parentNameEdit.contents, QString());
        QCOMPARE(f.desktop.pointerHistory, (QList<int>{BusyPointer, NormalPointer}));

        f.parentNameEdit.contents = text;  // the list is used up: a second press only beeps
        QVERIFY(!press(f));
        QCOMPARE(f.desktop.beeps, 1);
        QCOMPARE(f.desktop.pointerHistory.size(), 2);
        QCOMPARE(entriesBelow(dir.path()), expected);
    }

    void namesNestAndRepeatsCountAsDone_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("made");  // below the parent
        QTest::newRow("empty list") << QStringList{} << QStringList{};
        QTest::newRow("backslash after its parent") << QStringList{"a", "a\\b"} << QStringList{"a/", "a/b/"};
        QTest::newRow("slash alone") << QStringList{"a/b/c"} << QStringList{"a/", "a/b/", "a/b/c/"};
        QTest::newRow("blank lines and repeats") << QStringList{"x", "", "x", "y", "x/"} << QStringList{"x/", "y/"};
        QTest::newRow("empty and dot levels") << QStringList{"a//b", "./c", "."} << QStringList{"a/", "a/b/", "c/"};
        QTest::newRow("spaces kept") << QStringList{" 名前 "} << QStringList{" 名前 /"};
        // Deeper than the levels held open at once: higher ones are opened again by name.
        QStringList levels;
        QStringList deep;
        for (int level = 1; level <= 40; ++level) {
            levels.append(QString::number(level));
            deep.append(levels.join(u'/') + u'/');
        }
        const QString twenty = levels.first(20).join(u'/');
        deep += QStringList{twenty + "/x/", "1/y/"};
        deep.sort();
        QTest::newRow("deeper than the levels held open")
            << QStringList{levels.join(u'/'), twenty + "/x", "1/y"} << deep;
    }
    void namesNestAndRepeatsCountAsDone()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, made);
        QTemporaryDir dir;
        WorkflowFixture f;
        ready(f, dir.path(), names, "P");
        QVERIFY(!press(f));
        QCOMPARE(entriesBelow(dir.path() + "/P"), made);
        QCOMPARE(f.state().listState, ListState::NotReady);
    }

    // A press that fails half-way leaves rows that show what was made, which
    // line failed and why, and what was never tried.
    void rowsShowHowFarAFailedPressGot()
    {
        QTemporaryDir dir;
        WorkflowFixture f;
        ready(f, dir.path(), {"a", "b", "c", "", "d"}, "P");
        f.folders.faults.failOn(QStringLiteral("makeFolder"), 4);  // the parent, a, b, then c
        QVERIFY(press(f));
        QCOMPARE(f.namesList.marks, (QList<ItemMark>{ItemMark::Made, ItemMark::Made, ItemMark::Failed, ItemMark::Blank,
                                                     ItemMark::NotTried}));
        QVERIFY(f.namesList.toolTips.at(2).contains(QStringLiteral("injected failure")));
        QCOMPARE(f.state().lastCreation.made.size(), 3);  // kept for the undo
    }

    void completionLineTellsWhereAndOpensTheParent()
    {
        QTemporaryDir dir;
        WorkflowFixture f;
        ready(f, dir.path(), {"a", "a", "b/c"}, "P");
        QVERIFY(!press(f));
        const QString parent = dir.path() + "/P";
        QCOMPARE(f.namesList.items, QStringList{texts::creationFinished});
        // The repeat was made by this press too: nothing was there before.
        QCOMPARE(f.namesList.toolTips.first(),
                 texts::completionDetails.arg(parent).arg(3).arg(0) + u'\n' + texts::completionHint);
        f.workflow.onNamesRowDoubleClicked(0);
        QCOMPARE(f.desktop.openedFolders, QStringList{parent});
        QCOMPARE(f.folderList.faults.calls(QStringLiteral("setPath")), 1);  // shown again, no change raised

        f.workflow.onFolderClicked(dir.path());  // the completion line is gone: nothing to open
        f.workflow.onNamesRowDoubleClicked(0);
        QCOMPARE(f.desktop.openedFolders.size(), 1);
    }

    // An undo removes what the press made and brings back the window as it
    // was before the press, ready for a corrected name; only while the list
    // file is unchanged.
    void undoBringsBackTheListAsItWas_data()
    {
        QTest::addColumn<QByteArray>("fileAfterPress");  // empty: the file is gone
        QTest::addColumn<bool>("restored");
        QTest::newRow("unchanged") << QByteArray("a\r\nb/c\r\n") << true;
        QTest::newRow("changed") << QByteArray("a\r\nx\r\n") << false;
        QTest::newRow("gone") << QByteArray() << false;
    }
    void undoBringsBackTheListAsItWas()
    {
        QFETCH(QByteArray, fileAfterPress);
        QFETCH(bool, restored);
        QTemporaryDir dir;
        WorkflowFixture f;
        const QString list = writeFile(dir.path(), "list.txt", "a\r\nb/c\r\n");
        f.load(list, dir.path() + u'/');
        f.parentNameEdit.contents = QStringLiteral(" 見積 ");
        QVERIFY(!press(f));
        const QString parent = dir.path() + "/見積";
        QVERIFY(QFileInfo(parent + "/b/c").isDir());
        if (fileAfterPress.isEmpty())
            QVERIFY(QFile::remove(list));
        else
            writeFile(dir.path(), "list.txt", fileAfterPress);

        // The completion line, the question and the report count the same
        // folders (a, b and b/c) and name the parent apart.
        QCOMPARE(f.namesList.toolTips.first(),
                 texts::completionDetails.arg(parent).arg(3).arg(0) + u'\n' + texts::completionHint);
        f.workflow.undoLastCreation();
        QCOMPARE(f.desktop.questions,
                 QStringList{texts::undoAsk.withCount(3) + "\n" + texts::undoAskParent.arg(parent)});
        QCOMPARE(f.desktop.prompts().first(), texts::undoRemovedWithParent.withCount(3));
        QVERIFY(!QFileInfo::exists(dir.path() + "/見積"));
        QCOMPARE(f.state().listState, restored ? ListState::Ready : ListState::NotReady);
        if (restored) {
            QCOMPARE(f.namesList.items, (QStringList{"a", "b/c"}));
            QCOMPARE(f.namesList.marks, (QList<ItemMark>{ItemMark::Ok, ItemMark::Ok}));
            QCOMPARE(f.parentNameEdit.contents, QStringLiteral(" 見積 "));
        } else {
            QVERIFY(f.namesList.items.isEmpty());
            QVERIFY(f.desktop.prompts().last().contains(list));
        }

        const int beeps = f.desktop.beeps;
        f.workflow.undoLastCreation();  // nothing left to undo
        QCOMPARE(f.desktop.beeps, beeps + 1);
        QCOMPARE(f.desktop.questions.size(), 1);
    }

    // What the first undo could not remove stays for a second one, which
    // removes it once it can; the list comes back with the first only.
    void aSecondUndoRetriesWhatTheFirstKept_data()
    {
        QTest::addColumn<bool>("failedRemoval");  // else a file kept b/c
        QTest::newRow("a file deleted since") << false;
        QTest::newRow("a removal that failed") << true;
    }
    void aSecondUndoRetriesWhatTheFirstKept()
    {
        QFETCH(bool, failedRemoval);
        QTemporaryDir dir;
        WorkflowFixture f;
        f.load(writeFile(dir.path(), "list.txt", "a\r\nb/c\r\n"), dir.path() + u'/');
        f.parentNameEdit.contents = QStringLiteral("P");
        QVERIFY(!press(f));
        const QString parent = dir.path() + "/P";
        const QString memo = writeFile(parent + "/b/c", "memo.txt", "memo");
        if (failedRemoval) {
            QVERIFY(QFile::remove(memo));
            f.folders.faults.failOn(QStringLiteral("removeEmptyFolder"), 1, PermissionDenied);  // b/c, deepest
        }

        f.workflow.undoLastCreation();
        QVERIFY(f.desktop.prompts().first().startsWith(texts::undoRemoved.withCount(1) + "\n"));
        QCOMPARE(f.state().listState, ListState::Ready);
        QVERIFY(QFileInfo(parent + "/b/c").isDir() && !QFileInfo::exists(parent + "/a"));
        if (!failedRemoval)
            QVERIFY(QFile::remove(memo));
        f.parentNameEdit.contents = QStringLiteral("Q");  // typed since: a retry leaves the window alone

        f.workflow.undoLastCreation();
        QCOMPARE(f.desktop.questions.last(), texts::undoAsk.withCount(2) + "\n" + texts::undoAskParent.arg(parent));
        QCOMPARE(f.desktop.prompts().last(), texts::undoRemovedWithParent.withCount(2));
        QVERIFY(!QFileInfo::exists(parent));
        QCOMPARE(f.parentNameEdit.contents, QStringLiteral("Q"));
        QVERIFY(f.state().lastCreation.isEmpty());
    }

    void noAnswerToTheUndoQuestionKeepsEverything()
    {
        QTemporaryDir dir;
        WorkflowFixture f;
        ready(f, dir.path(), {"a"}, "P");
        QVERIFY(!press(f));
        f.desktop.answers = {false};
        f.workflow.undoLastCreation();
        QVERIFY(QFileInfo(dir.path() + "/P/a").isDir());
        QCOMPARE(f.namesList.items, QStringList{texts::creationFinished});
        QVERIFY(!f.state().lastCreation.isEmpty());
    }

    void refusedNamesMakeNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message");
        const QString badParent = texts::badParentName;
        const QString badNames = texts::badFolderNames + u'\n';
        QTest::newRow("parent with slash") << "a/b" << QStringList{"x"} << badParent;
        QTest::newRow("parent with NUL") << QString("P") + QChar(u'\0') + "x" << QStringList{"x"} << badParent;
        QTest::newRow("up level") << "P" << QStringList{"a", "", "x/../y"}
                                  << badNames + "3行目: x/../y（" + texts::reasonLeavesParent + "）";
        QTest::newRow("tab") << "P" << QStringList{"ok", "a\tb"}
                             << badNames + "2行目: a␉b（" + texts::reasonControlCharacter + "）";
    }
    void refusedNamesMakeNothing()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        QTemporaryDir dir;
        WorkflowFixture f;
        ready(f, dir.path(), names, text);
        QVERIFY(!press(f));
        QCOMPARE(f.desktop.beeps, 1);
        QCOMPARE(f.desktop.prompts(), QStringList{message});
        QCOMPARE(f.desktop.boxes.first().pointerWhileShown, int(NormalPointer));
        QVERIFY(entriesBelow(dir.path()).isEmpty());
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.namesList.items, names);
        QCOMPARE(f.parentNameEdit.contents, text);
    }

    void readOnlyBaseFolderFailsClearly()
    {
        QTemporaryDir dir;
        const Immutable locked(dir.path());
        if (!locked.made)
            QSKIP("needs root and a file system with the immutable flag");
        WorkflowFixture f;
        ready(f, dir.path(), {"x"}, "P");
        checkFailure(f, press(f), PermissionDenied, dir.path() + "/P", "P");
        QVERIFY(entriesBelow(dir.path()).isEmpty());
    }

    // The file system would refuse the name half-way; the preview refuses
    // it before anything is made.
    void tooLongNameIsRefusedBeforeAnythingIsMade()
    {
        QTemporaryDir dir;
        WorkflowFixture f;
        const QString tooLong(256, u'x');
        ready(f, dir.path(), {"one", "two/three", tooLong, "four"}, "P");
        QVERIFY(!press(f));
        QCOMPARE(f.desktop.prompts().size(), 1);
        QVERIFY(f.desktop.prompts().first().contains(QStringLiteral("3行目: ")));
        QVERIFY(entriesBelow(dir.path()).isEmpty());
        QCOMPARE(f.state().listState, ListState::Ready);
    }

    void crowdedParentNameEndsWithAnError()
    {
        QTemporaryDir dir;
        const QString name(254, u'A');
        QVERIFY(QDir(dir.path()).mkdir(name) && QDir(dir.path()).mkdir(name + "#"));
        WorkflowFixture f;
        ready(f, dir.path(), {"x"}, name);
        checkFailure(f, press(f), PathFileAccessError, dir.path() + "/" + name + "##", name);
        QCOMPARE(entriesBelow(dir.path()).size(), 2);
    }
};

QTEST_GUILESS_MAIN(FolderCreationTest)
#include "test_folder_creation.moc"
