#include "threaded_shelf_reader.h"

#include "folder_listing.h"
#include "posix_list_reader.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <utility>

namespace kestrune {

namespace {

bool holdsControlCharacter(const QString& name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar unit) { return unit.category() == QChar::Other_Control; });
}

// Runs `work` for `path` and gives what it came to; nothing escapes the
// thread, whose end nobody waits for.
void answer(const std::shared_ptr<PendingAnswer<QStringList>>& pending, const ThreadedShelfReader::Work& work,
            const QString& path)
{
    ReadOutcome<QStringList> outcome;
    try {
        outcome.value = work(path);
    } catch (const RuntimeError& error) {
        outcome.failure = error;
    } catch (const std::exception& error) {
        outcome.failure =
            RuntimeError(DeviceIOError, path + QStringLiteral(": ") + QString::fromLocal8Bit(error.what()));
    }
    pending->give(std::move(outcome));
}

}  // namespace

QStringList listFilesOnShelf(const QString& folder)
{
    QStringList lists = listFolder(folder).files;
    lists.removeIf([](const QString& name) { return !isListFileName(name) || holdsControlCharacter(name); });
    return lists;
}

ThreadedShelfReader::ThreadedShelfReader()
    : ThreadedShelfReader(listFilesOnShelf, [](const QString& path) { return PosixListReader().readList(path); })
{
}

ThreadedShelfReader::ThreadedShelfReader(Work listing, Work reading)
    : listing_(std::move(listing)), reading_(std::move(reading))
{
}

std::shared_ptr<const PendingAnswer<QStringList>> ThreadedShelfReader::listLists(const QString& folder)
{
    return start(listingsUnderWay_, listing_, folder);
}

std::shared_ptr<const PendingAnswer<QStringList>> ThreadedShelfReader::readList(const QString& path)
{
    return start(readingsUnderWay_, reading_, path);
}

std::shared_ptr<const PendingAnswer<QStringList>> ThreadedShelfReader::start(UnderWay& underWay, const Work& work,
                                                                             const QString& path)
{
    const std::lock_guard lock(mutex_);
    // Reads answered since, or no longer held by anyone, are done with.
    underWay.removeIf([](const UnderWay::iterator& read) {
        const std::shared_ptr<Answer> pending = read.value().lock();
        return !pending || pending->answer().has_value();
    });
    if (const std::shared_ptr<Answer> sharing = underWay.value(path).lock())
        return sharing;

    auto pending = std::make_shared<Answer>();
    try {
        // The thread holds the answer and a copy of the work: it may outlive this reader.
        std::thread(answer, pending, work, path).detach();
    } catch (const std::exception& error) {  // no thread to be had
        pending->give(
            {{}, RuntimeError(DeviceIOError, path + QStringLiteral(": ") + QString::fromLocal8Bit(error.what()))});
        return pending;
    }
    underWay.insert(path, pending);
    return pending;
}

}  // namespace kestrune
