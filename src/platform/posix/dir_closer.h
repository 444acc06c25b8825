#pragma once

#include <dirent.h>

namespace kestrune {

// Closes a folder opened for reading on every way out, an exception included.
class DirCloser {
public:
    explicit DirCloser(DIR* dir) : dir_(dir) {}
    ~DirCloser() { ::closedir(dir_); }
    DirCloser(const DirCloser&) = delete;
    DirCloser& operator=(const DirCloser&) = delete;

private:
    DIR* dir_;
};

}  // namespace kestrune
