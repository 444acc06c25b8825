#include "folder_names.h"
#include "workflow_texts.h"

#include <QTest>

using namespace kestrune;

namespace {

QStringList levelsOf(const QString& line)
{
    QStringList levels;
    qsizetype position = 0;
    for (QStringView level = nextFolderLevel(line, position); !level.isEmpty(); level = nextFolderLevel(line, position))
        levels.append(level.toString());
    return levels;
}

}  // namespace

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
        QCOMPARE(levelsOf(name), levels);
    }

    void aParentNameNamesExactlyOneFolder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "新規ディレクトリ#..."
                               << "新規ディレクトリ#..." << true;
        QTest::newRow("trimmed") << "  Data  "
                                 << "Data" << true;
        QTest::newRow("empty: the preset") << "" << texts::defaultParentName << true;
        QTest::newRow("spaces only: the preset") << "   " << texts::defaultParentName << true;
        QTest::newRow("ideographic spaces kept") << "\u3000a\u3000"
                                                 << "\u3000a\u3000" << true;
        QTest::newRow("dot") << "."
                             << "." << false;
        QTest::newRow("dot dot") << ".."
                                 << ".." << false;
        QTest::newRow("nested") << "a\\b"
                                << "a\\b" << false;
        QTest::newRow("slash") << "a/b"
                               << "a/b" << false;
        QTest::newRow("tab") << "a\tb"
                             << "a\tb" << false;
        QTest::newRow("NUL") << QString("a") + QChar(u'\0') << QString("a") + QChar(u'\0') << false;
        QTest::newRow("DEL") << "a\x7f"
                             << "a\x7f" << false;
        QTest::newRow("C1 next line") << QStringLiteral("a\u0085") << QStringLiteral("a\u0085") << false;
        QTest::newRow("no-break space") << QStringLiteral("a\u00A0b") << QStringLiteral("a\u00A0b") << true;
        // One folder name holds 255 bytes.
        QTest::newRow("255 bytes") << QStringLiteral("名").repeated(85) << QStringLiteral("名").repeated(85) << true;
        QTest::newRow("256 bytes") << QStringLiteral("名").repeated(85) + u'a'
                                   << QStringLiteral("名").repeated(85) + u'a' << false;
    }
    void aParentNameNamesExactlyOneFolder()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(parentNameFrom(typed), name);
        QCOMPARE(isValidParentName(name), valid);
    }

    void controlCharactersAreShownAsPictures()
    {
        QCOMPARE(withVisibleControls(QString("a\tb\x7f") + QChar(u'\0')), QStringLiteral("a␉b␡␀"));
        QCOMPARE(withVisibleControls(QStringLiteral("a\u0085b")), QStringLiteral("a\uFFFDb"));
    }
};

QTEST_GUILESS_MAIN(FolderNamesTest)
#include "test_folder_names.moc"
