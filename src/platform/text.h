#pragma once

#include <QString>

namespace kestrune {

// Strips U+0020 spaces only, at both ends; tabs and ideographic spaces stay.
QString trimSpaces(const QString& text);

}  // namespace kestrune
