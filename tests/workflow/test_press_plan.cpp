#include "fake_mount_table.h"
#include "posix_folders.h"
#include "press_plan.h"
#include "press_run.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;
using namespace kestrune::test;
using namespace Qt::StringLiterals;

namespace {

// A plan in a few words: each parent as "name status", then its folders as
// "line status folder".
QStringList described(const PressPlan& plan)
{
    QStringList rows;
    for (qsizetype parent = 0; parent < plan.preview.parents.size(); ++parent) {
        const LinePreview& name = plan.preview.parents.at(parent);
        rows.append(name.folder + u' ' + traitsOf(name.status).word.toString());
        const ParentShare share = plan.preview.shareOf(parent);
        for (qsizetype at = 0; at < share.entries.size(); ++at) {
            const LinePreview& entry = share.entries.at(at);
            rows.append(QString::number(plan.preview.expanded.entries.at(share.indexOf(at)).line + 1) + u' ' +
                        traitsOf(entry.status).word.toString() + u' ' + entry.folder);
        }
    }
    return rows;
}

}  // namespace

// The plan is what both the window and the command line press: the same
// rows, the same refusals, the same folders made.
class PressPlanTest : public QObject {
    Q_OBJECT

private slots:
    void eachListGivesItsPlan_data()
    {
        QTest::addColumn<QStringList>("before");  // made in the base first; "file:" makes a plain file
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("parent");  // as typed
        QTest::addColumn<bool>("fillIn");
        QTest::addColumn<QStringList>("plan");
        QTest::addColumn<QString>("stops");  // "refused", "base", or "" when the press goes
        QTest::addColumn<QStringList>("after");

        QTest::newRow("lines, a blank and a repeat")
            << QStringList{} << QStringList{u"a"_s, u"b\\c"_s, u""_s, u"a/"_s} << u" P "_s << false
            << QStringList{u"P ok"_s, u"1 ok a"_s, u"2 ok b/c"_s, u"3 blank "_s, u"4 repeat a"_s} << u""_s
            << QStringList{u"P/"_s, u"P/a/"_s, u"P/b/"_s, u"P/b/c/"_s};
        QTest::newRow("a line leaving the parent refuses all")
            << QStringList{} << QStringList{u"a"_s, u"../x"_s} << u"P"_s << false
            << QStringList{u"P ok"_s, u"1 ok a"_s, u"2 refused "_s} << u"refused"_s << QStringList{};
        QTest::newRow("a taken parent gets #")
            << QStringList{u"P"_s} << QStringList{u"a"_s} << u"P"_s << false << QStringList{u"P ok"_s, u"1 ok a"_s}
            << u""_s << QStringList{u"P#/"_s, u"P#/a/"_s, u"P/"_s};
        QTest::newRow("filling in what is there")
            << QStringList{u"P"_s, u"P/a"_s} << QStringList{u"a"_s, u"b"_s} << u"P"_s << true
            << QStringList{u"P exists"_s, u"1 exists a"_s, u"2 ok b"_s} << u""_s
            << QStringList{u"P/"_s, u"P/a/"_s, u"P/b/"_s};
        QTest::newRow("a file where a folder must go")
            << QStringList{u"P"_s, u"file:P/a"_s} << QStringList{u"a/b"_s} << u"P"_s << true
            << QStringList{u"P exists"_s, u"1 refused a/b"_s} << u"refused"_s << QStringList{u"P/"_s, u"P/a"_s};
        QTest::newRow("several parents") << QStringList{} << QStringList{u"x"_s} << u"{A,B}"_s << false
                                         << QStringList{u"A ok"_s, u"1 ok x"_s, u"B ok"_s, u"1 ok x"_s} << u""_s
                                         << QStringList{u"A/"_s, u"A/x/"_s, u"B/"_s, u"B/x/"_s};
        QTest::newRow("a value not given") << QStringList{} << QStringList{u"{?顧客}"_s} << u"P"_s << false
                                           << QStringList{u"P ok"_s} << u"refused"_s << QStringList{};
        QTest::newRow("a parent name that is no name")
            << QStringList{} << QStringList{u"a"_s} << u"a/b"_s << false << QStringList{u"a/b refused"_s, u"1 ok a"_s}
            << u"refused"_s << QStringList{};
    }
    void eachListGivesItsPlan()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, lines);
        QFETCH(QString, parent);
        QFETCH(bool, fillIn);
        QFETCH(QStringList, plan);
        QFETCH(QString, stops);
        QFETCH(QStringList, after);
        QTemporaryDir dir;
        const QString base = dir.path();
        for (const QString& entry : std::as_const(before)) {
            if (entry.startsWith(u"file:"_s))
                writeFile(base, entry.mid(5), "keep");
            else
                QVERIFY(QDir(base).mkpath(entry));
        }
        PosixFolders folders;
        const PressRequest request{
            lines, {}, pressTargetOf(base, FakeMountTable()), parent, {{QDate(2026, 12, 8), {}}, false}, fillIn};

        const PressPlan planned = planPress(request, folders, PlanUse::Press);
        QCOMPARE(described(planned), plan);
        QCOMPARE(planned.refusal().isEmpty(), stops != u"refused"_s);
        const PressOutcome outcome = carryOutPress(planned);
        QCOMPARE(bool(outcome.failure), !stops.isEmpty());
        QCOMPARE(entriesBelow(base), after);
    }

    // Filled from a table, each row's tree goes into its own parents only,
    // made or filled in; rows that name one parent fill it together.
    void tableRowsGoIntoTheirOwnParents_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<bool>("fillIn");
        QTest::addColumn<QStringList>("plan");
        QTest::addColumn<QStringList>("after");
        const QStringList none;
        QTest::newRow("a parent a row") << none << u"{?顧客}"_s << false
                                        << QStringList{u"A社 ok"_s, u"1 ok 見積"_s, u"2 ok 田中"_s,
                                                       u"B社 ok"_s, u"1 ok 見積"_s, u"2 ok 佐藤"_s,
                                                       u"C社 ok"_s, u"1 ok 見積"_s, u"2 ok 鈴木"_s}
                                        << QStringList{u"A社/"_s, u"A社/田中/"_s, u"A社/見積/"_s,
                                                       u"B社/"_s, u"B社/佐藤/"_s, u"B社/見積/"_s,
                                                       u"C社/"_s, u"C社/見積/"_s, u"C社/鈴木/"_s};
        QTest::newRow("filling in the parents there")
            << QStringList{u"B社/見積"_s} << u"{?顧客}"_s << true
            << QStringList{u"A社 ok"_s,    u"1 ok 見積"_s, u"2 ok 田中"_s, u"B社 exists"_s, u"1 exists 見積"_s,
                           u"2 ok 佐藤"_s, u"C社 ok"_s,    u"1 ok 見積"_s, u"2 ok 鈴木"_s}
            << QStringList{u"A社/"_s,      u"A社/田中/"_s, u"A社/見積/"_s, u"B社/"_s,     u"B社/佐藤/"_s,
                           u"B社/見積/"_s, u"C社/"_s,      u"C社/見積/"_s, u"C社/鈴木/"_s};
        QTest::newRow("one parent for every row")
            << none << u"P"_s << false
            << QStringList{u"P ok"_s,      u"1 ok 見積"_s,     u"2 ok 田中"_s, u"1 repeat 見積"_s,
                           u"2 ok 佐藤"_s, u"1 repeat 見積"_s, u"2 ok 鈴木"_s}
            << QStringList{u"P/"_s, u"P/佐藤/"_s, u"P/田中/"_s, u"P/見積/"_s, u"P/鈴木/"_s};
    }
    void tableRowsGoIntoTheirOwnParents()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, parent);
        QFETCH(bool, fillIn);
        QFETCH(QStringList, plan);
        QFETCH(QStringList, after);
        QTemporaryDir dir;
        for (const QString& entry : std::as_const(before))
            QVERIFY(QDir(dir.path()).mkpath(entry));
        ValuesTable table{{u"顧客"_s, u"担当"_s},
                          {{u"A社"_s, u"田中"_s}, {u"B社"_s, u"佐藤"_s}, {u"C社"_s, u"鈴木"_s}},
                          {2, 3, 4},
                          {}};
        PosixFolders folders;
        const PressRequest request{{u"見積"_s, u"{?担当}"_s},
                                   {},
                                   pressTargetOf(dir.path(), FakeMountTable()),
                                   parent,
                                   {{QDate(2026, 12, 8), {}}, false, table},
                                   fillIn};

        const PressPlan planned = planPress(request, folders, PlanUse::Press);
        QCOMPARE(described(planned), plan);
        QVERIFY(!carryOutPress(planned).failure);
        QCOMPARE(entriesBelow(dir.path()), after);
    }

    // The base is judged the same way for every caller: it must be an
    // absolute path to a folder there now.
    void aBaseThatCannotBeUsedStopsThePlan_data()
    {
        QTest::addColumn<QString>("base");  // relative to a scratch folder holding a file "f"; "!" for a relative path
        QTest::newRow("relative") << u"!"_s;
        QTest::newRow("gone") << u"none"_s;
        QTest::newRow("a file") << u"f"_s;
    }
    void aBaseThatCannotBeUsedStopsThePlan()
    {
        QFETCH(QString, base);
        QTemporaryDir dir;
        writeFile(dir.path(), u"f"_s, "x");
        const QString path = base == u"!"_s ? u"relative"_s : dir.filePath(base);
        PosixFolders folders;
        const PressRequest request{{u"a"_s}, {}, {path, {}}, u"P"_s, {}, false};

        const PressPlan plan = planPress(request, folders, PlanUse::Press);

        QVERIFY(plan.baseError);
        QCOMPARE(plan.baseError->number(), int(PathNotFound));
        QVERIFY(plan.baseError->description().contains(path));
        QVERIFY(carryOutPress(plan).failure);
        QCOMPARE(entriesBelow(dir.path()), QStringList{u"f"_s});
    }
};

QTEST_GUILESS_MAIN(PressPlanTest)
#include "test_press_plan.moc"
