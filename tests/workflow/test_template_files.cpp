// Template files on real folders: every folder a press makes or fills gets
// the files of the template folder beside the list, by the folder's name;
// nothing is ever overwritten, the copy is the person's new file, and the
// undo takes back only copies nobody has touched since.

#include "creation_undo.h"
#include "fake_folders.h"
#include "press_plan.h"
#include "press_run.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <QList>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

using namespace kestrune;
using namespace kestrune::test;
using namespace Qt::StringLiterals;

namespace {

// Entries of a folder tree: folders end in "/", "name@" is a link to
// "elsewhere", anything else a file holding its own path (more than one
// step of a copy, so that a copy can fail half-way).
void furnish(const QString& root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (entry.endsWith(u'@')) {
            const QString link = root + u'/' + entry.chopped(1);
            QVERIFY(QDir().mkpath(QFileInfo(link).path()));
            QVERIFY(QFile::link(u"elsewhere"_s, link));
            continue;
        }
        const QString folder = entry.endsWith(u'/') ? entry : entry.section(u'/', 0, -2);
        QVERIFY(folder.isEmpty() || QDir(root).mkpath(folder));
        if (!entry.endsWith(u'/'))
            writeFile(root, entry, entry.toUtf8().repeated(64 * 1024));
    }
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// One press of `lines` into the parent "P" beside the list, with the
// template beside the list: planned, then refused or carried out.
struct Press {
    TemplatePlan plan;
    QString refusal;
    CreationRecord record;
    std::optional<RuntimeError> failure;
};

Press press(FakeFolders& folders, const QString& base, const QStringList& lines, bool fillIn)
{
    PressRequest request;
    request.lines = lines;
    request.listFilePath = base + u"/list.txt"_s;
    request.target = PressTarget{base, VolumePlace{}};
    request.typedParentName = u"P"_s;
    request.notation.values.date = QDate(2026, 12, 7);
    request.fillIn = fillIn;
    const PressPlan plan = planPress(request, folders, PlanUse::Press);
    Press press{plan.templates, plan.refusal(), {}, std::nullopt};
    if (!press.refusal.isEmpty())
        return press;
    PressOutcome outcome = carryOutPress(plan);
    press.record = std::move(outcome.record);
    press.failure = outcome.failure;
    return press;
}

}  // namespace

class TemplateFilesTest : public QObject {
    Q_OBJECT

private slots:
    // `templ` is the template folder's content and `there` what the base
    // holds besides; `added` what the press adds below the base ("refused"
    // when the press is refused, nothing made). `action`: "fill in";
    // "read-only"; "full disk" (the first copy fails half-way, and the press
    // stops there: the folders after it are not made); "change F"
    // (F is written to after the press, then undone twice, F removed between).
    void eachFolderGetsItsFiles_data()
    {
        QTest::addColumn<QStringList>("templ");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("there");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QString>("counts");  // files copied, kept and skipped
        QTest::newRow("a file at the top level")
            << QStringList{u"送付状.docx"_s} << QStringList{"a", "b/c"} << QStringList{} << QString()
            << QStringList{"P/", "P/a/", "P/b/", "P/b/c/", u"P/送付状.docx"_s} << u"1 0 0"_s;
        QTest::newRow("a by-name rule") << QStringList{u"見積/見積書.xlsx"_s, u"請求/請求書.xlsx"_s, u"送付状.docx"_s}
                                        << QStringList{u"A社/見積"_s, u"A社/請求"_s, u"B社/見積"_s} << QStringList{}
                                        << QString()
                                        << QStringList{"P/",
                                                       u"P/A社/"_s,
                                                       u"P/A社/見積/"_s,
                                                       u"P/A社/見積/見積書.xlsx"_s,
                                                       u"P/A社/請求/"_s,
                                                       u"P/A社/請求/請求書.xlsx"_s,
                                                       u"P/B社/"_s,
                                                       u"P/B社/見積/"_s,
                                                       u"P/B社/見積/見積書.xlsx"_s,
                                                       u"P/送付状.docx"_s}
                                        << u"4 0 0"_s;
        QTest::newRow("a nested rule") << QStringList{u"見積/控え/控え.xlsx"_s, u"見積/空/"_s}
                                       << QStringList{u"A社/見積"_s} << QStringList{} << QString()
                                       << QStringList{"P/",
                                                      u"P/A社/"_s,
                                                      u"P/A社/見積/"_s,
                                                      u"P/A社/見積/控え/"_s,
                                                      u"P/A社/見積/控え/控え.xlsx"_s,
                                                      u"P/A社/見積/空/"_s}
                                       << u"1 0 0"_s;
        QTest::newRow("notation in a name")
            << QStringList{u"月/月次報告_{yyyy}{mm}.xlsx"_s, u"{01..02}月/"_s} << QStringList{u"月"_s} << QStringList{}
            << QString() << QStringList{"P/", u"P/月/"_s, u"P/月/月次報告_202612.xlsx"_s} << u"1 0 0"_s;
        QTest::newRow("fill-in with the file already there")
            << QStringList{u"見積/見積書.xlsx"_s, u"見積/控え.xlsx"_s} << QStringList{u"見積"_s}
            << QStringList{u"P/見積/見積書.xlsx"_s} << u"fill in"_s << QStringList{u"P/見積/控え.xlsx"_s} << u"1 1 0"_s;
        QTest::newRow("a changed copy, kept by the undo")
            << QStringList{u"見積/見積書.xlsx"_s, u"見積/控え.xlsx"_s} << QStringList{u"A/見積"_s} << QStringList{}
            << u"change P/A/見積/見積書.xlsx"_s
            << QStringList{"P/", "P/A/", u"P/A/見積/"_s, u"P/A/見積/控え.xlsx"_s, u"P/A/見積/見積書.xlsx"_s}
            << u"2 0 0"_s;
        QTest::newRow("a link and a junk file, skipped")
            << QStringList{u"見積/見積書.xlsx"_s, u"見積/~$見積書.xlsx"_s, u"見積/最新@"_s, "Thumbs.db"}
            << QStringList{u"見積"_s} << QStringList{} << QString()
            << QStringList{"P/", u"P/見積/"_s, u"P/見積/見積書.xlsx"_s} << u"1 0 3"_s;
        QTest::newRow("a read-only template, a writable copy")
            << QStringList{u"見積/見積書.xlsx"_s} << QStringList{u"見積"_s} << QStringList{} << u"read-only"_s
            << QStringList{"P/", u"P/見積/"_s, u"P/見積/見積書.xlsx"_s} << u"1 0 0"_s;
        QTest::newRow("a file where a folder must go, refused")
            << QStringList{u"見積/控え/控え.xlsx"_s} << QStringList{u"見積"_s} << QStringList{u"P/見積/控え"_s}
            << u"fill in"_s << QStringList{"refused"} << u"0 0 0"_s;
        QTest::newRow("a disk that fills up mid-copy")
            << QStringList{u"見積/見積書.xlsx"_s} << QStringList{u"見積"_s, "b"} << QStringList{} << u"full disk"_s
            << QStringList{"P/", u"P/見積/"_s} << u"0 0 0"_s;
    }
    void eachFolderGetsItsFiles()
    {
        QFETCH(QStringList, templ);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, there);
        QFETCH(QString, action);
        QFETCH(QStringList, added);
        QFETCH(QString, counts);
        QTemporaryDir dir;
        const QString base = dir.path();
        const QString templatePath = base + u"/list.ひな形"_s;
        QVERIFY(QDir().mkdir(templatePath));
        furnish(templatePath, templ);
        furnish(base, there);
        writeFile(base, u"list.txt"_s, lines.join(u'\n').toUtf8());
        if (action == u"read-only")
            QVERIFY(::chmod(QFile::encodeName(templatePath + u"/見積/見積書.xlsx"_s).constData(), 0444) == 0);
        const QStringList before = entriesBelow(base);

        FakeFolders folders;
        if (action == u"full disk")
            folders.faults.failOn(u"copyStep"_s, 1, DiskFull);
        Press made = press(folders, base, lines, action == u"fill in");

        QStringList now = entriesBelow(base);
        for (const QString& entry : before)
            now.removeOne(entry);
        QCOMPARE(now, added.first() == u"refused" ? QStringList() : added);
        QCOMPARE(!made.refusal.isEmpty(), added.first() == u"refused");
        QCOMPARE(made.failure.has_value(), action == u"full disk");
        if (made.failure) {  // tried, and no partial file left
            QCOMPARE(made.failure->number(), int(DiskFull));
            QCOMPARE(folders.copied.size(), 1);
        }
        // Byte for byte, and the person's new file whatever the template's mode.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        for (const TemplateCopy& copy : made.plan.copiesFor(0)) {
            const QString path = base + u"/P/"_s + copy.path;
            if (copy.folder || copy.status != CopyStatus::File || !QFileInfo::exists(path))
                continue;
            QCOMPARE(contentsOf(path), contentsOf(templatePath + u'/' + copy.source.join(u'/')));
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
            QCOMPARE(info.st_mode & 07777, 0666 & ~mask);
        }
        const auto skipped = std::count_if(made.plan.copiesFor(0).cbegin(), made.plan.copiesFor(0).cend(),
                                           [](const TemplateCopy& copy) { return copy.status == CopyStatus::Skipped; });
        const ParentOutcome parent = made.record.parents.value(0);
        QCOMPARE(u"%1 %2 %3"_s.arg(parent.filesCopied).arg(parent.filesKept).arg(skipped), counts);
        if (added.first() == u"refused")
            return;
        if (action.startsWith(u"change ")) {
            const QString changed = base + u'/' + action.section(u' ', 1);
            QFile file(changed);
            QVERIFY(file.open(QIODevice::Append));
            file.write("edited");
            file.close();
            const UndoOutcome first = undoCreation(made.record, folders);
            QCOMPARE(first.kept.size(), 4);  // the file and the three folders holding it
            QCOMPARE(first.filesRemoved, 1);
            QVERIFY(QFileInfo::exists(changed));
            QVERIFY(QFile::remove(changed));
        }
        const UndoOutcome undone = undoCreation(made.record, folders);
        QVERIFY2(undone.failures.isEmpty(), qPrintable(undoReport(undone)));
        QVERIFY(made.record.isEmpty());
        QCOMPARE(entriesBelow(base), before);
    }

    // 「ひな形フォルダーを開く」: the template beside the list opens in the
    // file manager, made first after a yes; the names list shows it above
    // the lines from then on. A pasted list has none.
    void theTemplateFolderOpensFromTheList_data()
    {
        QTest::addColumn<bool>("there");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("opened");
        QTest::newRow("there already") << true << false << QList<bool>{} << true;
        QTest::newRow("missing, made after a yes") << false << false << QList<bool>{true} << true;
        QTest::newRow("missing, left after a no") << false << false << QList<bool>{false} << false;
        QTest::newRow("a pasted list has none") << false << true << QList<bool>{} << false;
    }
    void theTemplateFolderOpensFromTheList()
    {
        QFETCH(bool, there);
        QFETCH(bool, pasted);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, opened);
        QTemporaryDir dir;
        const QString templatePath = dir.filePath(u"list.ひな形"_s);
        if (there)
            QVERIFY(QDir().mkdir(templatePath));
        WorkflowFixture f;
        if (pasted) {
            f.state().baseFolder = dir.path() + u'/';
            f.workflow.pasteList(u"a\nb"_s);
        } else {
            f.load(writeFile(dir.path(), u"list.txt"_s, "a\nb\n"), dir.path() + u'/');
        }
        const qsizetype rowsBefore = f.namesList.items.size();
        f.desktop.answers = answers;

        f.workflow.openTemplateFolder();

        QCOMPARE(f.desktop.openedFolders, opened ? QStringList{templatePath} : QStringList());
        QCOMPARE(QFileInfo(templatePath).isDir(), opened);
        QCOMPARE(f.desktop.questions.size(), answers.size());
        QCOMPARE(f.desktop.beeps, pasted ? 1 : 0);
        // The summary row above the lines, its tip naming the template.
        QCOMPARE(f.namesList.items.size(), rowsBefore + (opened && !there ? 1 : 0));
        if (opened)
            QVERIFY(f.namesList.toolTips.first().contains(templatePath));
    }

    // A folder's row tells both what the folder is and the files it receives.
    void aFolderRowNamesItsFiles()
    {
        QTemporaryDir dir;
        furnish(dir.filePath(u"list.ひな形"_s), {u"見積/見積書.xlsx"_s});
        WorkflowFixture f;
        f.load(writeFile(dir.path(), u"list.txt"_s, "見積\nb\n"), dir.path() + u'/');

        // Row 0 is the template's summary; row 1 the line 見積.
        QCOMPARE(f.namesList.items.size(), 3);
        const QString tip = f.namesList.toolTips.at(1);
        QVERIFY2(tip.contains(toolTipFor(f.state().preview.entryAsShown(0))), qPrintable(tip));
        QVERIFY2(tip.contains(u"見積書.xlsx"_s), qPrintable(tip));
        QVERIFY(!f.namesList.toolTips.at(2).contains(u"見積書.xlsx"_s));
    }
};

QTEST_GUILESS_MAIN(TemplateFilesTest)
#include "test_template_files.moc"
