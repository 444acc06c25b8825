#pragma once

#include <QString>
#include <QStringView>

namespace kestrune {

// C0 (U+0000 to U+001F), DEL (U+007F) and C1 (U+0080 to U+009F): the
// characters no name may hold. The line and paragraph separators (U+2028,
// U+2029) are text, not controls: a name may hold them. Inline, for the
// preview's pass over every character of a long list.
constexpr bool isControlCharacter(char16_t unit)
{
    return unit <= 0x1F || (unit >= 0x7F && unit <= 0x9F);
}

// The bytes `text` takes in UTF-8 as Qt writes it (a lone surrogate as
// U+FFFD, three bytes), counted without converting it.
qsizetype utf8Length(QStringView text);

// Strips U+0020 spaces only, at both ends; tabs and ideographic spaces stay.
QString trimSpaces(const QString& text);

}  // namespace kestrune
