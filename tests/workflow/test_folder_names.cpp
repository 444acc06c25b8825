#include "folder_names.h"
#include "line_preview.h"
#include "unicode_names.h"
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

    // C0, DEL and C1 are refused in every name a person gives, by one rule:
    // a list line, the parent name and the name a list is saved under.
    void controlCharactersAreRefusedInEveryName_data()
    {
        QTest::addColumn<char16_t>("character");
        QTest::addColumn<bool>("refused");
        QTest::newRow("NUL") << u'\0' << true;
        QTest::newRow("tab") << u'\t' << true;
        QTest::newRow("last of C0") << char16_t(0x1F) << true;
        QTest::newRow("DEL") << char16_t(0x7F) << true;
        QTest::newRow("first of C1") << char16_t(0x80) << true;
        QTest::newRow("next line (C1)") << char16_t(0x85) << true;
        QTest::newRow("last of C1") << char16_t(0x9F) << true;
        QTest::newRow("no-break space") << char16_t(0xA0) << false;
        QTest::newRow("line separator") << char16_t(0x2028) << false;
    }
    void controlCharactersAreRefusedInEveryName()
    {
        QFETCH(char16_t, character);
        QFETCH(bool, refused);
        const QString name = QStringLiteral("見積") + QChar(character) + QStringLiteral("書");
        PreviewTarget target{QStringLiteral("/base"), QString()};
        QCOMPARE(previewLines({name}, target).first().status == LineStatus::Refused, refused);
        target.parentName = name;
        QCOMPARE(previewParentName(target).status == LineStatus::Refused, refused);
        QCOMPARE(listFileNameFrom(name).isEmpty(), refused);
    }

    void aListIsSavedUnderOneFileName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow(".txt added") << "月次"
                                    << "月次.txt";
        QTest::newRow(".txt kept in any case") << "月次.TXT"
                                               << "月次.TXT";
        QTest::newRow("spaces trimmed") << " 月次 "
                                        << "月次.txt";
        QTest::newRow("ideographic space kept") << "月次\u3000"
                                                << "月次\u3000.txt";
        QTest::newRow("a path") << "a/b" << QString();
        QTest::newRow("the folder itself") << "." << QString();
        QTest::newRow("its parent") << ".." << QString();
        QTest::newRow("nothing") << "  " << QString();
        QTest::newRow("255 bytes with .txt") << QString(251, u'a') << QString(251, u'a') + ".txt";
        QTest::newRow("too long once .txt is added") << QString(252, u'a') << QString();
    }
    void aListIsSavedUnderOneFileName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QCOMPARE(listFileNameFrom(typed), name);
    }

    void controlCharactersAreShownAsPictures()
    {
        QCOMPARE(withVisibleControls(QString("a\tb\x7f") + QChar(u'\0')), QStringLiteral("a␉b␡␀"));
        QCOMPARE(withVisibleControls(QStringLiteral("a\u0085b")), QStringLiteral("a\uFFFDb"));
    }

    // The quick check passes only names NFC leaves as they are; at the
    // edges of its ranges it passes what it says it does.
    void composingIsSkippedOnlyWhereNfcChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("skipped");
        const struct {
            char16_t unit;
            bool skipped;
        } edges[] = {
            {0x02FF, true},  {0x0300, false}, {0x2FFF, false}, {0x3000, true},  {0x3029, true},  {0x302A, false},
            {0x302F, false}, {0x3030, true},  {0x3098, true},  {0x3099, false}, {0x309A, false}, {0x309B, true},
            {0x30FF, true},  {0x3100, false}, {0x4DFF, false}, {0x4E00, true},  {0x9FFF, true},  {0xA000, false},
            {0xFEFF, false}, {0xFF00, true},  {0xFFEF, true},  {0xFFF0, true},  {0xFFFD, true},
        };
        for (const auto& edge : edges) {
            const QByteArray tag = "U+" + QByteArray::number(edge.unit, 16);
            QTest::newRow(tag.constData()) << QStringLiteral("名前") + QChar(edge.unit) << edge.skipped;
        }
        QTest::newRow("kana with a sound mark") << QStringLiteral("カ\u3099") << false;
        QTest::newRow("tone marks out of order") << QStringLiteral("名前\u302B\u302A") << false;
    }
    void composingIsSkippedOnlyWhereNfcChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, skipped);
        QCOMPARE(needsNoComposing(name), skipped);
        if (skipped)
            QCOMPARE(name.normalized(QString::NormalizationForm_C), name);
    }
};

QTEST_GUILESS_MAIN(FolderNamesTest)
#include "test_folder_names.moc"
