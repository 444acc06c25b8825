#pragma once

#include <QString>
#include <QStringView>

// Names as file systems meet them. Text copied from a Mac often arrives
// decomposed (カ followed by a combining ゛): made as written, it would sit
// beside a folder of the same name in the composed form. Every name is made
// and compared in Unicode NFC.
namespace kestrune {

// The combining marks among the kana and CJK punctuation: the voiced sound
// marks (゛ and ゜ written apart), which join the kana before them in NFC,
// and the ideographic tone marks, which NFC puts in order.
constexpr bool isCombiningCjkMark(char16_t unit)
{
    return (unit >= 0x302A && unit <= 0x302F) || unit == 0x3099 || unit == 0x309A;
}

// Code points NFC leaves as they are in a name made only of such code
// points: everything below the combining accents (U+0300), the ideographic
// space and punctuation, the kana without their combining marks, unified
// kanji, and the full- and half-width forms with the specials after them.
// QString::normalized decomposes and composes every string it is given; a
// list of Japanese names almost never needs it, and the preview runs on
// every key typed.
constexpr bool staysComposed(char16_t unit)
{
    return unit < 0x0300 || (unit >= 0x4E00 && unit <= 0x9FFF) ||
           (unit >= 0x3000 && unit <= 0x30FF && !isCombiningCjkMark(unit)) || unit >= 0xFF00;
}

// `name` in NFC.
QString composedName(const QString& name);
// True when no character of `name` can change in NFC, as in most names;
// false when one may.
bool needsNoComposing(QStringView name);

// The key under which two names are the same folder: NFC, and on a file
// system with Windows' rules, letter case folded too.
QString nameKey(const QString& name, bool windowsFileSystem);

}  // namespace kestrune
