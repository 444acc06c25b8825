#pragma once

#include <QChar>
#include <QString>

// The program's own words, kept together so that they stay exactly as shown.
namespace kestrune::messages {

inline QString errorOccurred()
{
    return QStringLiteral("エラーがおきました！！");
}
inline QString defaultParentName()
{
    return QStringLiteral("新規ディレクトリ");
}
inline QString creationFinished()
{
    return QStringLiteral("　　・・・作成終了しました・・・");
}
inline QString insertDisk()
{
    return QStringLiteral("ＦＤをセットしてください！");
}
inline QString badParentName()
{
    return QStringLiteral("親ディレクトリ名が正しくありません！");
}
inline QString badFolderNames()
{
    return QStringLiteral("作成できないフォルダー名があります！");
}
// A list file whose path holds this (case-sensitive) is shown as text.
inline QString readmeMarker()
{
    return QStringLiteral("Readme.txt");
}

}  // namespace kestrune::messages

namespace kestrune {

#ifdef _WIN32
inline constexpr QChar PathSeparator = u'\\';
#else
inline constexpr QChar PathSeparator = u'/';
#endif

}  // namespace kestrune
