#include "list_preview.h"
#include "workflow_texts.h"

#include <QTest>

using namespace kestrune;

namespace {

const NotationSettings onDecember7{{QDate(2026, 12, 7), {{QStringLiteral("顧客"), QStringLiteral("A社")}}}, false};

// Each row, made of `lines`, as "indent|status|text".
QStringList shown(const QList<PreviewRow>& rows, const QStringList& lines)
{
    QStringList out;
    for (const PreviewRow& row : rows)
        out.append(
            QStringLiteral("%1|%2|%3").arg(row.indent).arg(static_cast<int>(row.status)).arg(rowText(row, lines)));
    return out;
}

QString row(int indent, LineStatus status, const QString& text)
{
    return QStringLiteral("%1|%2|%3").arg(indent).arg(static_cast<int>(status)).arg(text);
}

// A table whose rows are on the lines below its column names.
ValuesTable table(const QStringList& columns, const QList<QStringList>& rows)
{
    ValuesTable values{columns, rows, {}, {}};
    for (qsizetype row = 0; row < rows.size(); ++row)
        values.rowLines.append(static_cast<int>(row) + 2);
    return values;
}

// As `shown`, a repeat followed by "=N", the line or table row it repeats.
QStringList shownWithRepeats(const QList<PreviewRow>& rows, const QStringList& lines, const ListPreview& preview)
{
    QStringList out = shown(rows, lines);
    for (qsizetype index = 0; index < rows.size(); ++index) {
        if (rows.at(index).status == LineStatus::Repeat)
            out[index] += u'=' + QString::number(preview.entries.at(rows.at(index).entry).sameAsLine);
    }
    return out;
}

}  // namespace

class ListPreviewTest : public QObject {
    Q_OBJECT

private slots:
    // The rows of the names list: each line as read, and beneath a line its
    // notation changed, each folder it stands for with its own status.
    void linesShowTheFoldersTheyStandFor_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("literal");
        QTest::addColumn<QStringList>("rows");
        using enum LineStatus;
        QTest::newRow("plain lines stay one row")
            << QStringList{"見積", ""} << false << QStringList{row(0, Ok, "見積"), row(0, Blank, "")};
        QTest::newRow("results beneath") << QStringList{"{yyyy}/{1..2}"} << false
                                         << QStringList{row(0, Ok, "{yyyy}/{1..2}"), row(1, Ok, "2026/1"),
                                                        row(1, Ok, "2026/2")};
        QTest::newRow("a repeat across lines")
            << QStringList{"2026", "{yyyy}"} << false
            << QStringList{row(0, Ok, "2026"), row(0, Ok, "{yyyy}"), row(1, Repeat, "2026")};
        QTest::newRow("a value adds no level")
            << QStringList{"{a,b/c}"} << false
            << QStringList{row(0, Refused, "{a,b/c}"), row(1, Ok, "a"), row(1, Refused, "b/c")};
        QTest::newRow("an unknown group is made as written")
            << QStringList{"{foo}"} << false << QStringList{row(0, Notation, "{foo}")};
        QTest::newRow("a value not given")
            << QStringList{"{?担当}/x"} << false << QStringList{row(0, Waiting, "{?担当}/x")};
        QTest::newRow("a value given") << QStringList{"{?顧客}/見積"} << false
                                       << QStringList{row(0, Ok, "{?顧客}/見積"), row(1, Ok, "A社/見積")};
        QTest::newRow("taken as written") << QStringList{"{yyyy}"} << true << QStringList{row(0, Ok, "{yyyy}")};
        QTest::newRow("more than the limit") << QStringList{"a", "{1..10001}"} << false
                                             << QStringList{row(0, Refused, "a"), row(0, Refused, "{1..10001}")};
    }
    void linesShowTheFoldersTheyStandFor()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, literal);
        QFETCH(QStringList, rows);
        NotationSettings notation = onDecember7;
        notation.literal = literal;
        const ListPreview preview = previewList(lines, {QStringLiteral("/base"), QStringLiteral("P")}, notation);
        QCOMPARE(shown(previewRows(preview), lines), rows);
    }

    // Filled from a table: every line and the parent name once per row, each
    // row's folders in its own parents, a folder two rows make in the same
    // parent made once, the limit over all rows.
    void eachTableRowFillsItsOwnTree_data()
    {
        QTest::addColumn<ValuesTable>("values");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("parents");
        QTest::addColumn<QString>("refusal");
        using enum LineStatus;
        const ValuesTable clients = table({"コード", "顧客"}, {{"C1", "A社"}, {"C2", "B社"}});
        const QStringList lines{"{?顧客}/見積", "共通"};
        QTest::newRow("one parent: a line without fields is made once")
            << clients << lines << "P"
            << QStringList{row(0, Ok, "表の2行目: C1"), row(1, Ok, "{?顧客}/見積"),   row(2, Ok, "A社/見積"),
                           row(1, Ok, "共通"),          row(0, Ok, "表の3行目: C2"),  row(1, Ok, "{?顧客}/見積"),
                           row(2, Ok, "B社/見積"),      row(1, Repeat, "共通") + "=2"}
            << QStringList{"P"} << QString();
        QTest::newRow("a parent per row: each tree in its own")
            << clients << lines << "{?コード}_{?顧客}"
            << QStringList{row(0, Ok, "表の2行目: C1"), row(1, Ok, "{?顧客}/見積"),  row(2, Ok, "A社/見積"),
                           row(1, Ok, "共通"),          row(0, Ok, "表の3行目: C2"), row(1, Ok, "{?顧客}/見積"),
                           row(2, Ok, "B社/見積"),      row(1, Ok, "共通")}
            << QStringList{"C1_A社", "C2_B社"} << QString();
        QTest::newRow("rows naming the same parent fill it once")
            << table({"顧客", "担当"}, {{"A社", "田中"}, {"A社", "佐藤"}}) << QStringList{"{?担当}", "共通"}
            << "{?顧客}"
            << QStringList{row(0, Ok, "表の2行目: A社"), row(1, Ok, "{?担当}"),        row(2, Ok, "田中"),
                           row(1, Ok, "共通"),           row(0, Ok, "表の3行目: A社"), row(1, Ok, "{?担当}"),
                           row(2, Ok, "佐藤"),           row(1, Repeat, "共通") + "=2"}
            << QStringList{"A社"} << QString();
        QTest::newRow("a field without a column takes the value typed; extra columns are ignored")
            << table({"顧客", "備考"}, {{"A社", "x/y"}}) << QStringList{"{?顧客}/{?期}"} << "P"
            << QStringList{row(0, Ok, "表の2行目: A社"), row(1, Ok, "{?顧客}/{?期}"), row(2, Ok, "A社/上期")}
            << QStringList{"P"} << QString();
        QTest::newRow("a parent list gives each row several parents")
            << table({"顧客"}, {{"A社"}, {"B社"}}) << QStringList{"{?顧客}"} << "{東,西}"
            << QStringList{row(0, Ok, "表の2行目: A社"), row(1, Ok, "{?顧客}"), row(2, Ok, "A社"),
                           row(0, Ok, "表の3行目: B社"), row(1, Ok, "{?顧客}"), row(2, Ok, "B社")}
            << QStringList{"東", "西"} << QString();
        QTest::newRow("a value that adds a level names its row and column")
            << table({"顧客"}, {{"A社"}, {"B/C"}}) << QStringList{"{?顧客}"} << "P"
            << QStringList{row(0, Ok, "表の2行目: A社"),      row(1, Ok, "{?顧客}"),      row(2, Ok, "A社"),
                           row(0, Refused, "表の3行目: B/C"), row(1, Refused, "{?顧客}"), row(2, Refused, "B/C")}
            << QStringList{"P"}
            << texts::badFolderNames + QStringLiteral("\n3行目: B/C（%1）").arg(texts::tableValueAddsLevel.arg("顧客"));
        QTest::newRow("the limit counts every row")
            << table({"顧客"}, {{"A社"}, {"B社"}}) << QStringList{"{?顧客}/{1..5001}"} << "P"
            << QStringList{row(0, Refused, "表の2行目: A社"), row(1, Refused, "{?顧客}/{1..5001}"),
                           row(0, Refused, "表の3行目: B社"), row(1, Refused, "{?顧客}/{1..5001}")}
            << QStringList{"P"} << texts::tooManyFolders.arg(10002).arg(10000);
        QTest::newRow("taken as written, the table is not used")
            << clients << lines << "P" << QStringList{row(0, Unsafe, "{?顧客}/見積"), row(0, Ok, "共通")}
            << QStringList{"P"} << QString();
    }
    void eachTableRowFillsItsOwnTree()
    {
        QFETCH(ValuesTable, values);
        QFETCH(QStringList, lines);
        QFETCH(QString, parent);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, parents);
        QFETCH(QString, refusal);
        NotationSettings notation = onDecember7;
        notation.values.asked.insert(QStringLiteral("期"), QStringLiteral("上期"));
        notation.table = values;
        notation.literal = QByteArray(QTest::currentDataTag()).startsWith("taken as written");
        const ListPreview preview = previewList(lines, {QStringLiteral("/base"), parent}, notation);
        QCOMPARE(shownWithRepeats(previewRows(preview), lines, preview), rows);
        QStringList names;
        for (const LinePreview& each : preview.parents)
            names.append(each.folder);
        QCOMPARE(names, parents);
        QCOMPARE(preview.refusal(), refusal);
    }

    // The press is refused for the first of: a bad parent, a value missing,
    // too many folders, refused lines; and the parent name may name several.
    void thePressIsRefusedWithTheReason_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("parents");
        QTest::newRow("goes") << QStringList{"a"} << "{A,B}社" << QString() << QStringList{"A社", "B社"};
        QTest::newRow("bad parent") << QStringList{"a"} << "{x,..}" << texts::badParentName.toString()
                                    << QStringList{"x", ".."};
        QTest::newRow("value missing") << QStringList{"{?担当}", "{?期}"} << "P"
                                       << texts::valuesMissing.arg(QStringLiteral("担当、期")) << QStringList{"P"};
        QTest::newRow("too many with the parents")
            << QStringList{"{1..5001}"} << "{A,B}" << texts::tooManyFolders.arg(10002).arg(10000)
            << QStringList{"A", "B"};
        QTest::newRow("blank lines make no folders")
            << QStringList{"{1..5000}", "", "/"} << "{A,B}" << QString() << QStringList{"A", "B"};
        QTest::newRow("more parents than a press makes")
            << QStringList{"a"} << "{1..10001}" << texts::tooManyFolders.arg(10001).arg(10000) << QStringList();
        QTest::newRow("refused line named by its line")
            << QStringList{"x", "{a,../b}"} << "P"
            << texts::badFolderNames + QStringLiteral("\n2行目: ../b（%1）").arg(texts::reasonValueAddsLevel)
            << QStringList{"P"};
    }
    void thePressIsRefusedWithTheReason()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, parent);
        QFETCH(QString, refusal);
        QFETCH(QStringList, parents);
        const ListPreview preview = previewList(lines, {QStringLiteral("/base"), parent}, onDecember7);
        QCOMPARE(preview.refusal(), refusal);
        QStringList names;
        for (const LinePreview& each : preview.parents)
            names.append(each.folder);
        QCOMPARE(names, parents);
    }
};

QTEST_GUILESS_MAIN(ListPreviewTest)
#include "test_list_preview.moc"
