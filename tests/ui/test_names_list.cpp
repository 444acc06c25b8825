#include "qt_names_list.h"

#include <QTest>

using namespace kestrune;

class NamesListTest : public QObject {
    Q_OBJECT

private slots:
    // A row's tip is built when read, from the latest marking of all rows;
    // a tip set on one row (as the press sets them) wins until the next.
    void aRowsToolTipComesFromTheLatestMarking()
    {
        QtNamesList list;
        for (const QString& text : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
            list.addItem(text, 0);
        QList<int> asked;
        list.setItemMarks({ItemMark::Ok, ItemMark::Refused, ItemMark::Ok}, [&](int row) {
            asked.append(row);
            return QStringLiteral("first %1").arg(row);
        });
        QVERIFY(asked.isEmpty());
        QVERIFY(!list.item(2)->icon().isNull());
        QCOMPARE(list.item(1)->toolTip(), QStringLiteral("first 1"));
        QCOMPARE(asked, QList<int>{1});

        list.setItemMark(1, ItemMark::Made, QStringLiteral("made"));
        QCOMPARE(list.item(1)->toolTip(), QStringLiteral("made"));
        QCOMPARE(list.item(2)->toolTip(), QStringLiteral("first 2"));

        list.setItemMarks({ItemMark::Ok, ItemMark::Ok, ItemMark::Ok},
                          [](int row) { return QStringLiteral("again %1").arg(row); });
        QCOMPARE(list.item(1)->toolTip(), QStringLiteral("again 1"));

        list.clear();
        list.addItem(QStringLiteral("x"), 0);
        QCOMPARE(list.item(0)->toolTip(), QString());
    }

    // A whole list given at once takes the place of the rows shown, tips
    // and all, and shows a tab as its picture as a row added alone does.
    void givenRowsReplaceTheShownOnes()
    {
        QtNamesList list;
        list.addItem(QStringLiteral("old"), 0);
        list.setItemMarks({ItemMark::Ok}, [](int) { return QStringLiteral("old tip"); });

        list.setItems({QStringLiteral("a\tb"), QStringLiteral("c")}, {0, 1});
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.item(0)->text(), QStringLiteral("a\u2409b"));
        QCOMPARE(list.item(1)->text(), QStringLiteral("c"));
        QCOMPARE(list.item(0)->toolTip(), QString());
        QCOMPARE(list.item(1)->data(Qt::UserRole + 1).toInt(), 1);
        QVERIFY(list.updatesEnabled());
    }

    // Giving rows leaves repainting as it found it: off where the caller
    // turned it off, and back on with the window once the window's is.
    void givenRowsLeaveRepaintingAsItWas_data()
    {
        QTest::addColumn<bool>("listOff");
        QTest::addColumn<bool>("windowOff");
        QTest::newRow("on") << false << false;
        QTest::newRow("the list's off") << true << false;
        QTest::newRow("the window's off") << false << true;
    }
    void givenRowsLeaveRepaintingAsItWas()
    {
        QFETCH(bool, listOff);
        QFETCH(bool, windowOff);
        QWidget window;
        auto* list = new QtNamesList(&window);
        list->setUpdatesEnabled(!listOff);
        window.setUpdatesEnabled(!windowOff);

        list->setItems({QStringLiteral("a")}, {0});
        window.setUpdatesEnabled(true);
        QCOMPARE(list->updatesEnabled(), !listOff);
    }
};

QTEST_MAIN(NamesListTest)
#include "test_names_list.moc"
