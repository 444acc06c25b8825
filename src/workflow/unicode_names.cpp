#include "unicode_names.h"

#include <algorithm>

namespace kestrune {

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
