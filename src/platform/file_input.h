#pragma once

#include <QString>

namespace kestrune {

// Sequential text input by file number, as the list reader uses it.
// Every failure is a RuntimeError.
class FileInput {
public:
    virtual ~FileInput() = default;
    // A number not in use (1 to 255); error 67 when all are taken.
    virtual int FreeFile() = 0;
    // Opens a file for input; fails for a missing file, a folder, anything
    // that is not a plain file, or a number already open (55).
    virtual void Open(const QString& path, int fileNo) = 0;
    // True when nothing is left to read; error 52 when the number is not open.
    virtual bool Eof(int fileNo) = 0;
    // The next line without its terminator (CR, LF or CR LF); error 62 past the end.
    virtual QString LineInput(int fileNo) = 0;
    // Closes the number; error 52 when it is not open.
    virtual void Close(int fileNo) = 0;
    virtual bool IsOpen(int fileNo) const = 0;
};

}  // namespace kestrune
