#include "folder_listing.h"
#include "runtime_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kestrune;

class FolderListingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void namesSortIgnoringCaseThenExactly_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("case ignored") << QStringList{"b", "C", "a"} << QStringList{"a", "b", "C"};
        QTest::newRow("exact breaks ties") << QStringList{"b", "a", "B", "A"} << QStringList{"A", "a", "B", "b"};
        QTest::newRow("code units, not numbers") << QStringList{"a2", "A10", "a1"} << QStringList{"a1", "A10", "a2"};
        QTest::newRow("full-width letters fold too") << QStringList{"ｂ", "Ａ", "ａ"} << QStringList{"Ａ", "ａ", "ｂ"};
        QTest::newRow("kana by code unit") << QStringList{"う", "あ", "い"} << QStringList{"あ", "い", "う"};
        QTest::newRow("accented letters fold, after ASCII")
            << QStringList{"é", "z", "É", "Ä"} << QStringList{"z", "Ä", "É", "é"};
        QTest::newRow("a prefix comes first") << QStringList{"ab", "A", "a"} << QStringList{"A", "a", "ab"};
        // U+10400 folds to U+10428; as code units (surrogates) both come before
        // the full-width letters.
        QTest::newRow("letters beyond the basic plane fold")
            << QStringList{"ｚ", "\U00010428b", "\U00010400a"} << QStringList{"\U00010400a", "\U00010428b", "ｚ"};
    }
    void namesSortIgnoringCaseThenExactly()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        sortNames(names);
        QCOMPARE(names, sorted);
    }

    void aFolderIsSplitIntoVisibleFoldersAndPlainFiles()
    {
        QDir root(dir_.path());
        for (const char* folder : {"beta", "Alpha", ".hidden", "gamma"})
            QVERIFY(root.mkdir(QString::fromUtf8(folder)));
        for (const char* file : {"b.txt", "A.TXT", ".secret.txt", "notes.md"})
            QVERIFY(QFile(root.filePath(QString::fromUtf8(file))).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("gamma")), root.filePath(QStringLiteral("to-gamma"))));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("b.txt")), root.filePath(QStringLiteral("to-b.txt"))));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("gone")), root.filePath(QStringLiteral("broken.txt"))));
        QCOMPARE(::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("pipe.txt"))).constData(), 0600), 0);

        const FolderListing listing = listFolder(dir_.path());

        QCOMPARE(listing.folders, (QStringList{"Alpha", "beta", "gamma", "to-gamma"}));
        // A pipe or a broken link is nothing a list file can be read from.
        QCOMPARE(listing.files, (QStringList{"A.TXT", "b.txt", "notes.md", "to-b.txt"}));
    }

    void aFolderThatCannotBeReadGivesItsNumberedError_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("missing") << QStringLiteral("missing") << int(FileNotFound);
        QTest::newRow("a file, not a folder") << QStringLiteral("file.txt") << int(PathNotFound);
    }
    void aFolderThatCannotBeReadGivesItsNumberedError()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QVERIFY(QFile(dir_.filePath(QStringLiteral("file.txt"))).open(QIODevice::WriteOnly));
        try {
            listFolder(dir_.filePath(name));
            QFAIL("an unreadable folder was listed");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), number);
            QVERIFY(error.description().contains(name));
        }
    }

    void listFilesAreTextFilesInAnyLetterCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        QTest::newRow("lower") << QStringLiteral("names.txt") << true;
        QTest::newRow("upper") << QStringLiteral("NAMES.TXT") << true;
        QTest::newRow("mixed") << QStringLiteral("名前.Txt") << true;
        QTest::newRow("dots before") << QStringLiteral("a.b.txt") << true;
        QTest::newRow("other extension") << QStringLiteral("names.md") << false;
        QTest::newRow("extension inside") << QStringLiteral("names.txt.bak") << false;
        QTest::newRow("no dot") << QStringLiteral("namestxt") << false;
        QTest::newRow("full-width extension") << QStringLiteral("names.ｔｘｔ") << false;
        QTest::newRow("name shorter than the end") << QStringLiteral("txt") << false;
    }
    void listFilesAreTextFilesInAnyLetterCase()
    {
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(isListFileName(name), matches);
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(FolderListingTest)
#include "test_folder_listing.moc"
