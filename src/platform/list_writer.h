#pragma once

#include <QString>
#include <QStringList>

namespace kestrune {

// Saving a list file, as the window saves a pasted list.
class ListWriter {
public:
    virtual ~ListWriter() = default;
    // Writes `lines` to `path` as UTF-8 with a byte-order mark, each line ended by CR LF, so that both Windows
    // Notepad and this program read it. Replaces an existing file only when `replace` is true; otherwise fails
    // with error 58 (FileAlreadyExists) when the name is taken. Written to a temporary file in the same folder
    // and renamed over the target, so that a failure never leaves half a list. A line that holds a CR or LF
    // would read back as two, and fails with error 5 before anything is written. Any failure is a RuntimeError
    // naming the path.
    virtual void writeList(const QString& path, const QStringList& lines, bool replace) = 0;
};

}  // namespace kestrune
