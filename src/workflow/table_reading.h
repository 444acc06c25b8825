#pragma once

#include <QStringList>

namespace kestrune {

// The logical lines of a list, from its physical lines (already decoded and split at CR, LF or CR LF).
//
// A list that holds no tab anywhere is returned unchanged, so that no list that works today changes meaning.
// A list with a tab is a range copied from a spreadsheet, read as a table row by row, one logical line a row:
// - A tab separates cells; the cells are levels, joined with "/" (a cell may itself hold "/").
// - An empty cell with only empty cells to its left takes the cell of the same column in the row above, the way
//   a tree is laid out in a sheet. The row above is the last row that is not blank, as filled in itself. An
//   empty cell after a filled one stays an empty level.
// - Empty cells at the end of a row are dropped; a row of nothing but empty cells is a blank line and leaves the
//   row above as it was.
// - A cell that starts with a quote is quoted as spreadsheets quote on the clipboard: it ends at the next lone
//   quote, and a doubled quote inside stands for one. A quoted cell may run over line ends, each kept in the
//   cell as "\n" (so that the line is refused where it would be made); a quoted tab stays a tab. A quote that is
//   never closed quotes nothing: from it on, every quote is plain text and each physical line is one row.
QStringList linesFromTable(const QStringList& physicalLines);

}  // namespace kestrune
