#pragma once

#include "translatable_text.h"

#include <QString>

// Every word the POSIX host shows a person: the descriptions of its errors
// and the names of the volumes it offers.
namespace kestrune::texts {

inline const QString noFileName = QStringLiteral("ファイル名がありません");
inline const QString badCharacterInFileName = QStringLiteral("ファイル名に使えない文字があります: %1");

inline const QString standardInput = QStringLiteral("標準入力");

inline const QString tooManyLines = QStringLiteral("%1: %2 行を超えています");
inline const QString listTooLarge = QStringLiteral("%1: 一覧として長すぎます");
inline const QString isAFolder = QStringLiteral("%1: フォルダーです");
inline const QString notAPlainFile = QStringLiteral("%1: 通常のファイルではありません");
inline const QString notAFolderEntry = QStringLiteral("%1: フォルダーではありません");
inline const QString aLinkEntry = QStringLiteral("%1: フォルダーではなくシンボリックリンクです");
inline const QString notOneFolderName = QStringLiteral("%1: 一つのフォルダー名ではありません");
inline const QString noShiftJisDecoder = QStringLiteral("%1: UTF-8 ではなく、Shift_JIS の変換器もありません");
inline const QString lineTooLong = QStringLiteral("%1: %2 文字を超える行があります");
inline const QString brokenUtf16 = QStringLiteral("%1: UTF-16 の文字が壊れている行があります");
inline constexpr Text recordTooLarge = KESTRUNE_TEXT("History", "%1: 作成履歴の記録として大きすぎます");
inline const QString lineEndInListLine = QStringLiteral("%1: 改行を含む行は一覧に書けません");

inline constexpr Text homeVolume = KESTRUNE_TEXT("Host", "ホーム");
inline constexpr Text rootVolume = KESTRUNE_TEXT("Host", "ルート");

}  // namespace kestrune::texts
