// Linked only into the bench's copies of the windows: when the process's first
// top-level window has painted, it writes one byte to the descriptor named by
// KESTRUNE_BENCH_READY_FD and ends the process at once, so that the driver
// times exec to first paint and reads the peak memory up to that point.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

namespace {

int readyFd = -1;

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                seen_ = true;
                // Runs once the whole window, children included, is painted and flushed.
                QTimer::singleShot(0, this, [] {
                    const char ready = 'p';
                    [[maybe_unused]] const ssize_t written = ::write(readyFd, &ready, 1);
                    ::_exit(0);
                });
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

void installProbe()
{
    const char* fd = std::getenv("KESTRUNE_BENCH_READY_FD");
    if (fd == nullptr || *fd == '\0')
        return;
    readyFd = std::atoi(fd);
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
