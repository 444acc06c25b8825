#pragma once

#include <QString>
#include <QStringList>

namespace kestrune {

// The lines of a list given as text (pasted, or dropped on the window), split
// as a list file's: at CR, LF or CR LF, a final line end adding no empty line.
// Held to a list file's limits: more lines than a list takes, or a line
// longer than any name, fails as a RuntimeError, as a file would.
QStringList splitListText(const QString& text);

}  // namespace kestrune
