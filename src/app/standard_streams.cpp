#include "standard_streams.h"

#include <QByteArray>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kestrune {

namespace {

bool isOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF;
}

}  // namespace

bool holdClosedStandardDescriptors()
{
    // A closed pipe on the other end must fail the write, not end the program
    // before it can say what it made.
    std::signal(SIGPIPE, SIG_IGN);
    const bool inputOpen = isOpen(STDIN_FILENO);
    // open() takes the lowest free number, so the closed ones fill in order.
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (!isOpen(fd))
            ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
    return inputOpen;
}

void OutputStream::write(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), file_) !=
        static_cast<std::size_t>(bytes.size()))
        failed_ = true;
}

bool OutputStream::flush()
{
    if (std::fflush(file_) != 0 || std::ferror(file_) != 0)
        failed_ = true;
    return !failed_;
}

}  // namespace kestrune
