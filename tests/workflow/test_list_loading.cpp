#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;
using namespace kestrune::test;

namespace {
const QStringList oneErrorBox{texts::errorOccurred};
}

class ListLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void readmeMarkerMatchesExactly_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("readme");
        QTest::newRow("at start") << QStringLiteral("Readme.txt") << true;
        QTest::newRow("inside a name") << QStringLiteral("/a/MyReadme.txt") << true;
        QTest::newRow("in a folder") << QStringLiteral("/Readme.txt/x.txt") << true;
        QTest::newRow("capitals differ") << QStringLiteral("/README.TXT") << false;
        QTest::newRow("small letters differ") << QStringLiteral("/readme.txt") << false;
        QTest::newRow("full-width differs") << QStringLiteral("Ｒeadme.txt") << false;
    }
    void readmeMarkerMatchesExactly()
    {
        QFETCH(QString, path);
        QFETCH(bool, readme);
        QCOMPARE(isReadmePath(path), readme);
    }

    // Each row says at load what the press will do with it, and follows the
    // parent name as it is edited and the file system the list lives on.
    void everyRowShowsItsStatus_data()
    {
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<int>("parentLength");
        QTest::addColumn<QList<ItemMark>>("marks");
        const QList<ItemMark> onLinux{ItemMark::Ok, ItemMark::Blank, ItemMark::Repeat, ItemMark::Refused,
                                      ItemMark::Warning};
        QTest::newRow("ext4") << "ext4" << 1 << onLinux;
        QTest::newRow("vfat") << "vfat" << 1
                              << QList<ItemMark>{ItemMark::Ok, ItemMark::Blank, ItemMark::Repeat, ItemMark::Refused,
                                                 ItemMark::Refused};
        QList<ItemMark> longParent = onLinux;
        longParent[0] = ItemMark::Warning;  // the full path passes 260 characters,
        longParent[2] = ItemMark::Warning;  // which outranks being a repeat
        QTest::newRow("long parent name") << "ext4" << 250 << longParent;
    }
    void everyRowShowsItsStatus()
    {
        QFETCH(QString, fileSystem);
        QFETCH(int, parentLength);
        QFETCH(QList<ItemMark>, marks);
        WorkflowFixture f;
        f.mounts.mounts.append({dir_.path(), fileSystem});
        f.load(writeFile(dir_.path(), QStringLiteral("list.txt"), "a\r\n\r\na/\r\nx/../y\r\ncon\r\n"),
               dir_.path() + u'/');
        f.parentNameEdit.contents = QString(parentLength, u'p');
        f.workflow.onParentNameEdited();
        QCOMPARE(f.namesList.marks, marks);
        QVERIFY(f.namesList.toolTips.first().contains(u'a'));
        QVERIFY(f.namesList.toolTips.at(3).contains(texts::reasonLeavesParent));
    }

    void anEmptyFileIsReadyWithTheDefaultParentSelected()
    {
        WorkflowFixture f;
        f.load(writeFile(dir_.path(), QStringLiteral("empty.txt"), {}));
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.state().nameCount, std::int16_t(0));
        QVERIFY(f.namesList.items.isEmpty());
        QCOMPARE(f.parentNameEdit.contents, texts::defaultParentName);
        QCOMPARE(f.parentNameEdit.selectedText(), texts::defaultParentName);
        QVERIFY(f.parentNameEdit.focused);
        QCOMPARE(f.desktop.beeps, 0);
        QVERIFY(f.desktop.boxes.isEmpty());
        QVERIFY(!f.files.isOpen(1));
    }

    void namesAreStoredAndListedExactlyAsWritten()
    {
        WorkflowFixture f;
        f.load(writeFile(dir_.path(), QStringLiteral("names.txt"), "A\r\n\r\n B \r\n"));
        QCOMPARE(f.state().nameCount, std::int16_t(3));
        QCOMPARE(f.state().names(1), QStringLiteral("A"));
        QCOMPARE(f.state().names(2), QString());
        QCOMPARE(f.state().names(3), QStringLiteral(" B "));
        QCOMPARE(f.namesList.items, (QStringList{"A", "", " B "}));
        QCOMPARE(f.readmePanel.visible, true);  // the name list leaves the viewer alone
        QCOMPARE(f.readmeText.contents, QStringLiteral("readmeText"));
        QCOMPARE(f.state().listState, ListState::Ready);
    }

    void aCodePage932ListShowsItsJapaneseNames()
    {
        WorkflowFixture f;
        // 資料 and 髙﨑 as Japanese Windows writes them.
        f.load(writeFile(dir_.path(), QStringLiteral("sjis.txt"), "\x8E\x91\x97\xBF\r\n\xFB\xFC\xFA\xB1\r\n"));
        QCOMPARE(f.namesList.items, (QStringList{QStringLiteral("資料"), QStringLiteral("髙﨑")}));
    }

    void theLineLimitIsAThousand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("1000 lines") << numberedLines(1000) << true;
        QTest::newRow("1001 lines") << numberedLines(1001) << false;
        QTest::newRow("1001 lines, no final line end") << numberedLines(1000) + "last" << false;
        QTest::newRow("5000 lines") << numberedLines(5000) << false;
    }
    void theLineLimitIsAThousand()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        WorkflowFixture f;
        f.state().nameCount = 7;  // from an earlier list
        f.load(writeFile(dir_.path(), QStringLiteral("long.txt"), bytes));
        if (accepted) {
            QCOMPARE(f.state().nameCount, std::int16_t(1000));
            QCOMPARE(f.state().listState, ListState::Ready);
            QCOMPARE(f.namesList.items.size(), 1000);
            QCOMPARE(f.namesList.items.last(), QStringLiteral("name1000"));
            QCOMPARE(f.desktop.beeps, 0);
        } else {
            QCOMPARE(f.desktop.prompts(), oneErrorBox);
            QCOMPARE(f.desktop.beeps, 1);
            QCOMPARE(f.state().listState, ListState::NotReady);
            QCOMPARE(f.state().nameCount, std::int16_t(7));
            QCOMPARE(f.state().names(1000), QStringLiteral("name1000"));
            QVERIFY(f.namesList.items.isEmpty());
            QCOMPARE(f.parentNameEdit.contents, QStringLiteral("parentNameEdit"));
        }
        QVERIFY(!f.files.isOpen(1));
    }

    void aMissingFileIsReportedTwice()
    {
        WorkflowFixture f;
        f.load(dir_.filePath(QStringLiteral("missing.txt")));
        QCOMPARE(f.desktop.prompts(), (QStringList{texts::errorOccurred, texts::errorOccurred}));
        QCOMPARE(f.desktop.beeps, 2);
        QCOMPARE(f.state().listState, ListState::NotReady);
        QCOMPARE(f.parentNameEdit.contents, QStringLiteral("parentNameEdit"));
        QCOMPARE(f.files.freeHandle(), 1);
    }

    void readmeInThePathOpensTheViewer_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("viewer");
        QTest::newRow("Readme.txt") << QString() << QStringLiteral("Readme.txt") << true;
        QTest::newRow("inside a longer name") << QString() << QStringLiteral("MyReadme.txt") << true;
        QTest::newRow("in a folder name") << QStringLiteral("Readme.txt") << QStringLiteral("list.txt") << true;
        QTest::newRow("capitals") << QString() << QStringLiteral("README.TXT") << false;
        QTest::newRow("small letters") << QString() << QStringLiteral("readme.txt") << false;
    }
    void readmeInThePathOpensTheViewer()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(bool, viewer);
        QTemporaryDir dir;  // a fresh folder per row: the names repeat across rows
        QString where = dir.path();
        if (!folder.isEmpty()) {
            QVERIFY(QDir(where).mkpath(folder));
            where += u'/' + folder;
        }
        WorkflowFixture f;
        f.readmePanel.visible = false;
        f.load(writeFile(where, name, "x\ny"));
        QCOMPARE(f.readmePanel.visible, viewer);
        QCOMPARE(f.namesList.items.isEmpty(), viewer);
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.state().nameCount, std::int16_t(2));
        if (viewer)
            QCOMPARE(f.readmeText.contents, QStringLiteral("x\r\ny\r\n"));
        else
            QCOMPARE(f.readmeText.contents, QStringLiteral("readmeText"));
    }

    void anEmptyReadmeShowsAnEmptyViewer()
    {
        WorkflowFixture f;
        f.readmePanel.visible = false;
        f.load(writeFile(dir_.path(), QStringLiteral("Readme.txt"), {}));
        QVERIFY(f.readmePanel.visible);
        QCOMPARE(f.readmeText.contents, QString());
        QCOMPARE(f.state().listState, ListState::Ready);
    }

    void aShorterFileOverwritesOnlyItsOwnSlots()
    {
        WorkflowFixture f;
        f.load(writeFile(dir_.path(), QStringLiteral("five.txt"), "1\n2\n3\n4\n5\n"));
        f.load(writeFile(dir_.path(), QStringLiteral("two.txt"), "a\nb\n"));
        QCOMPARE(f.state().nameCount, std::int16_t(2));
        QCOMPARE(f.state().names(2), QStringLiteral("b"));
        QCOMPARE(f.state().names(3), QStringLiteral("3"));
        QCOMPARE(f.namesList.items, (QStringList{"a", "b"}));
    }

    void aGoodLoadFollowsAFailedOne()
    {
        WorkflowFixture f;
        f.load(writeFile(dir_.path(), QStringLiteral("long.txt"), numberedLines(1001)));
        f.files.faults.failOn(QStringLiteral("readLine"), 0);
        f.load(writeFile(dir_.path(), QStringLiteral("short.txt"), "a\nb\nc\n"));
        QCOMPARE(f.state().listState, ListState::NotReady);
        f.files.faults.clearFailures();
        f.desktop.boxes.clear();
        f.load(writeFile(dir_.path(), QStringLiteral("good.txt"), "x\n"));
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.namesList.items, QStringList{"x"});
        QVERIFY(f.desktop.boxes.isEmpty());
        QCOMPARE(f.files.freeHandle(), 1);  // no number left in use
    }

    // Failures that real files cannot produce on demand come from the doubles.

    void aLineThatFailsToReadEndsTheLoad()
    {
        WorkflowFixture f;
        f.state().nameCount = 9;
        f.files.faults.failOn(QStringLiteral("readLine"), 2);
        f.load(writeFile(dir_.path(), QStringLiteral("names.txt"), "a\nb\nc\n"));
        QCOMPARE(f.desktop.prompts(), oneErrorBox);
        QCOMPARE(f.state().listState, ListState::NotReady);
        QCOMPARE(f.state().nameCount, std::int16_t(9));
        QCOMPARE(f.state().names(2), QStringLiteral("a"));  // the previous line's text
        QVERIFY(f.namesList.items.isEmpty());
        QVERIFY(!f.files.isOpen(1));
    }

    void aFailingDisplayStepCostsOnlyThatEntry()
    {
        WorkflowFixture f;
        f.namesList.faults.failOn(QStringLiteral("addItem"), 2);
        f.load(writeFile(dir_.path(), QStringLiteral("names.txt"), "a\nb\nc\n"));
        QCOMPARE(f.desktop.prompts(), oneErrorBox);
        QCOMPARE(f.namesList.items, (QStringList{"a", "c"}));
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.state().nameCount, std::int16_t(3));
    }

    void aFailingViewerStepStillCompletesTheLoad()
    {
        WorkflowFixture f;
        f.readmePanel.visible = false;
        f.readmePanel.faults.failOn(QStringLiteral("setVisible"));
        f.load(writeFile(dir_.path(), QStringLiteral("Readme.txt"), "x\n"));
        QCOMPARE(f.desktop.prompts(), oneErrorBox);
        QCOMPARE(f.readmeText.contents, QStringLiteral("x\r\n"));
        QCOMPARE(f.state().listState, ListState::Ready);
    }

    void aFailureAfterTheListIsReadyDropsItAgain()
    {
        WorkflowFixture f;
        f.parentNameEdit.faults.failOn(QStringLiteral("setFocus"));
        f.load(writeFile(dir_.path(), QStringLiteral("names.txt"), "a\n"));
        QCOMPARE(f.desktop.prompts(), oneErrorBox);
        QCOMPARE(f.namesList.items, QStringList{"a"});
        QCOMPARE(f.state().nameCount, std::int16_t(1));
        QCOMPARE(f.state().listState, ListState::NotReady);
        QCOMPARE(f.parentNameEdit.selectedText(), texts::defaultParentName);
    }

    void noFreeHandleLeavesToTheCaller()
    {
        WorkflowFixture f;
        f.files.faults.failOn(QStringLiteral("freeHandle"), 1, TooManyFiles);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, f.load(dir_.filePath(QStringLiteral("x.txt"))));
        QVERIFY(f.desktop.boxes.isEmpty());
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(ListLoadingTest)
#include "test_list_loading.moc"
