#pragma once

#include "translatable_text.h"

#include <QString>

// Every word `kestrune --history` and `kestrune --undo` show a person, and
// the words they print for a script.
namespace kestrune::texts {

// The states --history prints, for scripts: never translated.
inline const QString doneWord = QStringLiteral("done");
inline const QString undoneWord = QStringLiteral("undone");
inline const QString partlyUndoneWord = QStringLiteral("partly-undone");
inline const QString interruptedWord = QStringLiteral("interrupted");
// Between the parents' paths of one press.
inline const QString parentsJoiner = QStringLiteral(" | ");
// What --undo takes for the newest press something is left to undo of.
inline const QString lastPress = QStringLiteral("last");

//: Where the history lies.
inline constexpr Text historyNotRecorded =
    KESTRUNE_TEXT("History", "作成履歴に記録できませんでした（%1）。作成したフォルダーはそのまま残っています");
inline constexpr Text unknownPress = KESTRUNE_TEXT("History", "作成履歴にない番号です: %1");
inline constexpr Text nothingToUndo = KESTRUNE_TEXT("History", "取り消せる作成が作成履歴にありません");
//: The press's number.
inline constexpr Text alreadyUndone = KESTRUNE_TEXT("History", "%1 番の作成は既に取り消されています");
//: The press's number, then why its record cannot be read.
inline constexpr Text pressNotRead = KESTRUNE_TEXT("History", "%1 番の作成履歴の記録を読めません: %2");

}  // namespace kestrune::texts
