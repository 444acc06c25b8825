#pragma once

#include "line_reader.h"

#include <QStringList>

// Reading a list file through the line reader, for callers that want the
// lines or a RuntimeError (the command line, the undo's check that the list
// is unchanged). The window's own load keeps its step-by-step trap.
namespace kestrune {

// Closes a list file's handle on every way out, so that no handle is left
// in use whatever fails.
class OpenListGuard {
public:
    OpenListGuard(LineReader& files, int handle) : files_(files), handle_(handle) {}
    ~OpenListGuard()
    {
        try {
            if (files_.isOpen(handle_))
                files_.close(handle_);
        } catch (...) {  // nothing more can be done for the handle in a destructor
        }
    }
    OpenListGuard(const OpenListGuard&) = delete;
    OpenListGuard& operator=(const OpenListGuard&) = delete;

private:
    LineReader& files_;
    int handle_;
};

// Every line left on the open `handle`, held to the same limit as the
// window's load: past the last line slot it fails with error 9.
QStringList readRemainingLines(LineReader& files, int handle);

// The lines of the list file at `path`; any failure leaves as a RuntimeError.
QStringList readListLines(LineReader& files, const QString& path);

}  // namespace kestrune
