// What a template puts where, before anything is made: names meet as folder
// names do, the notation fills in the template's names, and the Windows
// rules and the limits hold for the copies as for the folders.

#include "fake_folders.h"
#include "list_preview.h"
#include "template_plan.h"
#include "template_reading.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;
using namespace kestrune::test;
using namespace Qt::StringLiterals;

class TemplatePlanTest : public QObject {
    Q_OBJECT

private slots:
    // `templ`: the template's files ("dir/" a folder; "!unreadable": its
    // listing fails); `planned`: each copy
    // of the parent as "status path", then "unused NAME" and "refused: N
    // files" for a plan over the limit.
    void copiesFollowTheRules_data()
    {
        QTest::addColumn<QStringList>("templ");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QStringList>("planned");
        QTest::newRow("a decomposed template name meets its folder")
            << QStringList{u"\u30AB\u3099/a.txt"_s} << QStringList{u"\u30AC"_s} << false
            << QStringList{u"file \u30AC/a.txt"_s};
        QTest::newRow("letter case ignored on a Windows file system")
            << QStringList{"Quote/a.txt"} << QStringList{"quote"} << true << QStringList{"file quote/a.txt"};
        QTest::newRow("letter case kept elsewhere, the folder unused")
            << QStringList{"Quote/a.txt"} << QStringList{"quote"} << false << QStringList{"unused Quote"};
        QTest::newRow("a group gives several copies")
            << QStringList{"{A,B}.txt", "m/{yyyy}/x.txt"} << QStringList{"m"} << false
            << QStringList{"file A.txt", "file B.txt", "file m/2026/", "file m/2026/x.txt"};
        QTest::newRow("a ? refused on a Windows file system, a full-width ？ fine")
            << QStringList{"a?.txt", u"b？.txt"_s} << QStringList{"x"} << true
            << QStringList{"refused a?.txt", u"file b？.txt"_s};
        QTest::newRow("a ? unsafe elsewhere")
            << QStringList{"a?.txt"} << QStringList{"x"} << false << QStringList{"unsafe a?.txt"};
        QTest::newRow("a file where a folder of the list goes")
            << QStringList{"x"} << QStringList{"x/y"} << false << QStringList{"refused x"};
        QTest::newRow("the same name twice")
            << QStringList{"{a,a}.txt"} << QStringList{"x"} << false << QStringList{"file a.txt", "skipped a.txt"};
        QTest::newRow("a value holding a slash")
            << QStringList{"{?担当}.txt"} << QStringList{"x"} << false << QStringList{"refused a/b.txt"};
        QTest::newRow("a template that cannot be read")
            << QStringList{"a.txt", "!unreadable"} << QStringList{"x"} << false << QStringList{"refused: unreadable"};
        QTest::newRow("more files than a press copies") << QStringList{"m/{1..2000}.txt"} << QStringList{"{1..6}/m"}
                                                        << false << QStringList{"refused: 12000 files"};
    }
    void copiesFollowTheRules()
    {
        QFETCH(QStringList, templ);
        QFETCH(QStringList, lines);
        QFETCH(bool, windows);
        QFETCH(QStringList, planned);
        QTemporaryDir dir;
        const QString templatePath = dir.filePath(u"list.ひな形"_s);
        FakeFolders folders;
        for (const QString& entry : templ) {
            if (entry == u"!unreadable") {
                folders.faults.failOn(u"sizedEntries"_s, 1, PermissionDenied);
                continue;
            }
            const QString folder = entry.endsWith(u'/') ? entry : entry.section(u'/', 0, -2);
            QVERIFY(QDir(templatePath).mkpath(folder.isEmpty() ? u"."_s : folder));
            if (!entry.endsWith(u'/'))
                writeFile(templatePath, entry, "x");
        }
        PreviewTarget target{dir.path(), u"P"_s};
        target.volume.windowsFileSystem = windows;
        NotationSettings notation;
        notation.values.date = QDate(2026, 12, 7);
        notation.values.asked.insert(u"担当"_s, u"a/b"_s);
        const ListPreview preview = previewList(lines, target, notation);
        const TemplatePlan plan = planTemplate(readTemplate(folders, templatePath), preview, target, notation, nullptr);

        static const char* const statuses[] = {"file", "exists", "skipped", "unsafe", "refused"};
        QStringList shown;
        for (const TemplateCopy& copy : plan.copiesFor(0))
            shown.append(QLatin1String(statuses[int(copy.status)]) + u' ' + copy.path +
                         (copy.folder ? u"/"_s : QString()));
        for (const QString& unused : plan.unusedFolders)
            shown.append(u"unused "_s + unused);
        if (plan.failure) {
            shown.append(u"refused: unreadable"_s);
            QVERIFY(plan.refusal().contains(plan.failure->description()));
        }
        if (plan.tooMany())
            shown.append(u"refused: %1 files"_s.arg(plan.files));
        QCOMPARE(shown, planned);
        // A copy refused refuses the press, naming it.
        QCOMPARE(!plan.refusal().isEmpty(), planned.join(u' ').contains(u"refused"_s));
    }
};

QTEST_GUILESS_MAIN(TemplatePlanTest)
#include "test_template_plan.moc"
