// Filling in existing folders: only what is missing is made, nothing gets
// "#", what was there is never touched, and an undo leaves it all.

#include "raised_error.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;
using namespace kestrune::test;

namespace {

// Folders end in "/"; anything else is an empty file.
void furnish(const QString& root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QString folder = entry.endsWith(u'/') ? entry : entry.section(u'/', 0, -2);
        QVERIFY(folder.isEmpty() || QDir(root).mkpath(folder));
        if (!entry.endsWith(u'/'))
            writeFile(root, entry, "");
    }
}

}  // namespace

class FillInTest : public QObject {
    Q_OBJECT

private slots:
    void onlyWhatIsMissingIsMade_data()
    {
        QTest::addColumn<QStringList>("there");  // besides list.txt
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QStringList>("marks");  // the rows after the box is ticked: "+" made, "=" there, "x" refused
        QTest::addColumn<QStringList>("added");  // by the press; empty when it is refused
        const QStringList lines{"a", "b/c"};
        QTest::newRow("parent absent") << QStringList() << "P" << QStringList{"+", "+"}
                                       << QStringList{"P/", "P/a/", "P/b/", "P/b/c/"};
        QTest::newRow("parent present") << QStringList{"P/"} << "P" << QStringList{"+", "+"}
                                        << QStringList{"P/a/", "P/b/", "P/b/c/"};
        QTest::newRow("some levels present")
            << QStringList{"P/a/", "P/b/"} << "P" << QStringList{"=", "+"} << QStringList{"P/b/c/"};
        QTest::newRow("a file in the way") << QStringList{"P/b"} << "P" << QStringList{"+", "x"} << QStringList();
        QTest::newRow("a file in the parent's place")
            << QStringList{"P"} << "P" << QStringList{"+", "+"} << QStringList();
        QTest::newRow("a decomposed twin is the same folder")
            << QStringList{QStringLiteral("P/\u30AB\u3099/")} << "P" << QStringList{"+", "+"}
            << QStringList{"P/a/", "P/b/", "P/b/c/"};
        QTest::newRow("an NFD parent name is the folder there")
            << QStringList{QStringLiteral("\u30AC/a/")} << QStringLiteral("\u30AB\u3099") << QStringList{"=", "+"}
            << QStringList{QStringLiteral("\u30AC/b/"), QStringLiteral("\u30AC/b/c/")};
        QTest::newRow("several parents, one there") << QStringList{"A/a/"} << "{A,B}" << QStringList{"+", "+"}
                                                    << QStringList{"A/b/", "A/b/c/", "B/", "B/a/", "B/b/", "B/b/c/"};
    }
    void onlyWhatIsMissingIsMade()
    {
        QFETCH(QStringList, there);
        QFETCH(QString, parent);
        QFETCH(QStringList, marks);
        QFETCH(QStringList, added);
        QTemporaryDir dir;
        furnish(dir.path(), there);
        QStringList lines{"a", "b/c"};
        if (QByteArray(QTest::currentDataTag()).startsWith("a decomposed"))
            lines = QStringList{QStringLiteral("\u30AC"), "a", "b/c"};  // ガ composed, the twin's name
        const QString list = writeFile(dir.path(), "list.txt", lines.join(u'\n').toUtf8());
        const QStringList before = entriesBelow(dir.path());

        WorkflowFixture f;
        f.load(list, dir.path() + u'/');
        f.parentNameEdit.contents = parent;
        f.workflow.setFillIn(true);
        QStringList shown;
        for (const ItemMark mark : f.namesList.marks)
            shown.append(mark == ItemMark::Exists ? "=" : mark == ItemMark::Refused ? "x" : "+");
        if (lines.size() == 3) {
            QCOMPARE(shown.takeFirst(), QStringLiteral("="));  // ガ is there, decomposed
            QVERIFY(f.namesList.toolTips.first().contains(texts::previewExists.arg(QStringLiteral("\u30AB\u3099"))));
        }
        QCOMPARE(shown, marks);

        const std::optional<RuntimeError> failure = raisedError([&] { f.workflow.createFolders(); });
        QVERIFY(!failure);
        // Nothing is left open on the folder: a USB stick can be taken out.
        for (const QFileInfo& descriptor : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
            QVERIFY(descriptor.symLinkTarget() != QDir(dir.path()).canonicalPath());
        if (QByteArray(QTest::currentDataTag()).startsWith("several"))
            QVERIFY2(f.namesList.toolTips.first().contains(texts::completionParentFilledIn.arg("A").arg(2).arg(1)) &&
                         f.namesList.toolTips.first().contains(texts::completionParent.arg("B").arg(3).arg(0)),
                     qPrintable(f.namesList.toolTips.first()));
        QStringList expected = before + added;
        expected.sort();
        QCOMPARE(entriesBelow(dir.path()), expected);
        if (added.isEmpty()) {
            QCOMPARE(f.desktop.beeps, 1);  // refused, naming what is in the way
            QVERIFY(f.desktop.prompts().last().contains(parent + (there.first().contains(u'/') ? "/b" : "")));
            return;
        }

        // The undo takes back what the press made and nothing that was there.
        f.workflow.undoLastCreation();
        QCOMPARE(entriesBelow(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(FillInTest)
#include "test_fill_in.moc"
