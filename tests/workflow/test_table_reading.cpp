#include "posix_list_reader.h"
#include "table_reading.h"
#include "values_table_reading.h"
#include "workflow_texts.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;

namespace {

// Each row's cells joined by "|", after the column names.
QStringList shown(const ValuesTable& table)
{
    QStringList out{table.columns.join(u'|')};
    for (qsizetype row = 0; row < table.rows.size(); ++row)
        out.append(QString::number(table.rowLines.at(row)) + u':' + table.rows.at(row).join(u'|'));
    return out;
}

}  // namespace

// The list's rows and a values table's cells are read by the same cell
// reader: the quoting cases below hold for both.
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

    // A values table: its first row names the columns, tabs or commas as the
    // names are parted, quoted as spreadsheets quote; refused, naming the
    // row, for each way it cannot be a table.
    void valuesTablesAreReadOrRefused_data()
    {
        QTest::addColumn<QStringList>("physical");
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("tab-separated, as pasted") << QStringList{"顧客\t担当", "A社, 本社\t田中"}
                                                  << QStringList{"顧客|担当", "2:A社, 本社|田中"} << QString();
        QTest::newRow("comma-separated, quoted as Excel saves it")
            << QStringList{"顧客,\"担 当\"", "\"B社, 支店\",\"5\"\"\"", "C社,"}
            << QStringList{"顧客|担 当", "2:B社, 支店|5\"", "3:C社|"} << QString();
        QTest::newRow("a quoted comma in one name is no separator")
            << QStringList{"\"顧客,名\"", "A,B"} << QStringList{"顧客,名", "2:A,B"} << QString();
        QTest::newRow("blank rows skipped, names trimmed, lines counted")
            << QStringList{"", " 顧客 ,担当", ",", "A社,田中", ""} << QStringList{"顧客|担当", "4:A社|田中"}
            << QString();
        QTest::newRow("no rows at all") << QStringList{"", "\t"} << QStringList() << texts::tableEmpty.toString();
        QTest::newRow("names only") << QStringList{"顧客\t担当"} << QStringList() << texts::tableNoRows.arg(2);
        QTest::newRow("a column without a name")
            << QStringList{"顧客,,担当", "a,b,c"} << QStringList() << texts::tableColumnUnnamed.arg(1).arg(2);
        QTest::newRow("two columns of one name") << QStringList{"顧客\t担当\t顧客", "a\tb\tc"} << QStringList()
                                                 << texts::tableColumnTwice.arg(1).arg(QStringLiteral("顧客"));
        QTest::newRow("a row with fewer cells")
            << QStringList{"顧客\t担当", "a\tb", "c"} << QStringList() << texts::tableCellCount.arg(3).arg(1).arg(2);
        QTest::newRow("a row with more cells")
            << QStringList{"顧客,担当", "a,b,c"} << QStringList() << texts::tableCellCount.arg(2).arg(3).arg(2);
        QTest::newRow("a line break in a cell")
            << QStringList{"顧客\t担当", "a\tb", "\"c", "d\"\te"} << QStringList() << texts::tableLineBreak.arg(3);
        QStringList tooMany{"番号"};
        for (int row = 1; row <= mostTableRows + 1; ++row)
            tooMany.append(QString::number(row));
        QTest::newRow("more rows than a table holds")
            << tooMany << QStringList() << texts::tableTooManyRows.arg(mostTableRows + 2).arg(mostTableRows);
    }
    void valuesTablesAreReadOrRefused()
    {
        QFETCH(QStringList, physical);
        QFETCH(QStringList, table);
        QFETCH(QString, refusal);
        const ValuesTableReading reading = valuesTableFrom(physical);
        QCOMPARE(reading.refusal, refusal);
        QCOMPARE(reading.table.isEmpty(), !refusal.isEmpty());
        if (refusal.isEmpty())
            QCOMPARE(shown(reading.table), table);
    }

    // Table files in the encodings a spreadsheet saves, longer than a list
    // may be; the table keeps the file's path.
    void tableFilesAreRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("顧客,担当\r\n株式会社サンプル,田中\r\n");
        QStringEncoder cp932("Shift_JIS");
        QTest::newRow("CSV in code page 932") << QByteArray(cp932.encode(text));
        QTest::newRow("CSV UTF-8 with a mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QByteArray utf16("\xFF\xFE");
        const QString tabbed = QString(text).replace(u',', u'\t');
        utf16.append(reinterpret_cast<const char*>(tabbed.utf16()), tabbed.size() * 2);
        QTest::newRow("Unicode text (UTF-16 with a mark, tabs)") << utf16;
        QByteArray longer = text.toUtf8();
        for (int row = 2; row <= 1500; ++row)
            longer += "c" + QByteArray::number(row) + ",x\n";
        QTest::newRow("longer than a list") << longer;
    }
    void tableFilesAreRead()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("顧客.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        PosixListReader files;
        const ValuesTableReading reading = TextValuesTableReader(files).readFile(path);
        QCOMPARE(reading.refusal, QString());
        QCOMPARE(reading.table.columns, (QStringList{"顧客", "担当"}));
        QCOMPARE(reading.table.rows.first(), (QStringList{"株式会社サンプル", "田中"}));
        QCOMPARE(reading.table.filePath, path);
        QCOMPARE(QFile(path).size(), bytes.size());
    }
};

QTEST_GUILESS_MAIN(TableReadingTest)
#include "test_table_reading.moc"
