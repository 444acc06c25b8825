#include "fake_clock.h"
#include "fake_folders.h"
#include "fake_mount_table.h"
#include "fake_shelf_reader.h"
#include "headless_creation.h"
#include "shelf_list_reader.h"
#include "shelf_listing.h"
#include "temporary_history.h"
#include "workflow_fixture.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace kestrune;
using namespace kestrune::test;
using namespace std::chrono_literals;

namespace {

// A standard stream over a file of its own, read back as text.
struct CapturedStream {
    CapturedStream() : file(std::tmpfile(), &std::fclose), stream(file.get()) {}
    QString text() const
    {
        std::rewind(file.get());
        QByteArray bytes;
        char buffer[4096];
        while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, file.get()))
            bytes.append(buffer, static_cast<qsizetype>(read));
        return QString::fromUtf8(bytes);
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file;
    OutputStream stream;
};

}  // namespace

class ShelfListingTest : public QObject {
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QStringList>("answering");  // the shelves that answer, of 事務所 / 自分 / 壊れ
        QTest::addColumn<QString>("out");
        QTest::addColumn<QStringList>("named");  // the shelves named on standard error
        QTest::addColumn<int>("status");
        const QString officeRows = QStringLiteral("事務所\t月次.txt\t/srv/nas/一覧/月次.txt\n"
                                                  "事務所\t新規顧客.txt\t/srv/nas/一覧/新規顧客.txt\n");
        const QString ownRows = QStringLiteral("自分\ta.txt\t/a.txt\n");
        QTest::newRow("every shelf answers")
            << QStringList{"事務所", "自分"} << officeRows + ownRows << QStringList() << int(ExitMade);
        QTest::newRow("one never answers")
            << QStringList{"自分"} << ownRows << QStringList{"事務所"} << int(ExitUnusable);
        QTest::newRow("one answers with a failure") << QStringList{"事務所", "自分", "壊れ"} << officeRows + ownRows
                                                    << QStringList{"壊れ"} << int(ExitUnusable);
        QTest::newRow("none answers") << QStringList() << QString() << QStringList{"事務所", "自分"}
                                      << int(ExitUnusable);
    }
    void rows()
    {
        QFETCH(QStringList, answering);
        QFETCH(QString, out);
        QFETCH(QStringList, named);
        QFETCH(int, status);
        const Shelf office{QStringLiteral("事務所"), QStringLiteral("/srv/nas/一覧"), false};
        const Shelf own{QStringLiteral("自分"), QStringLiteral("/"), true};
        const Shelf broken{QStringLiteral("壊れ"), QStringLiteral("/mnt/broken"), true};
        QList<Shelf> shelves{office, own};
        FakeShelfReader reader;
        if (answering.contains(office.name))
            reader.lists.insert(office.path, {QStringLiteral("月次.txt"), QStringLiteral("新規顧客.txt")});
        if (answering.contains(own.name))
            reader.lists.insert(own.path, {QStringLiteral("a.txt")});
        if (answering.contains(broken.name)) {
            shelves.append(broken);
            reader.failures.insert(broken.path, RuntimeError(PermissionDenied, QStringLiteral("/mnt/broken")));
        }

        CapturedStream captured;
        CapturedStream errors;
        QCOMPARE(listShelves(shelves, reader, captured.stream, errors.stream, 100ms), status);
        QCOMPARE(captured.text(), out);
        const QStringList errorLines = errors.text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(errorLines.size(), named.size());
        for (qsizetype line = 0; line < named.size(); ++line)
            QVERIFY2(errorLines.at(line).contains(named.at(line)), qPrintable(errorLines.at(line)));
    }

    // `--create LIST --shelf NAME --into DIR` with a shelf whose list never
    // answers: the run ends when the limit is up, says so, and makes nothing.
    void aShelfListThatNeverAnswersEndsTheRun()
    {
        QTemporaryDir into;
        CommandLine request;
        request.action = CommandLine::Action::Create;
        request.list = QStringLiteral("月次.txt");
        request.shelf = QStringLiteral("事務所");
        request.into = into.path();
        CapturedStream out;
        CapturedStream err;
        const std::optional<CommandLine> onTheShelf =
            onShelf(request, {{QStringLiteral("事務所"), QStringLiteral("/srv/nas/一覧"), false}}, err.stream);
        QVERIFY(onTheShelf);
        QCOMPARE(onTheShelf->list, QStringLiteral("/srv/nas/一覧/月次.txt"));

        FakeShelfReader reader;
        ShelfListReader lists(reader, 50ms);
        FakeFolders folders;
        FakeMountTable mounts;
        FakeClock clock;
        TemporaryHistory history(folders, clock);
        QCOMPARE(
            HeadlessCreation({lists, folders, mounts, clock, history.history}, out.stream, err.stream).run(*onTheShelf),
            int(ExitUnusable));
        QVERIFY2(err.text().contains(QString::number(DeviceUnavailable)) && err.text().contains(onTheShelf->list),
                 qPrintable(err.text()));
        QCOMPARE(out.text(), QString());
        QCOMPARE(entriesBelow(into.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(ShelfListingTest)
#include "test_shelf_listing.moc"
