#pragma once

#include "translatable_text.h"

#include <QString>

// Every word the workflow shows a person, kept together so that each stays
// exactly as written and can be found in one place.
namespace kestrune::texts {

inline const QString errorOccurred = QStringLiteral("エラーがおきました！！");
// The new parent's preset name, in the window and on the command line.
inline constexpr Text defaultParentName = KESTRUNE_TEXT("Workflow", "新規ディレクトリ");
inline const QString creationFinished = QStringLiteral("　　・・・作成終了しました・・・");
inline const QString insertDisk = QStringLiteral("ＦＤをセットしてください！");
inline const QString badParentName = QStringLiteral("親ディレクトリ名が正しくありません！");
inline const QString badFolderNames = QStringLiteral("作成できないフォルダー名があります！");
inline const QString noBaseFolder = QStringLiteral("作成先のフォルダーが決まっていません: %1");
inline const QString baseNotAFolder = QStringLiteral("%1: フォルダーではありません");

// Saving a list as a file.
inline const QString saveListPrompt = QStringLiteral("一覧のファイル名（開いているフォルダーに保存します）:");
inline const QString saveListTitle = QStringLiteral("一覧として保存");
inline const QString savedListName = QStringLiteral("一覧.txt");
inline const QString listFileExtension = QStringLiteral(".txt");
inline const QString badListFileName = QStringLiteral("ファイル名が正しくありません: %1");
inline const QString replaceListFile = QStringLiteral("「%1」は既にあります。上書きしますか？");

// A list file whose path holds this (case-sensitive) is shown as text.
inline const QString readmeMarker = QStringLiteral("Readme.txt");

// ---- The preview of a names list: each line's status and why ----
// Tool tips of the list rows (read once a preview: ToolTipWords).
// Followed by the folder: built for every row of a long list as it loads, so
// joined rather than formatted.
inline constexpr Text previewMade = KESTRUNE_TEXT("Preview", "作成されます: ");
inline constexpr Text previewWarning = KESTRUNE_TEXT("Preview", "\n注意: ");
inline constexpr Text previewBlank = KESTRUNE_TEXT("Preview", "空行のため作成しません");
inline constexpr Text previewRepeat = KESTRUNE_TEXT("Preview", "%1行目と同じフォルダーです");
inline constexpr Text previewRefused = KESTRUNE_TEXT("Preview", "作成できません: %1");
inline constexpr Text previewExists = KESTRUNE_TEXT("Preview", "既にあります（そのまま使います）\n%1");
inline constexpr Text previewComposed =
    KESTRUNE_TEXT("Preview", "濁点などが分かれた文字を、ひとまとまりの文字（Unicode NFC）に直して作成します");
inline const QString parentExists = QStringLiteral("既にあります（この中に追加します）: %1");
inline const QString parentIsThere = QStringLiteral("既存");
inline const QString reasonNotAFolderThere = QStringLiteral("「%1」がフォルダーではありません（ファイルかリンク）");
// A refused line in the refusal box: "N行目: name（reason）", then how many
// more are not listed.
inline const QString refusedLine = QStringLiteral("%1行目: %2（%3）");
inline const QString moreRefusedLines = QStringLiteral("ほか%1行");
// A list's notation: what a line stands for, and what it still waits for.
inline constexpr CountedText lineMakesFolders = KESTRUNE_COUNTED_TEXT("Preview", "%n 個のフォルダーになります");
inline const QString waitingForValues = QStringLiteral("値の入力を待っています: %1");
inline const QString listSeparator = QStringLiteral("、");
inline const QString parentsHeading = QStringLiteral("親ディレクトリ %1 個:");
inline const QString parentWithReason = QStringLiteral("%1（%2）");
inline const QString moreParents = QStringLiteral("ほか%1個");
// The press refused because of the notation.
inline const QString valuesMissing =
    QStringLiteral("値が入力されていません: %1\n名前の一覧のメニュー「値を変更…」で入力してください。");
inline const QString parentsInTheWay =
    QStringLiteral("親ディレクトリの名前のファイルかリンクがあるため、追加できません: %1");
inline const QString tooManyFolders = QStringLiteral("フォルダーが多すぎます（%1 個。1 回に %2 個まで）");
// Why a line is refused or is a warning.
inline const QString reasonValueAddsLevel = QStringLiteral("値に「/」か「\\」があります（値で階層は増やせません）");
inline const QString reasonUnknownNotation = QStringLiteral("記法? 当てはまらない { } はそのまま使います");
inline const QString reasonLeavesParent = QStringLiteral("「..」は使えません");
inline const QString reasonNotOneFolder =
    QStringLiteral("フォルダー1つの名前にしてください（「/」「\\」「.」「..」は使えません）");
inline const QString reasonControlCharacter = QStringLiteral("制御文字があります");
inline const QString reasonNameTooLong = QStringLiteral("名前が長すぎます（%1バイトまで）");
inline const QString reasonPathTooLong = QStringLiteral("パスが長すぎます（%1バイトまで）");
inline const QString reasonWindowsReservedName = QStringLiteral("Windows の予約名です");
inline const QString reasonWindowsCharacter = QStringLiteral("Windows で使えない文字があります（< > : \" | ? *）");
inline const QString reasonWindowsTrailing = QStringLiteral("末尾の空白やピリオドは Windows で消えます");
inline const QString reasonWindowsNameTooLong = QStringLiteral("名前が Windows の上限（%1文字）を超えます");
inline const QString reasonWindowsPathTooLong = QStringLiteral("パスが %1 文字を超えます（Windows）");

// ---- A table of values: why one is refused, naming its row ----
inline constexpr Text tableEmpty =
    KESTRUNE_TEXT("Tables", "表が空です（1行目に列の名前、2行目から1行に1件の値を書いてください）");
//: The most rows, then the most characters a row may hold.
inline constexpr Text tableTooLarge = KESTRUNE_TEXT("Tables", "表が大きすぎます（%1 行、1行 %2 文字まで）");
//: Each refusal starts with the row of the table (counted from 1) it concerns.
inline constexpr Text tableNoRows = KESTRUNE_TEXT("Tables", "%1行目: 値の行がありません（表の1行目は列の名前です）");
//: The row, then the column (counted from 1).
inline constexpr Text tableColumnUnnamed =
    KESTRUNE_TEXT("Tables", "%1行目: %2列目に名前がありません（表の1行目は列の名前です）");
inline constexpr Text tableColumnTwice = KESTRUNE_TEXT("Tables", "%1行目: 列の名前「%2」が二つあります");
//: The row, its cell count, then the header's column count.
inline constexpr Text tableCellCount = KESTRUNE_TEXT("Tables", "%1行目: セルが %2 個あります（列は %3 個）");
inline constexpr Text tableLineBreak = KESTRUNE_TEXT("Tables", "%1行目: セルの中に改行があります");
//: The first row over the limit, then the limit.
inline constexpr Text tableTooManyRows = KESTRUNE_TEXT("Tables", "%1行目: 表の値は %2 行までです");
//: The column whose value holds the slash.
inline constexpr Text tableValueAddsLevel =
    KESTRUNE_TEXT("Tables", "「%1」列の値に「/」か「\\」があります（値で階層は増やせません）");
// The preview of a list filled from a table: a heading for each row.
//: The row in the table, then its first value.
inline constexpr Text tableRowHeading = KESTRUNE_TEXT("Tables", "表の%1行目: %2");
//: The parent folders the row's folders go into, joined.
inline constexpr Text tableRowParents = KESTRUNE_TEXT("Tables", "親ディレクトリ: %1");

// ---- What a press did, row by row and as a whole ----
// Followed by the folder: one for each folder a press makes.
inline const QString rowMade = QStringLiteral("作成しました: ");
inline const QString rowRepeatDone = QStringLiteral("%1行目と同じフォルダーです（作成済み）");
inline const QString rowFailed = QStringLiteral("作成できませんでした: %1");
inline const QString rowNotTried = QStringLiteral("途中で止まったため作成していません");
// A level of the new tree that another program swapped while the press ran
// (or that was no folder to begin with): the press stops there.
inline const QString levelNotAFolder =
    QStringLiteral("%1: フォルダーではないもの（リンクやファイル）になっているため中止しました");
inline const QString levelReplaced = QStringLiteral("%1: 作成中に移動されたか置き換わったため中止しました");
// The completion line's tool tip: where, how many made, how many were there.
inline const QString completionDetails =
    QStringLiteral("作成先: %1\n作成したフォルダー: %2 個（ほかに親ディレクトリ）\n既にあったフォルダー: %3 個");

inline const QString completionFilledIn =
    QStringLiteral("作成先: %1（既存のフォルダーに追加）\n作成したフォルダー: %2 個\n既にあったフォルダー: %3 個");
// Several parents: one line each.
inline const QString completionParents = QStringLiteral("作成先: %1\n%2");
// The last line of each.
inline const QString completionHint = QStringLiteral("ダブルクリックで開きます。Ctrl+Z で取り消せます。");
inline const QString completionParent = QStringLiteral("%1: 新規 %2／既存 %3");
inline const QString completionParentFilledIn = QStringLiteral("%1（既存のフォルダー）: 新規 %2／既存 %3");

// ---- Undoing a press: the question before and the report after ----
inline const QString undoTitle = QStringLiteral("作成の取り消し");
inline const QString undoAsk = QStringLiteral("作成したフォルダー %1 個を削除しますか？");
inline const QString listChangedSincePress =
    QStringLiteral("リストファイルが作成のあとで変更されたか、見つかりません。もう一度選んでください。\n%1");
// The parent is named apart from the N sub-folders, in the question and the report alike.
inline const QString undoAskParent = QStringLiteral("親ディレクトリ（これも削除します）: %1");
inline const QString undoAskParentStays = QStringLiteral("親ディレクトリ（削除しません）: %1");
inline const QString undoRemoved = QStringLiteral("作成したフォルダー %1 個を削除しました。");
inline const QString undoRemovedWithParent = QStringLiteral("作成したフォルダー %1 個と親ディレクトリを削除しました。");
inline const QString undoRemovedWithParents =
    QStringLiteral("作成したフォルダー %1 個と親ディレクトリ %2 個を削除しました。");
inline const QString undoAskParents = QStringLiteral("親ディレクトリ %1 個（作成した %2 個はこれも削除します）: %3");
inline const QString undoKeptHeading = QStringLiteral("削除しなかったフォルダー（%1 個）:");
inline const QString undoKeptLine = QStringLiteral("%1（%2）");
inline const QString undoFailedHeading = QStringLiteral("削除できなかったフォルダー（%1 個）:");
inline const QString undoFailedLine = QStringLiteral("%1: %2（エラー %3）");
inline const QString undoMoreLines = QStringLiteral("ほか%1件");
// Why a made folder was not removed.
inline const QString keptHoldsEntries = QStringLiteral("中身があるため");
inline const QString keptHoldsKeptFolder = QStringLiteral("削除しなかったフォルダーを含むため");
inline const QString keptReplaced = QStringLiteral("別のフォルダーに置き換わっているため");
inline const QString keptMissing = QStringLiteral("見つからないため");

// ---- Shelves: adding the open folder as one of the person's own ----
inline const QString addShelfTitle = QStringLiteral("棚に追加");
inline const QString shelfNamePrompt = QStringLiteral("棚の名前：");
inline const QString badShelfName = QStringLiteral("棚の名前に使えない文字が含まれています。");
inline const QString shelfNameTaken = QStringLiteral("「%1」という名前の棚は既にあります。");
inline const QString folderIsShelf = QStringLiteral("このフォルダーは既に棚「%1」です。");
// ---- A list taken from a shelf ----
// Its title: the shelf's name, then the list's file name.
inline const QString shelfListTitle = QStringLiteral("棚: %1 / %2");
// The name box's tip: the title, then the folder its parents go into.
inline const QString shelfListTarget = QStringLiteral("%1 → %2");

}  // namespace kestrune::texts
