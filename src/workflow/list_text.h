#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kestrune {

// The lines of a list given as text (pasted, or dropped on the window), split
// as a list file's: at CR, LF or CR LF, a final line end adding no empty line.
// None past a list file's limits: more lines than a list takes, or a line
// longer than any name.
std::optional<QStringList> splitListText(const QString& text);

}  // namespace kestrune
