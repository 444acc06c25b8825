#pragma once

#include <QString>
#include <QStringView>

// Names as file systems meet them. Text copied from a Mac often arrives
// decomposed (カ followed by a combining ゛): made as written, it would sit
// beside a folder of the same name in the composed form. Every name is made
// and compared in Unicode NFC.
namespace kestrune {

// `name` in NFC.
QString composedName(const QString& name);
// True when no character of `name` can change in NFC, as in most names;
// false when one may.
bool needsNoComposing(QStringView name);

// The key under which two names are the same folder: NFC, and on a file
// system with Windows' rules, letter case folded too.
QString nameKey(const QString& name, bool windowsFileSystem);

}  // namespace kestrune
