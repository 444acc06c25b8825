#include "fake_list_reader.h"
#include "fake_shelf_reader.h"
#include "japanese_script.h"
#include "list_views.h"
#include "main_window.h"
#include "posix_listing_source.h"
#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_name_box.h"
#include "qt_names_list.h"
#include "qt_readme_viewer.h"
#include "text_language.h"
#include "ui_texts.h"
#include "values_dialog.h"
#include "values_table_reading.h"
#include "workflow_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;

namespace {

// The widget of the layout that holds `widget` (the focus may sit on a part of a control).
QString layoutName(QWidget* widget, const MainWindow& form)
{
    for (; widget && widget != &form; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && widget->parentWidget() &&
            (widget->parentWidget() == &form || widget->parentWidget() == &form.readmeViewer()))
            return widget->objectName();
    }
    return QString();
}

QStringList tabCycle(MainWindow& form, QWidget* first, int presses)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{layoutName(QApplication::focusWidget(), form)};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(layoutName(QApplication::focusWidget(), form));
    }
    return visited;
}

// Every word `top` shows a person, in a fixed order: each widget's caption,
// text and tool tip, and its actions' and their menus' texts and tool tips.
void collectShownTexts(QWidget* top, QStringList& shown)
{
    const auto addAction = [&shown](QAction* action, const auto& self) -> void {
        shown << action->text() << action->toolTip();
        if (QMenu* menu = action->menu()) {
            emit menu->aboutToShow();  // menus filled as they open
            shown << menu->title();
            for (QAction* inner : menu->actions())
                self(inner, self);
        }
    };
    QList<QWidget*> widgets{top};
    widgets += top->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        shown << widget->windowTitle() << widget->toolTip();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            shown << label->text();
        for (QAction* action : widget->actions())
            addAction(action, addAction);
    }
}

QStringList shownTexts()
{
    QStringList shown;
    const PosixListingSource listings;
    test::FakeShelfReader shelves;
    MainWindow form(listings, shelves);
    collectShownTexts(&form, shown);
    ValueQuestion question;
    question.names = QStringList{QStringLiteral("client"), QStringLiteral("matter")};
    question.askDate = true;
    question.date = QDate(2026, 4, 1);
    // A table from a file fills one field and leaves a column unused: the box says all of it.
    question.table.columns = QStringList{QStringLiteral("client"), QStringLiteral("note")};
    question.table.rows = {QStringList{QStringLiteral("A"), QStringLiteral("x")}};
    question.table.rowLines = {2};
    question.table.filePath = QStringLiteral("/tmp/clients.csv");
    test::FakeListReader files;
    TextValuesTableReader tables(files);
    ValuesDialog values(question, tables);
    collectShownTexts(&values, shown);
    return shown;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void iconOnceShownAndNoCaptionBeforeStart()
    {
        MainWindow form(listings_, shelfReader_);
        QVERIFY(form.windowTitle().isEmpty());  // the caption is set at start-up
        form.readmeViewer().close();            // as at start-up
        form.show();                            // the icon follows the first paint
        QTRY_VERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    void opensAtItsLeastSizeAndGrows()
    {
        MainWindow form(listings_, shelfReader_);
        QCOMPARE(form.size(), QSize(399, 297));
        QCOMPARE(form.minimumSize(), QSize(399, 297));
        QVERIFY(form.maximumWidth() > 2000);
        QVERIFY(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint) ||
                !form.windowFlags().testFlag(Qt::CustomizeWindowHint));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("readmePanel") << "readmePanel"
                                     << "mainWindow" << QRect(0, 0, 401, 297);
        QTest::newRow("parentNameLabel") << "parentNameLabel"
                                         << "mainWindow" << QRect(192, 184, 201, 16);
        QTest::newRow("fillInBox") << "fillInBox"
                                   << "mainWindow" << QRect(192, 218, 201, 22);
        QTest::newRow("readmeOkButton") << "readmeOkButton"
                                        << "readmePanel" << QRect(152, 272, 97, 17);
        QTest::newRow("readmeText") << "readmeText"
                                    << "readmePanel" << QRect(0, 0, 401, 265);
        QTest::newRow("parentNameEdit") << "parentNameEdit"
                                        << "mainWindow" << QRect(192, 200, 201, 18);
        QTest::newRow("fileList") << "fileList"
                                  << "mainWindow" << QRect(0, 168, 185, 126);
        QTest::newRow("exitButton") << "exitButton"
                                    << "mainWindow" << QRect(328, 240, 65, 49);
        QTest::newRow("createButton") << "createButton"
                                      << "mainWindow" << QRect(192, 240, 121, 49);
        QTest::newRow("namesList") << "namesList"
                                   << "mainWindow" << QRect(192, 8, 201, 160);
        QTest::newRow("folderList") << "folderList"
                                    << "mainWindow" << QRect(0, 32, 185, 132);
        QTest::newRow("driveList") << "driveList"
                                   << "mainWindow" << QRect(0, 8, 185, 20);
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, pixels);
        MainWindow form(listings_, shelfReader_);
        form.show();  // laid out as the person sees it
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry(), pixels);
    }

    // Grown, the names list takes the extra width and height, the folder and
    // file lists share the extra height, and everything else keeps its size
    // and its distance from the edges it sits by; the viewer still covers all.
    void growingGivesTheRoomToTheLists()
    {
        MainWindow form(listings_, shelfReader_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(399 + 300, 297 + 200);
        QTRY_COMPARE(form.namesList().geometry(), QRect(192, 8, 201 + 300, 160 + 200));
        QCOMPARE(form.driveList().geometry(), QRect(0, 8, 185, 20));
        const QRect folders = form.folderList().geometry();
        const QRect files = form.fileList().geometry();
        QCOMPARE(folders.height() + files.height(), 132 + 126 + 200);
        QVERIFY(qAbs((folders.height() - 132) - (files.height() - 126)) <= 10);
        QCOMPARE(files.bottom(), 297 + 200 - 3 - 1);
        QCOMPARE(form.parentNameEdit().geometry(), QRect(192, 200 + 200, 201 + 300, 18));
        QCOMPARE(form.createButton().geometry(), QRect(192, 240 + 200, 121, 49));
        QCOMPARE(form.exitButton().geometry(), QRect(328 + 300, 240 + 200, 65, 49));
        QCOMPARE(form.readmeViewer().geometry(), QRect(0, 0, 399 + 300 + 2, 297 + 200));
    }

    void labelStaysBetweenListAndTextBox()
    {
        // The label must neither be cut off nor run into the name box.
        MainWindow form(listings_, shelfReader_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto* label = form.findChild<QLabel*>(QStringLiteral("parentNameLabel"));
        QVERIFY(label);
        QCOMPARE(label->geometry().topLeft(), QPoint(192, 184));
        QVERIFY(label->width() >= std::max(81, label->sizeHint().width()));
        QVERIFY(label->height() >= label->fontMetrics().ascent());
        QVERIFY(label->geometry().bottom() < form.parentNameEdit().geometry().top());
        QCOMPARE(label->text(), QStringLiteral("親ディレクトリ名"));
    }

    void captionsAndTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("readmeOkButton") << "readmeOkButton"
                                        << "OK";
        QTest::newRow("createButton") << "createButton" << QStringLiteral("フォルダー作成");
        QTest::newRow("exitButton") << "exitButton" << QStringLiteral("終了");
        // The boxes start empty; start-up and list loading fill them.
        QTest::newRow("parentNameEdit") << "parentNameEdit" << QString();
        QTest::newRow("readmeText") << "readmeText" << QString();
    }
    void captionsAndTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        MainWindow form(listings_, shelfReader_);
        auto* widget = form.findChild<QWidget*>(name);
        QVERIFY(widget);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        else if (auto* box = qobject_cast<QLineEdit*>(widget))
            QCOMPARE(box->text(), text);
        else
            QCOMPARE(qobject_cast<QPlainTextEdit*>(widget)->toPlainText(), text);
    }

    void toolTipsOnlyOnTheFolderAndFileLists()
    {
        MainWindow form(listings_, shelfReader_);
        QCOMPARE(form.fileList().toolTip(),
                 QStringLiteral("作成するフォルダー名が記述してあるファイルを選択して下さい。"));
        QCOMPARE(form.folderList().toolTip(),
                 QStringLiteral("フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。"));
        for (const char* name : {"readmePanel", "readmeOkButton", "readmeText", "parentNameEdit", "exitButton",
                                 "createButton", "namesList", "driveList", "parentNameLabel", "fillInBox"})
            QVERIFY2(form.findChild<QWidget*>(QLatin1String(name))->toolTip().isEmpty(), name);
    }

    // Under English every Japanese word of the window and the values box is
    // English, the menus' and tool tips' too; only 日本語 in 「表示言語」 stays,
    // each language being named in itself.
    void speaksEnglishThroughout()
    {
        const QStringList japanese = shownTexts();
        const TextLanguage english(Language::English);
        QVERIFY(english.loaded());
        const QStringList shown = shownTexts();
        QCOMPARE(shown.size(), japanese.size());
        int translated = 0;
        for (qsizetype index = 0; index < shown.size(); ++index) {
            if (shown.at(index) == texts::japaneseName)
                continue;
            QVERIFY2(!test::hasJapanese(shown.at(index)),
                     qPrintable(japanese.at(index) + QStringLiteral(" → ") + shown.at(index)));
            translated += test::hasJapanese(japanese.at(index)) ? 1 : 0;
        }
        QVERIFY2(translated >= 20, "the walk saw the window's words");
    }

    void fileListOffersOnlyTextFiles()
    {
        QTemporaryDir dir;
        for (const char* name : {"names.txt", "notes.md", "table.csv", "list.txt.bak", "other.txt"})
            test::writeFile(dir.path(), QLatin1String(name), "x\n");
        MainWindow form(listings_, shelfReader_);
        form.fileList().setPath(dir.path());
        QCOMPARE(test::shownEntries(form.fileList()),
                 (QStringList{QStringLiteral("names.txt"), QStringLiteral("other.txt")}));
    }

    void focusFollowsTabIndex()
    {
        MainWindow form(listings_, shelfReader_);
        form.readmeViewer().close();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QStringList expected{"driveList", "folderList",     "namesList", "createButton", "exitButton",
                                   "fileList",  "parentNameEdit", "fillInBox", "driveList"};
        QCOMPARE(tabCycle(form, &form.driveList(), 8), expected);
    }

    void frameCoversAndLocksEverythingWhenShown()
    {
        MainWindow form(listings_, shelfReader_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.readmeViewer().isVisibleTo(&form));
        const QRect covered = form.readmeViewer().geometry();
        QVERIFY(covered.contains(form.rect()));
        for (QWidget* control : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control == &form.readmeViewer())
                continue;
            const QByteArray name = control->objectName().toUtf8();
            QVERIFY2(covered.contains(control->geometry()), name.constData());
            QWidget* onTop = form.childAt(control->geometry().center());
            QVERIFY2(onTop == &form.readmeViewer() || form.readmeViewer().isAncestorOf(onTop), name.constData());
            QVERIFY2(!control->isEnabled(), name.constData());
        }
        // Only the viewer's own controls take the focus.
        QCOMPARE(tabCycle(form, form.readmeViewer().findChild<QPlainTextEdit*>(), 2),
                 (QStringList{"readmeText", "readmeOkButton", "readmeText"}));

        form.readmeViewer().close();
        QVERIFY(form.createButton().isEnabled());
        QCOMPARE(form.childAt(form.createButton().geometry().center()), &form.createButton());
    }

    void noButtonAnswersEnterOrEscape()
    {
        MainWindow form(listings_, shelfReader_);
        form.readmeViewer().close();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy create(&form.createButton(), &QPushButton::clicked);
        QSignalSpy exit(&form.exitButton(), &QPushButton::clicked);
        form.parentNameEdit().setFocus();
        QTest::keyClick(&form.parentNameEdit(), Qt::Key_Return);
        QTest::keyClick(&form.parentNameEdit(), Qt::Key_Escape);
        QCOMPARE(create.count(), 0);
        QCOMPARE(exit.count(), 0);
    }

    void nameListUsesTheMenuBackground()
    {
        MainWindow form(listings_, shelfReader_);
        QCOMPARE(form.namesList().palette().color(QPalette::Base),
                 QApplication::palette("QMenu").color(QPalette::Window));
    }

private:
    const PosixListingSource listings_;
    test::FakeShelfReader shelfReader_;
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
