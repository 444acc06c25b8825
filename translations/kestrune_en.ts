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
    <message>
        <source>棚の一覧が %1 秒以内に応答しません: %2</source>
        <translation>The shelf&apos;s list did not answer within %1 seconds: %2</translation>
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
