#include "fake_desktop.h"
#include "fake_file_input.h"
#include "fake_folders.h"
#include "program_window.h"
#include "qt_dir_list_box.h"
#include "qt_file_list_box.h"
#include "qt_frame.h"
#include "qt_list_box.h"
#include "qt_text_box.h"
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
              desktop, files, folders, quit ? std::move(quit) : [this] { ++quits; })
    {
        program.start();
    }
    FrmMain& window() { return program.window(); }
    WorkflowState& state() { return program.workflow().state(); }
    QStringList names()
    {
        QStringList out;
        for (int i = 0; i < window().List1().ListCount(); ++i)
            out.append(window().List1().List(i));
        return out;
    }

    FakeDesktop desktop;
    FakeFileInput files;
    FakeFolders folders;
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

class TestProgramWindow : public QObject {
    Q_OBJECT

private slots:
    void firstShowHasRuntimeCaptionAndEmptyControls()
    {
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        QCOMPARE(run.window().windowTitle(), QStringLiteral("Kestrune\u30000.03"));
        QVERIFY(run.window().Frame1().isHidden());
        QCOMPARE(run.window().Text1().Text(), QString());
        QCOMPARE(run.window().List1().ListCount(), 0);
        QVERIFY(run.window().Command2().isEnabled());
        QVERIFY(run.desktop.boxes.isEmpty());
    }

    void folderChangeFromCodeRunsDir1Change()
    {
        QTemporaryDir dir;
        Running run;
        run.state().LoadState = ListReady;
        run.window().List1().AddItem(QStringLiteral("old"));
        run.window().Dir1().setPath(dir.path());
        QCOMPARE(run.window().List1().ListCount(), 0);
        QCOMPARE(run.state().LoadState, std::int16_t(NoListReady));
        QCOMPARE(run.window().File1().Path(), cleanPath(dir.path()));
    }

    void singleClickOpensAFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("inner")));
        writeFile(dir.path() + QStringLiteral("/inner"), QStringLiteral("a.txt"), "x\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.window().Dir1().setPath(dir.path());
        QVERIFY(clickEntry(run.window().Dir1().view(), QStringLiteral("inner")));
        QCOMPARE(run.window().Dir1().Path(), cleanPath(dir.path() + QStringLiteral("/inner")));
        QCOMPARE(run.window().File1().ListCount(), 1);
        QCOMPARE(run.window().File1().List(0), QStringLiteral("a.txt"));
    }

    void okHidesTheReadmeViewerAndKeepsTheListReady()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("Readme.txt"), "x\ny\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.window().Dir1().setPath(dir.path());
        QVERIFY(clickEntry(run.window().File1().view(), QStringLiteral("Readme.txt")));
        QVERIFY(run.window().Frame1().isVisible());
        QCOMPARE(run.window().Text2().Text(), QStringLiteral("x\r\ny\r\n"));
        QVERIFY(!run.window().Command2().isEnabled());  // covered by the viewer

        QTest::mouseClick(&run.window().Command1(), Qt::LeftButton);
        QVERIFY(run.window().Frame1().isHidden());
        QCOMPARE(run.window().Text2().Text(), QStringLiteral("x\r\ny\r\n"));
        QCOMPARE(run.state().LoadState, std::int16_t(ListReady));
        QVERIFY(run.window().Command2().isEnabled());
    }

    void exitButtonEndsTheEventLoop()
    {
        Running run([] { QCoreApplication::exit(0); });
        run.window().List1().AddItem(QStringLiteral("kept"));
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        QTimer::singleShot(0, &run.window(), [&] { QTest::mouseClick(&run.window().Command3(), Qt::LeftButton); });
        QTimer watchdog;
        watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(run.program.ended());
        QVERIFY(!run.window().isVisible());

        // Nothing reaches a handler any more, not even a change made from code.
        QTemporaryDir dir;
        run.window().Dir1().setPath(dir.path());
        QCOMPARE(run.window().List1().ListCount(), 1);
    }

    void failureLeavingAHandlerIsShownAndTheProgramGoesOn()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("names.txt"), "a\nb\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.window().Dir1().setPath(dir.path());
        QVERIFY(clickEntry(run.window().File1().view(), QStringLiteral("names.txt")));
        run.folders.faults.failOn(QStringLiteral("MkDir"), 2, DiskFull);

        QTest::mouseClick(&run.window().Command2(), Qt::LeftButton);
        QCOMPARE(run.desktop.boxes.size(), 1);
        QCOMPARE(run.desktop.boxes.first().title, QStringLiteral("実行時エラー"));
        QVERIFY(run.desktop.boxes.first().prompt.contains(QStringLiteral("61")));
        QCOMPARE(run.desktop.boxes.first().pointerWhileShown, int(DefaultPointer));
        QCOMPARE(run.desktop.pointer, int(DefaultPointer));
        QCOMPARE(run.state().LoadState, std::int16_t(ListReady));

        // The window still answers: the next press makes the folders.
        QTest::mouseClick(&run.window().Command2(), Qt::LeftButton);
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

        run.window().Dir1().setPath(dir.path());
        QCOMPARE(run.window().File1().ListCount(), 1);
        QVERIFY(clickEntry(run.window().File1().view(), QStringLiteral("names.txt")));
        QCOMPARE(run.names(), (QStringList{QStringLiteral("資料"), QStringLiteral("写真")}));
        QCOMPARE(run.window().Text1().Text(), QStringLiteral("新規ディレクトリ"));
        QCOMPARE(run.window().Text1().selectedText(), QStringLiteral("新規ディレクトリ"));

        // Typing replaces the preset name, which is selected.
        QTest::keyClicks(&run.window().Text1(), QStringLiteral("Projects"));
        QCOMPARE(run.window().Text1().Text(), QStringLiteral("Projects"));
        QTest::mouseClick(&run.window().Command2(), Qt::LeftButton);

        const QDir parent(dir.path() + QStringLiteral("/Projects"));
        QVERIFY(parent.exists());
        QCOMPARE(parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{QStringLiteral("写真"), QStringLiteral("資料")}));
        QCOMPARE(run.names(), QStringList{QStringLiteral("\u3000\u3000・・・作成終了しました・・・")});
        QCOMPARE(run.window().Text1().Text(), QString());
        QCOMPARE(run.desktop.beeps, 0);
        QVERIFY(run.desktop.boxes.isEmpty());

        // A second press only beeps.
        const qsizetype made = run.folders.made.size();
        QTest::mouseClick(&run.window().Command2(), Qt::LeftButton);
        QCOMPARE(run.desktop.beeps, 1);
        QCOMPARE(run.folders.made.size(), made);
        QVERIFY(run.desktop.boxes.isEmpty());
    }
};

QTEST_MAIN(TestProgramWindow)
#include "test_program_window.moc"
