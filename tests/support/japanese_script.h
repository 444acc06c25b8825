#pragma once

#include <QString>

namespace kestrune::test {

// True when `text` holds kana, kanji, Japanese punctuation or full-width
// forms: a word left untranslated.
inline bool hasJapanese(const QString& text)
{
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if ((unit >= 0x3000 && unit <= 0x30FF) || (unit >= 0x4E00 && unit <= 0x9FFF) ||
            (unit >= 0xFF00 && unit <= 0xFFEF))
            return true;
    }
    return false;
}

}  // namespace kestrune::test
