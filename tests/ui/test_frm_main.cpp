#include "frm_main.h"
#include "qt_dir_list_box.h"
#include "qt_drive_list_box.h"
#include "qt_file_list_box.h"
#include "qt_frame.h"
#include "qt_list_box.h"
#include "qt_text_box.h"
#include "workflow_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;

namespace {

// The widget of the layout that holds `widget` (the focus may sit on a part of a control).
QString layoutName(QWidget* widget, const FrmMain& form)
{
    for (; widget && widget != &form; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && widget->parentWidget() &&
            (widget->parentWidget() == &form || widget->parentWidget() == &form.Frame1()))
            return widget->objectName();
    }
    return QString();
}

QStringList tabCycle(FrmMain& form, QWidget* first, int presses)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{layoutName(QApplication::focusWidget(), form)};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(layoutName(QApplication::focusWidget(), form));
    }
    return visited;
}

}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void layoutCaptionAndSettings()
    {
        FrmMain form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Kestrune\u3000Ver.0.02"));
        QCOMPARE(form.property("LinkTopic").toString(), QStringLiteral("Form1"));
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    void fixedSizeMinimiseWithoutMaximise()
    {
        FrmMain form;
        QCOMPARE(form.minimumSize(), QSize(399, 297));  // 5985 x 4455 twips
        QCOMPARE(form.maximumSize(), QSize(399, 297));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels");  // twips / 15
        QTest::newRow("Frame1") << "Frame1"
                                << "frmMain" << QRect(0, 0, 401, 297);
        QTest::newRow("Command1") << "Command1"
                                  << "Frame1" << QRect(152, 272, 97, 17);
        QTest::newRow("Text2") << "Text2"
                               << "Frame1" << QRect(0, 0, 401, 265);
        QTest::newRow("Text1") << "Text1"
                               << "frmMain" << QRect(192, 200, 201, 18);
        QTest::newRow("File1") << "File1"
                               << "frmMain" << QRect(0, 168, 185, 126);
        QTest::newRow("Command3") << "Command3"
                                  << "frmMain" << QRect(328, 240, 65, 49);
        QTest::newRow("Command2") << "Command2"
                                  << "frmMain" << QRect(192, 240, 121, 49);
        QTest::newRow("List1") << "List1"
                               << "frmMain" << QRect(192, 8, 201, 160);
        QTest::newRow("Dir1") << "Dir1"
                              << "frmMain" << QRect(0, 32, 185, 132);
        QTest::newRow("Drive1") << "Drive1"
                                << "frmMain" << QRect(0, 8, 185, 20);
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, pixels);
        FrmMain form;
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry(), pixels);
    }

    void labelStaysBetweenListAndTextBox()
    {
        // Label1 (2880, 2760, 1215 wide) may grow to its caption's height, but
        // must neither be cut off nor run into Text1.
        FrmMain form;
        const QRect label = form.Label1().geometry();
        QCOMPARE(label.topLeft(), QPoint(192, 184));
        QVERIFY(label.width() >= std::max(81, form.Label1().sizeHint().width()));
        QVERIFY(label.height() >= form.Label1().fontMetrics().ascent());
        QVERIFY(label.bottom() < form.Text1().geometry().top());
        QCOMPARE(form.Label1().text(), QStringLiteral("親ディレクトリ名"));
    }

    void captionsAndTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Command1") << "Command1"
                                  << "OK";
        QTest::newRow("Command2") << "Command2" << QStringLiteral("フォルダー作成");
        QTest::newRow("Command3") << "Command3" << QStringLiteral("終了");
        QTest::newRow("Text1") << "Text1"
                               << "Text1";
        QTest::newRow("Text2") << "Text2"
                               << "Text2";
    }
    void captionsAndTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        FrmMain form;
        auto* widget = form.findChild<QWidget*>(name);
        QVERIFY(widget);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        else
            QCOMPARE(dynamic_cast<TextBox&>(*widget).Text(), text);
    }

    void toolTipsOnlyOnTheFolderAndFileLists()
    {
        FrmMain form;
        QCOMPARE(form.File1().toolTip(),
                 QStringLiteral("作成するフォルダー名が記述してあるファイルを選択して下さい。"));
        QCOMPARE(form.Dir1().toolTip(),
                 QStringLiteral("フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。"));
        for (const char* name :
             {"Frame1", "Command1", "Text2", "Text1", "Command3", "Command2", "List1", "Drive1", "Label1"})
            QVERIFY2(form.findChild<QWidget*>(QLatin1String(name))->toolTip().isEmpty(), name);
    }

    void fileListOffersOnlyTextFiles()
    {
        QTemporaryDir dir;
        for (const char* name : {"names.txt", "notes.md", "table.csv", "list.txt.bak", "other.txt"})
            test::writeFile(dir.path(), QLatin1String(name), "x\n");
        FrmMain form;
        form.File1().setPath(dir.path());
        QStringList offered;
        for (int i = 0; i < form.File1().ListCount(); ++i)
            offered.append(form.File1().List(i));
        QCOMPARE(offered, (QStringList{QStringLiteral("names.txt"), QStringLiteral("other.txt")}));
    }

    void focusFollowsTabIndex()
    {
        FrmMain form;
        form.Frame1().setVisible(false);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QStringList expected{"Drive1", "Dir1", "List1", "Command2", "Command3", "File1", "Text1", "Drive1"};
        QCOMPARE(tabCycle(form, &form.Drive1(), 7), expected);
    }

    void frameCoversAndLocksEverythingWhenShown()
    {
        FrmMain form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.Frame1().Visible());
        const QRect covered = form.Frame1().geometry();
        QVERIFY(covered.contains(form.rect()));
        for (QWidget* control : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control == &form.Frame1())
                continue;
            const QByteArray name = control->objectName().toUtf8();
            QVERIFY2(covered.contains(control->geometry()), name.constData());
            QWidget* onTop = form.childAt(control->geometry().center());
            QVERIFY2(onTop == &form.Frame1() || form.Frame1().isAncestorOf(onTop), name.constData());
            QVERIFY2(!control->isEnabled(), name.constData());
        }
        // Only the viewer's own controls take the focus.
        QCOMPARE(tabCycle(form, &form.Text2(), 2), (QStringList{"Text2", "Command1", "Text2"}));

        form.Frame1().setVisible(false);
        QVERIFY(form.Command2().isEnabled());
        QCOMPARE(form.childAt(form.Command2().geometry().center()), &form.Command2());
    }

    void noButtonAnswersEnterOrEscape()
    {
        FrmMain form;
        form.Frame1().setVisible(false);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy create(&form.Command2(), &QPushButton::clicked);
        QSignalSpy exit(&form.Command3(), &QPushButton::clicked);
        form.Text1().setFocus();
        QTest::keyClick(&form.Text1(), Qt::Key_Return);
        QTest::keyClick(&form.Text1(), Qt::Key_Escape);
        QCOMPARE(create.count(), 0);
        QCOMPARE(exit.count(), 0);
    }

    void nameListUsesTheMenuBackground()
    {
        FrmMain form;
        QCOMPARE(form.List1().palette().color(QPalette::Base), QApplication::palette("QMenu").color(QPalette::Window));
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
