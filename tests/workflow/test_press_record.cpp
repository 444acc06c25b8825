// A press's record as text: whatever a path holds reads back the same; a
// record cut short reads as far as its last whole line; anything else that
// is no record of this version is refused, never guessed at; and what the
// record says of a press's end and its undos gives its state.

#include "press_record_format.h"

#include <QTest>

#include <limits>

using namespace kestrune;
using namespace Qt::StringLiterals;

namespace {

FolderId someId(quint64 inode, bool withBirth, bool withHandle)
{
    FolderId id;
    id.device = 2049;
    id.inode = inode;
    id.hasBirth = withBirth;
    id.bornSeconds = withBirth ? 1796634000 : 0;
    // Nanoseconds of one digit and of nine: the field keeps its nine places.
    id.bornNanoseconds = withBirth ? (inode == 12 ? 123456789U : 5U) : 0;
    id.mount = 29;
    if (withHandle)
        id.handle = QByteArray("\x01\x00\x00\x00\x9a\x02\x00\x00\x17\xfe\x00", 11);
    return id;
}

bool sameId(const FolderId& first, const FolderId& second)
{
    return first.device == second.device && first.inode == second.inode && first.hasBirth == second.hasBirth &&
           first.bornSeconds == second.bornSeconds && first.bornNanoseconds == second.bornNanoseconds &&
           first.mount == second.mount && first.handle == second.handle;
}

PressRecord pressMaking(const QString& name)
{
    PressRecord press;
    press.startedAt = QDateTime(QDate(2026, 12, 7), QTime(9, 30, 15, 250), Qt::UTC);
    press.user = u"tanaka"_s;
    press.listFilePath = u"/home/tanaka/一覧.txt"_s;
    press.basePath = u"/srv/共有"_s;
    press.baseId = someId(2, true, true);
    press.plannedParents = {u"新規ディレクトリ"_s, name};
    press.parents = {{u"新規ディレクトリ#"_s, true}, {name, false}};
    press.made = {{u"新規ディレクトリ#"_s, someId(10, true, true), EntryKind::Folder, {}},
                  {u"新規ディレクトリ#/"_s + name, someId(11, false, true), EntryKind::Folder, {}},
                  {name + u"/見積.xlsx"_s, someId(12, true, false), EntryKind::Other, {40960, 1796634000123456789}}};
    return press;
}

QByteArray written(const PressRecord& press, bool withEnd)
{
    QByteArray out = pressrecord::beginning(press);
    for (const ParentOutcome& parent : press.parents)
        out += pressrecord::parentLine(parent);
    for (const MadeEntry& entry : press.made)
        out += pressrecord::itemLine(entry);
    if (withEnd)
        out += pressrecord::endLine(true, press.startedAt.addSecs(2));
    return out;
}

}  // namespace

class PressRecordTest : public QObject {
    Q_OBJECT

private slots:
    // Records written by earlier versions are read as they stand: each
    // number keeps its exact spelling, the extremes included.
    void anItemLineSpellsItsNumbersExactly_data()
    {
        QTest::addColumn<MadeEntry>("entry");
        QTest::addColumn<QByteArray>("line");
        FolderId extremes;
        extremes.device = std::numeric_limits<quint64>::max();
        extremes.hasBirth = true;
        extremes.bornSeconds = -1;
        extremes.bornNanoseconds = 5;
        extremes.mount = -1;
        extremes.handle = QByteArray("\x00\xff", 2);
        QTest::newRow("a folder at the extremes")
            << MadeEntry{u"a/b"_s, extremes, EntryKind::Folder, {}}
            << QByteArray("folder\ta/b\t18446744073709551615\t0\t-1.000000005\t-1\t00ff\n");
        QTest::newRow("a folder without birth or handle")
            << MadeEntry{u"x"_s, someId(7, false, false), EntryKind::Folder, {}}
            << QByteArray("folder\tx\t2049\t7\t-\t29\t-\n");
        QTest::newRow("a file") << MadeEntry{u"f"_s,
                                             someId(7, false, false),
                                             EntryKind::Other,
                                             {-1, std::numeric_limits<qint64>::min()}}
                                << QByteArray("file\tf\t2049\t7\t-\t29\t-\t-1\t-9223372036854775808\n");
    }
    void anItemLineSpellsItsNumbersExactly()
    {
        QFETCH(MadeEntry, entry);
        QFETCH(QByteArray, line);
        QCOMPARE(pressrecord::itemLine(entry), line);
    }

    void readsBackWhatWasWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("listFile");
        QTest::newRow("plain") << u"見積書"_s << u"/home/a/一覧.txt"_s;
        QTest::newRow("pasted list") << u"見積書"_s << QString();
        QTest::newRow("tab and backslash") << u"a\tb\\c\\t"_s << u"C:\\lists\\x.txt"_s;
        QTest::newRow("line ends") << u"a\nb\r\nc"_s << u"/x\n/y"_s;
        QTest::newRow("other controls") << u"\x01\x1f\x7f"_s << u"\x1b[31m"_s;
        QTest::newRow("escape look-alikes") << u"\\u0041\\n"_s << u"\\\\"_s;
        QTest::newRow("outside the BMP") << u"😀𠮷"_s << u"🗂"_s;
        QTest::newRow("half surrogates") << QString(QChar(0xd800)) + u"x"_s + QChar(0xdc00) << QString(QChar(0xdfff));
        QTest::newRow("decomposed kana") << u"カ\u3099"_s << u"ハ\u309a"_s;
    }
    void readsBackWhatWasWritten()
    {
        QFETCH(QString, name);
        QFETCH(QString, listFile);
        PressRecord press = pressMaking(name);
        press.listFilePath = listFile;
        press.user = name;
        const QList<qsizetype> gone{0, 2};
        const QByteArray contents =
            written(press, true) + pressrecord::undoLine(press.startedAt.addDays(1), press.user, gone);
        QCOMPARE(contents.count('\n'), 5 + 2 + 3 + 2);  // one line each, whatever the paths hold

        const pressrecord::Reading reading = pressrecord::read(contents);
        QCOMPARE(reading.problem, QString());
        const PressRecord& back = reading.press;
        QCOMPARE(back.startedAt, press.startedAt);
        QCOMPARE(back.user, press.user);
        QCOMPARE(back.listFilePath, press.listFilePath);
        QCOMPARE(back.basePath, press.basePath);
        QVERIFY(sameId(back.baseId, press.baseId));
        QCOMPARE(back.plannedParents, press.plannedParents);
        QCOMPARE(back.parents.size(), press.parents.size());
        for (qsizetype index = 0; index < press.parents.size(); ++index) {
            QCOMPARE(back.parents.at(index).name, press.parents.at(index).name);
            QCOMPARE(back.parents.at(index).made, press.parents.at(index).made);
        }
        QCOMPARE(back.made.size(), press.made.size());
        for (qsizetype index = 0; index < press.made.size(); ++index) {
            const MadeEntry& entry = back.made.at(index);
            QCOMPARE(entry.path, press.made.at(index).path);
            QVERIFY(sameId(entry.id, press.made.at(index).id));
            QCOMPARE(entry.kind, press.made.at(index).kind);
            if (entry.kind != EntryKind::Folder)
                QCOMPARE(entry.stamp, press.made.at(index).stamp);
        }
        QCOMPARE(back.ending, PressRecord::Ending::Completed);
        QCOMPARE(back.gone, (QList<bool>{true, false, true}));
    }

    // A press killed while a line was written leaves that line cut short:
    // the record reads as far as its last whole line, and what the lines
    // before tell is all there.
    void readsAsFarAsWholeLines()
    {
        const PressRecord press = pressMaking(u"請求書"_s);
        const QByteArray contents = written(press, true);
        const qsizetype beginningEnds = pressrecord::beginning(press).size();
        for (qsizetype cut = 0; cut <= contents.size(); ++cut) {
            const QByteArray part = contents.left(cut);
            const pressrecord::Reading reading = pressrecord::read(part);
            if (cut < beginningEnds) {
                QVERIFY2(!reading.problem.isEmpty(), qPrintable(u"cut at %1"_s.arg(cut)));
                continue;
            }
            QCOMPARE(reading.problem, QString());
            const QByteArray whole = part.left(part.lastIndexOf('\n') + 1);
            const qsizetype items = whole.count("\nfolder\t") + whole.count("\nfile\t");
            QCOMPARE(reading.press.made.size(), items);
            QCOMPARE(reading.press.ending == PressRecord::Ending::Completed, cut == contents.size());
        }
    }

    void refusesWhatIsNoRecordOfThisVersion_data()
    {
        const PressRecord press = pressMaking(u"x"_s);
        const QByteArray good = written(press, true);
        const qsizetype firstItem = good.indexOf("\nfolder\t") + 1;
        const auto replacingFirstItem = [&](const QByteArray& line) {
            QByteArray out = good;
            return out.replace(firstItem, good.indexOf('\n', firstItem) + 1 - firstItem, line);
        };
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no line end at all") << QByteArray("kestrune-press\t1");
        QTest::newRow("another program's file") << QByteArray("[General]\nrecent=a\n");
        QTest::newRow("another version") << QByteArray(good).replace("kestrune-press\t1", "kestrune-press\t2");
        QTest::newRow("only the first line") << QByteArray("kestrune-press\t1\n");
        QTest::newRow("beginning without its base")
            << QByteArray(good).remove(good.indexOf("\nbase\t") + 1, good.indexOf("\nplan") - good.indexOf("\nbase"));
        QTest::newRow("an unknown line") << good + "colour\tred\n";
        QTest::newRow("an empty line") << good + "\n";
        QTest::newRow("a second end") << good + pressrecord::endLine(false, press.startedAt);
        QTest::newRow("an unknown escape") << replacingFirstItem("folder\ta\\qb\t1\t2\t-\t3\t-\n");
        QTest::newRow("a short escape") << replacingFirstItem("folder\ta\\u12\t1\t2\t-\t3\t-\n");
        QTest::newRow("a backslash at the end") << replacingFirstItem("folder\ta\\\t1\t2\t-\t3\t-\n");
        QTest::newRow("not UTF-8") << replacingFirstItem("folder\ta\xff\t1\t2\t-\t3\t-\n");
        QTest::newRow("a field missing") << replacingFirstItem("folder\ta\t1\t2\t-\t3\n");
        QTest::newRow("a field too many") << replacingFirstItem("folder\ta\t1\t2\t-\t3\t-\t4\n");
        QTest::newRow("an empty path") << replacingFirstItem("folder\t\t1\t2\t-\t3\t-\n");
        QTest::newRow("a word for a number") << replacingFirstItem("folder\ta\tone\t2\t-\t3\t-\n");
        QTest::newRow("a birth not in nine-digit nanoseconds") << replacingFirstItem("folder\ta\t1\t2\t17.5\t3\t-\n");
        QTest::newRow("a handle not in hex") << replacingFirstItem("folder\ta\t1\t2\t-\t3\tzz\n");
        QTest::newRow("a handle of half a byte") << replacingFirstItem("folder\ta\t1\t2\t-\t3\tabc\n");
        QTest::newRow("an undo of items never made") << good + "undo\t2026-12-08T00:00:00.000Z\tu\t2-3\n";
        QTest::newRow("an undo of a backward run") << good + "undo\t2026-12-08T00:00:00.000Z\tu\t2-1\n";
        QTest::newRow("an undo at no time") << good + "undo\tyesterday\tu\t0\n";
    }
    void refusesWhatIsNoRecordOfThisVersion()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(!pressrecord::read(contents).problem.isEmpty());
    }

    void stateFollowsTheEndAndTheUndos_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QByteArray>("undos");  // what each undo took away, one line each
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("undoLeft");
        const int completed = int(PressRecord::Ending::Completed);
        const int stopped = int(PressRecord::Ending::Stopped);
        const int killed = int(PressRecord::Ending::None);
        QTest::newRow("finished") << completed << QByteArray() << int(PressState::Done) << true;
        QTest::newRow("stopped at a failure") << stopped << QByteArray() << int(PressState::Interrupted) << true;
        QTest::newRow("killed") << killed << QByteArray() << int(PressState::Interrupted) << true;
        QTest::newRow("all taken back") << completed << QByteArray("0-2") << int(PressState::Undone) << false;
        QTest::newRow("taken back in two undos")
            << completed << QByteArray("2\n0-1") << int(PressState::Undone) << false;
        QTest::newRow("one kept") << completed << QByteArray("0,2") << int(PressState::PartlyUndone) << true;
        QTest::newRow("an undo that removed nothing")
            << completed << QByteArray("") << int(PressState::PartlyUndone) << true;
        QTest::newRow("a killed press taken back") << killed << QByteArray("0-2") << int(PressState::Undone) << false;
    }
    void stateFollowsTheEndAndTheUndos()
    {
        QFETCH(int, ending);
        QFETCH(QByteArray, undos);
        QFETCH(int, state);
        QFETCH(bool, undoLeft);
        const PressRecord press = pressMaking(u"x"_s);
        QByteArray contents = written(press, false);
        if (ending != int(PressRecord::Ending::None))
            contents += pressrecord::endLine(ending == int(PressRecord::Ending::Completed), press.startedAt);
        if (!undos.isNull()) {
            for (const QByteArray& runs : undos.split('\n'))
                contents += "undo\t2026-12-08T00:00:00.000Z\ttanaka\t" + runs + '\n';
        }
        const pressrecord::Reading reading = pressrecord::read(contents);
        QCOMPARE(reading.problem, QString());
        QCOMPARE(int(reading.press.state()), state);
        QCOMPARE(reading.press.hasUndoLeft(), undoLeft);
    }
};

QTEST_GUILESS_MAIN(PressRecordTest)
#include "test_press_record.moc"
