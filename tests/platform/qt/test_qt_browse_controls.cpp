#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "runtime_error.h"

#include "raised_error.h"
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <QTest>

using namespace kestrune;
using namespace kestrune::test;

namespace {

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

// Clicks entry `index` of a folder list (classic numbering) or row `index` of
// a file list; `delay` in ms after the previous mouse event.
void clickRow(QListView* view, int row, int delay = 1000)
{
    const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at, delay);
}

// One mouse event at event time `timestamp` ms; Qt Test's own helpers space
// their events too far apart to make a double-click.
void sendMouse(QWidget* target, QEvent::Type type, QPoint at, quint64 timestamp)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(timestamp);
    QCoreApplication::sendEvent(target, &event);
}

}  // namespace

class QtBrowseControlsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(tmp_.isValid());
        root_ = QDir(tmp_.path()).canonicalPath() + QStringLiteral("/list");
        QDir top(tmp_.path());
        for (const QString& folder :
             {QStringLiteral("list/Zeta"), QStringLiteral("list/alpha/deep"), QStringLiteral("list/.hidden"),
              QStringLiteral("list/Beta/inner"), QStringLiteral("list/Folder.txt")})
            QVERIFY(top.mkpath(folder));
        for (const QString& file : {QStringLiteral("b.txt"), QStringLiteral("A.TXT"), QStringLiteral("c.Txt"),
                                    QStringLiteral("d.md"), QStringLiteral(".e.txt")})
            touch(root_ + u'/' + file);
    }
    void cleanup()
    {
        QDir(tmp_.path()).removeRecursively();
        QDir().mkpath(tmp_.path());
    }

    void theFolderListShowsTheChainThenTheSortedVisibleSubFolders()
    {
        QtFolderList box;
        box.setPath(root_ + QStringLiteral("/"));  // a trailing separator is dropped
        QCOMPARE(box.path(), root_);
        QCOMPARE(box.entryCount(), 4);
        QCOMPARE(box.entry(0), root_ + QStringLiteral("/alpha"));
        QCOMPARE(box.entry(1), root_ + QStringLiteral("/Beta"));
        QCOMPARE(box.entry(2), root_ + QStringLiteral("/Folder.txt"));
        QCOMPARE(box.entry(3), root_ + QStringLiteral("/Zeta"));
        QCOMPARE(box.selectedIndex(), -1);

        // -1 the open folder, then each parent up to the root.
        const QStringList parts = root_.split(u'/', Qt::SkipEmptyParts);
        const int depth = static_cast<int>(parts.size());
        QCOMPARE(box.entry(-1), root_);
        QCOMPARE(box.entry(-2), QFileInfo(root_).path());
        QCOMPARE(box.entry(-(depth + 1)), QStringLiteral("/"));
        QCOMPARE(box.view()->model()->rowCount(), depth + 1 + 4);
        QCOMPARE(errorNumberOf([&] { box.entry(-(depth + 2)); }), int(SubscriptOutOfRange));
        QCOMPARE(errorNumberOf([&] { box.entry(4); }), int(SubscriptOutOfRange));
    }

    void theListsStartAtTheCurrentFolder()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root_));
        QtFolderList folders;
        QtFileList files;
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(folders.path(), root_);
        QCOMPARE(folders.entryCount(), 4);
        QCOMPARE(files.path(), root_);
        QCOMPARE(files.pattern(), QStringLiteral("*.txt"));
        QCOMPARE(files.entryCount(), 3);
    }

    void settingThePathRaisesOneChangeAndAMissingFolderNone()
    {
        QtFolderList box;
        box.setPath(root_);
        QSignalSpy changes(&box, &QtFolderList::changed);

        box.setPath(root_ + QStringLiteral("/alpha"));
        QCOMPARE(changes.count(), 1);
        box.setPath(root_ + QStringLiteral("/alpha"));  // the same folder again
        QCOMPARE(changes.count(), 1);

        QCOMPARE(errorNumberOf([&] { box.setPath(root_ + QStringLiteral("/missing")); }), int(FileNotFound));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(box.path(), root_ + QStringLiteral("/alpha"));
        QCOMPARE(box.entry(0), root_ + QStringLiteral("/alpha/deep"));
    }

    void theFileListOffersOnlyMatchingFilesInAnyCase()
    {
        QtFileList box;
        box.setPath(root_);
        QCOMPARE(box.entryCount(), 3);
        QCOMPARE((QStringList{box.entry(0), box.entry(1), box.entry(2)}),
                 (QStringList{QStringLiteral("A.TXT"), QStringLiteral("b.txt"), QStringLiteral("c.Txt")}));
        QCOMPARE(box.fileName(), QString());
        box.setSelectedIndex(1);
        QCOMPARE(box.fileName(), QStringLiteral("b.txt"));

        box.setPattern(QStringLiteral("*.md"));
        QCOMPARE(box.entryCount(), 1);
        QCOMPARE(box.entry(0), QStringLiteral("d.md"));

        QCOMPARE(errorNumberOf([&] { box.setPath(root_ + QStringLiteral("/missing")); }), int(FileNotFound));
        QCOMPARE(box.path(), root_);
        QCOMPARE(box.entryCount(), 1);
    }

    void aClickSelectsTheEntryBeforeItIsReported()
    {
        QtFolderList folders;
        folders.setPath(root_);
        QtFileList files;
        files.setPath(root_);
        QWidget window;
        folders.setParent(&window);
        files.setParent(&window);
        folders.setGeometry(0, 0, 200, 300);
        files.setGeometry(200, 0, 200, 300);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QList<int> folderIndexes;
        QStringList fileNames;
        connect(&folders, &QtFolderList::clicked, this, [&] { folderIndexes.append(folders.selectedIndex()); });
        connect(&files, &QtFileList::clicked, this, [&] { fileNames.append(files.fileName()); });

        const int chain = folders.view()->model()->rowCount() - folders.entryCount();
        clickRow(folders.view(), chain + 1);
        clickRow(files.view(), 2);
        QCOMPARE(folderIndexes, QList<int>{1});
        QCOMPARE(fileNames, QStringList{QStringLiteral("c.Txt")});
        QCOMPARE(folders.path(), root_);  // a click alone opens nothing

        folders.setParent(nullptr);
        files.setParent(nullptr);
    }

    // With a click already opening the folder, the second click of a
    // double-click must not open whatever now lies under the pointer.
    void aDoubleClickOpensTheFolderOnce_data()
    {
        QTest::addColumn<bool>("clickOpens");
        QTest::newRow("double-click alone opens") << false;
        QTest::newRow("click opens, as the window wires it") << true;
    }
    void aDoubleClickOpensTheFolderOnce()
    {
        QFETCH(bool, clickOpens);
        QtFolderList box;
        box.setPath(root_);
        box.resize(200, 400);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        if (clickOpens)
            connect(&box, &QtFolderList::clicked, this, [&] { box.setPath(box.entry(box.selectedIndex())); });
        QSignalSpy changes(&box, &QtFolderList::changed);

        QWidget* viewport = box.view()->viewport();
        const int betaRow = box.view()->model()->rowCount() - box.entryCount() + 1;
        const QPoint at = box.view()->visualRect(box.view()->model()->index(betaRow, 0)).center();
        // What the window system sends for a double-click.
        const quint64 start = 1'000'000;
        sendMouse(viewport, QEvent::MouseButtonPress, at, start);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, start + 60);
        sendMouse(viewport, QEvent::MouseButtonPress, at, start + 150);
        sendMouse(viewport, QEvent::MouseButtonDblClick, at, start + 150);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, start + 210);

        QCOMPARE(box.path(), root_ + QStringLiteral("/Beta"));
        QCOMPARE(changes.count(), 1);
    }

    void enterOpensTheSelectedFolder()
    {
        QtFolderList box;
        box.setPath(root_);
        box.setSelectedIndex(0);
        QTest::keyClick(box.view(), Qt::Key_Return);
        QCOMPARE(box.path(), root_ + QStringLiteral("/alpha"));
    }

    void aChangeOfFolderReadsTheFolderOnce()
    {
        QtFolderList folders;
        QtFileList files;
        files.useListingsOf(&folders);
        connect(&folders, &QtFolderList::changed, this, [&] {
            // Made after the folder list read the folder: one read does not see it.
            touch(folders.path() + QStringLiteral("/late.txt"));
            files.setPath(folders.path());
        });
        folders.setPath(root_);
        QCOMPARE(files.path(), root_);
        QCOMPARE(files.entryCount(), 3);

        files.setPath(root_);  // a refill of its own reads afresh
        QCOMPARE(files.entryCount(), 4);
    }

    void theDriveListStartsOnTheVolumeOfTheCurrentFolder()
    {
        QList<MountedVolume> volumes{{QStringLiteral("ルート"), QStringLiteral("/")}, {QStringLiteral("STICK"), root_}};
        QtDriveList drives([&] { return volumes; }, root_ + QStringLiteral("/alpha"));
        QCOMPARE(drives.rootPath(), root_);
        QCOMPARE(drives.currentText(), QStringLiteral("STICK (%1)").arg(root_));

        QSignalSpy changes(&drives, &QtDriveList::changed);
        drives.setCurrentIndex(0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(drives.rootPath(), QStringLiteral("/"));

        // Unplugged while chosen: the choice stays, and reading it fails as an
        // unavailable device.
        drives.setCurrentIndex(1);
        volumes.removeLast();
        drives.refresh();
        QCOMPARE(changes.count(), 2);
        QCOMPARE(drives.currentData().toString(), root_);
        QCOMPARE(errorNumberOf([&] { drives.rootPath(); }), int(DeviceUnavailable));
    }

private:
    QTemporaryDir tmp_;
    QString root_;
};

QTEST_MAIN(QtBrowseControlsTest)
#include "test_qt_browse_controls.moc"
