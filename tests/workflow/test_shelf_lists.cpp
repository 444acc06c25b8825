#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kestrune;
using namespace kestrune::test;

namespace {

const Shelf office{QStringLiteral("事務所"), QStringLiteral("/srv/nas/一覧"), false};
const QString monthly = QStringLiteral("月次.txt");
const QString monthlyPath = QStringLiteral("/srv/nas/一覧/月次.txt");

}  // namespace

class ShelfListsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(open_.isValid()); }

    // A list chosen on a shelf is read off the window's thread and loaded
    // for the folder open, as a pasted list is: the folders are made there,
    // not on the shelf. One that fails or never answers leaves the list
    // loaded as it was, and the window runs its events while it waits.
    void aShelfListLoadsForTheOpenFolder_data()
    {
        QTest::addColumn<QString>("shelfAnswer");  // "lines", "failure" or "never"
        QTest::addColumn<int>("error");            // the error the choice fails with; 0 for none
        QTest::newRow("answers") << "lines" << 0;
        QTest::newRow("answers with a failure") << "failure" << int(PermissionDenied);
        QTest::newRow("never answers") << "never" << int(DeviceUnavailable);
    }
    void aShelfListLoadsForTheOpenFolder()
    {
        QFETCH(QString, shelfAnswer);
        QFETCH(int, error);
        WorkflowFixture f;
        if (shelfAnswer == QStringLiteral("lines"))
            f.shelfReader.lines.insert(monthlyPath, {QStringLiteral("見積"), QStringLiteral("請求/{1..2}")});
        else if (shelfAnswer == QStringLiteral("failure"))
            f.shelfReader.failures.insert(monthlyPath, RuntimeError(PermissionDenied, monthlyPath));
        // A list loaded before, pasted into the folder open.
        f.folderList.openPath = open_.path();
        f.workflow.pasteList(QStringLiteral("前の一覧"));
        int ticks = 0;
        QTimer ticking;
        connect(&ticking, &QTimer::timeout, [&ticks] { ++ticks; });
        ticking.start(5);
        f.desktop.whileBusy = [] { QCoreApplication::processEvents(); };

        int failedWith = 0;
        try {
            f.workflow.openShelfList(office, monthly);
        } catch (const RuntimeError& failure) {
            failedWith = failure.number();
        }
        QCOMPARE(failedWith, error);
        QCOMPARE(f.desktop.pointerHistory, (QList<int>{BusyPointer, NormalPointer}));
        if (error != 0) {
            QCOMPARE(f.namesList.items, QStringList{QStringLiteral("前の一覧")});
            QVERIFY(!f.state().shelfList);
            QVERIFY(f.recentLists.paths().isEmpty());
            if (error == DeviceUnavailable)
                QVERIFY(ticks > 0);
            return;
        }

        QCOMPARE(f.state().listFilePath, monthlyPath);
        QCOMPARE(f.state().baseFolder, open_.path() + u'/');
        QCOMPARE(f.fileList.chosen, QString());
        QCOMPARE(f.namesList.items, (QStringList{"見積", "請求/{1..2}", "請求/1", "請求/2"}));
        QVERIFY2(f.parentNameEdit.toolTip.startsWith(
                     texts::shelfListTarget.arg(texts::shelfListTitle.arg(office.name, monthly), open_.path())),
                 qPrintable(f.parentNameEdit.toolTip));
        f.workflow.createFolders();
        QCOMPARE(entriesBelow(open_.path()),
                 (QStringList{"新規ディレクトリ/", "新規ディレクトリ/見積/", "新規ディレクトリ/請求/",
                              "新規ディレクトリ/請求/1/", "新規ディレクトリ/請求/2/"}));
    }

    // A shelf list is remembered as one: reopened, it is taken from its
    // shelf again for the folder open then. Once its shelf is off the
    // settings it beeps and leaves the menu.
    void aRecentShelfListOpensForTheFolderOpenThen()
    {
        WorkflowFixture f;
        f.settings.setValue(QStringLiteral("shelves/1/name"), office.name);
        f.settings.setValue(QStringLiteral("shelves/1/path"), office.path);
        f.shelfReader.lines.insert(monthlyPath, {QStringLiteral("見積")});
        f.folderList.openPath = QStringLiteral("/srv/first");
        f.workflow.openShelfList(office, monthly);
        const QString entry = f.recentLists.paths().value(0);
        QCOMPARE(recentEntryTitle(entry), texts::shelfListTitle.arg(office.name, monthly));

        f.folderList.openPath = open_.path();
        f.workflow.openRecentList(entry);
        QCOMPARE(f.state().baseFolder, open_.path() + u'/');
        QCOMPARE(f.state().listFilePath, monthlyPath);
        QCOMPARE(f.shelfReader.read, (QStringList{monthlyPath, monthlyPath}));

        f.settings.remove(QStringLiteral("shelves"));
        f.workflow.openRecentList(entry);
        QCOMPARE(f.desktop.beeps, 1);
        QVERIFY(f.recentLists.paths().isEmpty());
        QCOMPARE(f.shelfReader.read.size(), 2);
    }

private:
    QTemporaryDir open_;
};

QTEST_GUILESS_MAIN(ShelfListsTest)
#include "test_shelf_lists.moc"
