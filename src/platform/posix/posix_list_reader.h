#pragma once

#include "list_reader.h"

#include <QByteArray>

namespace kestrune {

// List files over POSIX files. Line ends are CR, LF or CR LF. The encoding is
// chosen per file: UTF-16 after its byte-order mark, UTF-8 when the file is
// valid UTF-8 (a leading byte-order mark is dropped), otherwise Japanese
// Windows text (code page 932).
class PosixListReader final : public ListReader {
public:
    QStringList readLines(const QString& path, const TextLimits& limits) override;
};

// The lines of `contents`, read as a file's; `name` stands for the file in
// messages.
QStringList readListBytes(QByteArray contents, const QString& name, const TextLimits& limits);

}  // namespace kestrune
