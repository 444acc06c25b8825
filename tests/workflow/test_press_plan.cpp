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
        const QList<LinePreview>& entries = plan.preview.entriesFor(parent);
        for (qsizetype index = 0; index < entries.size(); ++index) {
            const LinePreview& entry = entries.at(index);
            rows.append(QString::number(plan.preview.expanded.entries.at(index).line + 1) + u' ' +
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
