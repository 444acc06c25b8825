#include "runtime_error.h"
#include "text.h"

#include <QTest>

using namespace kestrune;

class TextHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void trimStripsOnlyPlainSpaces_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both ends") << QStringLiteral("  Data  ") << QStringLiteral("Data");
        QTest::newRow("inner spaces kept") << QStringLiteral(" a b ") << QStringLiteral("a b");
        QTest::newRow("spaces only") << QStringLiteral("   ") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("tab kept") << QStringLiteral("\ta\t") << QStringLiteral("\ta\t");
        QTest::newRow("ideographic space kept") << QStringLiteral("　名前　") << QStringLiteral("　名前　");
        QTest::newRow("no-break space kept") << QStringLiteral("\u00a0x") << QStringLiteral("\u00a0x");
    }
    void trimStripsOnlyPlainSpaces()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(Trim(input), expected);
    }

    void inStrFindsExactCodeUnits_data()
    {
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sought");
        QTest::addColumn<qsizetype>("expected");
        const QString marker = QStringLiteral("Readme.txt");
        QTest::newRow("at start") << qsizetype(1) << QStringLiteral("Readme.txt") << marker << qsizetype(1);
        QTest::newRow("inside a name") << qsizetype(1) << QStringLiteral("/a/MyReadme.txt") << marker << qsizetype(6);
        QTest::newRow("in a folder") << qsizetype(1) << QStringLiteral("/Readme.txt/x.txt") << marker << qsizetype(2);
        QTest::newRow("capitals differ") << qsizetype(1) << QStringLiteral("/README.TXT") << marker << qsizetype(0);
        QTest::newRow("small letters differ")
            << qsizetype(1) << QStringLiteral("/readme.txt") << marker << qsizetype(0);
        QTest::newRow("full-width differs") << qsizetype(1) << QStringLiteral("Ｒeadme.txt") << marker << qsizetype(0);
        QTest::newRow("later start skips")
            << qsizetype(3) << QStringLiteral("abab") << QStringLiteral("ab") << qsizetype(3);
        QTest::newRow("start past end") << qsizetype(9) << QStringLiteral("abc") << QStringLiteral("c") << qsizetype(0);
        QTest::newRow("empty sought") << qsizetype(2) << QStringLiteral("abc") << QString() << qsizetype(2);
    }
    void inStrFindsExactCodeUnits()
    {
        QFETCH(qsizetype, start);
        QFETCH(QString, text);
        QFETCH(QString, sought);
        QFETCH(qsizetype, expected);
        QCOMPARE(InStr(start, text, sought), expected);
    }

    void inStrRefusesAStartBelowOne()
    {
        try {
            InStr(0, QStringLiteral("abc"), QStringLiteral("a"));
            QFAIL("no error raised");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), int(InvalidProcedureCall));
        }
    }
};

QTEST_GUILESS_MAIN(TextHelpersTest)
#include "test_text.moc"
