#pragma once

#include "controls.h"
#include "folders.h"
#include "press_plan.h"
#include "workflow_state.h"

#include <QStringList>

namespace kestrune {

// The list loaded and its preview: the names list's rows and the name box's
// mark, worked out from the plan of a press of the list as it stands.
class LoadedList {
public:
    LoadedList(WorkflowState& state, ItemList& namesList, NameBox& parentNameEdit, Folders& folders);

    // No list is loaded any more: its lines are dropped, the names list is
    // empty and the press beeps.
    void reset();
    // Shows `lines` (read from a file or pasted) as the list loaded, ready
    // for the press, with the preset parent name selected.
    void show(QStringList lines);
    // Works out the plan for the parent name typed and shows it.
    void showPreview();
    // True when a names list waits for the press (not the Readme viewer,
    // not the completion line).
    bool awaitsPress() const;
    // The press the person would make now.
    PressRequest request() const;

    // The person typed in the name box: the preview follows the name.
    void onParentNameEdited();
    // 「既存のフォルダーに追加」: a parent that is there already is filled in
    // with what it lacks, and the preview compares every folder with the disk.
    void setFillIn(bool fillIn);

private:
    WorkflowState& state_;
    ItemList& namesList_;
    NameBox& parentNameEdit_;
    Folders& folders_;
    QStringList shownLines_;  // the lines the rows shown were made of
};

}  // namespace kestrune
