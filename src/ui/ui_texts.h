#pragma once

#include "translatable_text.h"

#include <QString>

// Every word the window and its controls show a person.
namespace kestrune::texts {

inline constexpr Text parentNameCaption = KESTRUNE_TEXT("Window", "親ディレクトリ名");
inline constexpr Text createCaption = KESTRUNE_TEXT("Window", "フォルダー作成");
inline constexpr Text exitCaption = KESTRUNE_TEXT("Window", "終了");
inline constexpr Text ok = KESTRUNE_TEXT("Window", "OK");
inline constexpr Text fillInCaption = KESTRUNE_TEXT("Window", "既存のフォルダーに追加(&A)");
inline constexpr Text fileListTip =
    KESTRUNE_TEXT("Window", "作成するフォルダー名が記述してあるファイルを選択して下さい。");
inline constexpr Text folderListTip =
    KESTRUNE_TEXT("Window", "フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。");
// The names list's context menu, and Ctrl+Z.
inline constexpr Text undoCaption = KESTRUNE_TEXT("Window", "作成を取り消す");
inline constexpr Text pasteCaption = KESTRUNE_TEXT("Window", "貼り付け");
inline constexpr Text saveCaption = KESTRUNE_TEXT("Window", "一覧として保存…");
inline constexpr Text recentListsCaption = KESTRUNE_TEXT("Window", "最近使った一覧");
inline constexpr Text noRecentLists = KESTRUNE_TEXT("Window", "（なし）");
// 「棚」 in the names list's menu: a sub-menu per shelf.
inline constexpr Text shelvesCaption = KESTRUNE_TEXT("Shelves", "棚");
inline constexpr Text shelfReading = KESTRUNE_TEXT("Shelves", "読み込み中…");
inline constexpr Text shelfNotAnswering = KESTRUNE_TEXT("Shelves", "（つながりません）");
inline constexpr Text shelfEmpty = noRecentLists;
inline constexpr Text addShelfCaption = KESTRUNE_TEXT("Shelves", "このフォルダーを棚に追加…");
inline constexpr Text removeShelfCaption = KESTRUNE_TEXT("Shelves", "棚から外す");
inline constexpr Text changeValuesCaption = KESTRUNE_TEXT("Window", "値を変更…");
inline constexpr Text openTemplateCaption = KESTRUNE_TEXT("Templates", "ひな形フォルダーを開く");
inline constexpr Text literalCaption = KESTRUNE_TEXT("Window", "記法を使わない");
// The language the program speaks, taken at start-up.
inline constexpr Text languageCaption = KESTRUNE_TEXT("Window", "表示言語");
inline constexpr Text automaticLanguage = KESTRUNE_TEXT("Window", "自動");
inline constexpr Text languageFromNextStart = KESTRUNE_TEXT("Window", "次回の起動から切り替わります");
// Each language by its own name, whatever the program speaks: a person finds theirs.
inline const QString japaneseName = QStringLiteral("日本語");
inline const QString englishName = QStringLiteral("English");
// 「作成履歴…」 in the names list's menu, and Ctrl+H.
inline constexpr Text historyCaption = KESTRUNE_TEXT("History", "作成履歴…");

//: A volume in the drive list: its label, then its root path.
inline constexpr Text volumeEntry = KESTRUNE_TEXT("Window", "%1 (%2)");
inline constexpr Text volumeRemoved = KESTRUNE_TEXT("Window", "%1 は取り外されています");
inline constexpr Text yes = KESTRUNE_TEXT("Window", "はい");
inline constexpr Text no = KESTRUNE_TEXT("Window", "いいえ");
inline constexpr Text cancel = KESTRUNE_TEXT("Window", "キャンセル");
// The box that asks for a list's values.
inline constexpr Text valuesTitle = KESTRUNE_TEXT("Window", "値の入力");
//: A value's name, before its field.
inline constexpr Text valueLabel = KESTRUNE_TEXT("Window", "%1：");
inline constexpr Text referenceDateLabel = KESTRUNE_TEXT("Window", "基準日：");
// Its table of values: one tree per row.
inline constexpr Text pasteTableCaption = KESTRUNE_TEXT("Tables", "表を貼り付け(&T)");
inline constexpr Text tableFileCaption = KESTRUNE_TEXT("Tables", "表ファイル…(&F)");
inline constexpr Text dropTableCaption = KESTRUNE_TEXT("Tables", "表を使わない");
inline constexpr Text tableFileTitle = KESTRUNE_TEXT("Tables", "表ファイルを開く");
//: The file box's filters, as Qt writes them: name (patterns);;name (patterns).
inline constexpr Text tableFileFilter = KESTRUNE_TEXT("Tables", "表 (*.csv *.tsv *.txt);;すべてのファイル (*)");
inline constexpr Text noTableOnClipboard = KESTRUNE_TEXT("Tables", "クリップボードに表がありません");
inline constexpr CountedText tablePasted =
    KESTRUNE_COUNTED_TEXT("Tables", "貼り付けた表: %n 行（1行ごとにフォルダーを作成します）");
//: %1 is the table file's path.
inline constexpr CountedText tableFromFile =
    KESTRUNE_COUNTED_TEXT("Tables", "表ファイル: %n 行（1行ごとにフォルダーを作成します）\n%1");
//: The columns that fill fields, joined.
inline constexpr Text tableColumnsUsed = KESTRUNE_TEXT("Tables", "表の列から: %1");
//: The columns no field names, joined.
inline constexpr Text tableColumnsIgnored = KESTRUNE_TEXT("Tables", "使わない列: %1");
//: A field's placeholder when a column fills it: the column's name.
inline constexpr Text fieldFromTable = KESTRUNE_TEXT("Tables", "表の「%1」列から");
//: Between the names of columns in a list.
inline constexpr Text namesSeparator = KESTRUNE_TEXT("Tables", "、");
// The box of the presses made.
inline constexpr Text historyTitle = KESTRUNE_TEXT("History", "作成履歴");
inline constexpr Text historyWhen = KESTRUNE_TEXT("History", "日時");
//: The list a press was made from.
inline constexpr Text historyList = KESTRUNE_TEXT("History", "一覧");
//: Where a press made its folders: the parent's path.
inline constexpr Text historyWhere = KESTRUNE_TEXT("History", "作成先");
inline constexpr Text historyFolders = KESTRUNE_TEXT("History", "フォルダー");
inline constexpr Text historyFiles = KESTRUNE_TEXT("History", "ファイル");
inline constexpr Text historyState = KESTRUNE_TEXT("History", "状態");
inline constexpr Text historyUndo = KESTRUNE_TEXT("History", "取り消す(&U)");
inline constexpr Text historyOpenFolder = KESTRUNE_TEXT("History", "フォルダーを開く(&O)");
inline constexpr Text close = KESTRUNE_TEXT("History", "閉じる");

}  // namespace kestrune::texts
