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
        QCOMPARE(trimSpaces(input), expected);
    }
};

QTEST_GUILESS_MAIN(TextHelpersTest)
#include "test_text.moc"
