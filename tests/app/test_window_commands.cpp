#include "fake_controls.h"
#include "window_commands.h"

#include <QTest>

using namespace kestrune;
using namespace kestrune::test;

namespace {

struct Window {
    FakeForm frmMain;
    FakeFrame Frame1;
    FakeListBox List1;
    FakeTextBox Text1{QStringLiteral("Text1")};
    int ends = 0;
    WindowCommands commands{WindowCommandControls{frmMain, Frame1, List1, Text1}, [this] { ++ends; }};
};

}  // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void loadSetsTheRuntimeCaptionAndEmptiesTheWindow()
    {
        Window w;
        w.frmMain.caption = QStringLiteral("Kestrune\u3000Ver.0.02");
        w.List1.items = QStringList{QStringLiteral("left over")};
        w.commands.Form_Load();
        // Title, one ideographic space, the bare number: no "Ver." at run time.
        QCOMPARE(w.frmMain.caption, QStringLiteral("Kestrune\u30000.03"));
        QVERIFY(!w.Frame1.visible);
        QVERIFY(w.List1.items.isEmpty());
        QCOMPARE(w.Text1.text, QString());
        QCOMPARE(w.ends, 0);
    }

    void loadStopsAtTheFirstFailingStep()
    {
        // No trap of its own: the error leaves for the dispatch, later steps do not run.
        Window w;
        w.Frame1.faults.failOn(QStringLiteral("setVisible"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, w.commands.Form_Load());
        QCOMPARE(w.frmMain.caption, QStringLiteral("Kestrune\u30000.03"));
        QCOMPARE(w.List1.faults.calls(QStringLiteral("Clear")), 0);
        QCOMPARE(w.Text1.text, QStringLiteral("Text1"));
    }

    void okHidesTheViewerAndNothingElse()
    {
        Window w;
        w.Frame1.visible = true;
        w.List1.items = QStringList{QStringLiteral("a")};
        w.Text1.text = QStringLiteral("新規ディレクトリ");
        w.commands.Command1_Click();
        QVERIFY(!w.Frame1.visible);
        QCOMPARE(w.List1.items, QStringList{QStringLiteral("a")});
        QCOMPARE(w.Text1.text, QStringLiteral("新規ディレクトリ"));
        QCOMPARE(w.frmMain.caption, QString());
        QCOMPARE(w.ends, 0);
    }

    void exitEndsAndTouchesNoControl()
    {
        Window w;
        w.List1.items = QStringList{QStringLiteral("a")};
        w.commands.Command3_Click();
        QCOMPARE(w.ends, 1);
        QVERIFY(w.Frame1.visible);
        QCOMPARE(w.List1.items, QStringList{QStringLiteral("a")});
        QCOMPARE(w.Text1.text, QStringLiteral("Text1"));
    }
};

QTEST_GUILESS_MAIN(TestWindowCommands)
#include "test_window_commands.moc"
