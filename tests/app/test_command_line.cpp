#include "era_table.h"
#include "fake_folders.h"
#include "headless_creation.h"
#include "japanese_script.h"
#include "line_status.h"
#include "mounted_volumes.h"
#include "posix_list_reader.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <utility>

using namespace kestrune;
using namespace kestrune::test;

namespace {

// Every folder below `root`, relative to it, sorted.
QStringList foldersBelow(const QString& root)
{
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders.append(QDir(root).relativeFilePath(it.next()));
    folders.sort();
    return folders;
}

QString readAll(std::FILE* stream)
{
    std::rewind(stream);
    QByteArray bytes;
    char block[4096];
    while (const std::size_t got = std::fread(block, 1, sizeof block, stream))
        bytes.append(block, static_cast<qsizetype>(got));
    return QString::fromUtf8(bytes);
}

// Writes a settings file holding `shelves` (name, path, name, path, ...) as
// QSettings would, to `folder`/Kestrune/Kestrune.conf.
void writeShelves(const QString& folder, const QStringList& shelves)
{
    QByteArray text = "[shelves]\n";
    for (qsizetype at = 0; at + 1 < shelves.size(); at += 2) {
        const QByteArray number = QByteArray::number(at / 2 + 1);
        text += number + "\\name=" + shelves.at(at).toUtf8() + '\n';
        text += number + "\\path=" + shelves.at(at + 1).toUtf8() + '\n';
    }
    text += "size=" + QByteArray::number(shelves.size() / 2) + '\n';
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/Kestrune")));
    writeFile(folder + QStringLiteral("/Kestrune"), QStringLiteral("Kestrune.conf"), text);
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // The contract, against the real program with no display at all: the
    // arguments (TEMP, LIST and INTO stand for a scratch folder, the list in
    // it and an empty folder in it; TABLE for a file in it that holds what
    // would go to standard input), the list, standard input (or a shell
    // redirection of the standard streams) and folders there before ("file
    // PATH" a file); then the exit status, standard output (a final "…"
    // makes it a prefix), a piece of standard error ("" for none) and every
    // folder in the scratch folder afterwards.
    void contract_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QByteArray>("input");  // "<&-" closes it, ">/dev/full" fills the output
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errorHas");
        QTest::addColumn<QStringList>("after");

        const QString preset = QStringLiteral("新規ディレクトリ");
        const QStringList untouched{QStringLiteral("into")};
        const QString refusal = QStringLiteral("作成できないフォルダー名があります！");
        const auto args = [](std::initializer_list<const char*> items) {
            QStringList out;
            for (const char* item : items)
                out.append(QString::fromUtf8(item));
            return out;
        };

        QTest::newRow("made beside the list")
            << args({"--create", "LIST"}) << QByteArray("資料\r\n写真/控え\r\n\r\n資料\r\n") << QByteArray()
            << QStringList() << 0 << QStringLiteral("TEMP/%1\n").arg(preset) << QString()
            << QStringList{QStringLiteral("into"), preset, preset + QStringLiteral("/写真"),
                           preset + QStringLiteral("/写真/控え"), preset + QStringLiteral("/資料")};
        QTest::newRow("taken parent gains #")
            << args({"--create", "LIST", "--parent", " P "}) << QByteArray("a\n") << QByteArray()
            << QStringList{QStringLiteral("P")} << 0 << QStringLiteral("TEMP/P#\n") << QString()
            << QStringList{QStringLiteral("P"), QStringLiteral("P#"), QStringLiteral("P#/a"), QStringLiteral("into")};
        QTest::newRow("Shift_JIS list, = values, --into")
            << args({"--create=LIST", "--parent=2026", "--into", "INTO"}) << QByteArray::fromHex("8ca990cf8f910d0a")
            << QByteArray() << QStringList() << 0 << QStringLiteral("TEMP/into/2026\n") << QString()
            << QStringList{QStringLiteral("into"), QStringLiteral("into/2026"), QStringLiteral("into/2026/見積書")};
        QTest::newRow("standard input") << args({"--create", "-", "--into", "INTO"}) << QByteArray()
                                        << QByteArray("a\nb/c") << QStringList() << 0
                                        << QStringLiteral("TEMP/into/%1\n").arg(preset) << QString()
                                        << QStringList{QStringLiteral("into"), QStringLiteral("into/") + preset,
                                                       QStringLiteral("into/%1/a").arg(preset),
                                                       QStringLiteral("into/%1/b").arg(preset),
                                                       QStringLiteral("into/%1/b/c").arg(preset)};
        QTest::newRow("shortened options, dry run")
            << args({"--cr", "LIST", "--dry"}) << QByteArray("a\n\na\ncon\n") << QByteArray() << QStringList() << 0
            << QStringLiteral("1\tok\ta\n2\tblank\t\n3\trepeat\ta\t1行目と同じフォルダーです\n"
                              "4\tunsafe\tcon\tWindows の予約名です\n")
            << QString() << untouched;
        QTest::newRow("dry run with a refused line")
            << args({"--create", "LIST", "--dry-run"}) << QByteArray("a\n../b\n") << QByteArray() << QStringList() << 1
            << QStringLiteral("1\tok\ta\n2\trefused\t「..」は使えません\n") << refusal << untouched;
        QTest::newRow("refused lines make nothing")
            << args({"--create", "LIST"}) << QByteArray("a\nb\x01\n") << QByteArray() << QStringList() << 1 << QString()
            << QStringLiteral("2行目: b␁（制御文字があります）") << untouched;
        QTest::newRow("parent name that is no name")
            << args({"--create", "LIST", "--parent", "a/b"}) << QByteArray("a\n") << QByteArray() << QStringList() << 2
            << QString() << QStringLiteral("親ディレクトリ名が正しくありません！") << untouched;
        QTest::newRow("missing list") << args({"--create", "TEMP/none.txt"}) << QByteArray() << QByteArray()
                                      << QStringList() << 2 << QString() << QStringLiteral("エラー番号 53")
                                      << untouched;
        QTest::newRow("1001 lines") << args({"--create", "LIST"}) << numberedLines(1001) << QByteArray()
                                    << QStringList() << 2 << QString() << QStringLiteral("エラー番号 6") << untouched;
        QTest::newRow("standard input closed")
            << args({"--create", "-", "--into", "INTO"}) << QByteArray() << QByteArray("<&-") << QStringList() << 2
            << QString() << QStringLiteral("標準入力が閉じられています") << untouched;
        QTest::newRow("output on a full disk")
            << args({"--create", "LIST"}) << QByteArray("a\n") << QByteArray(">/dev/full") << QStringList() << 3
            << QString() << QStringLiteral("作成したフォルダーはそのまま残っています")
            << QStringList{QStringLiteral("into"), preset, preset + QStringLiteral("/a")};
        QTest::newRow("dry run on a full disk")
            << args({"--create", "LIST", "--dry-run"}) << QByteArray("a\n") << QByteArray(">/dev/full") << QStringList()
            << 3 << QString() << QStringLiteral("標準出力に書き込めませんでした\n") << untouched;
        QTest::newRow("--into no folder")
            << args({"--create", "LIST", "--into", "TEMP/none"}) << QByteArray("a\n") << QByteArray() << QStringList()
            << 2 << QString() << QStringLiteral("フォルダーではありません") << untouched;
        QTest::newRow("parent cannot be made")
            << args({"--create", "LIST", "--into", "/proc"}) << QByteArray("a\n") << QByteArray() << QStringList() << 3
            << QString() << QStringLiteral("/proc/%1: ").arg(preset) << untouched;
        QTest::newRow("standard input needs --into")
            << args({"--create", "-"}) << QByteArray() << QByteArray("a\n") << QStringList() << 2 << QString()
            << QStringLiteral("--into が必要です") << untouched;
        QTest::newRow("value missing") << args({"--create"}) << QByteArray() << QByteArray() << QStringList() << 2
                                       << QString() << QStringLiteral("--create には値が必要です") << untouched;
        QTest::newRow("unknown option") << args({"--create", "LIST", "--bogus"}) << QByteArray("a\n") << QByteArray()
                                        << QStringList() << 2 << QString()
                                        << QStringLiteral("不明なオプションです: --bogus\n詳しくは") << untouched;
        QTest::newRow("ambiguous shortening")
            << args({"--create", "LIST", "--d"}) << QByteArray("a\n") << QByteArray() << QStringList() << 2 << QString()
            << QStringLiteral("--d はあいまいです") << untouched;
        QTest::newRow("a value is no option")
            << args({"--create", "LIST", "--parent", "--lit"}) << QByteArray("a\n") << QByteArray() << QStringList()
            << 0 << QStringLiteral("TEMP/--lit\n") << QString()
            << QStringList{QStringLiteral("--lit"), QStringLiteral("--lit/a"), QStringLiteral("into")};
        QTest::newRow("flag given a value")
            << args({"--create", "LIST", "--dry-run=yes"}) << QByteArray("a\n") << QByteArray() << QStringList() << 2
            << QString() << QStringLiteral("--dry-run は値をとりません") << untouched;
        QTest::newRow("option without --create")
            << args({"--parent", "P", "LIST"}) << QByteArray("a\n") << QByteArray() << QStringList() << 2 << QString()
            << QStringLiteral("--parent は --create と") << untouched;
        QTest::newRow("-- ends the options")
            << args({"--create", "LIST", "--", "--dry-run"}) << QByteArray("a\n") << QByteArray() << QStringList() << 2
            << QString() << QStringLiteral("余分な引数があります: --dry-run") << untouched;
        QTest::newRow("notation: date, values, unknown group")
            << args({"--create", "LIST", "--dry-run", "--date", "2019-04-30", "--set", "顧客=A社"})
            << QByteArray("{ggge}/{?顧客}\n{x}\n") << QByteArray() << QStringList() << 0
            << QStringLiteral("1\tok\t平成31/A社\n2\tnotation\t{x}\t記法? 当てはまらない { } はそのまま使います\n")
            << QString() << untouched;
        QTest::newRow("notation made") << args({"--create", "LIST", "--parent", "{yy}年", "--date", "2026-04-01"})
                                       << QByteArray("{1..2}月\n") << QByteArray() << QStringList() << 0
                                       << QStringLiteral("TEMP/26年\n") << QString()
                                       << QStringList{QStringLiteral("26年"), QStringLiteral("26年/1月"),
                                                      QStringLiteral("26年/2月"), QStringLiteral("into")};
        QTest::newRow("--literal") << args({"--create", "LIST", "--literal", "--dry-run"}) << QByteArray("{1..2}\n")
                                   << QByteArray() << QStringList() << 0 << QStringLiteral("1\tok\t{1..2}\n")
                                   << QString() << untouched;
        QTest::newRow("a value not given")
            << args({"--create", "LIST", "--set", "x=1"}) << QByteArray("{?顧客}\n") << QByteArray() << QStringList()
            << 2 << QString() << QStringLiteral("値が指定されていません: 顧客") << untouched;
        QTest::newRow("a date that is none")
            << args({"--create", "LIST", "--date", "2026-02-30"}) << QByteArray("a\n") << QByteArray() << QStringList()
            << 2 << QString() << QStringLiteral("日付が正しくありません") << untouched;
        QTest::newRow("--existing fills the parent in")
            << args({"--create", "LIST", "--parent", "P", "--existing"}) << QByteArray("a\nb\n") << QByteArray()
            << QStringList{QStringLiteral("P"), QStringLiteral("P/a")} << 0 << QStringLiteral("TEMP/P\n") << QString()
            << QStringList{QStringLiteral("P"), QStringLiteral("P/a"), QStringLiteral("P/b"), QStringLiteral("into")};
        QTest::newRow("--existing, dry run")
            << args({"--create", "LIST", "--parent", "P", "--existing", "--dry-run"}) << QByteArray("a\nb\n")
            << QByteArray() << QStringList{QStringLiteral("P"), QStringLiteral("P/a")} << 0
            << QStringLiteral("1\texists\ta\n2\tok\tb\n") << QString()
            << QStringList{QStringLiteral("P"), QStringLiteral("P/a"), QStringLiteral("into")};
        QTest::newRow("several parents, dry run")
            << args({"--create", "LIST", "--parent", "{A,B}", "--dry-run"}) << QByteArray("x\n") << QByteArray()
            << QStringList() << 0 << QStringLiteral("1\tok\tTEMP/A/x\n1\tok\tTEMP/B/x\n") << QString() << untouched;
        const QStringList templated{QStringLiteral("list.ひな形"), QStringLiteral("list.ひな形/見積"),
                                    QStringLiteral("file list.ひな形/送付状.docx"),
                                    QStringLiteral("file list.ひな形/見積/見積書.xlsx"),
                                    QStringLiteral("file list.ひな形/見積/~$見積書.xlsx")};
        const QStringList templateFolders{QStringLiteral("into"), QStringLiteral("list.ひな形"),
                                          QStringLiteral("list.ひな形/見積")};
        QTest::newRow("template files, dry run")
            << args({"--create", "LIST", "--dry-run"}) << QByteArray("見積\nb\n") << QByteArray() << templated << 0
            << QStringLiteral("1\tok\t見積\n2\tok\tb\n-\tfile\t送付状.docx\n"
                              "1\tskipped\t見積/~$見積書.xlsx\tOffice のロックファイル\n"
                              "1\tfile\t見積/見積書.xlsx\n")
            << QString() << templateFolders;
        QTest::newRow("template files with --values: each row's parent its own")
            << args({"--create", "LIST", "--values", "TABLE", "--parent", "{?顧客名}", "--dry-run"})
            << QByteArray("見積\n") << QByteArray("顧客名\nA社\nB社\n") << templated << 0
            << QStringLiteral("1\tok\tTEMP/A社/見積\n1\tok\tTEMP/B社/見積\n-\tfile\tTEMP/A社/送付状.docx\n"
                              "1\tskipped\tTEMP/A社/見積/~$見積書.xlsx\tOffice のロックファイル\n"
                              "1\tfile\tTEMP/A社/見積/見積書.xlsx\n-\tfile\tTEMP/B社/送付状.docx\n"
                              "1\tskipped\tTEMP/B社/見積/~$見積書.xlsx\tOffice のロックファイル\n"
                              "1\tfile\tTEMP/B社/見積/見積書.xlsx\n")
            << QString() << templateFolders;
        QTest::newRow("--no-template") << args({"--create", "LIST", "--dry-run", "--no-template"})
                                       << QByteArray("見積\n") << QByteArray() << templated << 0
                                       << QStringLiteral("1\tok\t見積\n") << QString() << templateFolders;
        QTest::newRow("--template copies as the button does")
            << args({"--create", "LIST", "--template", "TEMP/t"}) << QByteArray("x\n") << QByteArray()
            << QStringList{QStringLiteral("t"), QStringLiteral("t/x"), QStringLiteral("t/x/sub")} << 0
            << QStringLiteral("TEMP/%1\n").arg(preset) << QString()
            << QStringList{QStringLiteral("into"),
                           QStringLiteral("t"),
                           QStringLiteral("t/x"),
                           QStringLiteral("t/x/sub"),
                           preset,
                           preset + QStringLiteral("/x"),
                           preset + QStringLiteral("/x/sub")};
        QTest::newRow("--template that is not there")
            << args({"--create", "LIST", "--template", "TEMP/none"}) << QByteArray("x\n") << QByteArray()
            << QStringList() << 2 << QString() << QStringLiteral("none") << untouched;
        QTest::newRow("--template with --no-template")
            << args({"--create", "LIST", "--template", "TEMP", "--no-template"}) << QByteArray("x\n") << QByteArray()
            << QStringList() << 2 << QString() << QStringLiteral("--no-template") << untouched;
        const QByteArray clients("顧客コード,顧客名\r\nC1,A社\r\nC2,B社\r\n");
        QTest::newRow("--values: a tree per row, each in its own parent")
            << args({"--create", "LIST", "--values", "TABLE", "--parent", "{?顧客コード}_{?顧客名}"})
            << QByteArray("見積\n請求\n") << clients << QStringList() << 0
            << QStringLiteral("TEMP/C1_A社\nTEMP/C2_B社\n") << QString()
            << QStringList{QStringLiteral("C1_A社"), QStringLiteral("C1_A社/見積"), QStringLiteral("C1_A社/請求"),
                           QStringLiteral("C2_B社"), QStringLiteral("C2_B社/見積"), QStringLiteral("C2_B社/請求"),
                           QStringLiteral("into")};
        QTest::newRow("--values from standard input, --set for the rest, dry run")
            << args({"--create", "LIST", "--values", "-", "--set", "期=上期", "--dry-run"})
            << QByteArray("{?顧客名}/{?期}\n共通\n") << QByteArray("顧客名\t担当\nA社\t田中\nB社\t佐藤\n")
            << QStringList() << 0
            << QStringLiteral("1\tok\tA社/上期\n2\tok\t共通\n1\tok\tB社/上期\n"
                              "2\trepeat\t共通\t2行目と同じフォルダーです\n")
            << QString() << untouched;
        QTest::newRow("--values: the list and the table not both on standard input")
            << args({"--create", "-", "--into", "INTO", "--values", "-"}) << QByteArray() << QByteArray("a\n")
            << QStringList() << 2 << QString() << QStringLiteral("両方を標準入力から") << untouched;
        QTest::newRow("--values: a field with neither a column nor --set")
            << args({"--create", "LIST", "--values", "TABLE"}) << QByteArray("{?顧客名}/{?担当}\n") << clients
            << QStringList() << 2 << QString() << QStringLiteral("値が指定されていません: 担当") << untouched;
        QTest::newRow("--values: --set may not override a column")
            << args({"--create", "LIST", "--values", "TABLE", "--set", "顧客名=X社"}) << QByteArray("{?顧客名}\n")
            << clients << QStringList() << 2 << QString() << QStringLiteral("--set 顧客名 は") << untouched;
        QTest::newRow("--values: a row of the wrong width")
            << args({"--create", "LIST", "--values", "TABLE"}) << QByteArray("{?顧客名}\n")
            << QByteArray("顧客名,担当\nA社,田中\nB社\n") << QStringList() << 2 << QString()
            << QStringLiteral("3行目: セルが 1 個あります") << untouched;
        QTest::newRow("--values: a value that adds a level")
            << args({"--create", "LIST", "--values", "TABLE"}) << QByteArray("{?顧客名}\n")
            << QByteArray("顧客名\nA社\nB/C\n") << QStringList() << 1 << QString()
            << QStringLiteral("3行目: B/C（「顧客名」列の値に") << untouched;
        QTest::newRow("--values: a value that adds a level to the parent")
            << args({"--create", "LIST", "--values", "TABLE", "--parent", "{?顧客名}"}) << QByteArray("見積\n")
            << QByteArray("顧客名\nA社\nB/C\n") << QStringList() << 1 << QString()
            << QStringLiteral("3行目: B/C（「顧客名」列の値に") << untouched;
        QTest::newRow("--history alone") << args({"--history", "--parent", "P"}) << QByteArray() << QByteArray()
                                         << QStringList() << 2 << QString()
                                         << QStringLiteral("--history は --parent と一緒に使えません") << untouched;
        QTest::newRow("--undo needs a press") << args({"--undo"}) << QByteArray() << QByteArray() << QStringList() << 2
                                              << QString() << QStringLiteral("--undo には値が必要です") << untouched;
        QTest::newRow("--undo of no press")
            << args({"--undo", "12"}) << QByteArray() << QByteArray() << QStringList() << 2 << QString()
            << QStringLiteral("作成履歴にない番号です: 12") << untouched;
        QTest::newRow("-h") << args({"-h"}) << QByteArray() << QByteArray() << QStringList() << 0
                            << QStringLiteral("使い方: kestrune [PATH]\n…") << QString() << untouched;
        QTest::newRow("help") << args({"--help"}) << QByteArray() << QByteArray() << QStringList() << 0
                              << QStringLiteral("使い方: kestrune [PATH]\n…") << QString() << untouched;
        QTest::newRow("help whatever follows")
            << args({"--help", "--bogus"}) << QByteArray() << QByteArray() << QStringList() << 0
            << QStringLiteral("使い方: kestrune [PATH]\n…") << QString() << untouched;
        QTest::newRow("version") << args({"--version"}) << QByteArray() << QByteArray() << QStringList() << 0
                                 << QStringLiteral("kestrune 0.03\n") << QString() << untouched;
    }

    void contract()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, list);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, before);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errorHas);
        QFETCH(QStringList, after);

        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString temp = QDir(scratch.path()).canonicalPath();
        QVERIFY(QDir(temp).mkdir(QStringLiteral("into")));
        for (const QString& folder : before) {
            if (folder.startsWith(QStringLiteral("file ")))
                writeFile(temp, folder.mid(5), "x");
            else
                QVERIFY(QDir(temp).mkdir(folder));
        }
        const QString listPath = writeFile(temp, QStringLiteral("list.txt"), list);
        if (arguments.contains(QStringLiteral("TABLE"))) {
            arguments.replaceInStrings(QStringLiteral("TABLE"),
                                       writeFile(temp, QStringLiteral("表.csv"), std::exchange(input, {})));
        }
        for (QString& argument : arguments) {
            argument.replace(QStringLiteral("LIST"), listPath);
            argument.replace(QStringLiteral("INTO"), temp + QStringLiteral("/into"));
            argument.replace(QStringLiteral("TEMP"), temp);
        }

        // No display of any kind; and any plugin Qt loaded would tell on standard error.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        // The history of its presses in a data folder of its own.
        const QTemporaryDir data;
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        // No language chosen in the person's own settings: the words are Japanese.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp + QStringLiteral("/no-settings"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(temp);
        if (input.startsWith('<') || input.startsWith('>')) {
            // The shell redirects, then becomes the program.
            program.start(QStringLiteral("/bin/sh"),
                          QStringList{QStringLiteral("-c"),
                                      QStringLiteral("exec \"$0\" \"$@\" ") + QString::fromLatin1(input),
                                      QStringLiteral(KESTRUNE_BINARY)} +
                              arguments);
            input.clear();
        } else {
            program.start(QStringLiteral(KESTRUNE_BINARY), arguments);
        }
        QVERIFY(program.waitForStarted());
        program.write(input);
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(30000));

        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == status,
                 qPrintable(QStringLiteral("exit %1: %2").arg(program.exitCode()).arg(err)));
        output.replace(QStringLiteral("TEMP"), temp);
        if (output.endsWith(u'…'))
            QVERIFY2(out.startsWith(output.chopped(1)), qPrintable(out));
        else
            QCOMPARE(out, output);
        if (errorHas.isEmpty())
            QCOMPARE(err, QString());
        else
            QVERIFY2(err.contains(errorHas), qPrintable(err));
        QCOMPARE(foldersBelow(temp), after);
    }

    // Shelves come from the administrator's settings (XDG_CONFIG_DIRS) and
    // the person's own (XDG_CONFIG_HOME): --shelves lists them, and --create
    // with --shelf takes its list from one and makes the folders in --into,
    // never on the shelf. TEMP stands for a scratch folder holding the
    // shelves, and INTO for an empty folder in it.
    void shelves_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errorHas");
        QTest::addColumn<QStringList>("into");  // what INTO holds afterwards
        const QString preset = QStringLiteral("新規ディレクトリ");
        const auto args = [](const char* line) { return QString::fromUtf8(line).split(u' '); };

        QTest::newRow("--shelves") << args("--shelves") << 2
                                   << QStringLiteral("事務所\t月次.txt\tTEMP/shelf/月次.txt\n"
                                                     "自分\ta.txt\tTEMP/own/a.txt\n")
                                   << QStringLiteral("棚「消えた」を読めません") << QStringList();
        QTest::newRow("made in --into") << args("--create 月次.txt --shelf 事務所 --into INTO") << 0
                                        << QStringLiteral("TEMP/into/%1\n").arg(preset) << QString()
                                        << QStringList{preset + u'/', preset + QStringLiteral("/見積/"),
                                                       preset + QStringLiteral("/請求/")};
        QTest::newRow("no such list") << args("--create 無い.txt --shelf 事務所 --into INTO") << 2 << QString()
                                      << QStringLiteral("エラー番号 53") << QStringList();
        QTest::newRow("no such shelf") << args("--create 月次.txt --shelf 他 --into INTO") << 2 << QString()
                                       << QStringLiteral("棚「他」は設定にありません") << QStringList();
        QTest::newRow("--into required") << args("--create 月次.txt --shelf 事務所") << 2 << QString()
                                         << QStringLiteral("--into が必要です") << QStringList();
        QTest::newRow("a file name only") << args("--create ../月次.txt --shelf 事務所 --into INTO") << 2 << QString()
                                          << QStringLiteral("ファイル名です: ../月次.txt") << QStringList();
    }
    void shelves()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errorHas);
        QFETCH(QStringList, into);

        QTemporaryDir scratch;
        const QString temp = QDir(scratch.path()).canonicalPath();
        for (const char* folder : {"into", "shelf", "own"})
            QVERIFY(QDir(temp).mkdir(QString::fromLatin1(folder)));
        writeFile(temp + QStringLiteral("/shelf"), QStringLiteral("月次.txt"), "見積\r\n請求\r\n");
        writeFile(temp + QStringLiteral("/own"), QStringLiteral("a.txt"), "a\n");
        writeShelves(temp + QStringLiteral("/system"), {QStringLiteral("事務所"), temp + QStringLiteral("/shelf")});
        writeShelves(temp + QStringLiteral("/user"), {QStringLiteral("自分"), temp + QStringLiteral("/own"),
                                                      QStringLiteral("消えた"), temp + QStringLiteral("/gone")});
        for (QString& argument : arguments)
            argument.replace(QStringLiteral("INTO"), temp + QStringLiteral("/into"));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), temp + QStringLiteral("/system"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp + QStringLiteral("/user"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KESTRUNE_BINARY), arguments);
        QVERIFY(program.waitForFinished(30000));
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(program.exitCode() == status,
                 qPrintable(QStringLiteral("exit %1: %2").arg(program.exitCode()).arg(err)));
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), output.replace(QStringLiteral("TEMP"), temp));
        if (errorHas.isEmpty())
            QCOMPARE(err, QString());
        else
            QVERIFY2(err.contains(errorHas), qPrintable(err));
        QCOMPARE(entriesBelow(temp + QStringLiteral("/into")), into);
        QCOMPARE(entriesBelow(temp + QStringLiteral("/shelf")), QStringList{QStringLiteral("月次.txt")});
    }

    // A failure half-way cannot be had from a real disk on demand: the
    // folder maker fails at its third folder instead.
    // --help names exactly the words a dry run can print.
    void helpNamesEveryDryRunStatus()
    {
        QProcess program;
        program.start(QStringLiteral(KESTRUNE_BINARY), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished());
        const QString help = QString::fromUtf8(program.readAllStandardOutput());
        const qsizetype at = help.indexOf(QStringLiteral("状態: "));
        QVERIFY(at >= 0);
        const QString named = help.mid(at + 4, help.indexOf(u'\n', at) - at - 4);
        QStringList printed;
        for (const StatusTraits& status : statusTable()) {
            if (status.dryRunField != DryRunField::Never)
                printed.append(status.word.toString());
        }
        QCOMPARE(named.split(QStringLiteral(", ")), printed);
    }

    // Under English every word the command line prints is English: the help,
    // usage errors, the dry run's notes, refusals, the host's errors. Only the
    // notation keeps its names, which the help must show.
    void speaksEnglish_data()
    {
        QTest::addColumn<QStringList>("arguments");  // TEMP stands for a scratch folder
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("shows");

        QStringList notationNames{QStringLiteral("年度")};
        for (const Era& era : eras)
            notationNames.append(QString::fromUtf16(era.name));
        const QString temp = QStringLiteral("TEMP");
        const QStringList intoTemp{QStringLiteral("--create"), QStringLiteral("-"), QStringLiteral("--into"), temp};

        // The template folder's suffix is a name on disk, the same in every language.
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << QByteArray() << 0
                              << notationNames + QStringList{texts::templateFolderSuffix};
        QTest::newRow("usage error") << QStringList{QStringLiteral("--create"), QStringLiteral("-")} << QByteArray()
                                     << 2 << QStringList();
        QTest::newRow("dry run notes") << intoTemp + QStringList{QStringLiteral("--dry-run")}
                                       << QByteArray("a\na\nCON\n{x}\n") << 0 << QStringList();
        QTest::newRow("refused lines") << intoTemp << QByteArray("a/../b\nc\001d\n") << 1 << QStringList();
        QTest::newRow("value not given") << intoTemp << QByteArray("{?client}\n") << 2 << QStringList();
        QTest::newRow("list is a folder")
            << QStringList{QStringLiteral("--create"), temp} << QByteArray() << 2 << QStringList();
    }

    void speaksEnglish()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QStringList, shows);

        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        arguments.replaceInStrings(QStringLiteral("TEMP"), scratch.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KESTRUNE_LANGUAGE"), QStringLiteral("en"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KESTRUNE_BINARY), arguments);
        QVERIFY(program.waitForStarted());
        program.write(input);
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished());
        QString words = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        QVERIFY2(program.exitCode() == status, qPrintable(words));
        for (const QString& name : shows) {
            QVERIFY2(words.contains(name), qPrintable(name));
            words.remove(name);
        }
        QVERIFY2(!words.isEmpty() && !test::hasJapanese(words), qPrintable(words));
    }

    void failureHalfWayListsWhatStays()
    {
        QTemporaryDir scratch;
        const QString temp = QDir(scratch.path()).canonicalPath();
        const QString listPath = writeFile(temp, QStringLiteral("list.txt"), "{a,b}\nc\n");
        PosixListReader lists;
        FakeFolders folders;
        folders.faults.failOn(QStringLiteral("makeFolder"), 3, DiskFull);
        const ProcMountTable mounts;
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
        OutputStream outStream(out.get());
        OutputStream errStream(err.get());
        CommandLine request;
        request.action = CommandLine::Action::Create;
        request.list = listPath;

        const FakeClock clock;
        TemporaryHistory history(folders, clock);
        QCOMPARE(HeadlessCreation({lists, folders, mounts, clock, history.history}, outStream, errStream).run(request),
                 3);
        QCOMPARE(readAll(out.get()), QString());
        const QString parent = temp + QStringLiteral("/新規ディレクトリ");
        // The third make is b, of line 1.
        QCOMPARE(readAll(err.get()), QStringLiteral("kestrune: 1行目のフォルダーを作れませんでした\n"
                                                    "kestrune: エラー番号 61: injected failure of makeFolder\n"
                                                    "kestrune: 作成済みのフォルダー（2個、残してあります）:\n"
                                                    "%1\n%1/a\n")
                                         .arg(parent));
        QCOMPARE(foldersBelow(temp),
                 (QStringList{QStringLiteral("新規ディレクトリ"), QStringLiteral("新規ディレクトリ/a")}));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
