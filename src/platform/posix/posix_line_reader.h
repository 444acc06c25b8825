#pragma once

#include "line_reader.h"
#include "list_limits.h"

#include <QByteArray>

#include <map>
#include <memory>

namespace kestrune {

class TextFileReader;

// File input over real files. Line ends are CR, LF or CR LF. The encoding is
// chosen per file: UTF-8 when the file is valid UTF-8 (a leading byte-order
// mark is always dropped), otherwise Japanese Windows text (code page 932).
class PosixLineReader final : public LineReader {
public:
    PosixLineReader();
    ~PosixLineReader() override;
    PosixLineReader(const PosixLineReader&) = delete;
    PosixLineReader& operator=(const PosixLineReader&) = delete;

    int freeHandle() override;
    void open(const QString& path, int fileNo) override;
    bool atEnd(int fileNo) override;
    QString readLine(int fileNo) override;
    void close(int fileNo) override;
    bool isOpen(int fileNo) const override;

    // Opens text already in memory as file `fileNo`, read as a file's;
    // `name` stands for the path in messages.
    void openBytes(QByteArray contents, const QString& name, int fileNo);
    // Opens standard input, read to its end first: a pipe cannot be read
    // twice, and the encoding is chosen from the whole text.
    void openStandardInput(int fileNo);

    // No folder name is longer; a longer line fails to read (error 59), which
    // also keeps the memory for one line bounded.
    static constexpr qsizetype MaxLineLength = longestListLine;

private:
    // Fails with error 52 or 55 unless `fileNo` can be opened.
    void checkFree(int fileNo) const;
    TextFileReader& reader(int fileNo);

    std::map<int, std::unique_ptr<TextFileReader>> open_;
};

}  // namespace kestrune
