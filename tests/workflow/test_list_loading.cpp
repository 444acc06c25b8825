#include "posix_list_reader.h"
#include "values_table_reading.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDate>
#include <QDir>
#include <QFile>
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
        QTest::addColumn<ItemMark>("parentMark");
        const QList<ItemMark> onLinux{ItemMark::Ok, ItemMark::Blank, ItemMark::Repeat, ItemMark::Refused,
                                      ItemMark::Warning};
        QTest::newRow("ext4") << "ext4" << 1 << onLinux << ItemMark::Ok;
        QTest::newRow("vfat") << "vfat" << 1
                              << QList<ItemMark>{ItemMark::Ok, ItemMark::Blank, ItemMark::Repeat, ItemMark::Refused,
                                                 ItemMark::Refused}
                              << ItemMark::Ok;
        QList<ItemMark> longParent = onLinux;
        longParent[0] = ItemMark::Warning;  // the full path passes 248 characters,
        longParent[2] = ItemMark::Warning;  // which outranks being a repeat
        QTest::newRow("long parent name") << "ext4" << 250 << longParent << ItemMark::Warning;
    }
    void everyRowShowsItsStatus()
    {
        QFETCH(QString, fileSystem);
        QFETCH(int, parentLength);
        QFETCH(QList<ItemMark>, marks);
        QFETCH(ItemMark, parentMark);
        WorkflowFixture f;
        f.mounts.mounts.append({dir_.path(), fileSystem});
        f.load(writeFile(dir_.path(), QStringLiteral("list.txt"), "a\r\n\r\na/\r\nx/../y\r\ncon\r\n"),
               dir_.path() + u'/');
        f.parentNameEdit.contents = QString(parentLength, u'p');
        f.workflow.onParentNameEdited();
        QCOMPARE(f.namesList.marks, marks);
        QCOMPARE(f.parentNameEdit.mark, parentMark);
        QVERIFY(f.namesList.toolTips.first().contains(u'a'));
        QVERIFY(f.namesList.toolTips.at(3).contains(texts::reasonLeavesParent));
    }

    void anEmptyFileIsReadyWithTheDefaultParentSelected()
    {
        WorkflowFixture f;
        f.load(writeFile(dir_.path(), QStringLiteral("empty.txt"), {}));
        QCOMPARE(f.state().listState, ListState::Ready);
        QVERIFY(f.state().lines.isEmpty());
        QVERIFY(f.namesList.items.isEmpty());
        QCOMPARE(f.parentNameEdit.contents, texts::defaultParentName);
        QVERIFY(f.parentNameEdit.allSelected);
        QVERIFY(f.parentNameEdit.focused);
        QCOMPARE(f.desktop.beeps, 0);
        QVERIFY(f.desktop.boxes.isEmpty());
    }

    void namesAreStoredAndListedExactlyAsWritten()
    {
        WorkflowFixture f;
        f.load(writeFile(dir_.path(), QStringLiteral("names.txt"), "A\r\n\r\n B \r\n"));
        QCOMPARE(f.state().lines, (QStringList{"A", "", " B "}));
        QCOMPARE(f.namesList.items, (QStringList{"A", "", " B "}));
        QCOMPARE(f.readmeViewer.visible, true);  // the name list leaves the viewer alone
        QCOMPARE(f.readmeViewer.text, QString());
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
        f.parentNameEdit.contents = QStringLiteral("typed");
        f.load(writeFile(dir_.path(), QStringLiteral("long.txt"), bytes));
        if (accepted) {
            QCOMPARE(f.state().lines.size(), 1000);
            QCOMPARE(f.state().listState, ListState::Ready);
            QCOMPARE(f.namesList.items.size(), 1000);
            QCOMPARE(f.namesList.items.last(), QStringLiteral("name1000"));
            QCOMPARE(f.desktop.beeps, 0);
        } else {
            QCOMPARE(f.desktop.prompts(), oneErrorBox);
            QCOMPARE(f.desktop.beeps, 1);
            QCOMPARE(f.state().listState, ListState::NotReady);
            QVERIFY(f.namesList.items.isEmpty());
            QCOMPARE(f.parentNameEdit.contents, QStringLiteral("typed"));
        }
    }

    void aMissingFileIsReportedOnce()
    {
        WorkflowFixture f;
        f.parentNameEdit.contents = QStringLiteral("typed");
        f.load(dir_.filePath(QStringLiteral("missing.txt")));
        QCOMPARE(f.desktop.prompts(), oneErrorBox);
        QCOMPARE(f.desktop.beeps, 1);
        QCOMPARE(f.state().listState, ListState::NotReady);
        QCOMPARE(f.parentNameEdit.contents, QStringLiteral("typed"));
        QVERIFY(f.recentLists.paths().isEmpty());
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
        f.readmeViewer.visible = false;
        f.load(writeFile(where, name, "x\ny"));
        QCOMPARE(f.readmeViewer.visible, viewer);
        QCOMPARE(f.namesList.items.isEmpty(), viewer);
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.state().lines.size(), 2);
        QCOMPARE(f.readmeViewer.text, viewer ? QStringLiteral("x\r\ny\r\n") : QString());
    }

    void anEmptyReadmeShowsAnEmptyViewer()
    {
        WorkflowFixture f;
        f.readmeViewer.visible = false;
        f.load(writeFile(dir_.path(), QStringLiteral("Readme.txt"), {}));
        QVERIFY(f.readmeViewer.visible);
        QCOMPARE(f.readmeViewer.text, QString());
        QCOMPARE(f.state().listState, ListState::Ready);
    }

    void aGoodLoadFollowsAFailedOne()
    {
        WorkflowFixture f;
        f.load(writeFile(dir_.path(), QStringLiteral("long.txt"), numberedLines(1001)));
        f.lists.faults.failOn(QStringLiteral("readLines"), 2, DiskNotReady);
        f.load(writeFile(dir_.path(), QStringLiteral("short.txt"), "a\nb\nc\n"));
        QCOMPARE(f.state().listState, ListState::NotReady);
        QCOMPARE(f.desktop.prompts(), (QStringList{texts::errorOccurred, texts::errorOccurred}));
        f.desktop.boxes.clear();
        f.load(writeFile(dir_.path(), QStringLiteral("good.txt"), "x\n"));
        QCOMPARE(f.state().listState, ListState::Ready);
        QCOMPARE(f.namesList.items, QStringList{"x"});
        QVERIFY(f.desktop.boxes.isEmpty());
    }

    // The lists opened last are kept newest first, ten of them; one that is
    // gone beeps when chosen and leaves the menu, and the Readme is no list.
    void recentListsKeepTheLastTenOpened()
    {
        WorkflowFixture f;
        QStringList opened;
        for (int i = 1; i <= 11; ++i) {
            opened.prepend(writeFile(dir_.path(), QStringLiteral("list%1.txt").arg(i), "a\n"));
            f.load(opened.first(), dir_.path() + u'/');
        }
        f.load(writeFile(dir_.path(), QStringLiteral("Readme.txt"), "r\n"));
        f.load(opened.at(3), dir_.path() + u'/');
        QStringList expected = opened.mid(0, 10);
        expected.move(3, 0);
        QCOMPARE(f.recentLists.paths(), expected);

        QVERIFY(QFile::remove(opened.first()));
        f.workflow.openRecentList(opened.first());
        QCOMPARE(f.desktop.beeps, 1);
        QVERIFY(f.desktop.boxes.isEmpty());
        QVERIFY(!f.recentLists.paths().contains(opened.first()));
        f.workflow.openRecentList(opened.at(1));
        QCOMPARE(f.state().listFilePath, opened.at(1));
        QCOMPARE(f.folderList.openPath, dir_.path());
        QCOMPARE(f.fileList.chosen, QStringLiteral("list10.txt"));
        QCOMPARE(f.recentLists.paths().first(), opened.at(1));
    }

    // A list that asks for values asks once, when it is loaded, with last
    // time's value preset; Esc leaves its lines waiting and the press
    // refused; 「値を変更…」 asks again, with the date, and the rows follow.
    void valuesAreAskedWhenTheListIsLoaded()
    {
        WorkflowFixture f;
        f.rememberedValues.remember(QStringLiteral("顧客名"), QStringLiteral("B社"));
        f.load(writeFile(dir_.path(), QStringLiteral("list.txt"), "{?顧客名}/見積\r\n{yyyy}{mm}\r\n"),
               dir_.path() + u'/');
        QCOMPARE(f.desktop.valueQuestions.size(), 1);
        const ValueQuestion asked = f.desktop.valueQuestions.first();
        QCOMPARE(asked.names, QStringList{QStringLiteral("顧客名")});
        QCOMPARE(asked.current.value(QStringLiteral("顧客名")), QStringLiteral("B社"));
        QCOMPARE(asked.recent.value(QStringLiteral("顧客名")), QStringList{QStringLiteral("B社")});
        QVERIFY(asked.askDate);
        QCOMPARE(asked.date, QDate(2026, 12, 7));
        QCOMPARE(f.namesList.items, (QStringList{"{?顧客名}/見積", "{yyyy}{mm}", "202612"}));
        QCOMPARE(f.namesList.marks.first(), ItemMark::Waiting);
        QCOMPARE(f.namesList.indents, (QList<int>{0, 0, 1}));
        f.workflow.createFolders();
        QCOMPARE(f.desktop.beeps, 1);
        QVERIFY(f.desktop.prompts().last().startsWith(texts::valuesMissing.arg(QStringLiteral("顧客名"))));
        QVERIFY(f.folders.made.isEmpty());

        f.desktop.valueAnswers = {ValueAnswer{{{QStringLiteral("顧客名"), QStringLiteral("C社")}}, QDate(2027, 1, 5)}};
        f.workflow.changeValues();
        QVERIFY(f.desktop.valueQuestions.last().askDate);
        QCOMPARE(f.namesList.items, (QStringList{"{?顧客名}/見積", "C社/見積", "{yyyy}{mm}", "202701"}));
        QCOMPARE(f.rememberedValues.valuesOf(QStringLiteral("顧客名")),
                 (QStringList{QStringLiteral("C社"), QStringLiteral("B社")}));

        // Dates and sequences alone ask nothing.
        f.load(writeFile(dir_.path(), QStringLiteral("dates.txt"), "{yyyy}/{01..12}\r\n"), dir_.path() + u'/');
        QCOMPARE(f.desktop.valueQuestions.size(), 2);
        QCOMPARE(f.namesList.items.size(), 13);
    }

    // A table file answered is kept with the list: the list's next load
    // offers it again, read afresh; the rows show beneath a heading each.
    void aTableFileIsKeptWithTheList()
    {
        WorkflowFixture f;
        const QString list = writeFile(dir_.path(), QStringLiteral("list.txt"), "{?顧客名}/{?担当}\r\n");
        const QString table = writeFile(dir_.path(), QStringLiteral("顧客.csv"), "顧客名\nA社\nB社\n");
        PosixListReader files;
        ValueAnswer answer{{{QStringLiteral("担当"), QStringLiteral("田中")}},
                           QDate(2026, 12, 7),
                           TextValuesTableReader(files).readFile(table).table};
        f.desktop.valueAnswers = {answer};
        f.load(list, dir_.path() + u'/');
        const QString line = QStringLiteral("{?顧客名}/{?担当}");
        QCOMPARE(f.namesList.items, (QStringList{texts::tableRowHeading.arg(2).arg("A社"), line, "A社/田中",
                                                 texts::tableRowHeading.arg(3).arg("B社"), line, "B社/田中"}));
        QCOMPARE(f.namesList.indents, (QList<int>{0, 1, 2, 0, 1, 2}));

        writeFile(dir_.path(), QStringLiteral("顧客.csv"), "顧客名\nA社\nB社\nC社\n");
        f.load(list, dir_.path() + u'/');
        QCOMPARE(f.desktop.valueQuestions.last().table.rows.size(), 3);
        QCOMPARE(f.desktop.valueQuestions.last().table.filePath, table);

        // A table gone is said so in the box, and none is offered.
        QVERIFY(QFile::remove(table));
        f.load(list, dir_.path() + u'/');
        QVERIFY(f.desktop.valueQuestions.last().table.isEmpty());
        QVERIFY(!f.desktop.valueQuestions.last().tableRefusal.isEmpty());
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(ListLoadingTest)
#include "test_list_loading.moc"
