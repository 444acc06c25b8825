#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets: fail loudly, scratch folders, file writing.
namespace kestrune::fuzz {

// Aborts with `what` when `condition` is false, so that libFuzzer keeps the
// input as a crash. Unlike assert, it is never compiled out.
void require(bool condition, const char* what);

// A fresh folder under the system's temporary folder, removed with all it
// holds (links are removed, never followed) when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const QString& path() const { return path_; }

private:
    QString path_;
};

void writeBytes(const QString& path, const std::uint8_t* data, std::size_t size);
void removeTree(const QByteArray& path);

}  // namespace kestrune::fuzz
