#include "scratch_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <ftw.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kestrune::bench {

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path)
{
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

std::string baseFolder()
{
    if (const char* chosen = std::getenv("KESTRUNE_BENCH_DIR"); chosen != nullptr && *chosen != '\0')
        return chosen;
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

int removeEntry(const char* path, const struct stat*, int type, struct FTW*)
{
    const int result = (type == FTW_DP) ? ::rmdir(path) : ::unlink(path);
    return result == 0 ? 0 : errno;
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& label)
{
    std::string pattern = baseFolder() + "/kestrune-bench-" + label + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr)
        fail("cannot make a scratch folder", pattern);
    path_ = buffer.data();
}

ScratchFolder::~ScratchFolder()
{
    try {
        removeTree(path_);
    } catch (...) {  // leave the folder rather than end the run in a destructor
    }
}

void removeTree(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
        return;
    // Depth first and without following links: a link is removed, never its target.
    const int result = ::nftw(path.c_str(), removeEntry, 64, FTW_DEPTH | FTW_PHYS);
    if (result != 0) {
        errno = result > 0 ? result : errno;
        fail("cannot remove", path);
    }
}

void makeFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0777) != 0)
        fail("cannot make", path);
}

bool isFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        fail("cannot create", path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ::close(fd);
            fail("cannot write", path);
        }
        done += static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0)
        fail("cannot close", path);
}

void syncFileSystem(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fail("cannot open", folder);
    const int synced = ::syncfs(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    if (synced != 0)
        fail("cannot sync", folder);
}

}  // namespace kestrune::bench
