#include "press_history_browser.h"

#include "folder_paths.h"
#include "history_texts.h"
#include "runtime_error.h"
#include "workflow_texts.h"

#include <QStringList>

namespace kestrune {

namespace {

QString fileNameOf(const QString& path)
{
    return path.sliced(path.lastIndexOf(pathSeparator) + 1);
}

HistoryRow rowOf(const PressRecord& press)
{
    HistoryRow row;
    row.when = pressTimeText(press);
    row.list = press.listFilePath.isEmpty() ? texts::pastedList : fileNameOf(press.listFilePath);
    row.listTip = press.listFilePath.isEmpty() ? texts::pastedList : press.listFilePath;
    const QStringList parents = press.parentPaths();
    row.where = parents.value(0, press.basePath);
    if (parents.size() > 1)
        row.where += texts::listSeparator + texts::moreParents.arg(parents.size() - 1);
    row.whereTip = parents.isEmpty() ? press.basePath : parents.join(u'\n');
    row.folders = press.foldersMade();
    row.files = press.filesMade();
    row.state = pressStateText(press.state());
    row.canUndo = press.hasUndoLeft();
    return row;
}

}  // namespace

QString pressTimeText(const PressRecord& press)
{
    return press.startedAt.toLocalTime().toString(texts::pressTimeFormat);
}

QString pressStateText(PressState state)
{
    switch (state) {
    case PressState::Undone:
        return texts::pressUndone;
    case PressState::PartlyUndone:
        return texts::pressPartlyUndone;
    case PressState::Interrupted:
        return texts::pressInterrupted;
    case PressState::Done:
        break;
    }
    return {};
}

QString historyUndoQuestion(const PressRecord& press)
{
    return texts::undoAskPressAt.arg(pressTimeText(press)) + u'\n' + undoQuestion(press.leftToUndo());
}

PressHistoryBrowser::PressHistoryBrowser(PressHistory& history, Desktop& desktop, Folders& folders)
    : history_(history), desktop_(desktop), folders_(folders)
{
}

HistoryView PressHistoryBrowser::view()
{
    const PressListing listing = history_.list();
    shown_ = listing.presses;
    HistoryView view;
    for (const PressRecord& press : shown_) {
        view.rows.append(rowOf(press));
        if (view.selected < 0 && press.hasUndoLeft())
            view.selected = int(view.rows.size() - 1);
    }
    if (!listing.unreadable.isEmpty())
        view.note = texts::recordsNotRead.withCount(listing.unreadable.size()) + u'\n' + listing.unreadable.join(u'\n');
    return view;
}

void PressHistoryBrowser::undo(int row)
{
    if (row < 0 || row >= shown_.size() || !shown_.at(row).hasUndoLeft()) {
        desktop_.beep();
        return;
    }
    PressRecord& press = shown_[row];
    if (!desktop_.askYesNo(historyUndoQuestion(press), texts::undoTitle))
        return;
    HistoryUndo done;
    {
        const BusyPointerGuard busy(desktop_);
        done = history_.undo(press);
    }
    QString report = undoReport(done.outcome);
    if (!done.recorded)
        report += QStringLiteral("\n\n") + texts::undoNotRecorded;
    desktop_.showMessage(report, texts::undoTitle);
    if (undone)
        undone(press);
}

void PressHistoryBrowser::openFolder(int row)
{
    if (row < 0 || row >= shown_.size()) {
        desktop_.beep();
        return;
    }
    const PressRecord& press = shown_.at(row);
    // The parent when it is still there, otherwise the folder it was made in.
    QStringList candidates = press.parentPaths().mid(0, 1);
    candidates.append(press.basePath);
    for (const QString& path : std::as_const(candidates)) {
        if (folders_.kindOf(path) == EntryKind::Folder) {
            desktop_.openFolder(path);
            return;
        }
    }
    desktop_.beep();
}

}  // namespace kestrune
