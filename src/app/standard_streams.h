#pragma once

#include <QString>

#include <cstdio>

namespace kestrune {

// Makes the standard descriptors safe before anything is opened: a closed
// standard output or error is held by /dev/null opened for reading, so that
// no file or folder the program opens takes its number and every write to
// it fails, as it should, instead of landing in that file. Returns false
// when standard input is closed; it is then held the same way.
bool holdClosedStandardDescriptors();

// A standard stream that remembers whether everything written reached it:
// a full disk or a closed pipe is a failure to report, not to ignore.
class OutputStream {
public:
    explicit OutputStream(std::FILE* file) : file_(file) {}

    // Writes `text` in the locale's encoding.
    void write(const QString& text);
    // Flushes what is buffered; false when any write so far has failed.
    bool flush();

private:
    std::FILE* file_;
    bool failed_ = false;
};

}  // namespace kestrune
