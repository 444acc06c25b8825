#pragma once

#include <QString>

// Every word the history of the presses shows a person.
namespace kestrune::texts {

// What has become of a press.
inline const QString pressUndone = QStringLiteral("取り消し済み");
inline const QString pressPartlyUndone = QStringLiteral("一部残っています");
inline const QString pressInterrupted = QStringLiteral("中断");
// The list of a press made from a pasted table.
inline const QString pastedList = QStringLiteral("貼り付け");
// How the box and the questions show when a press started.
inline const QString pressTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm");

// The completion line's tip when the press's record could not be written.
inline const QString historyNotKept =
    QStringLiteral("作成履歴に記録できませんでした（ディスクがいっぱいか、書き込めません）。"
                   "取り消せるのは、このウィンドウを閉じるまでです。");
// The undo of a press from the history: its time before Ctrl+Z's question.
inline const QString undoAskPressAt = QStringLiteral("%1 の作成を取り消します。");
inline const QString undoNotRecorded = QStringLiteral("取り消したことを作成履歴に記録できませんでした。");

// Why a record is skipped.
inline const QString recordNotOurs = QStringLiteral("作成履歴の記録ではありません");
inline const QString recordOtherVersion = QStringLiteral("別の版の記録です（%1）");
inline const QString recordBadLine = QStringLiteral("%1行目が読めません");
inline const QString recordCutShort = QStringLiteral("記録の始めが欠けています");
inline const QString recordNotRead = QStringLiteral("%1: 読めないため飛ばしました（%2）");
inline const QString recordsNotRead = QStringLiteral("読めない記録 %1 件を飛ばしました:");

}  // namespace kestrune::texts
