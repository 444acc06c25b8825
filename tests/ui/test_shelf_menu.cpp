#include "fake_shelf_reader.h"
#include "shelf_menu.h"
#include "ui_texts.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace kestrune;
using namespace kestrune::test;
using namespace std::chrono_literals;

namespace {

const Shelf office{QStringLiteral("事務所"), QStringLiteral("/srv/nas/一覧"), false};
const Shelf away{QStringLiteral("自宅 & 外"), QStringLiteral("/mnt/away"), true};
const Shelf broken{QStringLiteral("壊れ"), QStringLiteral("/mnt/broken"), true};
const Shelf empty{QStringLiteral("空"), QStringLiteral("/srv/empty"), false};

// What a menu offers: each entry's text, "(off)" after one that cannot be chosen.
QStringList entries(const QMenu* menu)
{
    QStringList out;
    if (menu == nullptr)
        return {QStringLiteral("no such menu")};
    for (const QAction* action : menu->actions())
        out.append(action->text() + (action->isEnabled() ? QString() : QStringLiteral("(off)")));
    return out;
}

QStringList off(const QString& text)
{
    return {text + QStringLiteral("(off)")};
}

}  // namespace

class ShelfMenuTest : public QObject {
    Q_OBJECT

private slots:
    // Every shelf is read at once when the menu opens; a shelf that never
    // answers holds up neither the others nor the window, and says so once
    // its time is up.
    void showsEachShelfWithoutWaitingForOne()
    {
        FakeShelfReader reader;
        reader.lists.insert(office.path, {QStringLiteral("月次.txt"), QStringLiteral("新規顧客.txt")});
        reader.lists.insert(empty.path, {});
        reader.failures.insert(broken.path, RuntimeError(FileNotFound, QStringLiteral("/mnt/broken: なし")));
        QWidget window;
        ShelfMenu menu(reader, 500ms, &window);
        menu.shelves = [] { return QList<Shelf>{office, away, broken, empty}; };
        QSignalSpy chosen(&menu, &ShelfMenu::listChosen);

        // A timer of the window's that fires while a shelf is still being read.
        int ticksWhileWaiting = 0;
        QTimer ticking;
        connect(&ticking, &QTimer::timeout, [&] {
            if (entries(menu.shelfMenu(away.name)) == off(texts::shelfReading))
                ++ticksWhileWaiting;
        });
        ticking.start(10);
        menu.popup({0, 0});
        QVERIFY(menu.isVisible());
        QCOMPARE(entries(menu.shelfMenu(office.name)), (QStringList{"月次.txt", "新規顧客.txt"}));
        QCOMPARE(entries(menu.shelfMenu(away.name)), off(texts::shelfReading));
        QCOMPARE(entries(menu.shelfMenu(broken.name)), off(QStringLiteral("/mnt/broken: なし")));
        QCOMPARE(entries(menu.shelfMenu(empty.name)), off(texts::shelfEmpty));
        QCOMPARE(menu.shelfMenu(away.name)->title(), QStringLiteral("自宅 && 外"));
        QCOMPARE(entries(&menu.removeMenu()), (QStringList{"自宅 && 外", "壊れ"}));

        QTRY_COMPARE(entries(menu.shelfMenu(away.name)), off(texts::shelfNotAnswering));
        QVERIFY(ticksWhileWaiting > 0);

        menu.shelfMenu(office.name)->actions().at(1)->trigger();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).at(0).value<Shelf>().path, office.path);
        QCOMPARE(chosen.at(0).at(1).toString(), QStringLiteral("新規顧客.txt"));
    }

    // A shelf that did not answer is asked again when the menu opens again.
    void openingAgainTriesAgain()
    {
        FakeShelfReader reader;
        QWidget window;
        ShelfMenu menu(reader, 50ms, &window);
        menu.shelves = [] { return QList<Shelf>{away}; };
        menu.popup({0, 0});
        QTRY_COMPARE(entries(menu.shelfMenu(away.name)), off(texts::shelfNotAnswering));
        menu.hide();

        reader.lists.insert(away.path, {QStringLiteral("a.txt")});
        menu.popup({0, 0});
        QCOMPARE(entries(menu.shelfMenu(away.name)), QStringList{"a.txt"});
        QCOMPARE(reader.listed, (QStringList{away.path, away.path}));
        QVERIFY(!menu.removeMenu().isEmpty());
    }
};

QTEST_MAIN(ShelfMenuTest)
#include "test_shelf_menu.moc"
