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
