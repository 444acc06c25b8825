#include "event_dispatch.h"
#include "fake_desktop.h"
#include "runtime_error.h"

#include <QTest>

#include <functional>
#include <new>
#include <stdexcept>

using namespace kestrune;
using namespace kestrune::test;

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

class EventDispatchTest : public QObject {
    Q_OBJECT

private slots:
    void failureLeavingAHandlerIsShownOnce_data()
    {
        QTest::addColumn<Thrower>("handler");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("run-time error") << Thrower([] { throw RuntimeError(58, QStringLiteral("/w/Data: exists")); })
                                        << 58 << "/w/Data: exists";
        QTest::newRow("out of memory") << Thrower([] { throw std::bad_alloc(); }) << 7
                                       << QStringLiteral("メモリが不足しています。");
        QTest::newRow("other exception") << Thrower([] { throw std::logic_error("broken"); }) << 51
                                         << QStringLiteral("内部エラーです。(broken)");
        QTest::newRow("not an exception") << Thrower([] { throw 3; }) << 51 << QStringLiteral("内部エラーです。");
    }
    void failureLeavingAHandlerIsShownOnce()
    {
        QFETCH(Thrower, handler);
        QFETCH(int, number);
        QFETCH(QString, description);
        FakeDesktop desktop;
        desktop.pointer = BusyPointer;  // left on by the failed handler
        EventDispatch dispatch(desktop);
        dispatch.run(handler);
        QCOMPARE(desktop.boxes.size(), 1);
        const FakeDesktop::Box& box = desktop.boxes.first();
        QCOMPARE(box.title, QStringLiteral("実行時エラー"));
        QVERIFY2(box.prompt.contains(QString::number(number)), qPrintable(box.prompt));
        QVERIFY2(box.prompt.contains(description), qPrintable(box.prompt));
        QCOMPARE(box.pointerWhileShown, int(NormalPointer));
        QCOMPARE(desktop.pointer, int(NormalPointer));
    }

    void programGoesOnAfterAFailure()
    {
        FakeDesktop desktop;
        EventDispatch dispatch(desktop);
        dispatch.run([] { throw RuntimeError(75, QStringLiteral("x")); });
        int runs = 0;
        dispatch.run([&] { ++runs; });
        QCOMPARE(runs, 1);
        QCOMPARE(desktop.boxes.size(), 1);
    }

    void aBoxThatFailsItselfDoesNotEscape()
    {
        FakeDesktop desktop;
        desktop.faults.failOn(QStringLiteral("showMessage"));
        EventDispatch dispatch(desktop);
        dispatch.run([] { throw RuntimeError(75, QStringLiteral("x")); });
        QCOMPARE(desktop.pointer, int(NormalPointer));
    }

    void noHandlerRunsOnceStopped()
    {
        FakeDesktop desktop;
        EventDispatch dispatch(desktop);
        dispatch.stop();
        int runs = 0;
        dispatch.run([&] { ++runs; });
        QCOMPARE(runs, 0);
    }

    // A handler reached while another runs (from the busy loop of a press)
    // does not run: one beep, and the running one goes on undisturbed.
    void noHandlerRunsWhileAnotherDoes()
    {
        FakeDesktop desktop;
        EventDispatch dispatch(desktop);
        int inner = 0;
        bool refused = false;
        dispatch.run([&] {
            refused = !dispatch.run([&] { ++inner; });
            dispatch.run([] { throw RuntimeError(75, QStringLiteral("x")); });
        });
        QVERIFY(refused);
        QCOMPARE(inner, 0);
        QCOMPARE(desktop.beeps, 2);
        QVERIFY(desktop.boxes.isEmpty());
        QVERIFY(dispatch.run([&] { ++inner; }));  // free again once it ends
        QCOMPARE(inner, 1);
    }

    void successfulHandlerShowsNothing()
    {
        FakeDesktop desktop;
        EventDispatch dispatch(desktop);
        dispatch.run([&] { desktop.setPointerShape(BusyPointer); });
        QVERIFY(desktop.boxes.isEmpty());
        // The pointer is the handler's business when nothing fails.
        QCOMPARE(desktop.pointer, int(BusyPointer));
    }
};

QTEST_GUILESS_MAIN(EventDispatchTest)
#include "test_event_dispatch.moc"
