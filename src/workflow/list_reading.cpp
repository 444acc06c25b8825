#include "list_reading.h"

#include "workflow_state.h"

namespace kestrune {

QStringList readRemainingLines(LineReader& files, int handle)
{
    // The window's own table: the same limit on lines, the same error past it.
    FolderNameTable names;
    std::int32_t count = 0;
    while (!files.atEnd(handle)) {
        names(count + 1) = files.readLine(handle);
        ++count;
    }
    QStringList lines;
    lines.reserve(count);
    for (std::int32_t index = 1; index <= count; ++index)
        lines.append(names(index));
    return lines;
}

QStringList readListLines(LineReader& files, const QString& path)
{
    const int handle = files.freeHandle();
    const OpenListGuard closeOnExit(files, handle);
    files.open(path, handle);
    QStringList lines = readRemainingLines(files, handle);
    files.close(handle);
    return lines;
}

}  // namespace kestrune
