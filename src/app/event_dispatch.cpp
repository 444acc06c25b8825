#include "event_dispatch.h"

#include "app_texts.h"
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
    return texts::runtimeErrorTitle;
}

QString EventDispatch::prompt(int number, const QString& description)
{
    return texts::runtimeErrorPrompt.arg(number).arg(description);
}

bool EventDispatch::run(const std::function<void()>& handler)
{
    if (stopped_)
        return false;
    if (running_) {
        desktop_.beep();
        return false;
    }
    running_ = true;
    // An exception must never unwind into the event loop: Qt cannot carry it.
    try {
        handler();
    } catch (const RuntimeError& error) {
        report(error.number(), error.description());
    } catch (const std::bad_alloc&) {
        report(OutOfMemory, texts::outOfMemory);
    } catch (const std::exception& error) {
        report(InternalError, texts::internalErrorWithCause.arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        report(InternalError, texts::internalError);
    }
    running_ = false;
    return true;
}

void EventDispatch::report(int number, const QString& description)
{
    try {
        desktop_.setPointerShape(NormalPointer);
        desktop_.showMessage(prompt(number, description), title());
    } catch (...) {  // nothing is left to tell the person with; go on with the next event
    }
}

}  // namespace kestrune
