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

    void aTypedParentNameIsTrimmedOrThePreset_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Data"
                               << "Data";
        QTest::newRow("trimmed") << "  Data  "
                                 << "Data";
        QTest::newRow("empty: the preset") << "" << texts::defaultParentName.toString();
        QTest::newRow("spaces only: the preset") << "   " << texts::defaultParentName.toString();
        QTest::newRow("ideographic spaces kept") << "\u3000a\u3000"
                                                 << "\u3000a\u3000";
        QTest::newRow("tabs kept") << "\ta"
                                   << "\ta";
    }
    void aTypedParentNameIsTrimmedOrThePreset()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QCOMPARE(parentNameFrom(typed), name);
    }

    void controlCharactersAreShownAsPictures()
    {
        QCOMPARE(withVisibleControls(QString("a\tb\x7f") + QChar(u'\0')), QStringLiteral("a␉b␡␀"));
        QCOMPARE(withVisibleControls(QStringLiteral("a\u0085b")), QStringLiteral("a\uFFFDb"));
    }
};

QTEST_GUILESS_MAIN(FolderNamesTest)
#include "test_folder_names.moc"
