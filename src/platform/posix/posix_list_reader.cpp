#include "posix_list_reader.h"

#include "list_limits.h"
#include "posix_texts.h"
#include "runtime_error.h"
#include "text_file_reader.h"

#include <utility>

namespace kestrune {

namespace {

QStringList readAll(TextFileReader& reader, const QString& name)
{
    QStringList lines;
    while (!reader.atEnd()) {
        // A list past its limit fails as a whole: what it would make is not
        // what its author wrote.
        if (lines.size() == mostListLines)
            throw RuntimeError(TooManyLines, texts::tooManyLines.arg(name).arg(mostListLines));
        lines.append(reader.readLine(longestListLine));
    }
    return lines;
}

}  // namespace

QStringList PosixListReader::readList(const QString& path)
{
    TextFileReader reader(path);
    return readAll(reader, path);
}

QStringList readListBytes(QByteArray contents, const QString& name)
{
    TextFileReader reader(std::move(contents), name);
    return readAll(reader, name);
}

}  // namespace kestrune
