#pragma once

#include "browsing.h"
#include "desktop.h"
#include "folders.h"
#include "history_box.h"
#include "press_history.h"
#include "workflow_state.h"

namespace kestrune {

// Ctrl+H and the names list's 「作成履歴…」: the box of every press recorded,
// from which any can be undone.
class HistoryCommand {
public:
    HistoryCommand(WorkflowState& state, PressHistory& history, HistoryBox& box, Desktop& desktop, Folders& folders,
                   Browsing& browsing);

    void showHistory();

private:
    WorkflowState& state_;
    PressHistory& history_;
    HistoryBox& box_;
    Desktop& desktop_;
    Folders& folders_;
    Browsing& browsing_;
};

}  // namespace kestrune
