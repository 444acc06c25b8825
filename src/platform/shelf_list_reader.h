#pragma once

#include "list_reader.h"
#include "shelf_reader.h"

#include <chrono>
#include <functional>

namespace kestrune {

// Lists on shelves read as any list file is, but off the caller's thread and
// given a limit to answer: a share that has gone away costs the caller that
// long, never more.
class ShelfListReader final : public ListReader {
public:
    // `whileWaiting` is called every few milliseconds until the answer comes
    // (the window repaints there); none for a caller with nothing to do.
    ShelfListReader(ShelfReader& reader, std::chrono::milliseconds limit, std::function<void()> whileWaiting = {});

    // The lines of the list at `path`; the read's own failure, or error 68
    // when no answer came within the limit. A shelf holds list files: they
    // are read with a list file's limits (a table of values is read apart).
    QStringList readLines(const QString& path, const TextLimits& limits) override;

private:
    ShelfReader& reader_;
    std::chrono::milliseconds limit_;
    std::function<void()> whileWaiting_;
};

}  // namespace kestrune
