#include "fake_listing_source.h"
#include "folder_tree_model.h"
#include "list_views.h"
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

// Clicks row `row` of a folder or file list; `delay` in ms after the
// previous mouse event.
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

// The full path of every row of a folder list, top to bottom.
QStringList rowPaths(const QtFolderList& box)
{
    QStringList paths;
    const QAbstractItemModel* model = listViewOf(box)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        paths.append(model->index(row, 0).data(FolderTreeModel::PathRole).toString());
    return paths;
}

}  // namespace

class BrowseWidgetsTest : public QObject {
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
        QtFolderList box(listings_);
        box.setPath(root_ + QStringLiteral("/"));  // a trailing separator is dropped
        QCOMPARE(box.path(), root_);
        // Each folder from the root down to the open one, then its sub-folders.
        QStringList expected{QStringLiteral("/")};
        for (const QString& part : root_.split(u'/', Qt::SkipEmptyParts))
            expected.append(expected.last() == u"/" ? u'/' + part : expected.last() + u'/' + part);
        for (const char* sub : {"alpha", "Beta", "Folder.txt", "Zeta"})
            expected.append(root_ + u'/' + QLatin1String(sub));
        QCOMPARE(rowPaths(box), expected);

        QCOMPARE(errorNumberOf([&] { box.setPath(root_ + QStringLiteral("/missing")); }), int(FileNotFound));
        QCOMPARE(box.path(), root_);
    }

    void theListsStartAtTheCurrentFolder()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root_));
        QtFolderList folders(listings_);
        QtFileList files(listings_);
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(folders.path(), root_);
        QCOMPARE(rowPaths(folders).last(), root_ + QStringLiteral("/Zeta"));
        QCOMPARE(shownEntries(files).size(), 3);
    }

    void theFileListOffersOnlyListFilesInAnyCase()
    {
        QtFileList box(listings_);
        box.setPath(root_);
        const QStringList offered{QStringLiteral("A.TXT"), QStringLiteral("b.txt"), QStringLiteral("c.Txt")};
        QCOMPARE(shownEntries(box), offered);
        QCOMPARE(chosenEntry(box), QString());
        box.choose(QStringLiteral("b.txt"));
        QCOMPARE(chosenEntry(box), QStringLiteral("b.txt"));
        box.choose(QStringLiteral("d.md"));  // not offered: shown for the time
        QCOMPARE(chosenEntry(box), QStringLiteral("d.md"));
        box.choose(QString());
        QCOMPARE(chosenEntry(box), QString());

        QCOMPARE(errorNumberOf([&] { box.setPath(root_ + QStringLiteral("/missing")); }), int(FileNotFound));
        QCOMPARE(shownEntries(box), offered + QStringList{QStringLiteral("d.md")});
    }

    void aClickReportsTheEntryAndOpensNothing()
    {
        QtFolderList folders(listings_);
        folders.setPath(root_);
        QtFileList files(listings_);
        files.setPath(root_);
        QWidget window;
        folders.setParent(&window);
        files.setParent(&window);
        folders.setGeometry(0, 0, 200, 300);
        files.setGeometry(200, 0, 200, 300);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy folderClicks(&folders, &QtFolderList::entryClicked);
        QSignalSpy fileClicks(&files, &QtFileList::fileClicked);
        const qsizetype beta = rowPaths(folders).indexOf(root_ + QStringLiteral("/Beta"));
        clickRow(listViewOf(folders), static_cast<int>(beta));
        clickRow(listViewOf(files), 2);
        QCOMPARE(folderClicks.count(), 1);
        QCOMPARE(folderClicks.first().first().toString(), root_ + QStringLiteral("/Beta"));
        QCOMPARE(fileClicks.count(), 1);
        QCOMPARE(fileClicks.first().first().toString(), QStringLiteral("c.Txt"));
        QCOMPARE(folders.path(), root_);                       // a click alone opens nothing
        QTest::keyClick(listViewOf(folders), Qt::Key_Return);  // Enter on the entry clicked
        QCOMPARE(folderClicks.count(), 2);

        folders.setParent(nullptr);
        files.setParent(nullptr);
    }

    // A click already opens the folder (the window wires it so): the second
    // click of a double-click must not open whatever now lies under the pointer.
    void aDoubleClickOpensTheFolderOnce()
    {
        QtFolderList box(listings_);
        box.setPath(root_);
        box.resize(200, 400);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        int opened = 0;
        connect(&box, &QtFolderList::entryClicked, this, [&](const QString& path) {
            ++opened;
            box.setPath(path);
        });

        QListView* view = listViewOf(box);
        QWidget* viewport = view->viewport();
        const int betaRow = static_cast<int>(rowPaths(box).indexOf(root_ + QStringLiteral("/Beta")));
        const QPoint at = view->visualRect(view->model()->index(betaRow, 0)).center();
        // What the window system sends for a double-click.
        const quint64 start = 1'000'000;
        sendMouse(viewport, QEvent::MouseButtonPress, at, start);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, start + 60);
        sendMouse(viewport, QEvent::MouseButtonPress, at, start + 150);
        sendMouse(viewport, QEvent::MouseButtonDblClick, at, start + 150);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, start + 210);

        QCOMPARE(box.path(), root_ + QStringLiteral("/Beta"));
        QCOMPARE(opened, 1);
    }

    void aChangeOfFolderReadsTheFolderOnce()
    {
        QtFolderList folders(listings_);
        QtFileList files(listings_);
        files.useListingsOf(&folders);
        folders.setPath(root_);
        // Made after the folder list read the folder: the refill that follows does not see it.
        touch(root_ + QStringLiteral("/late.txt"));
        files.setPath(root_);
        QCOMPARE(shownEntries(files).size(), 3);

        files.setPath(root_);  // a refill of its own reads afresh
        QCOMPARE(shownEntries(files).size(), 4);
    }

    void theDriveListStartsOnTheVolumeOfTheCurrentFolder()
    {
        FakeListingSource listings;
        listings.mounted.append({QStringLiteral("STICK"), root_});
        QtDriveList drives(listings, root_ + QStringLiteral("/alpha"));
        QCOMPARE(drives.rootPath(), root_);
        QCOMPARE(drives.currentText(), QStringLiteral("STICK (%1)").arg(root_));

        QSignalSpy changes(&drives, &QtDriveList::changed);
        drives.setCurrentIndex(0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(drives.rootPath(), QStringLiteral("/"));

        // Unplugged while chosen: the choice stays, and reading it fails as an
        // unavailable device.
        drives.setCurrentIndex(1);
        listings.mounted.removeLast();
        drives.refresh();
        QCOMPARE(changes.count(), 2);
        QCOMPARE(drives.currentData().toString(), root_);
        QCOMPARE(errorNumberOf([&] { drives.rootPath(); }), int(DeviceUnavailable));
    }

private:
    const PosixListingSource listings_;
    QTemporaryDir tmp_;
    QString root_;
};

QTEST_MAIN(BrowseWidgetsTest)
#include "test_browse_widgets.moc"
