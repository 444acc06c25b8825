#include "qt_dir_list_box.h"
#include "qt_drive_list_box.h"
#include "qt_file_list_box.h"
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
        QtDirListBox box;
        box.setPath(root_ + QStringLiteral("/"));  // a trailing separator is dropped
        QCOMPARE(box.Path(), root_);
        QCOMPARE(box.ListCount(), 4);
        QCOMPARE(box.List(0), root_ + QStringLiteral("/alpha"));
        QCOMPARE(box.List(1), root_ + QStringLiteral("/Beta"));
        QCOMPARE(box.List(2), root_ + QStringLiteral("/Folder.txt"));
        QCOMPARE(box.List(3), root_ + QStringLiteral("/Zeta"));
        QCOMPARE(box.ListIndex(), -1);

        // -1 the open folder, then each parent up to the root.
        const QStringList parts = root_.split(u'/', Qt::SkipEmptyParts);
        const int depth = static_cast<int>(parts.size());
        QCOMPARE(box.List(-1), root_);
        QCOMPARE(box.List(-2), QFileInfo(root_).path());
        QCOMPARE(box.List(-(depth + 1)), QStringLiteral("/"));
        QCOMPARE(box.view()->model()->rowCount(), depth + 1 + 4);
        QCOMPARE(errorNumberOf([&] { box.List(-(depth + 2)); }), int(SubscriptOutOfRange));
        QCOMPARE(errorNumberOf([&] { box.List(4); }), int(SubscriptOutOfRange));
    }

    void theListsStartAtTheCurrentFolder()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root_));
        QtDirListBox folders;
        QtFileListBox files;
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(folders.Path(), root_);
        QCOMPARE(folders.ListCount(), 4);
        QCOMPARE(files.Path(), root_);
        QCOMPARE(files.Pattern(), QStringLiteral("*.txt"));
        QCOMPARE(files.ListCount(), 3);
    }

    void settingThePathRaisesOneChangeAndAMissingFolderNone()
    {
        QtDirListBox box;
        box.setPath(root_);
        QSignalSpy changes(&box, &QtDirListBox::changed);

        box.setPath(root_ + QStringLiteral("/alpha"));
        QCOMPARE(changes.count(), 1);
        box.setPath(root_ + QStringLiteral("/alpha"));  // the same folder again
        QCOMPARE(changes.count(), 1);

        QCOMPARE(errorNumberOf([&] { box.setPath(root_ + QStringLiteral("/missing")); }), int(FileNotFound));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(box.Path(), root_ + QStringLiteral("/alpha"));
        QCOMPARE(box.List(0), root_ + QStringLiteral("/alpha/deep"));
    }

    void theFileListOffersOnlyMatchingFilesInAnyCase()
    {
        QtFileListBox box;
        box.setPath(root_);
        QCOMPARE(box.ListCount(), 3);
        QCOMPARE((QStringList{box.List(0), box.List(1), box.List(2)}),
                 (QStringList{QStringLiteral("A.TXT"), QStringLiteral("b.txt"), QStringLiteral("c.Txt")}));
        QCOMPARE(box.FileName(), QString());
        box.setListIndex(1);
        QCOMPARE(box.FileName(), QStringLiteral("b.txt"));

        box.setPattern(QStringLiteral("*.md"));
        QCOMPARE(box.ListCount(), 1);
        QCOMPARE(box.List(0), QStringLiteral("d.md"));

        QCOMPARE(errorNumberOf([&] { box.setPath(root_ + QStringLiteral("/missing")); }), int(FileNotFound));
        QCOMPARE(box.Path(), root_);
        QCOMPARE(box.ListCount(), 1);
    }

    void aClickSelectsTheEntryBeforeItIsReported()
    {
        QtDirListBox folders;
        folders.setPath(root_);
        QtFileListBox files;
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
        connect(&folders, &QtDirListBox::clicked, this, [&] { folderIndexes.append(folders.ListIndex()); });
        connect(&files, &QtFileListBox::clicked, this, [&] { fileNames.append(files.FileName()); });

        const int chain = folders.view()->model()->rowCount() - folders.ListCount();
        clickRow(folders.view(), chain + 1);
        clickRow(files.view(), 2);
        QCOMPARE(folderIndexes, QList<int>{1});
        QCOMPARE(fileNames, QStringList{QStringLiteral("c.Txt")});
        QCOMPARE(folders.Path(), root_);  // a click alone opens nothing

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
        QtDirListBox box;
        box.setPath(root_);
        box.resize(200, 400);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        if (clickOpens)
            connect(&box, &QtDirListBox::clicked, this, [&] { box.setPath(box.List(box.ListIndex())); });
        QSignalSpy changes(&box, &QtDirListBox::changed);

        QWidget* viewport = box.view()->viewport();
        const int betaRow = box.view()->model()->rowCount() - box.ListCount() + 1;
        const QPoint at = box.view()->visualRect(box.view()->model()->index(betaRow, 0)).center();
        // What the window system sends for a double-click.
        const quint64 start = 1'000'000;
        sendMouse(viewport, QEvent::MouseButtonPress, at, start);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, start + 60);
        sendMouse(viewport, QEvent::MouseButtonPress, at, start + 150);
        sendMouse(viewport, QEvent::MouseButtonDblClick, at, start + 150);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, start + 210);

        QCOMPARE(box.Path(), root_ + QStringLiteral("/Beta"));
        QCOMPARE(changes.count(), 1);
    }

    void enterOpensTheSelectedFolder()
    {
        QtDirListBox box;
        box.setPath(root_);
        box.setListIndex(0);
        QTest::keyClick(box.view(), Qt::Key_Return);
        QCOMPARE(box.Path(), root_ + QStringLiteral("/alpha"));
    }

    void aChangeOfFolderReadsTheFolderOnce()
    {
        QtDirListBox folders;
        QtFileListBox files;
        files.useListingsOf(&folders);
        connect(&folders, &QtDirListBox::changed, this, [&] {
            // Made after the folder list read the folder: one read does not see it.
            touch(folders.Path() + QStringLiteral("/late.txt"));
            files.setPath(folders.Path());
        });
        folders.setPath(root_);
        QCOMPARE(files.Path(), root_);
        QCOMPARE(files.ListCount(), 3);

        files.setPath(root_);  // a refill of its own reads afresh
        QCOMPARE(files.ListCount(), 4);
    }

    void theDriveListStartsOnTheVolumeOfTheCurrentFolder()
    {
        QList<MountedVolume> volumes{{QStringLiteral("ルート"), QStringLiteral("/")}, {QStringLiteral("STICK"), root_}};
        QtDriveListBox drives([&] { return volumes; }, root_ + QStringLiteral("/alpha"));
        QCOMPARE(drives.Drive(), root_);
        QCOMPARE(drives.currentText(), QStringLiteral("STICK (%1)").arg(root_));

        QSignalSpy changes(&drives, &QtDriveListBox::changed);
        drives.setCurrentIndex(0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(drives.Drive(), QStringLiteral("/"));

        // Unplugged while chosen: the choice stays, and reading it fails as an
        // unavailable device.
        drives.setCurrentIndex(1);
        volumes.removeLast();
        drives.refresh();
        QCOMPARE(changes.count(), 2);
        QCOMPARE(drives.currentData().toString(), root_);
        QCOMPARE(errorNumberOf([&] { drives.Drive(); }), int(DeviceUnavailable));
    }

private:
    QTemporaryDir tmp_;
    QString root_;
};

QTEST_MAIN(QtBrowseControlsTest)
#include "test_qt_browse_controls.moc"
