#include "cp932_decoding.h"
#include "list_limits.h"
#include "posix_list_reader.h"
#include "raised_error.h"
#include "runtime_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <random>
#include <string_view>

using namespace kestrune;
using namespace kestrune::test;

namespace {

QString write(const QTemporaryDir& dir, const QByteArray& bytes, const QString& name = QStringLiteral("list.txt"))
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// `text` as UTF-16 bytes in the given byte order.
QByteArray utf16(std::u16string_view text, bool bigEndian)
{
    QByteArray bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

QStringList readAll(const QString& path)
{
    return PosixListReader().readList(path);
}

}  // namespace

class LineReaderTest : public QObject {
    Q_OBJECT

private slots:
    void linesAreSplitAtEveryKindOfLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("two final line ends") << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
        QTest::newRow("LF then CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("blank and padded lines kept") << QByteArray("A\r\n\r\n B \r\n") << QStringList{"A", "", " B "};
        QTest::newRow("only a line end") << QByteArray("\n") << QStringList{""};
        // Code page 932 (テ is 83 65): a character cut off by a line end or the
        // file's end leaves the substitute character, and the next line whole.
        QTest::newRow("code page 932 cut by LF") << QByteArray("\x83\x65\x83\ne") << QStringList{"テ\x1A", "e"};
        QTest::newRow("code page 932 cut by the end") << QByteArray("e\n\x83\x65\x83") << QStringList{"e", "テ\x1A"};
    }
    void linesAreSplitAtEveryKindOfLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        QCOMPARE(readAll(write(dir, bytes)), lines);
    }

    void crLfSplitAcrossTheReadBufferIsOneLineEnd()
    {
        // The buffer holds 64 KiB: put the CR last in it and the LF first in the next.
        // Three-byte characters keep the line within the longest name allowed.
        const QByteArray bytes = QByteArray("あ").repeated(21845) + "\r\nnext";
        QTemporaryDir dir;
        const QStringList lines = readAll(write(dir, bytes));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), QStringLiteral("あ").repeated(21845));
        QCOMPARE(lines.at(1), QStringLiteral("next"));
    }

    void encodingIsChosenPerFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("UTF-8") << QByteArray("新規\r\n資料") << QStringList{"新規", "資料"};
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                      "名前\r\nx")
                                        << QStringList{"名前", "x"};
        const QByteArray bom("\xEF\xBB\xBF");
        QTest::newRow("BOM starting a later line, as joined files leave it")
            << "a\r\n" + bom + "b" + bom << QStringList{"a", "b\uFEFF"};
        QTest::newRow("empty first line") << QByteArray("\r\n新規") << QStringList{"", "新規"};
        QTest::newRow("two BOMs and nothing else") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") << QStringList{""};
        QTest::newRow("BOM on an empty first line") << QByteArray("\xEF\xBB\xBF\r\nx") << QStringList{"", "x"};
        // Code page 932: 資料 (8E 91 97 BF), ① (87 40), Ⅱ (87 55), ㈱ (87 8A), 髙 (FB FC), 﨑 (FA B1).
        QTest::newRow("code page 932") << QByteArray("\x8E\x91\x97\xBF\r\n\x87\x40\x87\x55\x87\x8A\r\n\xFB\xFC\xFA\xB1")
                                       << QStringList{"資料", "①Ⅱ㈱", "髙﨑"};
        // é (C3 A9) is UTF-8, but the next line is not: the file is code page 932, half-width ﾃｩ first.
        QTest::newRow("UTF-8 lines before one that is not")
            << QByteArray("\xC3\xA9\r\n\x8E\x91\x97\xBF") << QStringList{"\uFF83\uFF69", "資料"};
        QTest::newRow("code page 932 with a trail byte like a backslash")
            << QByteArray("\x83\x5C\x83\x74\x83\x67") << QStringList{"ソフト"};
        // Notepad's "Unicode": UTF-16 after its byte-order mark, in either byte order.
        QTest::newRow("UTF-16LE") << utf16(u"\uFEFF名前\r\nx\ry\n\U0001F4C1", false)
                                  << QStringList{"名前", "x", "y", "\U0001F4C1"};
        QTest::newRow("UTF-16BE") << utf16(u"\uFEFF名前\r\n\r\n", true) << QStringList{"名前", ""};
        QTest::newRow("ASCII only") << QByteArray("abc") << QStringList{"abc"};
    }
    void encodingIsChosenPerFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QStringList read = readAll(write(dir, bytes));
        QCOMPARE(read, lines);
        for (const QString& line : read)
            QVERIFY2(!line.contains(QChar::ReplacementCharacter), qPrintable(line));
    }

    // Code page 932 is decoded by a table filled from Qt's decoder; it gives
    // what that decoder gives, also for bytes that are no character.
    void codePage932IsDecodedAsQtDecodesIt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray everyPair;
        for (int first = 0; first < 256; ++first) {
            for (int second = 0; second < 256; ++second)
                everyPair.append(char(first)).append(char(second));
        }
        QTest::newRow("every pair of bytes, one after another") << everyPair;
        QTest::newRow("lead byte cut off by the end") << QByteArray("\x8E\x91\x8E");
        QTest::newRow("lead byte before a line end") << QByteArray("\x8E\r\n\x8E\n");
        QTest::newRow("lead byte before a byte no character ends with") << QByteArray("\x81\x20\x81\x7F");
        QTest::newRow("bytes that are no character") << QByteArray("\x80\xA0\xFD\xFE\xFF");
        std::mt19937 random(932);  // fixed, so that a failure comes back
        QByteArray noise(1 << 16, '\0');
        for (char& byte : noise)
            byte = static_cast<char>(random());
        QTest::newRow("random bytes") << noise;
    }
    void codePage932IsDecodedAsQtDecodesIt()
    {
        QFETCH(QByteArray, bytes);
        QStringDecoder decoder = makeCp932Decoder();
        QVERIFY(decoder.isValid());
        QStringDecoder reference = makeCp932Decoder();
        QCOMPARE(decodeCp932(bytes, decoder), reference.decode(bytes));
    }

    // Text that cannot become folder names fails the whole list, with the
    // error that says why; so does anything that is no readable file.
    void whatCannotBeAListFailsWithItsReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        // Its own "%1" and "%2" stay in the message as they are.
        const QString list = QStringLiteral("100%1 %2.txt");
        QTest::newRow("lone high surrogate")
            << utf16(u"\uFEFFok\n\xD800x\nnext\n", false) << list << int(DeviceIOError);
        QTest::newRow("lone low surrogate") << utf16(u"\uFEFFok\nx\xDC00\nnext\n", false) << list << int(DeviceIOError);
        QTest::newRow("byte left over") << utf16(u"\uFEFFok\nnext\n", false) + "\x41" << list << int(DeviceIOError);
        QTest::newRow("a line longer than any name")
            << QByteArray(longestListLine, 'a') + "\n" + QByteArray(longestListLine + 1, 'b') << list
            << int(BadRecordLength);
        QByteArray lines;
        for (int i = 0; i <= mostListLines; ++i)
            lines += "x\n";
        QTest::newRow("one line too many") << lines << list << int(TooManyLines);
        QTest::newRow("a line too long before one line too many")
            << QByteArray(longestListLine + 1, 'b') + "\n" + lines << list << int(BadRecordLength);
        QTest::newRow("missing") << QByteArray() << QStringLiteral("missing.txt") << int(FileNotFound);
        QTest::newRow("folder") << QByteArray() << QStringLiteral("folder.txt") << int(PathFileAccessError);
        QTest::newRow("missing folder on the way")
            << QByteArray() << QStringLiteral("nowhere/x.txt") << int(FileNotFound);
        QTest::newRow("NUL in the path") << QByteArray() << QStringLiteral("a") + QChar(u'\0') + QStringLiteral(".txt")
                                         << int(BadFileNameOrNumber);
    }
    void whatCannotBeAListFailsWithItsReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, number);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
        const QString path = bytes.isEmpty() ? dir.filePath(name) : write(dir, bytes, name);
        const std::optional<RuntimeError> error = raisedError([&] { readAll(path); });
        QCOMPARE(error ? error->number() : 0, number);
        if (!bytes.isEmpty())
            QVERIFY2(error->description().contains(path), qPrintable(error->description()));
    }

    void theLongestListAndLineAreTaken()
    {
        QTemporaryDir dir;
        QByteArray bytes(longestListLine, 'a');
        for (int i = 1; i < mostListLines; ++i)
            bytes += "\nb";
        const QStringList lines = readAll(write(dir, bytes));
        QCOMPARE(lines.size(), mostListLines);
        QCOMPARE(lines.first().size(), longestListLine);
    }
};

QTEST_GUILESS_MAIN(LineReaderTest)
#include "test_line_reader.moc"
