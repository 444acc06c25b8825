#pragma once

#include "desktop.h"
#include "folders.h"
#include "history_box.h"
#include "press_history.h"

#include <QList>

#include <functional>

namespace kestrune {

// How the box and the questions name when a press started: in this
// machine's time zone.
QString pressTimeText(const PressRecord& press);
// The press's state in the box's words; nothing for a press just done.
QString pressStateText(PressState state);
// The undo's question for a press from the history: its time, then Ctrl+Z's
// question for what is left of it.
QString historyUndoQuestion(const PressRecord& press);

// The 「作成履歴…」 box's side in the workflow: the presses as rows, and the
// undo and the opening its buttons ask for.
class PressHistoryBrowser final : public HistoryBrowser {
public:
    PressHistoryBrowser(PressHistory& history, Desktop& desktop, Folders& folders);

    HistoryView view() override;
    void undo(int row) override;
    void openFolder(int row) override;

    // Called after each undo this box made, so that the window can follow.
    std::function<void(const PressRecord&)> undone;

private:
    PressHistory& history_;
    Desktop& desktop_;
    Folders& folders_;
    QList<PressRecord> shown_;
};

}  // namespace kestrune
