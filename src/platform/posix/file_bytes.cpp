#include "file_bytes.h"

#include <cerrno>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/types.h>
#include <unistd.h>

#include <vector>

namespace kestrune {

namespace {

// Bytes moved between two reports of progress: large enough that the calls
// cost nothing, small enough that a slow share still shows movement.
constexpr size_t bytesPerStep = size_t{8} << 20;
constexpr size_t bufferBytes = size_t{256} << 10;

// The errors that say "not here": the file systems or the kernel cannot do it
// this way, and the next way is tried instead.
bool meansUnsupported(int error)
{
    return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL || error == ENOSYS;
}

void tell(const CopyProgress& progress, qint64 written)
{
    if (progress)
        progress(written);
}

int readAndWrite(int from, int to, qint64 written, const CopyProgress& progress)
{
    std::vector<char> buffer(bufferBytes);
    for (;;) {
        const ssize_t got = ::pread(from, buffer.data(), buffer.size(), written);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer.data() + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += put;
        }
        written += got;
        tell(progress, written);
    }
}

}  // namespace

int copyFileBytes(int from, int to, const CopyProgress& progress)
{
    if (::ioctl(to, FICLONE, from) == 0) {
        const off_t size = ::lseek(to, 0, SEEK_END);
        tell(progress, size < 0 ? 0 : size);
        return 0;
    }
    if (!meansUnsupported(errno))
        return errno;
    qint64 written = 0;
    for (;;) {
        loff_t readAt = written;
        const ssize_t moved = ::copy_file_range(from, &readAt, to, nullptr, bytesPerStep, 0);
        if (moved < 0) {
            if (errno == EINTR)
                continue;
            // The old way, from where the offsets stand.
            if (meansUnsupported(errno))
                return readAndWrite(from, to, written, progress);
            return errno;
        }
        // Some file systems report an end at once where there are bytes:
        // reading finds out.
        if (moved == 0)
            return written == 0 ? readAndWrite(from, to, written, progress) : 0;
        written += moved;
        tell(progress, written);
    }
}

}  // namespace kestrune
