#include "messages.h"
#include "workflow_fixture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;
using namespace kestrune::test;

namespace {

const QString oldFolder = QStringLiteral("/work/old");
const QString newDrive = QStringLiteral("/media/stick");

// A window that had a list loaded from `oldFolder`, about to change drive.
void loadedAt(WorkflowFixture& f)
{
    f.Dir1.path = oldFolder;
    f.File1.path = oldFolder;
    f.Drive1.drive = newDrive;
    f.List1.items = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    f.state().LoadState = ListReady;
}

}  // namespace

class BrowsingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void aDriveChangeMovesBothListsAndDropsTheLoadedList()
    {
        WorkflowFixture f;
        loadedAt(f);
        f.workflow.Drive1_Change();
        QCOMPARE(f.Dir1.path, newDrive);
        QCOMPARE(f.File1.path, newDrive);
        QVERIFY(f.List1.items.isEmpty());
        QCOMPARE(f.state().LoadState, std::int16_t(NoListReady));
        QVERIFY(f.desktop.boxes.isEmpty());
    }

    // An absent or not-ready volume is reported once; any other failure is
    // passed over. Either way the folder lists stay where they were.
    void aFailedDriveChangeKeepsTheOldFolder_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("reported");
        QTest::newRow("not ready") << QStringLiteral("setPath") << int(DiskNotReady) << true;
        QTest::newRow("unavailable") << QStringLiteral("setPath") << int(DeviceUnavailable) << true;
        QTest::newRow("unplugged before reading the drive")
            << QStringLiteral("Drive") << int(DeviceUnavailable) << true;
        QTest::newRow("denied") << QStringLiteral("setPath") << int(PermissionDenied) << false;
        QTest::newRow("missing") << QStringLiteral("setPath") << int(FileNotFound) << false;
    }
    void aFailedDriveChangeKeepsTheOldFolder()
    {
        QFETCH(QString, member);
        QFETCH(int, number);
        QFETCH(bool, reported);
        WorkflowFixture f;
        loadedAt(f);
        (member == QStringLiteral("Drive") ? f.Drive1.faults : f.Dir1.faults).failOn(member, 1, number);

        f.workflow.Drive1_Change();  // the trap lets nothing out

        QVERIFY(f.List1.items.isEmpty());
        QCOMPARE(f.state().LoadState, std::int16_t(NoListReady));
        QCOMPARE(f.Dir1.path, oldFolder);
        QCOMPARE(f.File1.path, oldFolder);
        QCOMPARE(f.File1.faults.calls(QStringLiteral("setPath")), 0);
        if (reported) {
            QCOMPARE(f.desktop.prompts(), QStringList{messages::insertDisk()});
            QVERIFY(f.desktop.boxes.first().title.isEmpty());  // no title of its own
        } else {
            QVERIFY(f.desktop.boxes.isEmpty());
        }
        QCOMPARE(f.desktop.beeps, 0);
    }

    // The trap goes on with the step after a reported failure, but ends the
    // handler on any other.
    void aReportedFailureGoesOnWithTheNextStep()
    {
        WorkflowFixture f;
        loadedAt(f);
        f.List1.faults.failOn(QStringLiteral("Clear"), 1, DiskNotReady);
        f.workflow.Drive1_Change();
        QCOMPARE(f.desktop.prompts(), QStringList{messages::insertDisk()});
        QCOMPARE(f.state().LoadState, std::int16_t(NoListReady));
        QCOMPARE(f.Dir1.path, newDrive);
    }
    void anUnreportedFailureEndsTheDriveChange()
    {
        WorkflowFixture f;
        loadedAt(f);
        f.List1.faults.failOn(QStringLiteral("Clear"), 1, PermissionDenied);
        f.workflow.Drive1_Change();
        QVERIFY(f.desktop.boxes.isEmpty());
        QCOMPARE(f.state().LoadState, std::int16_t(ListReady));
        QCOMPARE(f.Dir1.path, oldFolder);
    }

    void aSingleClickOpensTheClickedFolder()
    {
        WorkflowFixture f;
        loadedAt(f);
        f.Dir1.entries = QStringList{QStringLiteral("/work/old/a"), QStringLiteral("/work/old/b")};
        f.Dir1.listIndex = 1;
        f.workflow.Dir1_Click();
        QCOMPARE(f.Dir1.path, QStringLiteral("/work/old/b"));
        QCOMPARE(f.File1.path, QStringLiteral("/work/old/b"));
        QVERIFY(f.List1.items.isEmpty());
        QCOMPARE(f.state().LoadState, std::int16_t(NoListReady));
    }

    void aFolderThatCannotBeOpenedLeavesTheClickWithItsError()
    {
        WorkflowFixture f;
        loadedAt(f);
        f.Dir1.entries = QStringList{QStringLiteral("/work/old/a")};
        f.Dir1.listIndex = 0;
        f.Dir1.faults.failOn(QStringLiteral("setPath"), 1, PermissionDenied);
        try {
            f.workflow.Dir1_Click();
            QFAIL("the click let no error out");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), int(PermissionDenied));
        }
        QCOMPARE(f.Dir1.path, oldFolder);
        QCOMPARE(f.state().LoadState, std::int16_t(ListReady));  // nothing ran after the failing step
    }

    // Both paths carry exactly one separator between folder and file name,
    // whether or not the folder list gives its path with a trailing one.
    void aFileClickComposesBothPathsAndReadsTheFile_data()
    {
        QTest::addColumn<bool>("trailingSeparator");
        QTest::newRow("folder") << false;
        QTest::newRow("folder given with a separator") << true;
    }
    void aFileClickComposesBothPathsAndReadsTheFile()
    {
        QFETCH(bool, trailingSeparator);
        WorkflowFixture f;
        writeFile(dir_.path(), QStringLiteral("names.txt"), "東京\r\n大阪\r\n");
        f.Dir1.path = dir_.path() + (trailingSeparator ? QStringLiteral("/") : QString());
        f.File1.fileName = QStringLiteral("names.txt");
        f.List1.items = QStringList{QStringLiteral("old")};

        f.workflow.File1_Click();

        QCOMPARE(f.state().BaseFolder, dir_.path() + u'/');
        QCOMPARE(f.state().ListFilePath, dir_.path() + QStringLiteral("/names.txt"));
        QCOMPARE(f.List1.items, (QStringList{QStringLiteral("東京"), QStringLiteral("大阪")}));
        QCOMPARE(f.state().LoadState, std::int16_t(ListReady));
        QVERIFY(f.desktop.boxes.isEmpty());
    }

    void aFileAtTheRootGetsNoDoubledSeparator()
    {
        WorkflowFixture f;
        f.Dir1.path = QStringLiteral("/");
        f.File1.fileName = QStringLiteral("kestrune-no-such-list.txt");
        f.workflow.File1_Click();
        QCOMPARE(f.state().BaseFolder, QStringLiteral("/"));
        QCOMPARE(f.state().ListFilePath, QStringLiteral("/kestrune-no-such-list.txt"));
        // The missing file is reported by the read, which leaves nothing ready.
        QVERIFY(f.desktop.prompts().contains(messages::errorOccurred()));
        QCOMPARE(f.state().LoadState, std::int16_t(NoListReady));
    }

    // The names stay in the table, but the create button must not use them.
    void aLocationChangeAfterALoadLeavesTheCreateButtonOnlyBeeping()
    {
        WorkflowFixture f;
        QDir(dir_.path()).mkdir(QStringLiteral("elsewhere"));
        writeFile(dir_.path(), QStringLiteral("names.txt"), "a\r\nb\r\n");
        f.Dir1.path = dir_.path();
        f.File1.fileName = QStringLiteral("names.txt");
        f.workflow.File1_Click();
        QCOMPARE(f.state().LoadState, std::int16_t(ListReady));

        f.Dir1.entries = QStringList{dir_.path() + QStringLiteral("/elsewhere")};
        f.Dir1.listIndex = 0;
        f.workflow.Dir1_Click();
        QCOMPARE(f.state().LoadState, std::int16_t(NoListReady));
        QCOMPARE(f.state().FolderCount, std::int16_t(2));

        f.Text1.text = QStringLiteral("parent");
        f.workflow.Command2_Click();
        QCOMPARE(f.desktop.beeps, 1);
        QVERIFY(f.folders.made.isEmpty());
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(BrowsingTest)
#include "test_browsing.moc"
