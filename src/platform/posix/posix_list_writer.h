#pragma once

#include "list_writer.h"

namespace kestrune {

// Saves a list through a temporary file made with open(2) in the target's folder, written, fsync(2)ed and
// renamed into place: renameat2(2) with RENAME_NOREPLACE when the name must be free, rename(2) otherwise.
class PosixListWriter final : public ListWriter {
public:
    void writeList(const QString& path, const QStringList& lines, bool replace) override;
};

}  // namespace kestrune
