#include "fake_desktop.h"
#include "fake_folders.h"
#include "fake_line_reader.h"
#include "fake_mount_table.h"
#include "program_window.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_item_list.h"
#include "qt_panel.h"
#include "qt_text_field.h"
#include "workflow_fixture.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kestrune;
using namespace kestrune::test;

namespace {

// The real window over recording host services, started as the program starts it.
struct Running {
    explicit Running(std::function<void()> quit = {})
        : program(
              desktop, files, folders, mounts, quit ? std::move(quit) : [this] { ++quits; })
    {
        program.start();
    }
    MainWindow& window() { return program.window(); }
    WorkflowState& state() { return program.workflow().state(); }
    QStringList names()
    {
        QStringList out;
        for (int i = 0; i < window().namesList().count(); ++i)
            out.append(window().namesList().item(i)->text());
        return out;
    }

    FakeDesktop desktop;
    FakeLineReader files;
    FakeFolders folders;
    FakeMountTable mounts;
    int quits = 0;
    ProgramWindow program;
};

// Clicks the entry shown as `text` in a folder or file list.
bool clickEntry(QListView* view, const QString& text)
{
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data(Qt::DisplayRole).toString() == text) {
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            return true;
        }
    }
    return false;
}

QString cleanPath(const QString& path)
{
    return QDir::cleanPath(path);
}

}  // namespace

class ProgramWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstShowHasRuntimeCaptionAndEmptyControls()
    {
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        QCOMPARE(run.window().windowTitle(), QStringLiteral("Kestrune\u30000.03"));
        QVERIFY(run.window().readmePanel().isHidden());
        QCOMPARE(run.window().parentNameEdit().text(), QString());
        QCOMPARE(run.window().namesList().count(), 0);
        QVERIFY(run.window().createButton().isEnabled());
        QVERIFY(run.desktop.boxes.isEmpty());
    }

    void folderChangeFromCodeRunsTheFolderHandler()
    {
        QTemporaryDir dir;
        Running run;
        run.state().listState = ListState::Ready;
        run.window().namesList().addItem(QStringLiteral("old"));
        run.window().folderList().setPath(dir.path());
        QCOMPARE(run.window().namesList().count(), 0);
        QCOMPARE(run.state().listState, ListState::NotReady);
        QCOMPARE(run.window().fileList().path(), cleanPath(dir.path()));
    }

    void singleClickOpensAFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("inner")));
        writeFile(dir.path() + QStringLiteral("/inner"), QStringLiteral("a.txt"), "x\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.window().folderList().setPath(dir.path());
        QVERIFY(clickEntry(run.window().folderList().view(), QStringLiteral("inner")));
        QCOMPARE(run.window().folderList().path(), cleanPath(dir.path() + QStringLiteral("/inner")));
        QCOMPARE(run.window().fileList().entryCount(), 1);
        QCOMPARE(run.window().fileList().entry(0), QStringLiteral("a.txt"));
    }

    void loadedRowsCarryAnIconAndAToolTip()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("list.txt"), "納品書/控え\r\n\r\nx/../y\r\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.window().folderList().setPath(dir.path());
        QVERIFY(clickEntry(run.window().fileList().view(), QStringLiteral("list.txt")));
        QtItemList& rows = run.window().namesList();
        QCOMPARE(rows.count(), 3);
        for (int row = 0; row < rows.count(); ++row) {
            QVERIFY(!rows.item(row)->icon().isNull());
            QVERIFY(!rows.item(row)->toolTip().isEmpty());
        }
        QVERIFY(rows.item(0)->toolTip().contains(QStringLiteral("納品書/控え")));
        QCOMPARE(rows.item(0)->text(), QStringLiteral("納品書/控え"));  // the line itself, as read
    }

    void okHidesTheReadmeViewerAndKeepsTheListReady()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("Readme.txt"), "x\ny\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.window().folderList().setPath(dir.path());
        QVERIFY(clickEntry(run.window().fileList().view(), QStringLiteral("Readme.txt")));
        QVERIFY(run.window().readmePanel().isVisible());
        QCOMPARE(run.window().readmeText().text(), QStringLiteral("x\r\ny\r\n"));
        QVERIFY(!run.window().createButton().isEnabled());  // covered by the viewer

        QTest::mouseClick(&run.window().readmeOkButton(), Qt::LeftButton);
        QVERIFY(run.window().readmePanel().isHidden());
        QCOMPARE(run.window().readmeText().text(), QStringLiteral("x\r\ny\r\n"));
        QCOMPARE(run.state().listState, ListState::Ready);
        QVERIFY(run.window().createButton().isEnabled());
    }

    void exitButtonEndsTheEventLoop()
    {
        Running run([] { QCoreApplication::exit(0); });
        run.window().namesList().addItem(QStringLiteral("kept"));
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        QTimer::singleShot(0, &run.window(), [&] { QTest::mouseClick(&run.window().exitButton(), Qt::LeftButton); });
        QTimer watchdog;
        watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(run.program.ended());
        QVERIFY(!run.window().isVisible());

        // Nothing reaches a handler any more, not even a change made from code.
        QTemporaryDir dir;
        run.window().folderList().setPath(dir.path());
        QCOMPARE(run.window().namesList().count(), 1);
    }

    void failureLeavingAHandlerIsShownAndTheProgramGoesOn()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("names.txt"), "a\nb\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.window().folderList().setPath(dir.path());
        QVERIFY(clickEntry(run.window().fileList().view(), QStringLiteral("names.txt")));
        run.folders.faults.failOn(QStringLiteral("makeFolder"), 2, DiskFull);

        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);
        QCOMPARE(run.desktop.boxes.size(), 1);
        QCOMPARE(run.desktop.boxes.first().title, QStringLiteral("実行時エラー"));
        QVERIFY(run.desktop.boxes.first().prompt.contains(QStringLiteral("61")));
        QCOMPARE(run.desktop.boxes.first().pointerWhileShown, int(NormalPointer));
        QCOMPARE(run.desktop.pointer, int(NormalPointer));
        QCOMPARE(run.state().listState, ListState::Ready);

        // The window still answers: the next press makes the folders.
        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);
        QCOMPARE(run.desktop.boxes.size(), 1);
        QCOMPARE(run.names(), QStringList{QStringLiteral("\u3000\u3000・・・作成終了しました・・・")});
    }

    void wholeJobThroughTheWindow()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("names.txt"), "資料\r\n写真\r\n");
        writeFile(dir.path(), QStringLiteral("notes.md"), "not offered\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));

        run.window().folderList().setPath(dir.path());
        QCOMPARE(run.window().fileList().entryCount(), 1);
        QVERIFY(clickEntry(run.window().fileList().view(), QStringLiteral("names.txt")));
        QCOMPARE(run.names(), (QStringList{QStringLiteral("資料"), QStringLiteral("写真")}));
        QCOMPARE(run.window().parentNameEdit().text(), QStringLiteral("新規ディレクトリ"));
        QCOMPARE(run.window().parentNameEdit().selectedText(), QStringLiteral("新規ディレクトリ"));

        // Typing replaces the preset name, which is selected.
        QTest::keyClicks(&run.window().parentNameEdit(), QStringLiteral("Projects"));
        QCOMPARE(run.window().parentNameEdit().text(), QStringLiteral("Projects"));
        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);

        const QDir parent(dir.path() + QStringLiteral("/Projects"));
        QVERIFY(parent.exists());
        QCOMPARE(parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{QStringLiteral("写真"), QStringLiteral("資料")}));
        QCOMPARE(run.names(), QStringList{QStringLiteral("\u3000\u3000・・・作成終了しました・・・")});
        QCOMPARE(run.window().parentNameEdit().text(), QString());
        QCOMPARE(run.desktop.beeps, 0);
        QVERIFY(run.desktop.boxes.isEmpty());

        // A second press only beeps.
        const qsizetype made = run.folders.made.size();
        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);
        QCOMPARE(run.desktop.beeps, 1);
        QCOMPARE(run.folders.made.size(), made);
        QVERIFY(run.desktop.boxes.isEmpty());
    }
};

QTEST_MAIN(ProgramWindowTest)
#include "test_program_window.moc"
