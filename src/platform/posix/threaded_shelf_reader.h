#pragma once

#include "shelf_reader.h"

#include <QHash>

#include <functional>
#include <memory>
#include <mutex>

namespace kestrune {

// Shelves over POSIX folders and list files. Each read runs on a thread of its
// own that nobody ever waits for: a read stuck on a share that has gone away
// costs one thread, never the window or the program's exit. A folder or list
// whose read is still under way is not read a second time; a new request
// shares the answer of the read under way, so that a share that stays away
// holds one thread per folder however often the menu opens, and answers them
// all should it come back.
class ThreadedShelfReader final : public ShelfReader {
public:
    // The work one read does on its thread; a failure is thrown as a RuntimeError.
    using Work = std::function<QStringList(const QString& path)>;

    ThreadedShelfReader();
    // With other work in place of the POSIX listing and reading, for tests
    // that need a read that never returns.
    ThreadedShelfReader(Work listing, Work reading);

    std::shared_ptr<const PendingAnswer<QStringList>> listLists(const QString& folder) override;
    std::shared_ptr<const PendingAnswer<QStringList>> readList(const QString& path) override;

private:
    using Answer = PendingAnswer<QStringList>;
    using UnderWay = QHash<QString, std::weak_ptr<Answer>>;
    std::shared_ptr<const Answer> start(UnderWay& underWay, const Work& work, const QString& path);

    Work listing_;
    Work reading_;
    std::mutex mutex_;
    UnderWay listingsUnderWay_;
    UnderWay readingsUnderWay_;
};

// The list files of `folder` as a shelf offers them: its *.txt files, sorted,
// leaving out a name with a control character (a tab or a line break), which
// neither a menu entry nor a row of `kestrune --shelves` could show as it is.
QStringList listFilesOnShelf(const QString& folder);

}  // namespace kestrune
