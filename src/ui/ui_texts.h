#pragma once

#include <QString>

// Every word the window and its controls show a person.
namespace kestrune::texts {

inline const QString parentNameCaption = QStringLiteral("親ディレクトリ名");
inline const QString createCaption = QStringLiteral("フォルダー作成");
inline const QString exitCaption = QStringLiteral("終了");
inline const QString ok = QStringLiteral("OK");
inline const QString fillInCaption = QStringLiteral("既存のフォルダーに追加(&A)");
inline const QString fileListTip = QStringLiteral("作成するフォルダー名が記述してあるファイルを選択して下さい。");
inline const QString folderListTip =
    QStringLiteral("フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。");
// The names list's context menu, and Ctrl+Z.
inline const QString undoCaption = QStringLiteral("作成を取り消す");
inline const QString pasteCaption = QStringLiteral("貼り付け");
inline const QString saveCaption = QStringLiteral("一覧として保存…");
inline const QString recentListsCaption = QStringLiteral("最近使った一覧");
inline const QString noRecentLists = QStringLiteral("（なし）");
// 「棚」 in the names list's menu: a sub-menu per shelf.
inline const QString shelvesCaption = QStringLiteral("棚");
inline const QString shelfReading = QStringLiteral("読み込み中…");
inline const QString shelfNotAnswering = QStringLiteral("（つながりません）");
inline const QString& shelfEmpty = noRecentLists;
inline const QString addShelfCaption = QStringLiteral("このフォルダーを棚に追加…");
inline const QString removeShelfCaption = QStringLiteral("棚から外す");
inline const QString changeValuesCaption = QStringLiteral("値を変更…");
inline const QString literalCaption = QStringLiteral("記法を使わない");

inline const QString volumeEntry = QStringLiteral("%1 (%2)");  // label (root path)
inline const QString volumeRemoved = QStringLiteral("%1 は取り外されています");
inline const QString yes = QStringLiteral("はい");
inline const QString no = QStringLiteral("いいえ");
inline const QString cancel = QStringLiteral("キャンセル");
// The box that asks for a list's values.
inline const QString valuesTitle = QStringLiteral("値の入力");
inline const QString valueLabel = QStringLiteral("%1：");  // the value's name
inline const QString referenceDateLabel = QStringLiteral("基準日：");
// Its table of values: one tree per row.
inline const QString pasteTableCaption = QStringLiteral("表を貼り付け(&T)");
inline const QString tableFileCaption = QStringLiteral("表ファイル…(&F)");
inline const QString dropTableCaption = QStringLiteral("表を使わない");
inline const QString tableFileTitle = QStringLiteral("表ファイルを開く");
inline const QString tableFileFilter = QStringLiteral("表 (*.csv *.tsv *.txt);;すべてのファイル (*)");
inline const QString noTableOnClipboard = QStringLiteral("クリップボードに表がありません");
inline const QString tablePasted = QStringLiteral("貼り付けた表: %1 行（1行ごとにフォルダーを作成します）");
inline const QString tableFromFile = QStringLiteral("表ファイル: %1 行（1行ごとにフォルダーを作成します）\n%2");
inline const QString tableColumnsUsed = QStringLiteral("表の列から: %1");
inline const QString tableColumnsIgnored = QStringLiteral("使わない列: %1");
inline const QString fieldFromTable = QStringLiteral("表の「%1」列から");
inline const QString namesSeparator = QStringLiteral("、");

}  // namespace kestrune::texts
