#pragma once

#include "press_history.h"
#include "standard_streams.h"

#include <QString>

namespace kestrune {

// `kestrune --history`: one tab-separated row for each press, newest first:
// its number, when it started (ISO 8601, with this machine's offset), its
// state (done, undone, partly-undone, interrupted), the folders and the
// files it made, and the parents' full paths joined by " | ". A record that
// cannot be read is named on `err` and skipped. Returns the exit status.
int printHistory(const PressHistory& history, OutputStream& out, OutputStream& err);

// `kestrune --undo ID` (or "last", the newest press something is left to
// undo of): undoes that press by the undo's rules, without a question. What
// was removed is one line on `out`; what was kept, and why, goes to `err`.
// Returns 0 when everything went, 3 when something was kept, 2 for an
// unknown number.
int undoFromHistory(PressHistory& history, const QString& which, OutputStream& out, OutputStream& err);

}  // namespace kestrune
