#include "history_command.h"

#include "press_history_browser.h"

#include <QSet>

namespace kestrune {

HistoryCommand::HistoryCommand(WorkflowState& state, PressHistory& history, HistoryBox& box, Desktop& desktop,
                               Folders& folders, Browsing& browsing)
    : state_(state), history_(history), box_(box), desktop_(desktop), folders_(folders), browsing_(browsing)
{
}

void HistoryCommand::showHistory()
{
    PressHistoryBrowser browser(history_, desktop_, folders_);
    // The window's own last press undone from the box: Ctrl+Z no longer
    // tries what went, nor brings back a list for it.
    browser.undone = [this](const PressRecord& press) {
        if (press.number <= 0 || press.number != state_.lastPressNumber)
            return;
        QSet<QString> gone;
        for (qsizetype index = 0; index < press.made.size(); ++index) {
            if (press.gone.value(index))
                gone.insert(press.made.at(index).path);
        }
        state_.lastCreation.made.removeIf([&gone](const MadeEntry& entry) { return gone.contains(entry.path); });
        if (state_.lastCreation.isEmpty())
            state_.lastCreation = CreationRecord();
        state_.beforeLastCreation.reset();
    };
    box_.show(browser);
    browsing_.showFolderAgain();
}

}  // namespace kestrune
