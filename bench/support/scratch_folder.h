#pragma once

#include <string>

namespace kestrune::bench {

// A fresh folder on the disk under test, removed with everything in it when
// the object goes. It lies in KESTRUNE_BENCH_DIR when that is set, otherwise
// next to the benchmark program, so on the build folder's file system.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& label);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Removes `path` and everything under it; a missing path is not an error.
// Throws std::runtime_error when something cannot be removed.
void removeTree(const std::string& path);

// Makes one folder; throws std::runtime_error on failure.
void makeFolder(const std::string& path);

// Whether `path` names a folder (following a final link).
bool isFolder(const std::string& path);

// Writes `bytes` to a new file; throws std::runtime_error on failure.
void writeFile(const std::string& path, const std::string& bytes);

// Writes out what the file system holding `folder` has pending, so that the
// next timed step does not pay for earlier ones; throws std::runtime_error on
// failure.
void syncFileSystem(const std::string& folder);

}  // namespace kestrune::bench
