#pragma once

#include "command_line.h"
#include "shelf_reader.h"
#include "standard_streams.h"

#include <QList>

#include <chrono>
#include <optional>

namespace kestrune {

// The shelves as the window has them: the administrator's (the system
// scope, found through XDG_CONFIG_DIRS), then the person's own.
QList<Shelf> shelvesInSettings();

// `kestrune --shelves`: one tab-separated row per list on every shelf (the
// shelf, the list, the list's path), shelf by shelf in their order. The
// shelves are read all at once and share one `limit`: a shelf that has not
// answered by then, or answers with a failure, is named on `err`, and the
// others are printed all the same. Returns ExitMade when every shelf
// answered, ExitUnusable when one did not, and ExitFailedHalfWay when the
// rows could not be written.
int listShelves(const QList<Shelf>& shelves, ShelfReader& reader, OutputStream& out, OutputStream& err,
                std::chrono::milliseconds limit = shelfAnswerLimit);

// `kestrune --create LIST --shelf NAME`: the request with LIST as its path on
// the shelf NAME of `shelves`; none, after naming the shelf on `err`, when
// there is no such shelf.
std::optional<CommandLine> onShelf(const CommandLine& request, const QList<Shelf>& shelves, OutputStream& err);

}  // namespace kestrune
