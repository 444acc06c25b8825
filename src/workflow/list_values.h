#pragma once

#include "controls.h"
#include "desktop.h"
#include "loaded_list.h"
#include "remembered_values.h"
#include "values_table.h"
#include "workflow_state.h"

namespace kestrune {

// The values, the table of values and the reference date a list's notation is
// filled in with, asked in the values box; and whether the notation is read
// at all.
class ListValues {
public:
    ListValues(WorkflowState& state, NameBox& parentNameEdit, Desktop& desktop, RememberedValues& rememberedValues,
               ValuesTableReader& tables, LoadedList& loadedList);

    // Asks for the values the list and the parent name use (and the date,
    // when `always` or when dates are used); false when there is nothing to
    // ask and `always` is false, or the person left the box. With no table
    // in use, a list file offers the table file last used with it, read
    // again.
    bool ask(bool always);
    // 「値を変更…」: asks again and shows the preview for the answer.
    void changeValues();
    // 「記法を使わない」: every line taken as written (or its notation read again).
    void setNotationUsed(bool used);

private:
    WorkflowState& state_;
    NameBox& parentNameEdit_;
    Desktop& desktop_;
    RememberedValues& rememberedValues_;
    ValuesTableReader& tables_;
    LoadedList& loadedList_;
};

}  // namespace kestrune
