#include "runtime_error.h"
#include "threaded_shelf_reader.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <future>

using namespace kestrune;
using namespace std::chrono_literals;

namespace {

std::optional<ReadOutcome<QStringList>> within(const std::shared_ptr<const PendingAnswer<QStringList>>& pending,
                                               std::chrono::milliseconds limit)
{
    return pending->waitUntil(std::chrono::steady_clock::now() + limit);
}

}  // namespace

class ThreadedShelfReaderTest : public QObject {
    Q_OBJECT

private slots:
    void readsAShelfOffTheThread()
    {
        QTemporaryDir shelf;
        for (const char* name : {"月次.txt", "B.TXT", "a.txt", "notes.md", "tab\tname.txt", ".hidden.txt"})
            test::writeFile(shelf.path(), QString::fromUtf8(name), "見積\r\n納品/控え\r\n");
        QVERIFY(QDir(shelf.path()).mkdir(QStringLiteral("案件.ひな形")));
        ThreadedShelfReader reader;

        const auto lists = within(reader.listLists(shelf.path()), 5s);
        QVERIFY(lists && !lists->failure);
        QCOMPARE(lists->value, (QStringList{"a.txt", "B.TXT", "月次.txt"}));

        const auto lines = within(reader.readList(shelf.filePath(QStringLiteral("月次.txt"))), 5s);
        QVERIFY(lines && !lines->failure);
        QCOMPARE(lines->value, (QStringList{"見積", "納品/控え"}));

        const auto gone = within(reader.listLists(shelf.filePath(QStringLiteral("なし"))), 5s);
        QVERIFY(gone && gone->failure);
        QCOMPARE(gone->failure->number(), int(FileNotFound));
    }

    // A share that hangs: the read never returns while it is away. Waiting
    // stops at the limit, asking again shares the read under way instead of
    // starting another, and the reader goes without waiting for it.
    void aReadThatDoesNotReturn()
    {
        std::promise<void> shareBack;
        std::shared_future<void> back = shareBack.get_future().share();
        auto started = std::make_shared<std::atomic<int>>(0);
        auto reader = std::make_unique<ThreadedShelfReader>(
            [back, started](const QString& path) {
                ++*started;
                back.wait();
                return QStringList{path + QStringLiteral(".txt")};
            },
            [](const QString&) { return QStringList(); });

        const auto first = reader->listLists(QStringLiteral("/mnt/gone"));
        QVERIFY(!within(first, 100ms));
        const auto again = reader->listLists(QStringLiteral("/mnt/gone"));
        QCOMPARE(again.get(), first.get());
        const auto other = reader->listLists(QStringLiteral("/mnt/other"));
        QVERIFY(other.get() != first.get());
        QTRY_COMPARE(started->load(), 2);

        reader.reset();
        shareBack.set_value();
        const auto answer = within(again, 5s);
        QVERIFY(answer && !answer->failure);
        QCOMPARE(answer->value, QStringList{"/mnt/gone.txt"});
        QVERIFY(within(other, 5s));
    }
};

QTEST_GUILESS_MAIN(ThreadedShelfReaderTest)
#include "test_threaded_shelf_reader.moc"
