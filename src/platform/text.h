#pragma once

#include <QString>

namespace kestrune {

// Strips U+0020 spaces only, at both ends; tabs and ideographic spaces stay.
QString Trim(const QString& text);

// 1-based position of `sought` in `text` at or after `start`, exact code-unit
// comparison; 0 when absent. An empty `sought` is found at `start`.
// Throws error 5 when start < 1.
qsizetype InStr(qsizetype start, const QString& text, const QString& sought);

}  // namespace kestrune
