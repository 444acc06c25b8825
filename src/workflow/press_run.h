#pragma once

#include "creation_record.h"
#include "press_observers.h"
#include "press_plan.h"
#include "runtime_error.h"

#include <optional>

// Carrying out a plan: the second half of every press, the window's and the
// command line's alike.
namespace kestrune {

struct PressOutcome {
    // What was made, as far as the press got: the undo works from it.
    CreationRecord record;
    // Why the press stopped; none when it completed.
    std::optional<RuntimeError> failure;
    // The preview entry it stopped at; -1 when it stopped before any (at a parent).
    qsizetype failedEntry = -1;
    // False when a journal was given and could not keep all of the record.
    bool journalKept = true;
};

// Makes every parent of `plan` and, in each, every folder its preview makes,
// in order, through the plan's open base; tells `progress` and `journal` as
// it goes. A plan with a refusal or without a base makes nothing and fails.
PressOutcome carryOutPress(const PressPlan& plan, PressProgress* progress = nullptr, PressJournal* journal = nullptr);

}  // namespace kestrune
