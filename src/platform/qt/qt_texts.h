#pragma once

#include <QString>

// Every word the widget controls and boxes show a person.
namespace kestrune::texts {

inline const QString volumeEntry = QStringLiteral("%1 (%2)");  // label (root path)
inline const QString volumeRemoved = QStringLiteral("%1 は取り外されています");
inline const QString noSuchFileEntry = QStringLiteral("ファイル一覧に %1 番の項目はありません");
inline const QString noSuchFolderEntry = QStringLiteral("フォルダー一覧に %1 番の項目はありません");
inline const QString yes = QStringLiteral("はい");
inline const QString no = QStringLiteral("いいえ");

}  // namespace kestrune::texts
