#pragma once

#include "translatable_text.h"

#include <QString>

// Every word the history of the presses shows a person.
namespace kestrune::texts {

// What has become of a press.
inline constexpr Text pressUndone = KESTRUNE_TEXT("History", "取り消し済み");
//: A press that was undone, but something it made was kept.
inline constexpr Text pressPartlyUndone = KESTRUNE_TEXT("History", "一部残っています");
//: A press that never finished: stopped at a failure, or killed.
inline constexpr Text pressInterrupted = KESTRUNE_TEXT("History", "中断");
//: The list of a press made from a pasted table.
inline constexpr Text pastedList = KESTRUNE_TEXT("History", "貼り付け");
// How the box and the questions show when a press started: the same in every language.
inline const QString pressTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm");

// The completion line's tip when the press's record could not be written.
inline constexpr Text historyNotKept =
    KESTRUNE_TEXT("History", "作成履歴に記録できませんでした（ディスクがいっぱいか、書き込めません）。"
                             "取り消せるのは、このウィンドウを閉じるまでです。");
//: The undo of a press from the history: when it was made, before Ctrl+Z's question.
inline constexpr Text undoAskPressAt = KESTRUNE_TEXT("History", "%1 の作成を取り消します。");
inline constexpr Text undoNotRecorded = KESTRUNE_TEXT("History", "取り消したことを作成履歴に記録できませんでした。");

// Why a record is skipped.
inline constexpr Text recordNotOurs = KESTRUNE_TEXT("History", "作成履歴の記録ではありません");
//: The version the record names.
inline constexpr Text recordOtherVersion = KESTRUNE_TEXT("History", "別の版の記録です（%1）");
inline constexpr Text recordBadLine = KESTRUNE_TEXT("History", "%1行目が読めません");
inline constexpr Text recordCutShort = KESTRUNE_TEXT("History", "記録の始めが欠けています");
//: The record's file name, then why it cannot be read.
inline constexpr Text recordNotRead = KESTRUNE_TEXT("History", "%1: 読めないため飛ばしました（%2）");
inline constexpr CountedText recordsNotRead = KESTRUNE_COUNTED_TEXT("History", "読めない記録 %n 件を飛ばしました:");

}  // namespace kestrune::texts
