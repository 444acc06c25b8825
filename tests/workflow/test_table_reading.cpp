#include "table_reading.h"

#include <QTest>

using namespace kestrune;

class TableReadingTest : public QObject {
    Q_OBJECT

private slots:
    void rowsBecomeFolderPaths_data()
    {
        QTest::addColumn<QStringList>("physical");
        QTest::addColumn<QStringList>("logical");
        QTest::newRow("no tab: unchanged, quotes and all")
            << QStringList{"a", "", "\"b", " c "} << QStringList{"a", "", "\"b", " c "};
        QTest::newRow("cells are levels, a cell may hold a path")
            << QStringList{"顧客A\t見積", "顧客A/見積\t請求", "単独"}
            << QStringList{"顧客A/見積", "顧客A/見積/請求", "単独"};
        QTest::newRow("fill-down from the row above as filled")
            << QStringList{"顧客A\t見積\t原本", "\t\t控え", "\t請求", "\t\t控え", "顧客B\t見積"}
            << QStringList{"顧客A/見積/原本", "顧客A/見積/控え", "顧客A/請求", "顧客A/請求/控え", "顧客B/見積"};
        QTest::newRow("empty cell after a filled one stays empty")
            << QStringList{"A\tB\tC", "X\t\tD", "\tY\t\tE"} << QStringList{"A/B/C", "X//D", "X/Y//E"};
        QTest::newRow("blank rows keep the row above")
            << QStringList{"A\tB\t\t", "\t\t", "", "\tC"} << QStringList{"A/B", "", "", "A/C"};
        QTest::newRow("nothing above to fill from") << QStringList{"\tx"} << QStringList{"/x"};
        QTest::newRow("quoted tab stays, doubled quotes are one")
            << QStringList{"\"a\tb\"\tc", "\"5\"\" 盤\"\t\"\"\"\"", "q\"r\t\"s\"t"}
            << QStringList{"a\tb/c", "5\" 盤/\"", "q\"r/st"};
        QTest::newRow("empty quoted cell fills down") << QStringList{"A\tB", "\"\"\tC"} << QStringList{"A/B", "A/C"};
        QTest::newRow("line breaks in a cell are kept, and fill down")
            << QStringList{"\"a", "", "b\"\tc", "\td"} << QStringList{"a\n\nb/c", "a\n\nb/d"};
        QTest::newRow("unclosed quote is plain text to the end")
            << QStringList{"x\t\"a\"\"", "c\td", "\"\"\te"} << QStringList{"x/\"a\"\"", "c/d", "\"\"/e"};
    }
    void rowsBecomeFolderPaths()
    {
        QFETCH(QStringList, physical);
        QFETCH(QStringList, logical);
        QCOMPARE(linesFromTable(physical), logical);
    }
};

QTEST_GUILESS_MAIN(TableReadingTest)
#include "test_table_reading.moc"
