#pragma once

#include "translatable_text.h"

#include <QString>

// Every word the POSIX host shows a person: the descriptions of its errors
// and the names of the volumes it offers.
namespace kestrune::texts {

inline constexpr Text noFileName = KESTRUNE_TEXT("Host", "ファイル名がありません");
inline constexpr Text badCharacterInFileName = KESTRUNE_TEXT("Host", "ファイル名に使えない文字があります: %1");

inline constexpr Text standardInput = KESTRUNE_TEXT("Host", "標準入力");

inline constexpr Text tooManyLines = KESTRUNE_TEXT("Host", "%1: %2 行を超えています");
inline constexpr Text listTooLarge = KESTRUNE_TEXT("Host", "%1: 一覧として長すぎます");
inline constexpr Text isAFolder = KESTRUNE_TEXT("Host", "%1: フォルダーです");
inline constexpr Text notAPlainFile = KESTRUNE_TEXT("Host", "%1: 通常のファイルではありません");
inline constexpr Text notAFolderEntry = KESTRUNE_TEXT("Host", "%1: フォルダーではありません");
inline constexpr Text aLinkFile = KESTRUNE_TEXT("Host", "%1: ファイルではなくシンボリックリンクです");
inline constexpr Text aLinkEntry = KESTRUNE_TEXT("Host", "%1: フォルダーではなくシンボリックリンクです");
inline constexpr Text notOneFolderName = KESTRUNE_TEXT("Host", "%1: 一つのフォルダー名ではありません");
inline constexpr Text noShiftJisDecoder = KESTRUNE_TEXT("Host", "%1: UTF-8 ではなく、Shift_JIS の変換器もありません");
inline constexpr Text lineTooLong = KESTRUNE_TEXT("Host", "%1: %2 文字を超える行があります");
inline constexpr Text brokenUtf16 = KESTRUNE_TEXT("Host", "%1: UTF-16 の文字が壊れている行があります");
inline constexpr Text recordTooLarge = KESTRUNE_TEXT("History", "%1: 作成履歴の記録として大きすぎます");
inline constexpr Text lineEndInListLine = KESTRUNE_TEXT("Host", "%1: 改行を含む行は一覧に書けません");

inline constexpr Text homeVolume = KESTRUNE_TEXT("Host", "ホーム");
inline constexpr Text rootVolume = KESTRUNE_TEXT("Host", "ルート");

}  // namespace kestrune::texts
