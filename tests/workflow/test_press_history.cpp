// The history of the presses on real folders: a press's record holds what it
// made as it goes, so a press stopped half-way can be undone; a record read
// back after a restart undoes its press, an older press can be undone while a
// newer one stays, a record that cannot be read is skipped, the newest 200
// are kept, and a record that cannot be written leaves the press going.

#include "fake_clock.h"
#include "fake_folders.h"
#include "posix_history_folder.h"
#include "press_history.h"
#include "press_record_format.h"
#include "record_names.h"
#include "recorded_press.h"
#include "small_file_system.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace kestrune;
using namespace kestrune::test;
using namespace Qt::StringLiterals;

namespace {

QStringList numberedNames(int count)
{
    QStringList names;
    for (int index = 1; index <= count; ++index)
        names.append(u"フォルダー%1"_s.arg(index));
    return names;
}

// A history as a new start of the program finds it.
struct Start {
    explicit Start(const QString& folder) : records(folder) {}
    PosixHistoryFolder records;
    PosixFolders folders;
    FakeClock clock;
    PressHistory history{records, folders, clock, u"tanaka"_s};
};

}  // namespace

class PressHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        scratch_.emplace();
        QVERIFY(scratch_->isValid());
        base_ = scratch_->filePath(u"base"_s);
        records_ = scratch_->filePath(u"history"_s);
        QVERIFY(QDir().mkpath(base_));
    }
    void cleanup() { scratch_.reset(); }

    // Stopped after n things made (the n+1th make fails), the record holds
    // those n, the press reads as interrupted, and its undo takes them back.
    void recordHoldsWhatAStoppedPressMade_data()
    {
        QTest::addColumn<int>("made");
        QTest::newRow("nothing") << 0;
        QTest::newRow("the parent alone") << 1;
        QTest::newRow("the parent and three") << 4;
    }
    void recordHoldsWhatAStoppedPressMade()
    {
        QFETCH(int, made);
        Start start(records_);
        FakeFolders folders;
        folders.faults.failOn(u"makeFolder"_s, made + 1);
        const RecordedPress stopped = recordedPress(start.history, folders, base_, numberedNames(8));
        QVERIFY(stopped.failure);
        QVERIFY(stopped.kept);

        std::optional<PressRecord> record = Start(records_).history.find(stopped.number);
        QVERIFY(record);
        QCOMPARE(record->made.size(), made);
        QCOMPARE(record->state(), PressState::Interrupted);
        QCOMPARE(entriesBelow(base_).size(), made);
        const HistoryUndo undo = start.history.undo(*record);
        QVERIFY(undo.outcome.removedAll());
        QVERIFY(undo.recorded);
        QCOMPARE(entriesBelow(base_), QStringList());
        QCOMPARE(Start(records_).history.find(stopped.number)->state(),
                 made == 0 ? PressState::Interrupted : PressState::Undone);
    }

    // After a restart the newest press is the one to undo; an older one can
    // be undone by its number while the newer stays; a press that keeps
    // something stays the one to undo until all of it is gone.
    void undoesAcrossRestartsAndPresses()
    {
        const QString older = [&] {
            Start start(records_);
            return QString::number(
                recordedPress(start.history, start.folders, base_, {u"見積"_s, u"請求/控え"_s}).number);
        }();
        const qint64 newer = [&] {
            Start start(records_);
            return recordedPress(start.history, start.folders, base_, {u"納品"_s}, u"別"_s).number;
        }();

        Start start(records_);
        QCOMPARE(start.history.newestToUndo()->number, newer);
        std::optional<PressRecord> first = start.history.find(older.toLongLong());
        QVERIFY(first);
        writeFile(base_ + u"/親/請求"_s, u"メモ.txt"_s, "kept");
        start.history.undo(*first);
        QCOMPARE(entriesBelow(base_),
                 (QStringList{u"別/"_s, u"別/納品/"_s, u"親/"_s, u"親/請求/"_s, u"親/請求/メモ.txt"_s}));

        Start again(records_);
        const PressListing listing = again.history.list();
        QCOMPARE(listing.presses.size(), 2);
        QCOMPARE(listing.presses.at(0).number, newer);
        QCOMPARE(listing.presses.at(0).state(), PressState::Done);
        QCOMPARE(listing.presses.at(1).state(), PressState::PartlyUndone);
        PressRecord newest = *again.history.find(newer);
        again.history.undo(newest);
        QCOMPARE(again.history.newestToUndo()->number, older.toLongLong());

        QVERIFY(QFile::remove(base_ + u"/親/請求/メモ.txt"_s));
        std::optional<PressRecord> rest = Start(records_).history.newestToUndo();
        QVERIFY(rest);
        QVERIFY(again.history.undo(*rest).outcome.removedAll());
        QCOMPARE(entriesBelow(base_), QStringList());
        QVERIFY(!Start(records_).history.newestToUndo());
        QCOMPARE(Start(records_).history.list().presses.at(1).state(), PressState::Undone);
    }

    // A record kept across a restart that remounted its file system holds
    // other mount and device numbers than the folders read today.
    void undoFollowsARemount()
    {
        Start start(records_);
        const qint64 number = recordedPress(start.history, start.folders, base_, {u"a/b"_s, u"c"_s}).number;
        PressRecord record = *start.history.find(number);
        const auto moved = [](FolderId id) {
            id.device += 7;
            id.mount += 3;
            return id;
        };
        record.baseId = moved(record.baseId);
        for (MadeEntry& entry : record.made)
            entry.id = moved(entry.id);
        QByteArray contents = pressrecord::beginning(record);
        for (const ParentOutcome& parent : std::as_const(record.parents))
            contents += pressrecord::parentLine(parent);
        for (const MadeEntry& entry : std::as_const(record.made))
            contents += pressrecord::itemLine(entry);
        writeFile(records_, recordFileName(99), contents);

        std::optional<PressRecord> old = Start(records_).history.find(99);
        QVERIFY(old);
        QVERIFY(start.history.undo(*old).outcome.removedAll());
        QCOMPARE(entriesBelow(base_), QStringList());
    }

    void skipsRecordsThatCannotBeRead()
    {
        Start start(records_);
        const qint64 good = recordedPress(start.history, start.folders, base_, {u"x"_s}).number;
        writeFile(records_, recordFileName(7), "kestrune-press\t1\nstart\tnonsense\n");
        writeFile(records_, recordFileName(8), QByteArray("\x00\xff\x10", 3));
        writeFile(records_, u"notes.txt"_s, "not a record, not counted");

        const PressListing listing = start.history.list();
        QCOMPARE(listing.presses.size(), 1);
        QCOMPARE(listing.presses.first().number, good);
        QCOMPARE(listing.unreadable.size(), 2);
        QVERIFY(listing.unreadable.first().contains(recordFileName(8)));
        QCOMPARE(start.history.newestToUndo()->number, good);
        QString problem;
        QVERIFY(!start.history.find(7, &problem));
        QVERIFY(!problem.isEmpty());
    }

    void keepsTheNewest()
    {
        const qsizetype extra = 3;
        QVERIFY(QDir().mkpath(records_));
        for (qsizetype number = 1; number <= PressHistory::mostKept + extra; ++number)
            writeFile(records_, recordFileName(number), "kestrune-press\t1\n");
        Start(records_).history.removeOldest();
        const QStringList left = QDir(records_).entryList(QDir::Files, QDir::Name);
        QCOMPARE(left.size(), PressHistory::mostKept);
        QCOMPARE(left.first(), recordFileName(extra + 1));
    }

    // A full disk or a read-only home: the press makes everything, and says
    // that its record is not whole.
    void pressGoesOnWhenItsRecordCannotBeWritten_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("no folder can be made there") << u"file in the way"_s;
        QTest::newRow("read-only") << u"read-only"_s;
        QTest::newRow("disk full half-way") << u"full"_s;
    }
    void pressGoesOnWhenItsRecordCannotBeWritten()
    {
        QFETCH(QString, fault);
        QString folder = records_;
        std::optional<SmallFileSystem> disk;
        if (fault == u"file in the way"_s) {
            writeFile(scratch_->path(), u"history"_s, "");
        } else {
            QVERIFY(QDir().mkpath(records_));
            disk.emplace(records_, fault == u"full"_s ? "size=4k" : "size=64k");
            if (!disk->mounted())
                QSKIP(qPrintable(u"cannot mount a small file system: "_s + disk->error));
            if (fault == u"read-only"_s)
                QVERIFY(disk->makeReadOnly());
        }
        Start start(folder);
        const QStringList names = numberedNames(200);
        const RecordedPress made = recordedPress(start.history, start.folders, base_, names);
        QVERIFY(!made.failure);
        QVERIFY(!made.kept);
        QCOMPARE(entriesBelow(base_).size(), names.size() + 1);
        if (fault == u"full"_s) {
            // What fitted is a record whole to its last line: what it holds can be undone.
            std::optional<PressRecord> part = start.history.find(made.number);
            QVERIFY(part);
            QVERIFY(part->made.size() > 1 && part->made.size() < names.size());
            QCOMPARE(part->state(), PressState::Interrupted);
        }
    }

private:
    std::optional<QTemporaryDir> scratch_;  // a fresh one for each test
    QString base_;
    QString records_;
};

QTEST_GUILESS_MAIN(PressHistoryTest)
#include "test_press_history.moc"
