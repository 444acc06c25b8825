#pragma once

#include "translatable_text.h"

#include <QString>

// Every word the program's start-up, its error dispatch and its command line
// show a person.
namespace kestrune::texts {

// Names, the same in every language: the program's (also its settings' file)
// and its command's.
inline const QString applicationName = QStringLiteral("Kestrune");
// The caption is this title, then the version: "Kestrune　0.03".
inline const QString captionTitle = QStringLiteral("Kestrune　");

inline constexpr Text runtimeErrorTitle = KESTRUNE_TEXT("Program", "実行時エラー");
//: The error's number, then what failed.
inline constexpr Text runtimeErrorPrompt = KESTRUNE_TEXT("Program", "エラー番号: %1\n\n%2");
inline constexpr Text outOfMemory = KESTRUNE_TEXT("Program", "メモリが不足しています。");
inline constexpr Text internalError = KESTRUNE_TEXT("Program", "内部エラーです。");
inline constexpr Text internalErrorWithCause = KESTRUNE_TEXT("Program", "内部エラーです。(%1)");

// ---- The command line ----
inline const QString commandName = QStringLiteral("kestrune");
// %1 is the preset parent name, %2 the dry run's status words, %3 the era
// names, %4 the status words of template files. The notation (date codes,
// 年度, the eras) is the same in every language.
inline constexpr Text commandHelp = KESTRUNE_TEXT(
    "CommandLine",
    "使い方: kestrune [PATH]\n"
    "        kestrune --create LIST [--shelf NAME] [--parent NAME] [--into DIR] [--date YYYY-MM-DD]\n"
    "                 [--set 名前=値]... [--values TABLE] [--literal] [--existing] [--template DIR | --no-template]\n"
    "                 [--dry-run]\n"
    "        kestrune --shelves\n"
    "        kestrune --history\n"
    "        kestrune --undo ID|last\n"
    "テキストの一覧（1行に1つのフォルダー名）から、新しい親フォルダーとその中のフォルダーを作ります。\n"
    "\n"
    "PATH を指定すると、そのフォルダーを開いたウィンドウで PATH を読み込みます。\n"
    "\n"
    "  --create LIST  ウィンドウを開かずに LIST のフォルダーを作ります（- は標準入力）\n"
    "  --shelf NAME   LIST（ファイル名）を棚 NAME から取ります（--into が必要です）\n"
    "  --parent NAME  新しい親フォルダーの名前（既定: %1、使用中なら # を付けます）\n"
    "  --into DIR     親フォルダーを作る場所（既定: LIST のあるフォルダー。LIST が - なら必須）\n"
    "  --date DATE    記法の日付（既定: 今日）\n"
    "  --set 名前=値  {?名前} に入れる値（繰り返し指定できます）\n"
    "  --values TABLE 値の表（.csv・.tsv・.txt、- は標準入力）。1行目の列名の {?名前} に各行の値を入れ、\n"
    "                 1行ごとにフォルダーを作ります。表にない名前は --set で指定します\n"
    "  --literal      記法を使わず、各行をそのまま使います\n"
    "  --existing     親フォルダーが既にあれば # を付けず、その中に足りないフォルダーだけを作ります\n"
    "  --template DIR ひな形フォルダー（既定: LIST の横の「LIST の名前.ひな形」があればそれ）\n"
    "  --no-template  ひな形フォルダーを使いません\n"
    "  --dry-run      何も作らず、作るフォルダーごとに 行番号・状態・フォルダー（または理由）をタブ区切りで表示します\n"
    "                 状態: %2\n"
    "                 親フォルダーが複数のときは、フォルダーの前に親フォルダーのパスを付けます\n"
    "                 フォルダーのあとに、ひな形のファイルごとに 行番号（親フォルダーに直接置くものは -）・\n"
    "                 状態・ファイルのパス（skipped ならそのあとに理由）を表示します\n"
    "                 ファイルの状態: %4\n"
    "  --shelves      棚ごとに一覧を 棚・一覧・パス のタブ区切りで表示して終了します\n"
    "  --history      作成履歴を新しい順に1行ずつ、タブ区切りで表示します:\n"
    "                 番号・日時（ISO 8601）・状態（done, undone, partly-undone, interrupted）・\n"
    "                 フォルダー数・ファイル数・親フォルダーのパス（複数なら \" | \" 区切り）\n"
    "  --undo ID      番号 ID の作成を、確認せずに取り消します（last は、取り消していない最新の作成）。\n"
    "                 作成したものだけを、変わらず空のときだけ削除し、残したものを標準エラーに表示します\n"
    "  -h, --help     この説明を表示して終了します\n"
    "  --version      バージョンを表示して終了します\n"
    "\n"
    "記法（一覧の行と --parent の { }。--literal では使いません）:\n"
    "  {yyyy}{mm}{dd}  Excel の日付コード（yyyy yy m mm d dd aaa aaaa）\n"
    "  {ggge}          元号（g gg ggg: %3）と年（e ee）\n"
    "  {年度}          4月始まりの年度（{年度:ggge} は元号で）\n"
    "  {1..12} {A..E}  連番（{01..12} はゼロ埋め）\n"
    "  {x,y,z}         列挙\n"
    "  {?名前}         --set 名前=値 の値\n"
    "\n"
    "終了ステータス:\n"
    "  0  作成しました（新しい親フォルダーのパスを1行ずつ表示します。--dry-run では、作成できない行はありません）\n"
    "  1  作成できない行があります。何も作っていません\n"
    "  2  使い方の誤り、または一覧か値の表かひな形を読めません（--shelves では、応答しない棚があります）\n"
    "  3  途中で失敗したか、結果を書き出せませんでした。作成済みのフォルダーは残ります\n"
    "     --undo では、残したものがあります\n"
    "  --undo では 0 はすべて削除したこと、2 は作成履歴にない番号です\n");
inline constexpr Text usageHint = KESTRUNE_TEXT("CommandLine", "詳しくは「kestrune --help」を実行してください。");
inline constexpr Text unknownOption = KESTRUNE_TEXT("CommandLine", "不明なオプションです: %1");
//: The option as typed, then the options it may stand for.
inline constexpr Text ambiguousOption = KESTRUNE_TEXT("CommandLine", "オプション %1 はあいまいです（%2）");
inline constexpr Text optionNeedsValue = KESTRUNE_TEXT("CommandLine", "オプション %1 には値が必要です");
inline constexpr Text optionTakesNoValue = KESTRUNE_TEXT("CommandLine", "オプション %1 は値をとりません");
inline constexpr Text extraArgument = KESTRUNE_TEXT("CommandLine", "余分な引数があります: %1");
inline constexpr Text needsCreate = KESTRUNE_TEXT("CommandLine", "%1 は --create と一緒に使います");
inline constexpr Text standardInputNeedsInto =
    KESTRUNE_TEXT("CommandLine", "一覧を標準入力から読むときは --into が必要です");
inline constexpr Text standardInputOnce =
    KESTRUNE_TEXT("CommandLine", "一覧と値の表の両方を標準入力から読むことはできません");
//: The table's file (or standard input), then why it was refused.
inline constexpr Text tableRefused = KESTRUNE_TEXT("CommandLine", "値の表 %1: %2");
//: The name given to --set.
inline constexpr Text setOverridesColumn =
    KESTRUNE_TEXT("CommandLine", "--set %1 は値の表の列と重なります（表の列の値は --set で変えられません）");
inline constexpr Text shelfNeedsInto = KESTRUNE_TEXT("CommandLine", "一覧を棚から取るときは --into が必要です");
inline constexpr Text shelfListNotAFileName =
    KESTRUNE_TEXT("CommandLine", "--shelf と使う LIST は棚にある一覧のファイル名です: %1");
//: An option that stands alone, then another given with it.
inline constexpr Text optionAlone = KESTRUNE_TEXT("CommandLine", "%1 は %2 と一緒に使えません");
inline constexpr Text templateOptionsTogether =
    KESTRUNE_TEXT("CommandLine", "--template と --no-template は一緒に使えません");
// A run-time error on the command line: its number, then its description.
inline constexpr Text numberedError = KESTRUNE_TEXT("CommandLine", "エラー番号 %1: %2");
inline constexpr Text failedAtLine = KESTRUNE_TEXT("CommandLine", "%1行目のフォルダーを作れませんでした");
inline constexpr Text windowModuleMissing =
    KESTRUNE_TEXT("Program", "ウィンドウの部分を読み込めないため、ウィンドウを開けません:");
inline constexpr Text badDate = KESTRUNE_TEXT("CommandLine", "日付が正しくありません（YYYY-MM-DD）: %1");
inline constexpr Text badSet = KESTRUNE_TEXT("CommandLine", "--set には 名前=値 を指定してください: %1");
inline constexpr Text valueNotGiven =
    KESTRUNE_TEXT("CommandLine", "値が指定されていません: %1（--set 名前=値 で指定してください）");
inline constexpr Text standardInputClosed = KESTRUNE_TEXT("CommandLine", "標準入力が閉じられています");
inline constexpr Text outputLost = KESTRUNE_TEXT("CommandLine", "標準出力に書き込めませんでした");
inline constexpr Text outputLostFoldersStay =
    KESTRUNE_TEXT("CommandLine", "標準出力に書き込めませんでした。作成したフォルダーはそのまま残っています");
inline constexpr Text foldersMadeSoFar = KESTRUNE_TEXT("CommandLine", "作成済みのフォルダー（%1個、残してあります）:");
inline constexpr Text foldersAndFilesMadeSoFar =
    KESTRUNE_TEXT("CommandLine", "作成済みのフォルダーとコピー済みのファイル（%1個、残してあります）:");

// `kestrune --shelves`: a shelf left out of the rows, and why.
inline constexpr Text shelfDidNotAnswer = KESTRUNE_TEXT("CommandLine", "棚「%1」が %2 秒以内に応答しません: %3");
inline constexpr Text shelfUnreadable = KESTRUNE_TEXT("CommandLine", "棚「%1」を読めません: エラー番号 %2: %3");
// `kestrune --create LIST --shelf NAME` with a name the settings do not hold.
inline constexpr Text unknownShelf =
    KESTRUNE_TEXT("CommandLine", "棚「%1」は設定にありません（kestrune --shelves で一覧できます）");

}  // namespace kestrune::texts
