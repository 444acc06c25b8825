// The 「作成履歴…」 box: it opens on the press its browser chooses, Enter
// undoes that press (and only a press with something left to undo), the
// other button opens the press's folder, Esc closes, and the box shows the
// browser's view again after an undo, its note only when there is one.

#include "press_history_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace kestrune;
using namespace Qt::StringLiterals;

namespace {

// Three presses, newest first; the first has been undone.
class FakeBrowser final : public HistoryBrowser {
public:
    FakeBrowser()
    {
        for (const bool canUndo : {false, true, true})
            shown.rows.append({u"2026/12/07 09:00"_s, u"一覧.txt"_s, {}, u"/srv/親"_s, {}, 3, 0, {}, canUndo});
        shown.selected = 1;
    }
    HistoryView view() override
    {
        ++views;
        return shown;
    }
    void undo(int row) override
    {
        calls.append(u"undo %1"_s.arg(row));
        shown.rows[row].canUndo = false;
        shown.selected = row + 1 < shown.rows.size() ? row + 1 : -1;
    }
    void openFolder(int row) override { calls.append(u"open %1"_s.arg(row)); }

    HistoryView shown;
    int views = 0;
    QStringList calls;
};

}  // namespace

class HistoryDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Keys and clicks in turn: "<Enter>", "<Esc>", "open", "row N" (a
    // click on that row).
    void buttonsActOnTheSelectedPress_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("Enter undoes the press chosen") << QStringList{u"<Enter>"_s} << QStringList{u"undo 1"_s} << true;
        QTest::newRow("then the next") << QStringList{u"<Enter>"_s, u"<Enter>"_s}
                                       << QStringList{u"undo 1"_s, u"undo 2"_s} << true;
        QTest::newRow("nothing left to undo") << QStringList{u"row 0"_s, u"<Enter>"_s} << QStringList{} << true;
        QTest::newRow("another row") << QStringList{u"row 2"_s, u"<Enter>"_s} << QStringList{u"undo 2"_s} << true;
        QTest::newRow("open the folder") << QStringList{u"row 0"_s, u"open"_s} << QStringList{u"open 0"_s} << true;
        QTest::newRow("Esc closes") << QStringList{u"<Esc>"_s} << QStringList{} << false;
    }
    void buttonsActOnTheSelectedPress()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, calls);
        QFETCH(bool, stillOpen);
        FakeBrowser browser;
        PressHistoryDialog dialog(browser);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.presses()->currentIndex().row(), 1);
        for (const QString& action : actions) {
            if (action == u"<Enter>"_s)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else if (action == u"<Esc>"_s)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else if (action == u"open"_s)
                QTest::mouseClick(dialog.openButton(), Qt::LeftButton);
            else
                dialog.presses()->setCurrentItem(dialog.presses()->topLevelItem(action.sliced(4).toInt()));
        }
        QCOMPARE(browser.calls, calls);
        QCOMPARE(dialog.isVisible(), stillOpen);
        QCOMPARE(browser.views, 1 + calls.filter(u"undo"_s).size());
    }

    void notesRecordsThatCouldNotBeRead()
    {
        FakeBrowser browser;
        {
            PressHistoryDialog dialog(browser);
            dialog.show();
            QVERIFY(dialog.note()->isHidden());
        }
        browser.shown.note = u"読めない記録 1 件を飛ばしました:\n000003.press"_s;
        PressHistoryDialog dialog(browser);
        dialog.show();
        QVERIFY(dialog.note()->isVisible());
        QVERIFY(dialog.note()->text().contains(u"000003.press"_s));
    }
};

QTEST_MAIN(HistoryDialogTest)
#include "test_history_dialog.moc"
