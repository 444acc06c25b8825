#include "notation.h"

#include <QTest>

#include <limits>

using namespace kestrune;

namespace {

// 2026-12-07 is a Monday of 令和8.
const QDate monday(2026, 12, 7);

// "name=value" pairs, so that a row reads as written.
NotationValues valuesOf(QDate date, const QStringList& asked)
{
    NotationValues values{date, {}};
    for (const QString& pair : asked)
        values.asked.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    return values;
}

}  // namespace

class NotationTest : public QObject {
    Q_OBJECT

private slots:
    void textExpandsToResults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("addingLevels");  // the results flagged valueAddsLevel
        QTest::addColumn<bool>("notation");
        QTest::addColumn<bool>("unknown");
        const QStringList none;
        const QDate noDate;

        QTest::newRow("plain") << "見積書/控え" << monday << none << QStringList{"見積書/控え"} << none << false
                               << false;
        QTest::newRow("date") << "{yyyymmdd}" << monday << none << QStringList{"20261207"} << none << true << false;
        QTest::newRow("joiners, any case") << "{yyyy-mm}_{YY.M.D}{d m}" << monday << none
                                           << QStringList{"2026-12_26.12.77 12"} << none << true << false;
        QTest::newRow("weekday") << "{aaa}/{AAAA}" << monday << none << QStringList{"月/月曜日"} << none << true
                                 << false;
        QTest::newRow("era forms") << "{ge} {gg}{ee} {ggge}" << monday << none << QStringList{"R8 令08 令和8"} << none
                                   << true << false;
        QTest::newRow("last 昭和 day") << "{ggge}" << QDate(1989, 1, 7) << none << QStringList{"昭和64"} << none << true
                                       << false;
        QTest::newRow("first 平成 day") << "{ggge}|{gge}|{ge}|{e}|{ggg ee}" << QDate(1989, 1, 8) << none
                                        << QStringList{"平成元|平元|H元|1|平成 01"} << none << true << false;
        QTest::newRow("last 平成 day") << "{ggge}" << QDate(2019, 4, 30) << none << QStringList{"平成31"} << none
                                       << true << false;
        QTest::newRow("first 令和 day") << "{ggge} {e}" << QDate(2019, 5, 1) << none << QStringList{"令和元 1"} << none
                                        << true << false;
        QTest::newRow("first 昭和 day") << "{ggge}" << QDate(1926, 12, 25) << none << QStringList{"昭和元"} << none
                                        << true << false;
        QTest::newRow("before the eras") << "{ggge}-{yyyy}" << QDate(1926, 12, 24) << none << QStringList{"{ggge}-1926"}
                                         << none << true << true;
        QTest::newRow("no date") << "{yyyy}{年度}" << noDate << none << QStringList{"{yyyy}{年度}"} << none << false
                                 << true;
        QTest::newRow("fiscal year's last day")
            << "{年度}" << QDate(2027, 3, 31) << none << QStringList{"2026"} << none << true << false;
        QTest::newRow("fiscal year's first day")
            << "{年度}" << QDate(2027, 4, 1) << none << QStringList{"2027"} << none << true << false;
        QTest::newRow("fiscal year 2019 in its era") << "{年度:ggge}{年度:-mm}" << QDate(2020, 3, 31) << none
                                                     << QStringList{"平成31-04"} << none << true << false;
        QTest::newRow("numbers up") << "{1..3}" << monday << none << QStringList{"1", "2", "3"} << none << true
                                    << false;
        QTest::newRow("numbers down") << "{3..1}" << monday << none << QStringList{"3", "2", "1"} << none << true
                                      << false;
        QTest::newRow("padded") << "{09..11}" << monday << none << QStringList{"09", "10", "11"} << none << true
                                << false;
        QTest::newRow("not padded") << "{9..10}" << monday << none << QStringList{"9", "10"} << none << true << false;
        QTest::newRow("padded down, negative")
            << "{1..-01}" << monday << none << QStringList{"001", "000", "-01"} << none << true << false;
        QTest::newRow("letters") << "{A..C}{c..b}" << monday << none << QStringList{"Ac", "Ab", "Bc", "Bb", "Cc", "Cb"}
                                 << none << true << false;
        QTest::newRow("a sequence before date codes")
            << "{d..f}" << monday << none << QStringList{"d", "e", "f"} << none << true << false;
        QTest::newRow("mixed ends") << "{1..C}{a..C}" << monday << none << QStringList{"{1..C}{a..C}"} << none << false
                                    << true;
        QTest::newRow("fiscal months") << "{11..12,01..02}月" << monday << none
                                       << QStringList{"11月", "12月", "01月", "02月"} << none << true << false;
        QTest::newRow("list, empty item, slowest first")
            << "{x,,y}{1..2}" << monday << none << QStringList{"x1", "x2", "1", "2", "y1", "y2"} << none << true
            << false;
        QTest::newRow("escapes") << "{{a}}{{{1..2}}}" << monday << none << QStringList{"{a}{1}", "{a}{2}"} << none
                                 << true << false;
        QTest::newRow("escapes alone") << "}}x{{" << monday << none << QStringList{"}x{"} << none << true << false;
        QTest::newRow("unknown groups kept")
            << "{abc}{}{mmx}a}b{c" << monday << none << QStringList{"{abc}{}{mmx}a}b{c"} << none << false << true;
        QTest::newRow("unclosed before a group")
            << "{x{1..2}" << monday << none << QStringList{"{x1", "{x2"} << none << true << true;
        QTest::newRow("full-width braces")
            << "｛1..2｝" << monday << none << QStringList{"｛1..2｝"} << none << false << false;
        QTest::newRow("full-width comma")
            << "{a，b}" << monday << none << QStringList{"{a，b}"} << none << false << true;
        QTest::newRow("value asked") << "{?顧客}_{?顧客}" << monday << QStringList{"顧客=A社"} << QStringList{"A社_A社"}
                                     << none << true << false;
        QTest::newRow("value adds a level")
            << "x/{?顧客}" << monday << QStringList{"顧客=A社\\営業"} << QStringList{"x/A社\\営業"}
            << QStringList{"x/A社\\営業"} << true << false;
        QTest::newRow("list item adds a level")
            << "x/{a/b,c}" << monday << none << QStringList{"x/a/b", "x/c"} << QStringList{"x/a/b"} << true << false;
        QTest::newRow("values are not read again")
            << "{?名}" << monday << QStringList{"名={1..3}"} << QStringList{"{1..3}"} << none << true << false;
    }
    void textExpandsToResults()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, results);
        QFETCH(QStringList, addingLevels);
        QFETCH(bool, notation);
        QFETCH(bool, unknown);
        const Expansion expansion = expandNotation(text, valuesOf(date, asked), 1000);
        QStringList texts;
        QStringList flagged;
        for (const NotationResult& result : expansion.results) {
            texts.append(result.text);
            if (result.valueAddsLevel)
                flagged.append(result.text);
        }
        QCOMPARE(texts, results);
        QCOMPARE(flagged, addingLevels);
        QCOMPARE(expansion.count, qint64(results.size()));
        QCOMPARE(expansion.usesNotation, notation);
        QCOMPARE(expansion.unknownGroup, unknown);
        QVERIFY(expansion.missingValues.isEmpty());
    }

    void resultsAreCountedBeforeTheyAreMade()
    {
        const NotationValues values{monday, {}};
        const Expansion huge = expandNotation("{1..100000000}", values, 1000);
        QCOMPARE(huge.count, 100000000);
        QVERIFY(huge.results.isEmpty());
        QCOMPARE(expandNotation("{1..10}{A..J}", values, 100).results.size(), 100);
        QVERIFY(expandNotation("{1..10}{A..J}", values, 99).results.isEmpty());
        QVERIFY(expandNotation("plain", values, 0).results.isEmpty());
        // The product saturates instead of wrapping round to a small count.
        const QString widest = "-999999999999999999..999999999999999999";
        const qint64 most = std::numeric_limits<qint64>::max();
        QCOMPARE(expandNotation("{" + widest + "}{" + widest + "}", values, 1000).count, most);
        QCOMPARE(expandNotation("{" + QStringList(5, widest).join(u',') + "}", values, 1000).count, most);
        QVERIFY(expandNotation("{1..9999999999999999999}", values, 1000).unknownGroup);
    }

    void missingValuesAreNamedOnce()
    {
        const Expansion oneMissing = expandNotation("{?a}{?b}{1..2}{?a}", valuesOf(monday, {"b=x"}), 1000);
        QCOMPARE(oneMissing.missingValues, QStringList{"a"});
        QVERIFY(oneMissing.results.isEmpty());
        QCOMPARE(oneMissing.count, 2);
        QCOMPARE(expandNotation("{?a}{?b}", {}, 1000).missingValues, (QStringList{"a", "b"}));
    }

    void askedNamesAndDatesAreFound()
    {
        QCOMPARE(askedNames("{?客}{{?x}}{?日付}/{?客}{?}"), (QStringList{"客", "日付"}));
        QVERIFY(askedNames("plain").isEmpty());
        for (const QString text : {"{yyyy}", "a{年度}", "{年度:ge}", "{yyyy}{1..2}"})
            QVERIFY2(usesDates(text), qPrintable(text));
        for (const QString text : {"plain", "{d..f}", "{{yyyy}}", "{d,m}", "{?yyyy}", "{年度:x}"})
            QVERIFY2(!usesDates(text), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(NotationTest)
#include "test_notation.moc"
