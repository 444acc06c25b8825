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
        <source>%1 は %2 と一緒に使えません</source>
        <extracomment>An option that stands alone, then another given with it.</extracomment>
        <translation>%1 cannot be used with %2</translation>
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
        <source>フォルダーを作成しています: %1／%2 個</source>
        <translation>Making folders: %1 of %2</translation>
    </message>
</context>
</TS>
