#pragma once

#include "translatable_text.h"

#include <QString>

// Every word the workflow shows a person, kept together so that each stays
// exactly as written and can be found in one place.
namespace kestrune::texts {

inline constexpr Text errorOccurred = KESTRUNE_TEXT("Workflow", "エラーがおきました！！");
// The new parent's preset name, in the window and on the command line.
inline constexpr Text defaultParentName = KESTRUNE_TEXT("Workflow", "新規ディレクトリ");
inline constexpr Text creationFinished = KESTRUNE_TEXT("Workflow", "　　・・・作成終了しました・・・");
inline constexpr Text insertDisk = KESTRUNE_TEXT("Workflow", "ＦＤをセットしてください！");
inline constexpr Text badParentName = KESTRUNE_TEXT("Workflow", "親ディレクトリ名が正しくありません！");
inline constexpr Text badFolderNames = KESTRUNE_TEXT("Workflow", "作成できないフォルダー名があります！");
inline constexpr Text noBaseFolder = KESTRUNE_TEXT("Workflow", "作成先のフォルダーが決まっていません: %1");
inline constexpr Text baseNotAFolder = KESTRUNE_TEXT("Workflow", "%1: フォルダーではありません");

// Saving a list as a file.
inline constexpr Text saveListPrompt =
    KESTRUNE_TEXT("Workflow", "一覧のファイル名（開いているフォルダーに保存します）:");
inline constexpr Text saveListTitle = KESTRUNE_TEXT("Workflow", "一覧として保存");
// The file name the box offers, a word like the parent's preset name.
inline constexpr Text savedListName = KESTRUNE_TEXT("Workflow", "一覧.txt");
// Added to a name typed without it; part of a file name, not a word.
inline const QString listFileExtension = QStringLiteral(".txt");
inline constexpr Text badListFileName = KESTRUNE_TEXT("Workflow", "ファイル名が正しくありません: %1");
inline constexpr Text replaceListFile = KESTRUNE_TEXT("Workflow", "「%1」は既にあります。上書きしますか？");

// A list file whose path holds this (case-sensitive) is shown as text.
inline const QString readmeMarker = QStringLiteral("Readme.txt");

// ---- The preview of a names list: each line's status and why ----
// Tool tips of the list rows (each read once a preview, at first use: ToolTipWords).
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
inline constexpr Text parentExists = KESTRUNE_TEXT("Preview", "既にあります（この中に追加します）: %1");
inline constexpr Text parentIsThere = KESTRUNE_TEXT("Preview", "既存");
inline constexpr Text reasonNotAFolderThere =
    KESTRUNE_TEXT("Preview", "「%1」がフォルダーではありません（ファイルかリンク）");
inline constexpr Text reasonNotAFileThere =
    KESTRUNE_TEXT("Templates", "「%1」がファイルではありません（フォルダーかリンク）");
// A refused line in the refusal box: "N行目: name（reason）", then how many
// more are not listed.
inline constexpr Text refusedLine = KESTRUNE_TEXT("Preview", "%1行目: %2（%3）");
inline constexpr CountedText moreRefusedLines = KESTRUNE_COUNTED_TEXT("Preview", "ほか%n行");
// A list's notation: what a line stands for, and what it still waits for.
inline constexpr CountedText lineMakesFolders = KESTRUNE_COUNTED_TEXT("Preview", "%n 個のフォルダーになります");
inline constexpr Text waitingForValues = KESTRUNE_TEXT("Preview", "値の入力を待っています: %1");
inline constexpr Text listSeparator = KESTRUNE_TEXT("Preview", "、");
inline constexpr CountedText parentsHeading = KESTRUNE_COUNTED_TEXT("Preview", "親ディレクトリ %n 個:");
inline constexpr Text parentWithReason = KESTRUNE_TEXT("Preview", "%1（%2）");
inline constexpr Text moreParents = KESTRUNE_TEXT("Preview", "ほか%1個");
// The press refused because of the notation.
inline constexpr Text valuesMissing =
    KESTRUNE_TEXT("Preview", "値が入力されていません: %1\n名前の一覧のメニュー「値を変更…」で入力してください。");
inline constexpr Text parentsInTheWay =
    KESTRUNE_TEXT("Preview", "親ディレクトリの名前のファイルかリンクがあるため、追加できません: %1");
inline constexpr Text tooManyFolders = KESTRUNE_TEXT("Preview", "フォルダーが多すぎます（%1 個。1 回に %2 個まで）");
// Why a line is refused or is a warning.
inline constexpr Text reasonValueAddsLevel =
    KESTRUNE_TEXT("Preview", "値に「/」か「\\」があります（値で階層は増やせません）");
inline constexpr Text reasonUnknownNotation = KESTRUNE_TEXT("Preview", "記法? 当てはまらない { } はそのまま使います");
inline constexpr Text reasonLeavesParent = KESTRUNE_TEXT("Preview", "「..」は使えません");
inline constexpr Text reasonNotOneFolder =
    KESTRUNE_TEXT("Preview", "フォルダー1つの名前にしてください（「/」「\\」「.」「..」は使えません）");
inline constexpr Text reasonControlCharacter = KESTRUNE_TEXT("Preview", "制御文字があります");
inline constexpr Text reasonNameTooLong = KESTRUNE_TEXT("Preview", "名前が長すぎます（%1バイトまで）");
inline constexpr Text reasonPathTooLong = KESTRUNE_TEXT("Preview", "パスが長すぎます（%1バイトまで）");
inline constexpr Text reasonWindowsReservedName = KESTRUNE_TEXT("Preview", "Windows の予約名です");
inline constexpr Text reasonWindowsCharacter =
    KESTRUNE_TEXT("Preview", "Windows で使えない文字があります（< > : \" | ? *）");
inline constexpr Text reasonWindowsTrailing = KESTRUNE_TEXT("Preview", "末尾の空白やピリオドは Windows で消えます");
inline constexpr Text reasonWindowsNameTooLong = KESTRUNE_TEXT("Preview", "名前が Windows の上限（%1文字）を超えます");
inline constexpr Text reasonWindowsPathTooLong = KESTRUNE_TEXT("Preview", "パスが %1 文字を超えます（Windows）");

// ---- Template files: the folder beside a list whose files every folder made gets ----
// A name on disk, not words: the same whatever language the program speaks,
// so that a list keeps its template for everyone who opens it.
inline const QString templateFolderSuffix = QStringLiteral(".ひな形");
// 「ひな形フォルダーを開く」.
inline constexpr Text templateFolderTitle = KESTRUNE_TEXT("Templates", "ひな形フォルダー");
inline constexpr Text templateNeedsListFile = KESTRUNE_TEXT(
    "Templates",
    "ひな形フォルダーは一覧のファイルの横に置きます。一覧のファイルを選ぶか、貼り付けた一覧を保存してください。");
inline constexpr Text makeTemplateFolder = KESTRUNE_TEXT(
    "Templates",
    "ひな形フォルダーがありません。作成しますか？\n%1\n中に置いたファイルが、作成するフォルダーにコピーされます。");
inline constexpr Text templateNotAFolder =
    KESTRUNE_TEXT("Templates", "%1: フォルダーではないため、ひな形フォルダーにできません");
// Why something of a template is not copied (after 「コピーしません: 」 in a tip).
inline constexpr Text skippedLink = KESTRUNE_TEXT("Templates", "シンボリックリンク");
inline constexpr Text skippedSpecialFile =
    KESTRUNE_TEXT("Templates", "通常のファイルではありません（デバイス、ソケット、FIFO）");
inline constexpr Text skippedLockFile = KESTRUNE_TEXT("Templates", "Office のロックファイル");
inline constexpr Text skippedSystemFile = KESTRUNE_TEXT("Templates", "システムが作るファイル");
inline constexpr Text skippedSameName = KESTRUNE_TEXT("Templates", "同じ名前のファイルが先にあります");
// The summary row above the lines, and its tip.
//: %n files in all, then their size.
inline constexpr CountedText templateSummary = KESTRUNE_COUNTED_TEXT("Templates", "ひな形: %n ファイル（合計 %1 MB）");
inline constexpr Text templateFolderLine = KESTRUNE_TEXT("Templates", "ひな形フォルダー: %1");
inline constexpr Text templateSkippedHeading = KESTRUNE_TEXT("Templates", "コピーしないもの（%1 個）:");
//: A file of the template, then what becomes of it or why.
inline constexpr Text templateItemLine = KESTRUNE_TEXT("Templates", "%1（%2）");
inline constexpr Text templateUnusedFolders =
    KESTRUNE_TEXT("Templates", "使われないフォルダー（名前の合うフォルダーがありません）: %1");
// A folder row's tip: the files it receives.
inline constexpr Text copiesHeading = KESTRUNE_TEXT("Templates", "ひな形から:");
inline constexpr Text copyExists = KESTRUNE_TEXT("Templates", "作成済み");
inline constexpr Text copyNotCopied = KESTRUNE_TEXT("Templates", "コピーしません: %1");
inline constexpr Text moreCopies = KESTRUNE_TEXT("Templates", "ほか%1件");
// The press refused because of the template.
inline constexpr Text templateUnreadable = KESTRUNE_TEXT("Templates", "ひな形フォルダーを読めません:\n%1");
inline constexpr Text templateTooManyFiles =
    KESTRUNE_TEXT("Templates", "ひな形のファイルが多すぎます（%1 個。1 回に %2 個まで）");
inline constexpr Text templateTooLarge =
    KESTRUNE_TEXT("Templates", "ひな形のファイルが大きすぎます（合計 %1 MB。1 回に %2 MB まで）");
inline constexpr Text templateCopiesRefused = KESTRUNE_TEXT("Templates", "ひな形のファイルやフォルダーを置けません:");

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
inline constexpr Text rowMade = KESTRUNE_TEXT("Workflow", "作成しました: ");
inline constexpr Text rowRepeatDone = KESTRUNE_TEXT("Workflow", "%1行目と同じフォルダーです（作成済み）");
inline constexpr Text rowFailed = KESTRUNE_TEXT("Workflow", "作成できませんでした: %1");
inline constexpr Text rowNotTried = KESTRUNE_TEXT("Workflow", "途中で止まったため作成していません");
// A level of the new tree that another program swapped while the press ran
// (or that was no folder to begin with): the press stops there.
inline constexpr Text levelNotAFolder =
    KESTRUNE_TEXT("Workflow", "%1: フォルダーではないもの（リンクやファイル）になっているため中止しました");
inline constexpr Text levelNotAFile =
    KESTRUNE_TEXT("Templates", "%1: ファイルではないもの（フォルダーやリンク）があるため中止しました");
inline constexpr Text levelReplaced = KESTRUNE_TEXT("Workflow", "%1: 作成中に移動されたか置き換わったため中止しました");
// The completion line's tool tip: where, how many made, how many were there.
inline constexpr Text completionDetails = KESTRUNE_TEXT(
    "Workflow", "作成先: %1\n作成したフォルダー: %2 個（ほかに親ディレクトリ）\n既にあったフォルダー: %3 個");

inline constexpr Text completionFilledIn = KESTRUNE_TEXT(
    "Workflow", "作成先: %1（既存のフォルダーに追加）\n作成したフォルダー: %2 個\n既にあったフォルダー: %3 個");
// Several parents: one line each.
inline constexpr Text completionParents = KESTRUNE_TEXT("Workflow", "作成先: %1\n%2");
// Template files, over all parents, when any were copied or kept.
inline constexpr Text completionFiles =
    KESTRUNE_TEXT("Templates", "ひな形からコピーしたファイル: %1 個（既にあったファイル: %2 個）");
// How far a long press has got.
inline constexpr Text progressFolders = KESTRUNE_TEXT("Workflow", "フォルダーを作成しています: %1／%2 個");
//: Folders made of all, then megabytes copied of all.
inline constexpr Text progressWithFiles =
    KESTRUNE_TEXT("Templates", "フォルダーを作成しています: %1／%2 個\nひな形のファイルをコピーしています: %3／%4 MB");
// The last line of each.
inline constexpr Text completionHint = KESTRUNE_TEXT("Workflow", "ダブルクリックで開きます。Ctrl+Z で取り消せます。");
inline constexpr Text completionParent = KESTRUNE_TEXT("Workflow", "%1: 新規 %2／既存 %3");
inline constexpr Text completionParentFilledIn = KESTRUNE_TEXT("Workflow", "%1（既存のフォルダー）: 新規 %2／既存 %3");

// ---- Undoing a press: the question before and the report after ----
inline constexpr Text undoTitle = KESTRUNE_TEXT("Workflow", "作成の取り消し");
inline constexpr CountedText undoAsk = KESTRUNE_COUNTED_TEXT("Workflow", "作成したフォルダー %n 個を削除しますか？");
inline constexpr Text listChangedSincePress =
    KESTRUNE_TEXT("Workflow", "リストファイルが作成のあとで変更されたか、見つかりません。もう一度選んでください。\n%1");
// The parent is named apart from the N sub-folders, in the question and the report alike.
inline constexpr Text undoAskParent = KESTRUNE_TEXT("Workflow", "親ディレクトリ（これも削除します）: %1");
inline constexpr Text undoAskParentStays = KESTRUNE_TEXT("Workflow", "親ディレクトリ（削除しません）: %1");
inline constexpr CountedText undoRemoved =
    KESTRUNE_COUNTED_TEXT("Workflow", "作成したフォルダー %n 個を削除しました。");
inline constexpr CountedText undoRemovedWithParent =
    KESTRUNE_COUNTED_TEXT("Workflow", "作成したフォルダー %n 個と親ディレクトリを削除しました。");
//: The folders removed, then the parent folders removed (two or more).
inline constexpr CountedText undoRemovedWithParents =
    KESTRUNE_COUNTED_TEXT("Workflow", "作成したフォルダー %n 個と親ディレクトリ %1 個を削除しました。");
//: The parent folders (two or more), how many of them the press made, then the folder they are in.
inline constexpr CountedText undoAskParents =
    KESTRUNE_COUNTED_TEXT("Workflow", "親ディレクトリ %1 個（作成した %n 個はこれも削除します）: %2");
inline constexpr Text undoKeptHeading = KESTRUNE_TEXT("Workflow", "削除しなかったフォルダー（%1 個）:");
inline constexpr Text undoKeptLine = KESTRUNE_TEXT("Workflow", "%1（%2）");
inline constexpr Text undoFailedHeading = KESTRUNE_TEXT("Workflow", "削除できなかったフォルダー（%1 個）:");
inline constexpr Text undoFailedLine = KESTRUNE_TEXT("Workflow", "%1: %2（エラー %3）");
inline constexpr Text undoMoreLines = KESTRUNE_TEXT("Workflow", "ほか%1件");
// Why a made folder was not removed.
inline constexpr Text keptHoldsEntries = KESTRUNE_TEXT("Workflow", "中身があるため");
inline constexpr Text keptHoldsKeptFolder = KESTRUNE_TEXT("Workflow", "削除しなかったフォルダーを含むため");
inline constexpr Text keptReplaced = KESTRUNE_TEXT("Workflow", "別のフォルダーに置き換わっているため");
inline constexpr Text keptMissing = KESTRUNE_TEXT("Workflow", "見つからないため");
// Copied template files, in the question and the report.
inline constexpr Text undoAskWithFiles =
    KESTRUNE_TEXT("Templates", "作成したフォルダー %1 個とコピーしたファイル %2 個を削除しますか？");
inline constexpr Text undoFilesRemoved = KESTRUNE_TEXT("Templates", "コピーしたファイル %1 個を削除しました。");
inline constexpr Text undoKeptFilesHeading = KESTRUNE_TEXT("Templates", "削除しなかったファイル（%1 個）:");
inline constexpr Text undoFailedFilesHeading = KESTRUNE_TEXT("Templates", "削除できなかったファイル（%1 個）:");
inline constexpr Text keptReplacedFile = KESTRUNE_TEXT("Templates", "別のファイルに置き換わっているため");
inline constexpr Text keptChanged = KESTRUNE_TEXT("Templates", "コピーのあとで変更されているため");

// ---- Shelves: adding the open folder as one of the person's own ----
inline constexpr Text addShelfTitle = KESTRUNE_TEXT("Shelves", "棚に追加");
inline constexpr Text shelfNamePrompt = KESTRUNE_TEXT("Shelves", "棚の名前：");
inline constexpr Text badShelfName = KESTRUNE_TEXT("Shelves", "棚の名前に使えない文字が含まれています。");
inline constexpr Text shelfNameTaken = KESTRUNE_TEXT("Shelves", "「%1」という名前の棚は既にあります。");
inline constexpr Text folderIsShelf = KESTRUNE_TEXT("Shelves", "このフォルダーは既に棚「%1」です。");
// ---- A list taken from a shelf ----
// Its title: the shelf's name, then the list's file name.
inline constexpr Text shelfListTitle = KESTRUNE_TEXT("Shelves", "棚: %1 / %2");
// The name box's tip: the title, then the folder its parents go into (no
// words, so the same in every language).
inline const QString shelfListTarget = QStringLiteral("%1 → %2");

}  // namespace kestrune::texts
