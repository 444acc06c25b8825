#include "posix_list_reader.h"

#include "posix_texts.h"
#include "runtime_error.h"
#include "text_file_reader.h"

#include <utility>

namespace kestrune {

namespace {

RuntimeError tooManyLines(const QString& name, const TextLimits& limits)
{
    return RuntimeError(TooManyLines, texts::tooManyLines.arg(name, QString::number(limits.mostLines)));
}

QStringList readAll(TextFileReader& reader, const QString& name, const TextLimits& limits)
{
    // A file past its limit fails as a whole: what it would make is not
    // what its author wrote.
    if (std::optional<QStringList> lines = reader.takeWholeLines(limits)) {
        if (lines->size() > limits.mostLines)
            throw tooManyLines(name, limits);
        return std::move(*lines);
    }
    QStringList lines;
    while (!reader.atEnd()) {
        if (lines.size() == limits.mostLines)
            throw tooManyLines(name, limits);
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
