#include "fake_mount_table.h"
#include "line_preview.h"
#include "workflow_texts.h"

#include <QTest>

using namespace kestrune;

namespace {

// "/home/user/docs/新規ディレクトリ/" is 41 bytes; Windows would name it
// "X:\home\user\docs\新規ディレクトリ\", 27 characters.
const QString baseFolder = QStringLiteral("/home/user/docs");
const VolumePlace onRoot{false, 18};
const VolumePlace onWindowsRoot{true, 18};

// `count` levels of `size` letters each, joined by "/".
QString levels(int count, int size)
{
    QStringList parts;
    for (int index = 0; index < count; ++index)
        parts.append(QString(size, u'a'));
    return parts.join(u'/');
}

void row(const char* name, const QStringList& lines, bool windows, LineStatus status, const QString& detail,
         int sameAs = 0)
{
    QTest::newRow(name) << lines << windows << status << detail << sameAs;
}

}  // namespace

class LinePreviewTest : public QObject {
    Q_OBJECT

private slots:
    // The last of `lines` is checked; `detail` is its folder (ok, repeat) or
    // its reason (refused, unsafe).
    void eachLineGetsOneStatus_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<LineStatus>("status");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("sameAs");
        using enum LineStatus;
        const QString nameBytes = texts::reasonNameTooLong.arg(255);
        const QString pathBytes = texts::reasonPathTooLong.arg(4095);
        const QString windowsPath = texts::reasonWindowsPathTooLong.arg(248);

        row("empty", {""}, false, Blank, "");
        row("only separators and dots", {"/.\\./"}, false, Blank, "");
        row("both separators fold", {"納品書\\控え/"}, false, Ok, "納品書/控え");
        row("ideographic space at the end", {"見積書　"}, true, Ok, "見積書　");
        row("not a device name", {"CONSOLE"}, true, Ok, "CONSOLE");

        row("same folder written otherwise", {"a/b", "x", "a\\\\b\\"}, false, Repeat, "a/b", 1);
        row("same folder written first otherwise", {"./a//.\\b", "a/b"}, false, Repeat, "a/b", 1);
        row("kana and its sound mark composed", {QStringLiteral("カ\u3099")}, false, Ok, QStringLiteral("ガ"));
        row("accent composed", {QStringLiteral("e\u0301")}, false, Ok, QStringLiteral("\u00E9"));
        row("decomposed twin repeats", {QStringLiteral("x/ガ"), QStringLiteral("x\\カ\u3099")}, false, Repeat,
            QStringLiteral("x/ガ"), 1);
        row("decomposed twin repeats on Windows", {QStringLiteral("Ｘ/ガ"), QStringLiteral("ｘ\\カ\u3099")}, true,
            Repeat, QStringLiteral("ｘ/ガ"), 1);
        row("letter case differs", {"Abc", "abc"}, false, Ok, "abc");
        row("letter case differs on Windows", {"Abc", "abc"}, true, Repeat, "abc", 1);
        row("refused never repeats", {"a\tb", "a\tb"}, false, Refused, texts::reasonControlCharacter);
        QStringList many;
        for (int line = 1; line <= 300; ++line)
            many.append(QString::number(line));
        row("repeat far back in a long list", many + QStringList{"7"}, false, Repeat, "7", 7);
        row("no repeat in a long list", many + QStringList{"0"}, false, Ok, "0");

        row("up a level", {"x/../y"}, false, Refused, texts::reasonLeavesParent);
        row("up a level before a Windows fault", {"a:b/.."}, false, Refused, texts::reasonLeavesParent);
        row("C1 control", {QStringLiteral("a\u0085b")}, false, Refused, texts::reasonControlCharacter);
        row("255 bytes", {QStringLiteral("漢").repeated(85)}, false, Ok, QStringLiteral("漢").repeated(85));
        row("258 bytes", {QStringLiteral("漢").repeated(86)}, false, Refused, nameBytes);
        row("pairs count four bytes", {QStringLiteral("😀").repeated(63) + "aaa"}, false, Ok,
            QStringLiteral("😀").repeated(63) + "aaa");
        row("pairs over 255 bytes", {QStringLiteral("😀").repeated(64)}, false, Refused, nameBytes);
        row("300 bytes on Windows are 100 characters", {QStringLiteral("漢").repeated(100)}, true, Ok,
            QStringLiteral("漢").repeated(100));
        row("path at the OS limit", {levels(15, 255) + '/' + levels(1, 214)}, false, Unsafe, windowsPath);
        row("path over the OS limit", {levels(15, 255) + '/' + levels(1, 215)}, false, Refused, pathBytes);

        const struct {
            const char* name;
            QString line;
            QString reason;
        } windowsFaults[] = {
            {"device", "CON", texts::reasonWindowsReservedName},
            {"device with extension", "con.txt", texts::reasonWindowsReservedName},
            {"device, space before the dot", "Lpt9 .txt", texts::reasonWindowsReservedName},
            {"device with superscript", "COM¹", texts::reasonWindowsReservedName},
            {"colon", "a:b", texts::reasonWindowsCharacter},
            {"trailing period", "末尾.", texts::reasonWindowsTrailing},
            {"trailing space", "末尾 ", texts::reasonWindowsTrailing},
            {"path over 248", levels(1, 222), windowsPath},
        };
        for (const auto& fault : windowsFaults) {
            row(fault.name, {fault.line}, false, Unsafe, fault.reason);
            const QByteArray onWindows = QByteArray(fault.name) + " on Windows";
            row(onWindows.constData(), {fault.line}, true, Refused, fault.reason);
        }
        for (const QChar character : QStringLiteral("<>:\"|?*")) {
            const QByteArray name = "Windows refuses " + QString(character).toUtf8();
            row(name.constData(), {QStringLiteral("a%1b").arg(character)}, true, Refused,
                texts::reasonWindowsCharacter);
        }
        row("Windows takes the other ASCII", {"!#$%&'()+,;=@[]^_`{}~"}, true, Ok, "!#$%&'()+,;=@[]^_`{}~");
        row("256 characters on Windows", {levels(1, 256)}, true, Refused, texts::reasonWindowsNameTooLong.arg(255));
        row("path at 248", {levels(1, 221)}, false, Ok, levels(1, 221));
    }
    void eachLineGetsOneStatus()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, windows);
        QFETCH(LineStatus, status);
        QFETCH(QString, detail);
        QFETCH(int, sameAs);
        const QList<LinePreview> preview =
            previewLines(lines, {baseFolder, QString(), windows ? onWindowsRoot : onRoot});
        QCOMPARE(preview.size(), lines.size());
        const LinePreview& last = preview.last();
        QCOMPARE(last.status, status);
        const bool hasReason = status == LineStatus::Refused || status == LineStatus::Unsafe;
        QCOMPARE(hasReason ? last.reason : last.folder, detail);
        QCOMPARE(last.sameAsLine, sameAs);
    }

    // A line NFC changes is checked, made and marked in its composed form;
    // any other is left as written.
    void aLineIsComposedOnlyWhenNfcChangesIt_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("composed");
        QTest::newRow("kana") << QStringLiteral("カ/ガ") << QStringLiteral("カ/ガ") << false;
        QTest::newRow("Greek") << QStringLiteral("α") << QStringLiteral("α") << false;
        QTest::newRow("kana and its sound mark") << QStringLiteral("カ\u3099") << QStringLiteral("ガ") << true;
        QTest::newRow("tone marks put in order")
            << QStringLiteral("名\u302B\u302A") << QStringLiteral("名\u302A\u302B") << true;
        QTest::newRow("compatibility ideograph") << QStringLiteral("\uFA30") << QStringLiteral("\u4FAE") << true;
        // 300 bytes as written, 200 composed: checked again once composed.
        QTest::newRow("a hundred accents")
            << QStringLiteral("e\u0301").repeated(100) << QStringLiteral("\u00E9").repeated(100) << true;
    }
    void aLineIsComposedOnlyWhenNfcChangesIt()
    {
        QFETCH(QString, line);
        QFETCH(QString, folder);
        QFETCH(bool, composed);
        const LinePreview preview = previewLines({line}, {baseFolder, QString(), onRoot}).constFirst();
        QCOMPARE(preview.status, LineStatus::Ok);
        QCOMPARE(preview.folder, folder);
        QCOMPARE(preview.composed, composed);
    }

    void refusalNamesEveryRefusedLine_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("messageLines");
        QTest::addColumn<QString>("lastLine");
        const auto refusedEverySecond = [](int count) {
            QStringList lines;
            for (int index = 0; index < count; ++index)
                lines << QString::number(index) << QStringLiteral("../%1").arg(index);
            return lines;
        };
        const QString leaves = texts::reasonLeavesParent;
        QTest::newRow("none") << QStringList{"a", "b/c"} << 0 << "";
        QTest::newRow("one, controls shown") << QStringList{"a", "x\ty%1"} << 2 << "2行目: x␉y%1（制御文字があります）";
        QTest::newRow("long name cut") << QStringList{"../" + levels(1, 60)} << 2
                                       << "1行目: ../" + levels(1, 37) + "…（" + leaves + "）";
        QTest::newRow("ten") << refusedEverySecond(10) << 11 << "20行目: ../9（" + leaves + "）";
        QTest::newRow("twelve") << refusedEverySecond(12) << 12 << "ほか2行";
    }
    void refusalNamesEveryRefusedLine()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, messageLines);
        QFETCH(QString, lastLine);
        const QString message = refusalMessage(lines, previewLines(lines, {baseFolder, QString(), onRoot}));
        QCOMPARE(message.isEmpty(), messageLines == 0);
        if (message.isEmpty())
            return;
        const QStringList parts = message.split(u'\n');
        QCOMPARE(parts.size(), messageLines);
        QCOMPARE(parts.first(), texts::badFolderNames);
        QCOMPARE(parts.last(), lastLine);
    }

    // The parent name keeps a line's rules, and names one folder.
    void theParentNameIsCheckedAsALevel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<LineStatus>("status");
        QTest::addColumn<QString>("reason");
        using enum LineStatus;
        const QString notOne = texts::reasonNotOneFolder;
        QTest::newRow("plain") << "新規ディレクトリ#" << false << Ok << "";
        QTest::newRow("dot") << "." << false << Refused << notOne;
        QTest::newRow("dot dot") << ".." << false << Refused << notOne;
        QTest::newRow("nested") << "a\\b" << false << Refused << notOne;
        QTest::newRow("slash") << "a/b" << true << Refused << notOne;
        QTest::newRow("tab") << "a\tb" << false << Refused << texts::reasonControlCharacter.toString();
        QTest::newRow("C1 next line") << QStringLiteral("a\u0085") << false << Refused
                                      << texts::reasonControlCharacter.toString();
        QTest::newRow("no-break space") << QStringLiteral("a\u00A0b") << false << Ok << "";
        QTest::newRow("255 bytes") << QStringLiteral("名").repeated(85) << false << Ok << "";
        QTest::newRow("256 bytes") << QStringLiteral("名").repeated(85) + u'a' << false << Refused
                                   << texts::reasonNameTooLong.arg(255);
        QTest::newRow("256 bytes are 86 characters on Windows")
            << QStringLiteral("名").repeated(85) + u'a' << true << Ok << "";
        QTest::newRow("device") << "CON" << false << Unsafe << texts::reasonWindowsReservedName.toString();
        QTest::newRow("device on Windows") << "CON" << true << Refused << texts::reasonWindowsReservedName.toString();
        QTest::newRow("colon on Windows") << "a:b" << true << Refused << texts::reasonWindowsCharacter.toString();
        QTest::newRow("trailing period") << "見積書." << false << Unsafe << texts::reasonWindowsTrailing.toString();
        QTest::newRow("path over 248 on Windows")
            << levels(1, 231) << true << Refused << texts::reasonWindowsPathTooLong.arg(248);
    }
    void theParentNameIsCheckedAsALevel()
    {
        QFETCH(QString, name);
        QFETCH(bool, windows);
        QFETCH(LineStatus, status);
        QFETCH(QString, reason);
        const LinePreview parent = previewParentName({baseFolder, name, windows ? onWindowsRoot : onRoot});
        QCOMPARE(parent.status, status);
        QCOMPARE(parent.reason, reason);
    }

    // The file system is found where the folder really is, links followed,
    // and Windows' path is counted from that volume's root.
    void aFolderIsJudgedByTheVolumeThatHoldsIt_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<int>("windowsPathLength");
        QTest::newRow("home on the root") << "/home/u" << false << 3 + 6 + 1;
        QTest::newRow("the stick's root") << "/media/usb" << true << 3;
        QTest::newRow("on the stick") << "/media/usb/仕事/2026" << true << 3 + 7 + 1;
        QTest::newRow("a link to the stick") << "/home/u/usb/仕事" << true << 3 + 2 + 1;
        QTest::newRow("a stick's neighbour") << "/media/usb2/a" << false << 3 + 12 + 1;
        QTest::newRow("NTFS through FUSE") << "/media/disk/x" << true << 3 + 1 + 1;
        QTest::newRow("a later mount hides an earlier") << "/mnt/share/x" << false << 3 + 1 + 1;
    }
    void aFolderIsJudgedByTheVolumeThatHoldsIt()
    {
        QFETCH(QString, path);
        QFETCH(bool, windows);
        QFETCH(int, windowsPathLength);
        test::FakeMountTable mounts;
        mounts.mounts = {
            {"/", "ext4"},          {"/media/usb/", "vfat"}, {"/media/disk", "fuseblk"},
            {"/mnt/share", "cifs"}, {"/mnt/share", "ext4"},
        };
        mounts.links.insert(QStringLiteral("/home/u/usb"), QStringLiteral("/media/usb"));
        const VolumePlace place = volumePlaceOf(path, mounts);
        QCOMPARE(place.windowsFileSystem, windows);
        QCOMPARE(place.windowsPathLength, windowsPathLength);
    }
};

QTEST_GUILESS_MAIN(LinePreviewTest)
#include "test_line_preview.moc"
