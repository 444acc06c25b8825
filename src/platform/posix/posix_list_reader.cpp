#include "posix_list_reader.h"

#include "posix_texts.h"
#include "runtime_error.h"
#include "text_file_reader.h"

#include <utility>

namespace kestrune {

namespace {

QStringList readAll(TextFileReader& reader, const QString& name, const TextLimits& limits)
{
    QStringList lines;
    while (!reader.atEnd()) {
        // A file past its limit fails as a whole: what it would make is not
        // what its author wrote.
        if (lines.size() == limits.mostLines)
            throw RuntimeError(TooManyLines, texts::tooManyLines.arg(name, QString::number(limits.mostLines)));
        lines.append(reader.readLine(limits.longestLine));
    }
    return lines;
}

}  // namespace

QStringList PosixListReader::readLines(const QString& path, const TextLimits& limits)
{
    TextFileReader reader(path, limits);
    return readAll(reader, path, limits);
}

QStringList readListBytes(QByteArray contents, const QString& name, const TextLimits& limits)
{
    TextFileReader reader(std::move(contents), name, limits);
    return readAll(reader, name, limits);
}

}  // namespace kestrune
