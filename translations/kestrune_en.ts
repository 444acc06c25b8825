<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>詳しくは「kestrune --help」を実行してください。</source>
        <translation>Try &apos;kestrune --help&apos; for more information.</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>オプション %1 はあいまいです（%2）</source>
        <extracomment>The option as typed, then the options it may stand for.</extracomment>
        <translation>option %1 is ambiguous (%2)</translation>
    </message>
    <message>
        <source>オプション %1 には値が必要です</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>オプション %1 は値をとりません</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>余分な引数があります: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>一覧と値の表の両方を標準入力から読むことはできません</source>
        <translation>the list and the table of values cannot both come from standard input</translation>
    </message>
    <message>
        <source>値の表 %1: %2</source>
        <extracomment>The table&apos;s file (or standard input), then why it was refused.</extracomment>
        <translation>table of values %1: %2</translation>
    </message>
    <message>
        <source>--set %1 は値の表の列と重なります（表の列の値は --set で変えられません）</source>
        <extracomment>The name given to --set.</extracomment>
        <translation>--set %1 names a column of the table (--set cannot change a column&apos;s values)</translation>
    </message>
    <message>
        <source>%1 は %2 と一緒に使えません</source>
        <extracomment>An option that stands alone, then another given with it.</extracomment>
        <translation>%1 cannot be used with %2</translation>
    </message>
    <message>
        <source>%1 は --create と一緒に使います</source>
        <translation>%1 needs --create</translation>
    </message>
    <message>
        <source>一覧を標準入力から読むときは --into が必要です</source>
        <translation>a list on standard input needs --into</translation>
    </message>
    <message>
        <source>一覧を棚から取るときは --into が必要です</source>
        <translation>a list from a shelf needs --into</translation>
    </message>
    <message>
        <source>--shelf と使う LIST は棚にある一覧のファイル名です: %1</source>
        <translation>with --shelf, LIST is the file name of a list on the shelf: %1</translation>
    </message>
    <message>
        <source>エラー番号 %1: %2</source>
        <translation>error %1: %2</translation>
    </message>
    <message>
        <source>%1行目のフォルダーを作れませんでした</source>
        <translation>could not make the folder of line %1</translation>
    </message>
    <message>
        <source>日付が正しくありません（YYYY-MM-DD）: %1</source>
        <translation>invalid date (YYYY-MM-DD): %1</translation>
    </message>
    <message>
        <source>--set には 名前=値 を指定してください: %1</source>
        <translation>--set takes NAME=VALUE: %1</translation>
    </message>
    <message>
        <source>値が指定されていません: %1（--set 名前=値 で指定してください）</source>
        <translation>no value given: %1 (give it with --set NAME=VALUE)</translation>
    </message>
    <message>
        <source>標準入力が閉じられています</source>
        <translation>standard input is closed</translation>
    </message>
    <message>
        <source>標準出力に書き込めませんでした</source>
        <translation>could not write to standard output</translation>
    </message>
    <message>
        <source>標準出力に書き込めませんでした。作成したフォルダーはそのまま残っています</source>
        <translation>could not write to standard output; the folders made stay as they are</translation>
    </message>
    <message>
        <source>作成済みのフォルダー（%1個、残してあります）:</source>
        <translation>folders made so far (%1, left in place):</translation>
    </message>
    <message>
        <source>棚「%1」が %2 秒以内に応答しません: %3</source>
        <translation>shelf &apos;%1&apos; did not answer within %2 seconds: %3</translation>
    </message>
    <message>
        <source>棚「%1」を読めません: エラー番号 %2: %3</source>
        <translation>cannot read shelf &apos;%1&apos;: error %2: %3</translation>
    </message>
    <message>
        <source>棚「%1」は設定にありません（kestrune --shelves で一覧できます）</source>
        <translation>no shelf &apos;%1&apos; in the settings (kestrune --shelves lists them)</translation>
    </message>
    <message>
        <source>使い方: kestrune [PATH]
        kestrune --create LIST [--shelf NAME] [--parent NAME] [--into DIR] [--date YYYY-MM-DD]
                 [--set 名前=値]... [--values TABLE] [--literal] [--existing] [--template DIR | --no-template]
                 [--dry-run]
        kestrune --shelves
        kestrune --history
        kestrune --undo ID|last
テキストの一覧（1行に1つのフォルダー名）から、新しい親フォルダーとその中のフォルダーを作ります。

PATH を指定すると、そのフォルダーを開いたウィンドウで PATH を読み込みます。

  --create LIST  ウィンドウを開かずに LIST のフォルダーを作ります（- は標準入力）
  --shelf NAME   LIST（ファイル名）を棚 NAME から取ります（--into が必要です）
  --parent NAME  新しい親フォルダーの名前（既定: %1、使用中なら # を付けます）
  --into DIR     親フォルダーを作る場所（既定: LIST のあるフォルダー。LIST が - なら必須）
  --date DATE    記法の日付（既定: 今日）
  --set 名前=値  {?名前} に入れる値（繰り返し指定できます）
  --values TABLE 値の表（.csv・.tsv・.txt、- は標準入力）。1行目の列名の {?名前} に各行の値を入れ、
                 1行ごとにフォルダーを作ります。表にない名前は --set で指定します
  --literal      記法を使わず、各行をそのまま使います
  --existing     親フォルダーが既にあれば # を付けず、その中に足りないフォルダーだけを作ります
  --template DIR ひな形フォルダー（既定: LIST の横の「LIST の名前.ひな形」があればそれ）
  --no-template  ひな形フォルダーを使いません
  --dry-run      何も作らず、作るフォルダーごとに 行番号・状態・フォルダー（または理由）をタブ区切りで表示します
                 状態: %2
                 親フォルダーが複数のときは、フォルダーの前に親フォルダーのパスを付けます
                 フォルダーのあとに、ひな形のファイルごとに 行番号（親フォルダーに直接置くものは -）・
                 状態・ファイルのパス（skipped ならそのあとに理由）を表示します
                 ファイルの状態: %4
  --shelves      棚ごとに一覧を 棚・一覧・パス のタブ区切りで表示して終了します
  --history      作成履歴を新しい順に1行ずつ、タブ区切りで表示します:
                 番号・日時（ISO 8601）・状態（done, undone, partly-undone, interrupted）・
                 フォルダー数・ファイル数・親フォルダーのパス（複数なら &quot; | &quot; 区切り）
  --undo ID      番号 ID の作成を、確認せずに取り消します（last は、取り消していない最新の作成）。
                 作成したものだけを、変わらず空のときだけ削除し、残したものを標準エラーに表示します
  -h, --help     この説明を表示して終了します
  --version      バージョンを表示して終了します

記法（一覧の行と --parent の { }。--literal では使いません）:
  {yyyy}{mm}{dd}  Excel の日付コード（yyyy yy m mm d dd aaa aaaa）
  {ggge}          元号（g gg ggg: %3）と年（e ee）
  {年度}          4月始まりの年度（{年度:ggge} は元号で）
  {1..12} {A..E}  連番（{01..12} はゼロ埋め）
  {x,y,z}         列挙
  {?名前}         --set 名前=値 の値

終了ステータス:
  0  作成しました（新しい親フォルダーのパスを1行ずつ表示します。--dry-run では、作成できない行はありません）
  1  作成できない行があります。何も作っていません
  2  使い方の誤り、または一覧か値の表かひな形を読めません（--shelves では、応答しない棚があります）
  3  途中で失敗したか、結果を書き出せませんでした。作成済みのフォルダーは残ります
     --undo では、残したものがあります
  --undo では 0 はすべて削除したこと、2 は作成履歴にない番号です
</source>
        <translation>Usage: kestrune [PATH]
       kestrune --create LIST [--shelf NAME] [--parent NAME] [--into DIR] [--date YYYY-MM-DD]
                [--set NAME=VALUE]... [--values TABLE] [--literal] [--existing] [--template DIR | --no-template]
                [--dry-run]
       kestrune --shelves
       kestrune --history
       kestrune --undo ID|last
Makes a new parent folder and, inside it, the folders of a text list (one folder name a line).

With PATH, opens the window in PATH&apos;s folder with PATH loaded.

  --create LIST  make LIST&apos;s folders without a window (- reads standard input)
  --shelf NAME   take LIST (a file name) from the shelf NAME (needs --into)
  --parent NAME  the new parent folder&apos;s name (default: %1; # is added while it is taken)
  --into DIR     where to make the parent (default: LIST&apos;s folder; required when LIST is -)
  --date DATE    the notation&apos;s date (default: today)
  --set NAME=VALUE
                 the value for {?NAME} (may be repeated)
  --values TABLE one tree per row of a table of values (.csv, .tsv, .txt; - reads standard input):
                 each column named in row 1 fills its {?NAME}; --set gives the names it lacks
  --literal      take every line as written, without notation
  --existing     fill in a parent folder that exists (no #): make only the folders missing
  --template DIR the template folder (default: &quot;LIST&apos;s name.ひな形&quot; beside LIST, if there)
  --no-template  use no template folder
  --dry-run      make nothing; print line number, status and folder (or reason), tab-separated, per folder
                 statuses: %2
                 with several parents, each folder&apos;s line starts with its parent&apos;s path
                 after the folders, one line per template file: line number (- for the parent&apos;s own),
                 status and the file&apos;s path (for skipped, then the reason)
                 file statuses: %4
  --shelves      print each shelf&apos;s lists as shelf, list and path, tab-separated, and exit
  --history      print the history of presses, newest first, one tab-separated line each:
                 number, time (ISO 8601), state (done, undone, partly-undone, interrupted),
                 folders, files, and the parent folder&apos;s path (several joined by &quot; | &quot;)
  --undo ID      undo press ID without asking (last: the newest not undone yet);
                 removes only what it made, if unchanged and empty, and prints what stays on standard error
  -h, --help     print this help and exit
  --version      print the version and exit

Notation ({ } in list lines and --parent; not with --literal):
  {yyyy}{mm}{dd}  Excel date codes (yyyy yy m mm d dd aaa aaaa)
  {ggge}          Japanese era name (g gg ggg: %3) and year (e ee)
  {年度}          fiscal year from April ({年度:ggge} in era form)
  {1..12} {A..E}  sequences ({01..12} zero-padded)
  {x,y,z}         lists
  {?NAME}         the value given by --set NAME=VALUE

Exit status:
  0  made (each new parent&apos;s path on a line; with --dry-run: no line refused)
  1  lines refused; nothing made
  2  usage error, or the list, the table or the template could not be read (with --shelves: a shelf did not answer)
  3  failed half-way, or the output could not be written; the folders made stay
     with --undo: something stays
  with --undo, 0 means everything was removed, and 2 a number not in the history
</translation>
    </message>
    <message>
        <source>--template と --no-template は一緒に使えません</source>
        <translation>--template and --no-template cannot be used together</translation>
    </message>
    <message>
        <source>作成済みのフォルダーとコピー済みのファイル（%1個、残してあります）:</source>
        <translation>Folders made and files copied so far (%1, left in place):</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>作成履歴に記録できませんでした（%1）。作成したフォルダーはそのまま残っています</source>
        <extracomment>Where the history lies.</extracomment>
        <translation>Could not record this in the history (%1). The folders made stay as they are</translation>
    </message>
    <message>
        <source>作成履歴にない番号です: %1</source>
        <translation>No such number in the history: %1</translation>
    </message>
    <message>
        <source>取り消せる作成が作成履歴にありません</source>
        <translation>Nothing in the history is left to undo</translation>
    </message>
    <message>
        <source>%1 番の作成は既に取り消されています</source>
        <extracomment>The press&apos;s number.</extracomment>
        <translation>Creation %1 has already been undone</translation>
    </message>
    <message>
        <source>%1 番の作成履歴の記録を読めません: %2</source>
        <extracomment>The press&apos;s number, then why its record cannot be read.</extracomment>
        <translation>Cannot read the record of creation %1: %2</translation>
    </message>
    <message>
        <source>%1: 作成履歴の記録として大きすぎます</source>
        <translation>%1: too large for a history record</translation>
    </message>
    <message>
        <source>作成履歴…</source>
        <translation>Creation History…</translation>
    </message>
    <message>
        <source>作成履歴</source>
        <translation>Creation History</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>When</translation>
    </message>
    <message>
        <source>一覧</source>
        <extracomment>The list a press was made from.</extracomment>
        <translation>List</translation>
    </message>
    <message>
        <source>作成先</source>
        <extracomment>Where a press made its folders: the parent&apos;s path.</extracomment>
        <translation>Where</translation>
    </message>
    <message>
        <source>フォルダー</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>取り消す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>フォルダーを開く(&amp;O)</source>
        <translation>&amp;Open Folder</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>取り消し済み</source>
        <translation>Undone</translation>
    </message>
    <message>
        <source>一部残っています</source>
        <extracomment>A press that was undone, but something it made was kept.</extracomment>
        <translation>Partly undone</translation>
    </message>
    <message>
        <source>中断</source>
        <extracomment>A press that never finished: stopped at a failure, or killed.</extracomment>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <extracomment>The list of a press made from a pasted table.</extracomment>
        <translation>Pasted</translation>
    </message>
    <message>
        <source>作成履歴に記録できませんでした（ディスクがいっぱいか、書き込めません）。取り消せるのは、このウィンドウを閉じるまでです。</source>
        <translation>Could not record this in the history (the disk is full or cannot be written). It can be undone only until this window closes.</translation>
    </message>
    <message>
        <source>%1 の作成を取り消します。</source>
        <extracomment>The undo of a press from the history: when it was made, before Ctrl+Z&apos;s question.</extracomment>
        <translation>Undo the creation of %1.</translation>
    </message>
    <message>
        <source>取り消したことを作成履歴に記録できませんでした。</source>
        <translation>Could not record the undo in the history.</translation>
    </message>
    <message>
        <source>作成履歴の記録ではありません</source>
        <translation>Not a history record</translation>
    </message>
    <message>
        <source>別の版の記録です（%1）</source>
        <extracomment>The version the record names.</extracomment>
        <translation>A record of another version (%1)</translation>
    </message>
    <message>
        <source>%1行目が読めません</source>
        <translation>Line %1 cannot be read</translation>
    </message>
    <message>
        <source>記録の始めが欠けています</source>
        <translation>The start of the record is missing</translation>
    </message>
    <message>
        <source>%1: 読めないため飛ばしました（%2）</source>
        <extracomment>The record&apos;s file name, then why it cannot be read.</extracomment>
        <translation>%1: skipped, cannot be read (%2)</translation>
    </message>
    <message numerus="yes">
        <source>読めない記録 %n 件を飛ばしました:</source>
        <translation>
            <numerusform>Skipped %n record that cannot be read:</numerusform>
            <numerusform>Skipped %n records that cannot be read:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <source>ホーム</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>ルート</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>ファイル名がありません</source>
        <translation>No file name</translation>
    </message>
    <message>
        <source>ファイル名に使えない文字があります: %1</source>
        <translation>A file name holds a character it cannot: %1</translation>
    </message>
    <message>
        <source>標準入力</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>%1: %2 行を超えています</source>
        <translation>%1: more than %2 lines</translation>
    </message>
    <message>
        <source>%1: 一覧として長すぎます</source>
        <translation>%1: too large for a list</translation>
    </message>
    <message>
        <source>%1: フォルダーです</source>
        <translation>%1: is a folder</translation>
    </message>
    <message>
        <source>%1: 通常のファイルではありません</source>
        <translation>%1: not a regular file</translation>
    </message>
    <message>
        <source>%1: フォルダーではありません</source>
        <translation>%1: not a folder</translation>
    </message>
    <message>
        <source>%1: フォルダーではなくシンボリックリンクです</source>
        <translation>%1: a symbolic link, not a folder</translation>
    </message>
    <message>
        <source>%1: 一つのフォルダー名ではありません</source>
        <translation>%1: not the name of one folder</translation>
    </message>
    <message>
        <source>%1: UTF-8 ではなく、Shift_JIS の変換器もありません</source>
        <translation>%1: not UTF-8, and no Shift_JIS decoder is available</translation>
    </message>
    <message>
        <source>%1: %2 文字を超える行があります</source>
        <translation>%1: a line is longer than %2 characters</translation>
    </message>
    <message>
        <source>%1: UTF-16 の文字が壊れている行があります</source>
        <translation>%1: a line holds broken UTF-16</translation>
    </message>
    <message>
        <source>%1: 改行を含む行は一覧に書けません</source>
        <translation>%1: a line holding a line break cannot go in a list</translation>
    </message>
    <message>
        <source>%1: ファイルではなくシンボリックリンクです</source>
        <translation>%1: a symbolic link, not a file</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>作成されます: </source>
        <translation>Will be made: </translation>
    </message>
    <message>
        <source>
注意: </source>
        <translation>
Warning: </translation>
    </message>
    <message>
        <source>空行のため作成しません</source>
        <translation>Blank line: nothing is made</translation>
    </message>
    <message>
        <source>%1行目と同じフォルダーです</source>
        <translation>Same folder as line %1</translation>
    </message>
    <message>
        <source>作成できません: %1</source>
        <translation>Cannot be made: %1</translation>
    </message>
    <message>
        <source>既にあります（そのまま使います）
%1</source>
        <translation>Already there (used as it is)
%1</translation>
    </message>
    <message>
        <source>濁点などが分かれた文字を、ひとまとまりの文字（Unicode NFC）に直して作成します</source>
        <translation>Letters with separate marks (such as dakuten) are joined into one (Unicode NFC)</translation>
    </message>
    <message numerus="yes">
        <source>%n 個のフォルダーになります</source>
        <translation>
            <numerusform>Makes %n folder</numerusform>
            <numerusform>Makes %n folders</numerusform>
        </translation>
    </message>
    <message>
        <source>既にあります（この中に追加します）: %1</source>
        <translation>Already there (filled in): %1</translation>
    </message>
    <message>
        <source>既存</source>
        <translation>existing</translation>
    </message>
    <message>
        <source>「%1」がフォルダーではありません（ファイルかリンク）</source>
        <translation>&apos;%1&apos; is not a folder (a file or a link)</translation>
    </message>
    <message>
        <source>%1行目: %2（%3）</source>
        <translation>Line %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>ほか%n行</source>
        <translation>
            <numerusform>and %n more line</numerusform>
            <numerusform>and %n more lines</numerusform>
        </translation>
    </message>
    <message>
        <source>値の入力を待っています: %1</source>
        <translation>Waiting for values: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>親ディレクトリ %n 個:</source>
        <translation>
            <numerusform>%n parent folder:</numerusform>
            <numerusform>%n parent folders:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>ほか%1個</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>値が入力されていません: %1
名前の一覧のメニュー「値を変更…」で入力してください。</source>
        <translation>No value given: %1
Enter it with Change Values… in the names list&apos;s menu.</translation>
    </message>
    <message>
        <source>親ディレクトリの名前のファイルかリンクがあるため、追加できません: %1</source>
        <translation>A file or link has the parent folder&apos;s name, so nothing can be added: %1</translation>
    </message>
    <message>
        <source>フォルダーが多すぎます（%1 個。1 回に %2 個まで）</source>
        <translation>Too many folders (%1; at most %2 at once)</translation>
    </message>
    <message>
        <source>値に「/」か「\」があります（値で階層は増やせません）</source>
        <translation>A value holds &apos;/&apos; or &apos;\&apos; (values cannot add levels)</translation>
    </message>
    <message>
        <source>記法? 当てはまらない { } はそのまま使います</source>
        <translation>Notation? A { } that fits none is used as written</translation>
    </message>
    <message>
        <source>「..」は使えません</source>
        <translation>&apos;..&apos; is not allowed</translation>
    </message>
    <message>
        <source>フォルダー1つの名前にしてください（「/」「\」「.」「..」は使えません）</source>
        <translation>Give the name of one folder (&apos;/&apos;, &apos;\&apos;, &apos;.&apos; and &apos;..&apos; are not allowed)</translation>
    </message>
    <message>
        <source>制御文字があります</source>
        <translation>Holds a control character</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1バイトまで）</source>
        <translation>Name too long (at most %1 bytes)</translation>
    </message>
    <message>
        <source>パスが長すぎます（%1バイトまで）</source>
        <translation>Path too long (at most %1 bytes)</translation>
    </message>
    <message>
        <source>Windows の予約名です</source>
        <translation>A name Windows reserves</translation>
    </message>
    <message>
        <source>Windows で使えない文字があります（&lt; &gt; : &quot; | ? *）</source>
        <translation>Holds a character Windows cannot (&lt; &gt; : &quot; | ? *)</translation>
    </message>
    <message>
        <source>末尾の空白やピリオドは Windows で消えます</source>
        <translation>Windows drops a trailing space or period</translation>
    </message>
    <message>
        <source>名前が Windows の上限（%1文字）を超えます</source>
        <translation>Name longer than Windows allows (%1 characters)</translation>
    </message>
    <message>
        <source>パスが %1 文字を超えます（Windows）</source>
        <translation>Path longer than %1 characters (Windows)</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>実行時エラー</source>
        <translation>Run-time error</translation>
    </message>
    <message>
        <source>エラー番号: %1

%2</source>
        <extracomment>The error&apos;s number, then what failed.</extracomment>
        <translation>Error number: %1

%2</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation>Internal error.</translation>
    </message>
    <message>
        <source>内部エラーです。(%1)</source>
        <translation>Internal error. (%1)</translation>
    </message>
    <message>
        <source>ウィンドウの部分を読み込めないため、ウィンドウを開けません:</source>
        <translation>cannot open the window: its module could not be loaded:</translation>
    </message>
</context>
<context>
    <name>Shelves</name>
    <message>
        <source>棚</source>
        <translation>Shelves</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>Loading…</translation>
    </message>
    <message>
        <source>（つながりません）</source>
        <translation>(not reachable)</translation>
    </message>
    <message>
        <source>このフォルダーを棚に追加…</source>
        <translation>Add This Folder to a Shelf…</translation>
    </message>
    <message>
        <source>棚から外す</source>
        <translation>Remove from Shelves</translation>
    </message>
    <message>
        <source>棚の一覧が %1 秒以内に応答しません: %2</source>
        <translation>The shelf&apos;s list did not answer within %1 seconds: %2</translation>
    </message>
    <message>
        <source>棚に追加</source>
        <translation>Add to Shelves</translation>
    </message>
    <message>
        <source>棚の名前：</source>
        <translation>Shelf name:</translation>
    </message>
    <message>
        <source>棚の名前に使えない文字が含まれています。</source>
        <translation>The shelf name holds a character it cannot.</translation>
    </message>
    <message>
        <source>「%1」という名前の棚は既にあります。</source>
        <translation>A shelf named &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>このフォルダーは既に棚「%1」です。</source>
        <translation>This folder is already the shelf &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>棚: %1 / %2</source>
        <translation>Shelf: %1 / %2</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>表を貼り付け(&amp;T)</source>
        <translation>Paste &amp;Table</translation>
    </message>
    <message>
        <source>表ファイル…(&amp;F)</source>
        <translation>Table &amp;File…</translation>
    </message>
    <message>
        <source>表を使わない</source>
        <translation>Don&apos;t Use Table</translation>
    </message>
    <message>
        <source>表ファイルを開く</source>
        <translation>Open Table File</translation>
    </message>
    <message>
        <source>表 (*.csv *.tsv *.txt);;すべてのファイル (*)</source>
        <extracomment>The file box&apos;s filters, as Qt writes them: name (patterns);;name (patterns).</extracomment>
        <translation>Tables (*.csv *.tsv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>クリップボードに表がありません</source>
        <translation>The clipboard holds no table</translation>
    </message>
    <message numerus="yes">
        <source>貼り付けた表: %n 行（1行ごとにフォルダーを作成します）</source>
        <translation>
            <numerusform>Pasted table: %n row (folders made for each row)</numerusform>
            <numerusform>Pasted table: %n rows (folders made for each row)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>表ファイル: %n 行（1行ごとにフォルダーを作成します）
%1</source>
        <extracomment>%1 is the table file&apos;s path.</extracomment>
        <translation>
            <numerusform>Table file: %n row (folders made for each row)
%1</numerusform>
            <numerusform>Table file: %n rows (folders made for each row)
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>表の列から: %1</source>
        <extracomment>The columns that fill fields, joined.</extracomment>
        <translation>From the table&apos;s columns: %1</translation>
    </message>
    <message>
        <source>使わない列: %1</source>
        <extracomment>The columns no field names, joined.</extracomment>
        <translation>Columns not used: %1</translation>
    </message>
    <message>
        <source>表の「%1」列から</source>
        <extracomment>A field&apos;s placeholder when a column fills it: the column&apos;s name.</extracomment>
        <translation>From the table&apos;s column “%1”</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of columns in a list.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>表が空です（1行目に列の名前、2行目から1行に1件の値を書いてください）</source>
        <translation>The table is empty (put the column names in row 1, then one set of values per row)</translation>
    </message>
    <message>
        <source>表が大きすぎます（%1 行、1行 %2 文字まで）</source>
        <extracomment>The most rows, then the most characters a row may hold.</extracomment>
        <translation>The table is too large (at most %1 rows of %2 characters)</translation>
    </message>
    <message>
        <source>%1行目: 値の行がありません（表の1行目は列の名前です）</source>
        <extracomment>Each refusal starts with the row of the table (counted from 1) it concerns.</extracomment>
        <translation>Row %1: no rows of values (the table&apos;s first row names the columns)</translation>
    </message>
    <message>
        <source>%1行目: %2列目に名前がありません（表の1行目は列の名前です）</source>
        <extracomment>The row, then the column (counted from 1).</extracomment>
        <translation>Row %1: column %2 has no name (the table&apos;s first row names the columns)</translation>
    </message>
    <message>
        <source>%1行目: 列の名前「%2」が二つあります</source>
        <translation>Row %1: two columns are named “%2”</translation>
    </message>
    <message>
        <source>%1行目: セルが %2 個あります（列は %3 個）</source>
        <extracomment>The row, its cell count, then the header&apos;s column count.</extracomment>
        <translation>Row %1: the cells (%2) do not match the columns (%3)</translation>
    </message>
    <message>
        <source>%1行目: セルの中に改行があります</source>
        <translation>Row %1: a cell holds a line break</translation>
    </message>
    <message>
        <source>%1行目: 表の値は %2 行までです</source>
        <extracomment>The first row over the limit, then the limit.</extracomment>
        <translation>Row %1: a table holds at most %2 rows of values</translation>
    </message>
    <message>
        <source>「%1」列の値に「/」か「\」があります（値で階層は増やせません）</source>
        <extracomment>The column whose value holds the slash.</extracomment>
        <translation>A value in column “%1” holds “/” or “\” (values cannot add levels)</translation>
    </message>
    <message>
        <source>表の%1行目: %2</source>
        <extracomment>The row in the table, then its first value.</extracomment>
        <translation>Table row %1: %2</translation>
    </message>
    <message>
        <source>親ディレクトリ: %1</source>
        <extracomment>The parent folders the row&apos;s folders go into, joined.</extracomment>
        <translation>Parent folders: %1</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>ひな形フォルダーを開く</source>
        <translation>Open Template Folder</translation>
    </message>
    <message>
        <source>「%1」がファイルではありません（フォルダーかリンク）</source>
        <translation>“%1” is not a file (a folder or a link)</translation>
    </message>
    <message>
        <source>ひな形フォルダー</source>
        <translation>Template Folder</translation>
    </message>
    <message>
        <source>ひな形フォルダーは一覧のファイルの横に置きます。一覧のファイルを選ぶか、貼り付けた一覧を保存してください。</source>
        <translation>A template folder sits beside its list file. Choose a list file, or save the pasted list first.</translation>
    </message>
    <message>
        <source>ひな形フォルダーがありません。作成しますか？
%1
中に置いたファイルが、作成するフォルダーにコピーされます。</source>
        <translation>There is no template folder. Make it?
%1
The files you put in it are copied into the folders made.</translation>
    </message>
    <message>
        <source>%1: フォルダーではないため、ひな形フォルダーにできません</source>
        <translation>%1: not a folder, so it cannot be the template folder</translation>
    </message>
    <message>
        <source>シンボリックリンク</source>
        <translation>symbolic link</translation>
    </message>
    <message>
        <source>通常のファイルではありません（デバイス、ソケット、FIFO）</source>
        <translation>not a plain file (device, socket or FIFO)</translation>
    </message>
    <message>
        <source>Office のロックファイル</source>
        <translation>Office lock file</translation>
    </message>
    <message>
        <source>システムが作るファイル</source>
        <translation>file the system makes</translation>
    </message>
    <message>
        <source>同じ名前のファイルが先にあります</source>
        <translation>a file of the same name comes first</translation>
    </message>
    <message numerus="yes">
        <source>ひな形: %n ファイル（合計 %1 MB）</source>
        <extracomment>%n files in all, then their size.</extracomment>
        <translation>
            <numerusform>Template: %n file (%1 MB in all)</numerusform>
            <numerusform>Template: %n files (%1 MB in all)</numerusform>
        </translation>
    </message>
    <message>
        <source>ひな形フォルダー: %1</source>
        <translation>Template folder: %1</translation>
    </message>
    <message>
        <source>コピーしないもの（%1 個）:</source>
        <translation>Not copied (%1):</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <extracomment>A file of the template, then what becomes of it or why.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>使われないフォルダー（名前の合うフォルダーがありません）: %1</source>
        <translation>Folders not used (no folder of that name): %1</translation>
    </message>
    <message>
        <source>ひな形から:</source>
        <translation>From the template:</translation>
    </message>
    <message>
        <source>作成済み</source>
        <translation>there already</translation>
    </message>
    <message>
        <source>コピーしません: %1</source>
        <translation>not copied: %1</translation>
    </message>
    <message>
        <source>ほか%1件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>ひな形フォルダーを読めません:
%1</source>
        <translation>Cannot read the template folder:
%1</translation>
    </message>
    <message>
        <source>ひな形のファイルが多すぎます（%1 個。1 回に %2 個まで）</source>
        <translation>Too many template files (%1; at most %2 at a time)</translation>
    </message>
    <message>
        <source>ひな形のファイルが大きすぎます（合計 %1 MB。1 回に %2 MB まで）</source>
        <translation>Template files too large (%1 MB in all; at most %2 MB at a time)</translation>
    </message>
    <message>
        <source>ひな形のファイルやフォルダーを置けません:</source>
        <translation>Cannot place these template files or folders:</translation>
    </message>
    <message>
        <source>%1: ファイルではないもの（フォルダーやリンク）があるため中止しました</source>
        <translation>%1: stopped, something other than a file (a folder or a link) is there</translation>
    </message>
    <message>
        <source>ひな形からコピーしたファイル: %1 個（既にあったファイル: %2 個）</source>
        <translation>Files copied from the template: %1 (already there: %2)</translation>
    </message>
    <message>
        <source>フォルダーを作成しています: %1／%2 個
ひな形のファイルをコピーしています: %3／%4 MB</source>
        <extracomment>Folders made of all, then megabytes copied of all.</extracomment>
        <translation>Making folders: %1 of %2
Copying template files: %3 of %4 MB</translation>
    </message>
    <message>
        <source>作成したフォルダー %1 個とコピーしたファイル %2 個を削除しますか？</source>
        <translation>Delete the folders made (%1) and the files copied (%2)?</translation>
    </message>
    <message>
        <source>コピーしたファイル %1 個を削除しました。</source>
        <translation>Deleted the files copied (%1).</translation>
    </message>
    <message>
        <source>削除しなかったファイル（%1 個）:</source>
        <translation>Files not deleted (%1):</translation>
    </message>
    <message>
        <source>削除できなかったファイル（%1 個）:</source>
        <translation>Files that could not be deleted (%1):</translation>
    </message>
    <message>
        <source>別のファイルに置き換わっているため</source>
        <translation>replaced by another file</translation>
    </message>
    <message>
        <source>コピーのあとで変更されているため</source>
        <translation>changed since the copy</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>親ディレクトリ名</source>
        <translation>Parent folder name</translation>
    </message>
    <message>
        <source>フォルダー作成</source>
        <translation>Create Folders</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>既存のフォルダーに追加(&amp;A)</source>
        <translation>&amp;Add to existing folder</translation>
    </message>
    <message>
        <source>作成するフォルダー名が記述してあるファイルを選択して下さい。</source>
        <translation>Choose the file that lists the folders to make.</translation>
    </message>
    <message>
        <source>フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。</source>
        <translation>Choose the folder that holds the list file.</translation>
    </message>
    <message>
        <source>作成を取り消す</source>
        <translation>Undo Creation</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>一覧として保存…</source>
        <translation>Save as List…</translation>
    </message>
    <message>
        <source>最近使った一覧</source>
        <translation>Recent Lists</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(None)</translation>
    </message>
    <message>
        <source>値を変更…</source>
        <translation>Change Values…</translation>
    </message>
    <message>
        <source>記法を使わない</source>
        <translation>Ignore Notation</translation>
    </message>
    <message>
        <source>表示言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>次回の起動から切り替わります</source>
        <translation>Takes effect on restart</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A volume in the drive list: its label, then its root path.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 は取り外されています</source>
        <translation>%1 has been removed</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>値の入力</source>
        <translation>Enter Values</translation>
    </message>
    <message>
        <source>%1：</source>
        <extracomment>A value&apos;s name, before its field.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>基準日：</source>
        <translation>Reference date:</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>新規ディレクトリ</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>エラーがおきました！！</source>
        <translation>An error occurred!</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;・・・作成終了しました・・・</source>
        <translation>    ... Folders made ...</translation>
    </message>
    <message>
        <source>ＦＤをセットしてください！</source>
        <translation>Please insert a disk!</translation>
    </message>
    <message>
        <source>親ディレクトリ名が正しくありません！</source>
        <translation>The parent folder name is not valid!</translation>
    </message>
    <message>
        <source>作成できないフォルダー名があります！</source>
        <translation>Some folder names cannot be made!</translation>
    </message>
    <message>
        <source>作成先のフォルダーが決まっていません: %1</source>
        <translation>No folder to make them in: %1</translation>
    </message>
    <message>
        <source>%1: フォルダーではありません</source>
        <translation>%1: not a folder</translation>
    </message>
    <message>
        <source>一覧のファイル名（開いているフォルダーに保存します）:</source>
        <translation>List file name (saved in the open folder):</translation>
    </message>
    <message>
        <source>一覧として保存</source>
        <translation>Save as List</translation>
    </message>
    <message>
        <source>一覧.txt</source>
        <translation>list.txt</translation>
    </message>
    <message>
        <source>ファイル名が正しくありません: %1</source>
        <translation>Not a valid file name: %1</translation>
    </message>
    <message>
        <source>「%1」は既にあります。上書きしますか？</source>
        <translation>&apos;%1&apos; already exists. Replace it?</translation>
    </message>
    <message>
        <source>作成しました: </source>
        <translation>Made: </translation>
    </message>
    <message>
        <source>%1行目と同じフォルダーです（作成済み）</source>
        <translation>Same folder as line %1 (made)</translation>
    </message>
    <message>
        <source>作成できませんでした: %1</source>
        <translation>Could not be made: %1</translation>
    </message>
    <message>
        <source>途中で止まったため作成していません</source>
        <translation>Not made: stopped before it</translation>
    </message>
    <message>
        <source>%1: フォルダーではないもの（リンクやファイル）になっているため中止しました</source>
        <translation>%1: stopped, as it is no longer a folder (a link or a file)</translation>
    </message>
    <message>
        <source>%1: 作成中に移動されたか置き換わったため中止しました</source>
        <translation>%1: stopped, as it was moved or replaced while folders were made</translation>
    </message>
    <message>
        <source>作成先: %1
作成したフォルダー: %2 個（ほかに親ディレクトリ）
既にあったフォルダー: %3 個</source>
        <translation>In: %1
Folders made: %2 (and the parent)
Already there: %3</translation>
    </message>
    <message>
        <source>作成先: %1（既存のフォルダーに追加）
作成したフォルダー: %2 個
既にあったフォルダー: %3 個</source>
        <translation>In: %1 (filled in)
Folders made: %2
Already there: %3</translation>
    </message>
    <message>
        <source>作成先: %1
%2</source>
        <translation>In: %1
%2</translation>
    </message>
    <message>
        <source>ダブルクリックで開きます。Ctrl+Z で取り消せます。</source>
        <translation>Double-click to open. Ctrl+Z undoes it.</translation>
    </message>
    <message>
        <source>%1: 新規 %2／既存 %3</source>
        <translation>%1: %2 new, %3 existing</translation>
    </message>
    <message>
        <source>%1（既存のフォルダー）: 新規 %2／既存 %3</source>
        <translation>%1 (existing folder): %2 new, %3 existing</translation>
    </message>
    <message>
        <source>作成の取り消し</source>
        <translation>Undo Creation</translation>
    </message>
    <message numerus="yes">
        <source>作成したフォルダー %n 個を削除しますか？</source>
        <translation>
            <numerusform>Remove the %n folder made?</numerusform>
            <numerusform>Remove the %n folders made?</numerusform>
        </translation>
    </message>
    <message>
        <source>リストファイルが作成のあとで変更されたか、見つかりません。もう一度選んでください。
%1</source>
        <translation>The list file has changed since, or is gone. Choose it again.
%1</translation>
    </message>
    <message>
        <source>親ディレクトリ（これも削除します）: %1</source>
        <translation>Parent folder (removed too): %1</translation>
    </message>
    <message>
        <source>親ディレクトリ（削除しません）: %1</source>
        <translation>Parent folder (kept): %1</translation>
    </message>
    <message numerus="yes">
        <source>作成したフォルダー %n 個を削除しました。</source>
        <translation>
            <numerusform>Removed the %n folder made.</numerusform>
            <numerusform>Removed the %n folders made.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>作成したフォルダー %n 個と親ディレクトリを削除しました。</source>
        <translation>
            <numerusform>Removed the %n folder made and the parent folder.</numerusform>
            <numerusform>Removed the %n folders made and the parent folder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>作成したフォルダー %n 個と親ディレクトリ %1 個を削除しました。</source>
        <extracomment>The folders removed, then the parent folders removed (two or more).</extracomment>
        <translation>
            <numerusform>Removed the %n folder made and %1 parent folders.</numerusform>
            <numerusform>Removed the %n folders made and %1 parent folders.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>親ディレクトリ %1 個（作成した %n 個はこれも削除します）: %2</source>
        <extracomment>The parent folders (two or more), how many of them the press made, then the folder they are in.</extracomment>
        <translation>
            <numerusform>%1 parent folders (the %n made is removed too): %2</numerusform>
            <numerusform>%1 parent folders (the %n made are removed too): %2</numerusform>
        </translation>
    </message>
    <message>
        <source>削除しなかったフォルダー（%1 個）:</source>
        <translation>Folders kept (%1):</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>削除できなかったフォルダー（%1 個）:</source>
        <translation>Folders not removed (%1):</translation>
    </message>
    <message>
        <source>%1: %2（エラー %3）</source>
        <translation>%1: %2 (error %3)</translation>
    </message>
    <message>
        <source>ほか%1件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>中身があるため</source>
        <translation>not empty</translation>
    </message>
    <message>
        <source>削除しなかったフォルダーを含むため</source>
        <translation>holds a folder kept</translation>
    </message>
    <message>
        <source>別のフォルダーに置き換わっているため</source>
        <translation>replaced by another folder</translation>
    </message>
    <message>
        <source>見つからないため</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>フォルダーを作成しています: %1／%2 個</source>
        <translation>Making folders: %1 of %2</translation>
    </message>
</context>
</TS>
