#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace kestrune::test {

// A small memory file system mounted over a folder for the object's lifetime;
// `error` says why not when it could not be mounted (no CAP_SYS_ADMIN, say).
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, const char* options) : path_(QFile::encodeName(folder))
    {
        if (::mount("kestrune-test", path_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options) == 0)
            mounted_ = true;
        else
            error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(path_.constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }

    // Every later write fails with EROFS, as on a volume gone read-only.
    bool makeReadOnly()
    {
        return ::mount(nullptr, path_.constData(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) ==
               0;
    }

    QString error;

private:
    QByteArray path_;
    bool mounted_ = false;
};

}  // namespace kestrune::test
