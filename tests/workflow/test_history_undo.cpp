// The window and the history: Ctrl+Z undoes this window's last press, then
// reaches back through the history, after a restart too, naming the time of
// a press it did not make; the history box undoes any press, an older one
// while a newer stays, and Ctrl+Z follows it; a press whose record cannot be
// written goes on, and its completion line says so.

#include "history_texts.h"
#include "press_history_browser.h"
#include "recorded_press.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace kestrune;
using namespace kestrune::test;
using namespace Qt::StringLiterals;

namespace {

// A press through the window: `list` loaded from a file in `base`, pressed
// into the parent `parent`.
void press(WorkflowFixture& f, const QString& base, const QByteArray& list, const QString& parent)
{
    f.load(writeFile(base, parent + u".txt"_s, list), base + u'/');
    f.parentNameEdit.contents = parent;
    f.workflow.createFolders();
}

// The top-level folders in `base`.
QStringList parentsIn(const QString& base)
{
    return QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class HistoryUndoTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        scratch_.emplace();
        QVERIFY(scratch_->isValid());
        base_ = QDir(scratch_->path()).canonicalPath() + u"/base"_s;
        records_ = scratch_->filePath(u"history"_s);
        QVERIFY(QDir().mkpath(base_));
    }
    void cleanup() { scratch_.reset(); }

    void afterARestartCtrlZUndoesTheNewestPress()
    {
        {
            WorkflowFixture before(records_);
            press(before, base_, "a\nb/c\n", u"一"_s);
            press(before, base_, "x\n", u"二"_s);
        }
        WorkflowFixture f(records_);
        const PressRecord newest = *f.history.history.newestToUndo();
        f.workflow.undoLastCreation();
        QCOMPARE(f.desktop.questions.size(), 1);
        QVERIFY(f.desktop.questions.last().contains(pressTimeText(newest)));
        QCOMPARE(parentsIn(base_), QStringList{u"一"_s});
        f.workflow.undoLastCreation();
        QCOMPARE(parentsIn(base_), QStringList());
        f.workflow.undoLastCreation();
        QCOMPARE(f.desktop.questions.size(), 2);
        QCOMPARE(f.desktop.beeps, 1);
    }

    // A script's press after this window's: Ctrl+Z takes this window's first,
    // with the question it always asked, then the script's, naming its time.
    void ctrlZTakesThisWindowsPressFirst()
    {
        WorkflowFixture f(records_);
        press(f, base_, "a\n", u"窓"_s);
        recordedPress(f.history.history, f.folders, base_, {u"s"_s}, u"台本"_s);

        f.workflow.undoLastCreation();
        QCOMPARE(parentsIn(base_), QStringList{u"台本"_s});
        QVERIFY(!f.desktop.questions.last().contains(texts::undoAskPressAt.toString().section(u' ', 1)));
        QCOMPARE(f.state().listState, ListState::Ready);  // the list comes back for another press
        f.workflow.undoLastCreation();
        QVERIFY(f.desktop.questions.last().contains(texts::undoAskPressAt.toString().section(u' ', 1)));
        QCOMPARE(parentsIn(base_), QStringList());
        const PressListing listing = f.history.history.list();
        QCOMPARE(listing.presses.size(), 2);
        for (const PressRecord& press : listing.presses)
            QCOMPARE(press.state(), PressState::Undone);
    }

    // The box opens on the newest press not undone; an older press undone
    // there leaves the newer; this window's press undone there is not tried
    // again by Ctrl+Z.
    void theBoxUndoesAnyPress()
    {
        WorkflowFixture f(records_);
        press(f, base_, "a\n", u"古"_s);
        press(f, base_, "b\n", u"新"_s);
        f.historyBox.whileShown = [](HistoryBrowser& browser) { browser.undo(1); };
        f.workflow.showHistory();
        QCOMPARE(f.historyBox.views.last().selected, 0);
        QCOMPARE(f.historyBox.views.last().rows.size(), 2);
        QCOMPARE(parentsIn(base_), QStringList{u"新"_s});

        f.historyBox.whileShown = [](HistoryBrowser& browser) {
            QCOMPARE(browser.view().rows.at(1).state, texts::pressUndone.toString());
            browser.undo(0);
        };
        f.workflow.showHistory();
        QCOMPARE(parentsIn(base_), QStringList());
        const qsizetype asked = f.desktop.questions.size();
        f.workflow.undoLastCreation();
        QCOMPARE(f.desktop.questions.size(), asked);
        QCOMPARE(f.desktop.beeps, 1);
    }

    void aPressWhoseRecordCannotBeWrittenGoesOn()
    {
        writeFile(scratch_->path(), u"history"_s, "in the way");
        WorkflowFixture f(records_);
        press(f, base_, "a\nb\n", u"親"_s);
        QCOMPARE(f.state().completionShown, true);
        QVERIFY(f.namesList.toolTips.first().contains(texts::historyNotKept.toString()));
        f.workflow.undoLastCreation();
        QCOMPARE(parentsIn(base_), QStringList());
    }

private:
    std::optional<QTemporaryDir> scratch_;  // a fresh one for each test
    QString base_;
    QString records_;
};

QTEST_GUILESS_MAIN(HistoryUndoTest)
#include "test_history_undo.moc"
