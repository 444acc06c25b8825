#include "list_preview.h"
#include "workflow_texts.h"

#include <QTest>

using namespace kestrune;

namespace {

const NotationSettings onDecember7{{QDate(2026, 12, 7), {{QStringLiteral("顧客"), QStringLiteral("A社")}}}, false};

// Each row as "indent|status|text".
QStringList shown(const QList<PreviewRow>& rows)
{
    QStringList out;
    for (const PreviewRow& row : rows)
        out.append(QStringLiteral("%1|%2|%3").arg(row.indent).arg(static_cast<int>(row.status)).arg(row.text));
    return out;
}

QString row(int indent, LineStatus status, const QString& text)
{
    return QStringLiteral("%1|%2|%3").arg(indent).arg(static_cast<int>(status)).arg(text);
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
        QCOMPARE(shown(previewRows(lines, preview)), rows);
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
