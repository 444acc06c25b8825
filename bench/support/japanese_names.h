#pragma once

#include <QByteArray>
#include <QStringList>

namespace kestrune::bench {

// `count` distinct folder names of the kind an office list holds (kanji, kana,
// full-width brackets, digits), all of them encodable in code page 932.
QStringList japaneseNames(int count);

// The names as a list file, one a line with CR LF, in UTF-8 or in code page 932.
QByteArray listFileUtf8(const QStringList& names);
QByteArray listFileCp932(const QStringList& names);

}  // namespace kestrune::bench
