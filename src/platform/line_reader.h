#pragma once

#include <QString>

namespace kestrune {

// Reading text files line by line, as the list reader uses it. A file is
// named by a handle, so that opening, each read and closing are separate
// steps that can each fail on their own. Every failure is a RuntimeError.
class LineReader {
public:
    virtual ~LineReader() = default;
    // A handle not in use (1 to 255); error 67 when all are taken.
    virtual int freeHandle() = 0;
    // Opens a file for reading; fails for a missing file, a folder, anything
    // that is not a plain file, or a handle already open (55).
    virtual void open(const QString& path, int handle) = 0;
    // True when nothing is left to read; error 52 when the handle is not open.
    virtual bool atEnd(int handle) = 0;
    // The next line without its terminator (CR, LF or CR LF); error 62 past the end.
    virtual QString readLine(int handle) = 0;
    // Closes the handle; error 52 when it is not open.
    virtual void close(int handle) = 0;
    virtual bool isOpen(int handle) const = 0;
};

}  // namespace kestrune
