#pragma once

#include "posix_line_reader.h"

#include <QByteArray>

namespace kestrune::fuzz {

// The list reader over bytes in memory: whatever path is opened reads
// `contents`, decoded exactly as a file's. Spares a fuzz run the writing and
// reading of a file for every input.
class MemoryLineReader final : public LineReader {
public:
    int freeHandle() override { return real.freeHandle(); }
    void open(const QString& path, int fileNo) override { real.openBytes(contents, path, fileNo); }
    bool atEnd(int fileNo) override { return real.atEnd(fileNo); }
    QString readLine(int fileNo) override { return real.readLine(fileNo); }
    void close(int fileNo) override { real.close(fileNo); }
    bool isOpen(int fileNo) const override { return real.isOpen(fileNo); }

    QByteArray contents;
    PosixLineReader real;
};

}  // namespace kestrune::fuzz
