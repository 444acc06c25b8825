#include "fake_controls.h"
#include "window_commands.h"

#include <QTest>

using namespace kestrune;
using namespace kestrune::test;

namespace {

struct Window {
    FakeWindowTitle mainWindow;
    FakeTextViewer readmeViewer;
    FakeItemList namesList;
    FakeNameBox parentNameEdit;
    int ends = 0;
    WindowCommands commands{WindowCommandControls{mainWindow, readmeViewer, namesList, parentNameEdit},
                            [this] { ++ends; }};
};

}  // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void loadSetsTheRuntimeCaptionAndEmptiesTheWindow()
    {
        Window w;
        w.mainWindow.caption = QStringLiteral("Kestrune\u3000Ver.0.02");
        w.namesList.items = QStringList{QStringLiteral("left over")};
        w.parentNameEdit.contents = QStringLiteral("left over");
        w.commands.start();
        // Title, one ideographic space, the bare number: no "Ver." at run time.
        QCOMPARE(w.mainWindow.caption, QStringLiteral("Kestrune\u30000.03"));
        QVERIFY(!w.readmeViewer.visible);
        QVERIFY(w.namesList.items.isEmpty());
        QCOMPARE(w.parentNameEdit.contents, QString());
        QCOMPARE(w.ends, 0);
    }

    void okHidesTheViewerAndGivesTheNameBoxTheFocus()
    {
        Window w;
        w.readmeViewer.visible = true;
        w.namesList.items = QStringList{QStringLiteral("a")};
        w.parentNameEdit.contents = QStringLiteral("新規ディレクトリ");
        w.commands.closeReadme();
        QVERIFY(!w.readmeViewer.visible);
        QVERIFY(w.parentNameEdit.focused);  // the keyboard goes on where the load left it
        QCOMPARE(w.namesList.items, QStringList{QStringLiteral("a")});
        QCOMPARE(w.parentNameEdit.contents, QStringLiteral("新規ディレクトリ"));
        QCOMPARE(w.mainWindow.caption, QString());
        QCOMPARE(w.ends, 0);
    }

    void exitEndsAndTouchesNoControl()
    {
        Window w;
        w.namesList.items = QStringList{QStringLiteral("a")};
        w.commands.exitProgram();
        QCOMPARE(w.ends, 1);
        QVERIFY(w.readmeViewer.visible);
        QCOMPARE(w.namesList.items, QStringList{QStringLiteral("a")});
    }
};

QTEST_GUILESS_MAIN(WindowCommandsTest)
#include "test_window_commands.moc"
