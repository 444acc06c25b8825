#include "shelf_list_reader.h"

#include "platform_texts.h"

#include <algorithm>
#include <utility>

namespace kestrune {

namespace {

// How long one wait lasts between two calls of whileWaiting: short enough
// for a window to repaint smoothly, long enough to cost nothing.
constexpr std::chrono::milliseconds waitStep{10};

}  // namespace

ShelfListReader::ShelfListReader(ShelfReader& reader, std::chrono::milliseconds limit,
                                 std::function<void()> whileWaiting)
    : reader_(reader), limit_(limit), whileWaiting_(std::move(whileWaiting))
{
}

QStringList ShelfListReader::readLines(const QString& path, const TextLimits& limits)
{
    // Never asked otherwise; were it asked for more, a shelf's reader would still hold to a list's.
    Q_ASSERT(limits.mostLines == listFileLimits.mostLines && limits.longestLine == listFileLimits.longestLine);
    const auto deadline = std::chrono::steady_clock::now() + limit_;
    const std::shared_ptr<const PendingAnswer<QStringList>> pending = reader_.readList(path);
    std::optional<ReadOutcome<QStringList>> outcome;
    if (!whileWaiting_) {
        outcome = pending->waitUntil(deadline);
    } else {
        for (;;) {
            outcome = pending->waitUntil(std::min(deadline, std::chrono::steady_clock::now() + waitStep));
            if (outcome || std::chrono::steady_clock::now() >= deadline)
                break;
            whileWaiting_();
        }
    }
    if (!outcome) {
        const auto seconds = std::chrono::duration<double>(limit_).count();
        throw RuntimeError(DeviceUnavailable, texts::shelfListNotAnswering.arg(seconds).arg(path));
    }
    if (outcome->failure)
        throw *outcome->failure;
    return std::move(outcome->value);
}

}  // namespace kestrune
