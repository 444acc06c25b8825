#include "event_dispatch.h"

#include "runtime_error.h"

#include <new>

namespace kestrune {

namespace {

// The host's numbers for what is not one of its own run-time errors.
constexpr int OutOfMemory = 7;
constexpr int InternalError = 51;

}  // namespace

EventDispatch::EventDispatch(Desktop& desktop) : desktop_(desktop) {}

QString EventDispatch::title()
{
    return QStringLiteral("実行時エラー");
}

QString EventDispatch::prompt(int number, const QString& description)
{
    return QStringLiteral("エラー番号: %1\n\n%2").arg(number).arg(description);
}

void EventDispatch::run(const std::function<void()>& handler)
{
    if (stopped_)
        return;
    // An exception must never unwind into the event loop: Qt cannot carry it.
    try {
        handler();
    } catch (const RuntimeError& error) {
        report(error.number(), error.description());
    } catch (const std::bad_alloc&) {
        report(OutOfMemory, QStringLiteral("メモリが不足しています。"));
    } catch (const std::exception& error) {
        report(InternalError, QStringLiteral("内部エラーです。(%1)").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        report(InternalError, QStringLiteral("内部エラーです。"));
    }
}

void EventDispatch::report(int number, const QString& description)
{
    try {
        desktop_.setMousePointer(DefaultPointer);
        desktop_.MsgBox(prompt(number, description), title());
    } catch (...) {  // nothing is left to tell the person with; go on with the next event
    }
}

}  // namespace kestrune
