#pragma once

#include "posix_list_reader.h"

#include <QByteArray>

namespace kestrune::fuzz {

// The list reader over bytes in memory: whatever path is read gives
// `contents`, decoded exactly as a file's. Spares a fuzz run the writing and
// reading of a file for every input.
class MemoryListReader final : public ListReader {
public:
    QStringList readLines(const QString& path, const TextLimits& limits) override
    {
        return readListBytes(contents, path, limits);
    }

    QByteArray contents;
};

}  // namespace kestrune::fuzz
