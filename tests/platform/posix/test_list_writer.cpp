#include "immutable_folder.h"
#include "list_limits.h"
#include "posix_list_writer.h"
#include "raised_error.h"
#include "text_file_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using namespace kestrune;
using namespace kestrune::test;

namespace {

const QByteArray byteOrderMark("\xEF\xBB\xBF");

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList readBack(const QString& path)
{
    TextFileReader reader(path, listFileLimits);
    QStringList lines;
    while (!reader.atEnd())
        lines.append(reader.readLine(longestListLine));
    return lines;
}

// Everything in the folder, hidden entries too: a temporary file left behind shows here.
QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

class ListWriterTest : public QObject {
    Q_OBJECT

private slots:
    void listReadsBackAsWritten_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("names, blank and padded lines") << QStringList{"顧客A/見積", "", " 請求 ", "a\\b"}
                                                       << byteOrderMark + "顧客A/見積\r\n\r\n 請求 \r\na\\b\r\n";
        QTest::newRow("ends in a blank line") << QStringList{"x", ""} << byteOrderMark + "x\r\n\r\n";
        QTest::newRow("no lines") << QStringList{} << byteOrderMark;
    }
    void listReadsBackAsWritten()
    {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("一覧.txt"));
        const mode_t oldMask = ::umask(027);
        PosixListWriter().writeList(path, lines, false);
        ::umask(oldMask);
        QCOMPARE(contentsOf(path), bytes);
        QCOMPARE(readBack(path), lines);
        QCOMPARE(entries(dir), QStringList{"一覧.txt"});
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t{0640});
    }

    void failuresLeaveTheFolderAsItWas_data()
    {
        QTest::addColumn<QString>("before");  // what the folder holds: nothing, a file or a folder of that name
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("after");  // the file's bytes afterwards
        QTest::newRow("name taken") << "file" << QStringList{"new"} << false << int(FileAlreadyExists)
                                    << QByteArray("old\n");
        QTest::newRow("name taken, replaced") << "file" << QStringList{"new"} << true << 0 << byteOrderMark + "new\r\n";
        QTest::newRow("line holding a line end, as two would read back")
            << "" << QStringList{"a", "b\nc"} << true << int(InvalidProcedureCall) << QByteArray();
        // The temporary file is written before the rename fails; it must go too.
        QTest::newRow("folder in the way")
            << "folder" << QStringList{"a"} << true << int(PathFileAccessError) << QByteArray();
        QTest::newRow("folder refusing new entries")
            << "immutable" << QStringList{"a"} << true << int(PermissionDenied) << QByteArray();
    }
    void failuresLeaveTheFolderAsItWas()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, lines);
        QFETCH(bool, replace);
        QFETCH(int, number);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        if (before == u"file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old\n") == 4);
        }
        if (before == u"folder")
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("list.txt/sub")));
        std::optional<Immutable> locked;
        if (before == u"immutable" && !locked.emplace(dir.path()).made)
            QSKIP("needs root and a file system with the immutable flag");
        const std::optional<RuntimeError> error =
            raisedError([&] { PosixListWriter().writeList(path, lines, replace); });
        QCOMPARE(error ? error->number() : 0, number);
        if (error)
            QVERIFY2(error->description().startsWith(path + ": "), qPrintable(error->description()));
        QCOMPARE(contentsOf(path), after);
        QStringList left = entries(dir);
        left.removeOne(QStringLiteral("list.txt"));
        QCOMPARE(left, QStringList());
    }
};

QTEST_GUILESS_MAIN(ListWriterTest)
#include "test_list_writer.moc"
