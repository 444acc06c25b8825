#pragma once

#include "file_input.h"

#include <map>
#include <memory>

namespace kestrune {

class TextFileReader;

// File input over real files. Line ends are CR, LF or CR LF. The encoding is
// chosen per file: UTF-8 when the file is valid UTF-8 (a leading byte-order
// mark is always dropped), otherwise Japanese Windows text (code page 932).
class PosixFileInput final : public FileInput {
public:
    PosixFileInput();
    ~PosixFileInput() override;
    PosixFileInput(const PosixFileInput&) = delete;
    PosixFileInput& operator=(const PosixFileInput&) = delete;

    int FreeFile() override;
    void Open(const QString& path, int fileNo) override;
    bool Eof(int fileNo) override;
    QString LineInput(int fileNo) override;
    void Close(int fileNo) override;
    bool IsOpen(int fileNo) const override;

    // No folder name is longer; a longer line fails to read (error 59), which
    // also keeps the memory for one line bounded.
    static constexpr qsizetype MaxLineLength = 32767;

private:
    TextFileReader& reader(int fileNo);

    std::map<int, std::unique_ptr<TextFileReader>> open_;
};

}  // namespace kestrune
