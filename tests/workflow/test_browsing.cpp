#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
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
    f.folderList.openPath = oldFolder;
    f.fileList.shownFolder = oldFolder;
    f.driveList.drive = newDrive;
    f.namesList.items = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    f.state().listState = ListState::Ready;
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
        f.workflow.onDriveChanged();
        QCOMPARE(f.folderList.openPath, newDrive);
        QCOMPARE(f.fileList.shownFolder, newDrive);
        QVERIFY(f.namesList.items.isEmpty());
        QCOMPARE(f.state().listState, ListState::NotReady);
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
            << QStringLiteral("rootPath") << int(DeviceUnavailable) << true;
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
        (member == QStringLiteral("rootPath") ? f.driveList.faults : f.folderList.faults).failOn(member, 1, number);

        f.workflow.onDriveChanged();  // lets nothing out

        QVERIFY(f.namesList.items.isEmpty());
        QCOMPARE(f.state().listState, ListState::NotReady);
        QCOMPARE(f.folderList.openPath, oldFolder);
        QCOMPARE(f.fileList.shownFolder, oldFolder);
        QCOMPARE(f.fileList.faults.calls(QStringLiteral("setPath")), 0);
        if (reported) {
            QCOMPARE(f.desktop.prompts(), QStringList{texts::insertDisk});
            QVERIFY(f.desktop.boxes.first().title.isEmpty());  // no title of its own
        } else {
            QVERIFY(f.desktop.boxes.isEmpty());
        }
        QCOMPARE(f.desktop.beeps, 0);
    }

    void aSingleClickOpensTheClickedFolder()
    {
        WorkflowFixture f;
        loadedAt(f);
        f.workflow.onFolderClicked(QStringLiteral("/work/old/b"));
        QCOMPARE(f.folderList.openPath, QStringLiteral("/work/old/b"));
        QCOMPARE(f.fileList.shownFolder, QStringLiteral("/work/old/b"));
        QVERIFY(f.namesList.items.isEmpty());
        QCOMPARE(f.state().listState, ListState::NotReady);
    }

    void aFolderThatCannotBeOpenedLeavesTheClickWithItsError()
    {
        WorkflowFixture f;
        loadedAt(f);
        f.folderList.faults.failOn(QStringLiteral("setPath"), 1, PermissionDenied);
        try {
            f.workflow.onFolderClicked(QStringLiteral("/work/old/a"));
            QFAIL("the click let no error out");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), int(PermissionDenied));
        }
        QCOMPARE(f.folderList.openPath, oldFolder);
        QCOMPARE(f.state().listState, ListState::Ready);  // nothing ran after the failing step
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
        f.folderList.openPath = dir_.path() + (trailingSeparator ? QStringLiteral("/") : QString());
        f.namesList.items = QStringList{QStringLiteral("old")};

        f.workflow.onListFileClicked(QStringLiteral("names.txt"));

        QCOMPARE(f.state().baseFolder, dir_.path() + u'/');
        QCOMPARE(f.state().listFilePath, dir_.path() + QStringLiteral("/names.txt"));
        QCOMPARE(f.namesList.items, (QStringList{QStringLiteral("東京"), QStringLiteral("大阪")}));
        QCOMPARE(f.state().listState, ListState::Ready);
        QVERIFY(f.desktop.boxes.isEmpty());
    }

    void aFileAtTheRootGetsNoDoubledSeparator()
    {
        WorkflowFixture f;
        f.folderList.openPath = QStringLiteral("/");
        f.workflow.onListFileClicked(QStringLiteral("kestrune-no-such-list.txt"));
        QCOMPARE(f.state().baseFolder, QStringLiteral("/"));
        QCOMPARE(f.state().listFilePath, QStringLiteral("/kestrune-no-such-list.txt"));
        // The missing file is reported by the read, which leaves nothing ready.
        QVERIFY(f.desktop.prompts().contains(texts::errorOccurred));
        QCOMPARE(f.state().listState, ListState::NotReady);
    }

    // The names are still held, but the create button must not use them.
    void aLocationChangeAfterALoadLeavesTheCreateButtonOnlyBeeping()
    {
        WorkflowFixture f;
        QDir(dir_.path()).mkdir(QStringLiteral("elsewhere"));
        writeFile(dir_.path(), QStringLiteral("names.txt"), "a\r\nb\r\n");
        f.folderList.openPath = dir_.path();
        f.workflow.onListFileClicked(QStringLiteral("names.txt"));
        QCOMPARE(f.state().listState, ListState::Ready);

        f.workflow.onFolderClicked(dir_.path() + QStringLiteral("/elsewhere"));
        QCOMPARE(f.state().listState, ListState::NotReady);

        f.parentNameEdit.contents = QStringLiteral("parent");
        f.workflow.createFolders();
        QCOMPARE(f.desktop.beeps, 1);
        QVERIFY(f.folders.made.isEmpty());
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(BrowsingTest)
#include "test_browsing.moc"
