#include "read_to_end.h"

#include "os_error.h"

#include <array>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace kestrune {

QByteArray readToEnd(int fd, qint64 limit, const QString& name, const RuntimeError& tooLarge)
{
    QByteArray contents;
    std::array<char, 65536> block{};
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got == 0)
            return contents;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready{fd, POLLIN, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        if (got < 0)
            throw errorFromErrno(errno, name);
        if (contents.size() + got > limit)
            throw tooLarge;
        contents.append(block.data(), got);
    }
}

}  // namespace kestrune
