#include "unicode_names.h"

#include <algorithm>

namespace kestrune {

namespace {

// Code points NFC leaves as they are, whatever follows them: Latin-1, the
// ideographic space and punctuation, precomposed kana, unified kanji and the
// full- and half-width forms. QString::normalized decomposes and composes
// every string it is given; a list of Japanese names almost never needs it,
// and the preview runs on every key typed in the name box.
bool staysComposed(char16_t unit)
{
    return unit < 0x0300 || (unit >= 0x4E00 && unit <= 0x9FFF) ||
           (unit >= 0x3000 && unit <= 0x30FF && unit != 0x3099 && unit != 0x309A) || (unit >= 0xFF00 && unit <= 0xFFEF);
}

}  // namespace

bool needsNoComposing(QStringView name)
{
    // A lambda, not the function's address: a pointer is not inlined, and
    // this runs on every character of every line.
    const char16_t* const units = name.utf16();
    return std::all_of(units, units + name.size(), [](char16_t unit) { return staysComposed(unit); });
}

QString composedName(const QString& name)
{
    return needsNoComposing(name) ? name : name.normalized(QString::NormalizationForm_C);
}

QString nameKey(const QString& name, bool windowsFileSystem)
{
    const QString composed = composedName(name);
    return windowsFileSystem ? composed.toCaseFolded() : composed;
}

}  // namespace kestrune
