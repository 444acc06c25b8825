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
</context>
</TS>
