#include "folder_names.h"

#include <QTest>

using namespace kestrune;

class FolderNamesTest : public QObject {
    Q_OBJECT

private slots:
    void levelsSplitOnBothSeparators_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("levels");
        QTest::newRow("both separators") << "a\\b/c" << QStringList{"a", "b", "c"};
        QTest::newRow("empty and dot levels") << "/a//./b\\" << QStringList{"a", "b"};
        QTest::newRow("nothing but separators") << "/\\./" << QStringList{};
        QTest::newRow("spaces kept") << " 名 / b " << QStringList{" 名 ", " b "};
        QTest::newRow("dots inside a level") << "..a/b../..." << QStringList{"..a", "b..", "..."};
    }
    void levelsSplitOnBothSeparators()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, levels);
        QCOMPARE(folderLevels(name), levels);
    }

    void namesThatLeaveOrCannotBeMadeAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("parentOk");
        QTest::addColumn<bool>("listOk");
        QTest::newRow("plain") << "新規ディレクトリ#..." << true << true;
        QTest::newRow("empty") << "" << false << true;
        QTest::newRow("dot") << "." << false << true;
        QTest::newRow("dot dot") << ".." << false << false;
        QTest::newRow("up inside") << "a/../b" << false << false;
        QTest::newRow("up with backslash") << "..\\x" << false << false;
        QTest::newRow("nested") << "a\\b" << false << true;
        QTest::newRow("tab") << "a\tb" << false << false;
        QTest::newRow("NUL") << QString("a") + QChar(u'\0') << false << false;
        QTest::newRow("DEL") << "a\x7f" << false << false;
        QTest::newRow("C1 next line") << QStringLiteral("a\u0085") << false << false;
        QTest::newRow("last C1") << QStringLiteral("\u009Fb") << false << false;
        QTest::newRow("no-break space") << QStringLiteral("a\u00A0b") << true << true;
        // One folder name holds 255 bytes; longer list lines are the preview's to refuse.
        QTest::newRow("255 bytes") << QStringLiteral("名").repeated(85) << true << true;
        QTest::newRow("256 bytes") << QStringLiteral("名").repeated(85) + u'a' << false << true;
    }
    void namesThatLeaveOrCannotBeMadeAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(bool, parentOk);
        QFETCH(bool, listOk);
        QCOMPARE(isValidParentName(name), parentOk);
        QCOMPARE(isMakeableName(name), listOk);
    }

    void firstOffendingLineIsFoundAndShown()
    {
        QCOMPARE(firstUnmakeableLine({"a", "", "b/c"}), 0);
        QCOMPARE(firstUnmakeableLine({"a", "", "x/../y", "\t"}), 3);
        QCOMPARE(withVisibleControls(QString("a\tb\x7f") + QChar(u'\0')), QStringLiteral("a␉b␡␀"));
        QCOMPARE(withVisibleControls(QStringLiteral("a\u0085b")), QStringLiteral("a\uFFFDb"));
    }
};

QTEST_GUILESS_MAIN(FolderNamesTest)
#include "test_folder_names.moc"
