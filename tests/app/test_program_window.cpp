#include "fake_desktop.h"
#include "fake_folders.h"
#include "fake_history_box.h"
#include "fake_list_reader.h"
#include "fake_mount_table.h"
#include "fake_shelf_reader.h"
#include "history_texts.h"
#include "list_views.h"
#include "posix_listing_source.h"
#include "program_language.h"
#include "program_window.h"
#include "qt_desktop.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_name_box.h"
#include "qt_names_list.h"
#include "qt_readme_viewer.h"
#include "qt_words.h"
#include "shelf_menu.h"
#include "temporary_history.h"
#include "ui_texts.h"
#include "values_table_reading.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <memory>

using namespace kestrune;
using namespace kestrune::test;

namespace {

// The real window over recording host services, started as the program starts it.
struct Running {
    explicit Running(std::function<void()> quit = {}, QSettings* sharedSettings = nullptr)
        : program(
              ProgramHost{desktop, lists, writer, folders, mounts, listings, clock,
                          sharedSettings ? *sharedSettings : settings.settings, systemSettings.settings, shelves,
                          history.history, historyBox},
              quit ? std::move(quit) : [this] { ++quits; })
    {
        program.start();
    }
    MainWindow& window() { return program.window(); }
    QStringList names()
    {
        QStringList out;
        for (int i = 0; i < window().namesList().count(); ++i)
            out.append(window().namesList().item(i)->text());
        return out;
    }
    QMenu* recentListsMenu()
    {
        for (QMenu* menu : window().findChildren<QMenu*>()) {
            if (menu->title() == texts::recentListsCaption)
                return menu;
        }
        return nullptr;
    }
    // The lists 「最近使った一覧」 offers, newest first.
    QStringList recentLists()
    {
        QMenu* menu = recentListsMenu();
        emit menu->aboutToShow();
        QStringList shown;
        for (QAction* action : menu->actions())
            shown.append(action->iconText());  // as shown: without the shortcut's "&"
        return shown;
    }
    QString readmeText() { return window().readmeViewer().findChild<QPlainTextEdit*>()->toPlainText(); }

    FakeDesktop desktop;
    FakeListReader lists;
    PosixListWriter writer;
    FakeFolders folders;
    FakeMountTable mounts;
    PosixListingSource listings;
    FakeClock clock;
    TemporarySettings settings;
    TemporarySettings systemSettings;
    FakeShelfReader shelves;
    TemporaryHistory history{folders, clock};
    FakeHistoryBox historyBox;
    int quits = 0;
    ProgramWindow program;
};

// Which of the language menu's entries is checked; -1 for none.
int checkedEntry(const QList<QAction*>& entries)
{
    for (int index = 0; index < entries.size(); ++index) {
        if (entries.at(index)->isChecked())
            return index;
    }
    return -1;
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
        QVERIFY(run.window().readmeViewer().isHidden());
        QCOMPARE(run.window().parentNameEdit().text(), QString());
        QCOMPARE(run.window().namesList().count(), 0);
        QVERIFY(run.window().createButton().isEnabled());
        QVERIFY(run.desktop.boxes.isEmpty());
    }

    void singleClickOpensAFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("inner")));
        writeFile(dir.path() + QStringLiteral("/inner"), QStringLiteral("a.txt"), "x\n");
        writeFile(dir.path(), QStringLiteral("list.txt"), "y\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.program.open(dir.path() + QStringLiteral("/list.txt"));
        QCOMPARE(run.names(), QStringList{QStringLiteral("y")});
        QVERIFY(clickEntry(run.window().folderList(), QStringLiteral("inner")));
        QCOMPARE(run.window().folderList().path(), cleanPath(dir.path() + QStringLiteral("/inner")));
        QCOMPARE(shownEntries(run.window().fileList()), QStringList{QStringLiteral("a.txt")});
        QCOMPARE(run.window().namesList().count(), 0);  // the list loaded before is dropped
        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);
        QCOMPARE(run.desktop.beeps, 1);  // and the press has nothing to make
        QVERIFY(run.folders.made.isEmpty());
    }

    void loadedRowsCarryAnIconAndAToolTip()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("list.txt"), "納品書/控え\r\n\r\nx/../y\r\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.program.open(dir.path());
        QVERIFY(clickEntry(run.window().fileList(), QStringLiteral("list.txt")));
        QtNamesList& rows = run.window().namesList();
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
        run.program.open(dir.path());
        QVERIFY(clickEntry(run.window().fileList(), QStringLiteral("Readme.txt")));
        QVERIFY(run.window().readmeViewer().isVisible());
        QCOMPARE(run.readmeText(), QStringLiteral("x\ny\n"));
        QVERIFY(!run.window().createButton().isEnabled());  // covered by the viewer

        QTest::mouseClick(&run.window().readmeViewer().okButton(), Qt::LeftButton);
        QVERIFY(run.window().readmeViewer().isHidden());
        QVERIFY(run.window().createButton().isEnabled());
        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);
        QVERIFY(QFileInfo(dir.path() + QStringLiteral("/新規ディレクトリ/y")).isDir());
    }

    void exitButtonEndsTheEventLoop()
    {
        Running run([] { QCoreApplication::exit(0); });
        run.window().namesList().addItem(QStringLiteral("kept"), 0);
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        QTimer::singleShot(0, &run.window(), [&] { QTest::mouseClick(&run.window().exitButton(), Qt::LeftButton); });
        QTimer watchdog;
        watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!run.window().isVisible());

        // Nothing reaches a handler any more, not even a path opened from code.
        QTemporaryDir dir;
        run.program.open(dir.path());
        QCOMPARE(run.window().namesList().count(), 1);
        QCOMPARE(run.desktop.beeps, 0);
    }

    void failureLeavingAHandlerIsShownAndTheProgramGoesOn()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("names.txt"), "a\nb\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.program.open(dir.path());
        QVERIFY(clickEntry(run.window().fileList(), QStringLiteral("names.txt")));
        run.folders.faults.failOn(QStringLiteral("makeFolder"), 2, DiskFull);

        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);
        QCOMPARE(run.desktop.boxes.size(), 1);
        QCOMPARE(run.desktop.boxes.first().title, QStringLiteral("実行時エラー"));
        QVERIFY(run.desktop.boxes.first().prompt.contains(QStringLiteral("61")));
        QCOMPARE(run.desktop.boxes.first().pointerWhileShown, int(NormalPointer));
        QCOMPARE(run.desktop.pointer, int(NormalPointer));

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

        run.program.open(dir.path());
        QCOMPARE(shownEntries(run.window().fileList()), QStringList{QStringLiteral("names.txt")});
        QVERIFY(clickEntry(run.window().fileList(), QStringLiteral("names.txt")));
        QCOMPARE(run.names(), (QStringList{QStringLiteral("資料"), QStringLiteral("写真")}));
        QCOMPARE(run.window().parentNameEdit().text(), QStringLiteral("新規ディレクトリ"));
        QCOMPARE(run.window().parentNameEdit().selectedText(), QStringLiteral("新規ディレクトリ"));
        QVERIFY(run.window().parentNameEdit().hasFocus());

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

        // Ctrl+Z in the name box, which has no typing of its own to take
        // back, undoes the press and brings the list back as it was.
        run.window().parentNameEdit().setFocus();
        QTest::keyClick(&run.window().parentNameEdit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(run.desktop.questions.size(), 1);
        QVERIFY(!parent.exists());
        QCOMPARE(run.names(), (QStringList{QStringLiteral("資料"), QStringLiteral("写真")}));
        QCOMPARE(run.window().parentNameEdit().text(), QStringLiteral("Projects"));
        QVERIFY(run.window().namesList().actions().contains(&run.window().undoAction()));

        // Ctrl+H shows the press in the history, undone.
        QTest::keyClick(&run.window().namesList(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(run.historyBox.views.size(), 1);
        QCOMPARE(run.historyBox.views.first().rows.size(), 1);
        QCOMPARE(run.historyBox.views.first().rows.first().state, texts::pressUndone.toString());
        QVERIFY(run.window().namesList().actions().contains(&run.window().historyAction()));

        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);  // ready for another press
        QVERIFY(parent.exists());
    }
    // A path given on the command line ends as a click on that file would:
    // the same rows, viewer, boxes and state, even for a file that is gone.
    void openingAPathIsAClickOnIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("vanishes");
        QTest::newRow("names list") << QStringLiteral("names.txt") << QByteArray("資料\r\n写真\r\n") << false;
        QTest::newRow("Readme viewer") << QStringLiteral("Readme.txt") << QByteArray("x\ny\n") << false;
        QTest::newRow("vanished") << QStringLiteral("gone.txt") << QByteArray("a\n") << true;
    }

    void openingAPathIsAClickOnIt()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(bool, vanishes);
        QTemporaryDir dir;
        const QString path = writeFile(dir.path(), name, contents);

        Running clicked;
        clicked.program.open(dir.path());
        if (vanishes)
            QVERIFY(QFile::remove(path));
        QVERIFY(clickEntry(clicked.window().fileList(), name));

        Running opened;
        opened.program.open(path);
        QCOMPARE(opened.window().folderList().path(), cleanPath(dir.path()));
        QCOMPARE(chosenEntry(opened.window().fileList()), name);
        QCOMPARE(opened.names(), clicked.names());
        QCOMPARE(opened.window().readmeViewer().isVisible(), clicked.window().readmeViewer().isVisible());
        QCOMPARE(opened.readmeText(), clicked.readmeText());
        QCOMPARE(opened.desktop.prompts(), clicked.desktop.prompts());
        QCOMPARE(opened.desktop.beeps, clicked.desktop.beeps);
        QCOMPARE(opened.recentLists(), clicked.recentLists());
        QCOMPARE(opened.desktop.boxes.isEmpty(), !vanishes);

        // Both are ready for the press alike: the Readme's viewer is closed first.
        for (Running* run : {&clicked, &opened}) {
            run->window().readmeViewer().close();
            QTest::mouseClick(&run->window().createButton(), Qt::LeftButton);
        }
        QCOMPARE(opened.names(), clicked.names());
        QCOMPARE(opened.desktop.beeps, clicked.desktop.beeps);
    }

    // A file the list does not offer still opens when given by its path.
    void openingAPathTheListDoesNotOffer()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir.path(), QStringLiteral("names.csv"), "a\n");
        Running opened;
        opened.program.open(path);
        QCOMPARE(chosenEntry(opened.window().fileList()), QStringLiteral("names.csv"));
        QCOMPARE(opened.names(), QStringList{QStringLiteral("a")});
        QTest::mouseClick(&opened.window().createButton(), Qt::LeftButton);
        QVERIFY(QFileInfo(dir.path() + QStringLiteral("/新規ディレクトリ/a")).isDir());
    }

    // A drop anywhere on the window opens its first item as a path given on
    // the command line; the Readme viewer takes none.
    void dropOpensItsFirstItem_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("ontoNameBox");
        QTest::addColumn<bool>("viewerShown");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("folder");
        const QString top = QStringLiteral(".");
        QTest::newRow("file") << QStringList{QStringLiteral("a.txt")} << false << false << true
                              << QStringList{QStringLiteral("a")} << top;
        QTest::newRow("file onto the name box")
            << QStringList{QStringLiteral("a.txt")} << true << false << true << QStringList{QStringLiteral("a")} << top;
        QTest::newRow("several: the first") << QStringList{QStringLiteral("b.txt"), QStringLiteral("a.txt")} << false
                                            << false << true << QStringList{QStringLiteral("b")} << top;
        QTest::newRow("folder") << QStringList{QStringLiteral("sub")} << false << false << true << QStringList()
                                << QStringLiteral("sub");
        QTest::newRow("viewer shown") << QStringList{QStringLiteral("a.txt")} << false << true << false << QStringList()
                                      << top;
        QTest::newRow("viewer shown, name box")
            << QStringList{QStringLiteral("a.txt")} << true << true << false << QStringList() << top;
    }

    void dropOpensItsFirstItem()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, ontoNameBox);
        QFETCH(bool, viewerShown);
        QFETCH(bool, accepted);
        QFETCH(QStringList, names);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("a.txt"), "a\n");
        writeFile(dir.path(), QStringLiteral("b.txt"), "b\n");
        writeFile(dir.path(), QStringLiteral("Readme.txt"), "r\n");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.program.open(dir.path());
        if (viewerShown) {
            QVERIFY(clickEntry(run.window().fileList(), QStringLiteral("Readme.txt")));
            run.window().namesList().clear();
        }

        QMimeData data;
        QList<QUrl> urls;
        for (const QString& item : items)
            urls.append(QUrl::fromLocalFile(dir.path() + u'/' + item));
        data.setUrls(urls);
        data.setText(urls.first().toLocalFile());  // as file managers offer it too
        QWidget* target = ontoNameBox ? static_cast<QWidget*>(&run.window().parentNameEdit()) : &run.window();
        // As a drag arrives: the drop goes only where the entering drag was taken.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (accepted) {
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &drop);
            QVERIFY(drop.isAccepted());
        }
        QCOMPARE(run.names(), names);
        QCOMPARE(run.window().folderList().path(), cleanPath(dir.path() + u'/' + folder));
        QCOMPARE(run.window().readmeViewer().isVisible(), viewerShown);
        QVERIFY(run.desktop.boxes.isEmpty());
    }

    // While a press works, nothing else reaches the workflow: a drop that
    // arrives from the busy loop is refused with one beep and the press ends
    // as it would have.
    void aDropDuringAPressIsRefused()
    {
        QTemporaryDir dir;
        writeFile(dir.path(), QStringLiteral("names.txt"), "a\nb\nc\n");
        const QString other = writeFile(dir.path(), QStringLiteral("other.txt"), "x\n");
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.program.open(dir.path() + QStringLiteral("/names.txt"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other)});
        int drops = 0;
        run.desktop.whileBusy = [&] {
            if (drops++ > 0)
                return;
            // As a drag arrives: the drop goes only where the entering drag was taken.
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&run.window(), &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&run.window(), &drop);
        };

        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);

        QVERIFY(drops > 0);
        QCOMPARE(run.desktop.beeps, 1);
        QVERIFY(run.desktop.boxes.isEmpty());
        QCOMPARE(run.names(), QStringList{QStringLiteral("\u3000\u3000・・・作成終了しました・・・")});
        QCOMPARE(QDir(dir.path() + QStringLiteral("/新規ディレクトリ")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"a", "b", "c"}));
        QCOMPARE(run.recentLists(), QStringList{cleanPath(dir.path()) + QStringLiteral("/names.txt")});
    }

    // The names list's menu offers the lists opened last; choosing one opens
    // it as a path given on the command line.
    void recentListsOpenFromTheMenu()
    {
        QTemporaryDir dir;
        const QString first = writeFile(dir.path(), QStringLiteral("first.txt"), "a\n");
        const QString second = writeFile(dir.path(), QStringLiteral("営業&総務.txt"), "b\n");
        Running run;
        run.program.open(first);
        run.program.open(second);
        QCOMPARE(run.recentLists(), (QStringList{cleanPath(second), cleanPath(first)}));
        run.recentListsMenu()->actions().at(1)->trigger();
        QCOMPARE(run.names(), QStringList{QStringLiteral("a")});
        QCOMPARE(chosenEntry(run.window().fileList()), QStringLiteral("first.txt"));
    }

    // The folder open becomes a shelf of the person's own, offered by the
    // 「棚」 menu from then on, until they take it off again; a list chosen
    // there is loaded, and remembered among the recent lists as a shelf's.
    void theOpenFolderBecomesAShelf()
    {
        QTemporaryDir dir;
        Running run;
        run.program.open(dir.path());
        run.desktop.fileNames = {QStringLiteral("案件")};
        run.shelves.lists.insert(cleanPath(dir.path()), {QStringLiteral("月次.txt")});
        ShelfMenu& menu = run.window().shelfMenu();
        menu.addFolderAction().trigger();
        emit menu.aboutToShow();
        QVERIFY(menu.shelfMenu(QStringLiteral("案件")));
        QCOMPARE(menu.shelfMenu(QStringLiteral("案件"))->actions().value(0)->text(), QStringLiteral("月次.txt"));
        run.shelves.lines.insert(cleanPath(dir.path()) + QStringLiteral("/月次.txt"), {QStringLiteral("見積")});
        menu.shelfMenu(QStringLiteral("案件"))->actions().value(0)->trigger();
        QCOMPARE(run.names(), QStringList{QStringLiteral("見積")});
        QCOMPARE(run.recentLists().value(0),
                 texts::shelfListTitle.arg(QStringLiteral("案件"), QStringLiteral("月次.txt")));

        menu.removeMenu().actions().value(0)->trigger();
        emit menu.aboutToShow();
        QVERIFY(!menu.shelfMenu(QStringLiteral("案件")));
    }

    // A range pasted from a spreadsheet is a list: columns are levels, an
    // empty cell takes the one above. The press and the undo work on it as
    // on a file, and saved, it is that file from then on.
    void aPastedTableIsAListThatCanBeKept()
    {
        QTemporaryDir dir;
        Running run;
        QVERIFY(QTest::qWaitForWindowExposed(&run.window()));
        run.program.open(dir.path());
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        QTest::keyClick(&run.window().namesList(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(run.desktop.beeps, 1);  // nothing to paste

        clipboard->setText(QStringLiteral("顧客A\t見積\n\t請求\n顧客B\t見積\n"));
        run.window().parentNameEdit().setFocus();  // the name box keeps its own paste
        QTest::keyClick(&run.window().parentNameEdit(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(run.names().isEmpty());
        QTest::keyClick(&run.window().namesList(), Qt::Key_V, Qt::ControlModifier);
        const QStringList pasted{"顧客A/見積", "顧客A/請求", "顧客B/見積"};
        QCOMPARE(run.names(), pasted);
        QCOMPARE(chosenEntry(run.window().fileList()), QString());
        // A table too long for a list is refused as a long file is, and changes nothing.
        clipboard->setText(QStringLiteral("x\n").repeated(1001));
        QTest::keyClick(&run.window().namesList(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(run.desktop.prompts(), QStringList{QStringLiteral("エラーがおきました！！")});
        QCOMPARE(run.names(), pasted);
        run.desktop.boxes.clear();

        run.desktop.fileNames = {QStringLiteral("月次")};
        run.window().saveAction().trigger();
        QCOMPARE(run.desktop.fileNamePrompts.first().section(u'|', 1), QStringLiteral("一覧.txt"));
        QFile saved(dir.path() + QStringLiteral("/月次.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("\xEF\xBB\xBF") + pasted.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
        QCOMPARE(chosenEntry(run.window().fileList()), QStringLiteral("月次.txt"));

        QTest::mouseClick(&run.window().createButton(), Qt::LeftButton);
        QVERIFY(QFileInfo(dir.path() + QStringLiteral("/新規ディレクトリ/顧客A/請求")).isDir());
        run.window().undoAction().trigger();
        QCOMPARE(run.names(), pasted);
        QVERIFY(run.desktop.boxes.size() == 1);  // the undo's report only
    }

    // A list given at start-up that asks for values asks once the window is
    // on the screen, in a box on the window.
    void theValuesBoxOfAListGivenAtStartUpSitsOnTheWindow()
    {
        QTemporaryDir dir;
        const QString list = writeFile(dir.path(), QStringLiteral("月次.txt"), "{?顧客}/見積\n");
        FakeListReader lists;
        TextValuesTableReader tables(lists);
        QtDesktop desktop(QStringLiteral("Kestrune"), tables);
        PosixListWriter writer;
        FakeFolders folders;
        FakeMountTable mounts;
        PosixListingSource listings;
        FakeClock clock;
        TemporarySettings settings;
        TemporarySettings systemSettings;
        FakeShelfReader shelves;
        TemporaryHistory history{folders, clock};
        FakeHistoryBox historyBox;
        ProgramWindow program({desktop, lists, writer, folders, mounts, listings, clock, settings.settings,
                               systemSettings.settings, shelves, history.history, historyBox},
                              [] {});
        desktop.setParentWindow(&program.window());
        // Where a window manager might put it: clear of the screen's corner and centre.
        program.window().move(300, 200);

        QRect box;
        QRect window;
        QTimer answer;
        answer.callOnTimeout([&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                box = dialog->frameGeometry();
                window = program.window().isVisible() ? program.window().frameGeometry() : QRect();
                dialog->reject();
            }
        });
        answer.start(10);
        program.start(list);
        QTRY_VERIFY(!box.isNull());
        QVERIFY(window.contains(box));
    }

    // 「表示言語」 keeps the choice in the settings for the next start, and
    // the next start shows it checked; the window's words stay as they are.
    void languageChoiceIsKeptForTheNextStart()
    {
        TemporarySettings settings;
        {
            Running run({}, &settings.settings);
            const QList<QAction*> entries = run.window().languageMenu().actions();
            QCOMPARE(checkedEntry(entries), 0);  // automatic until chosen
            const QString caption = run.window().createButton().text();
            entries.at(2)->trigger();
            QCOMPARE(languageChoiceIn(settings.settings), LanguageChoice::English);
            QCOMPARE(run.window().createButton().text(), caption);
        }
        Running again({}, &settings.settings);
        QCOMPARE(checkedEntry(again.window().languageMenu().actions()), 2);
    }

    // The window comes back at the size it was left at, and Qt's own words
    // (the text boxes' menus) are Japanese like the rest.
    void sizeIsRememberedAndQtSpeaksJapanese()
    {
        TemporarySettings settings;
        {
            Running run({}, &settings.settings);
            QCOMPARE(run.window().size(), MainWindow::defaultSize());
            run.window().resize(640, 480);
            QTest::mouseClick(&run.window().exitButton(), Qt::LeftButton);
        }
        Running again({}, &settings.settings);
        QCOMPARE(again.window().size(), QSize(640, 480));

        QTranslator words;
        if (!installQtWords(words, Language::Japanese))
            QSKIP("Qt's Japanese translations are not installed (qt6-translations-l10n)");
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("元に戻す(&U)"));
        QCoreApplication::removeTranslator(&words);
    }
};

QTEST_MAIN(ProgramWindowTest)
#include "test_program_window.moc"
