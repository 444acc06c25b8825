#pragma once

#include "clock.h"
#include "folders.h"
#include "posix_history_folder.h"
#include "press_history.h"

#include <QTemporaryDir>

#include <optional>

namespace kestrune::test {

// A history of the presses in a folder of its own, gone with the object, or
// in `folder` when given (as the program finds it again after a restart): a
// test never touches the person's real one.
struct TemporaryHistory {
    TemporaryHistory(Folders& folders, const Clock& clock, const QString& folder = QString())
        : dir(folder.isEmpty() ? std::make_optional<QTemporaryDir>() : std::nullopt),
          records(dir ? dir->filePath(QStringLiteral("history")) : folder),
          history(records, folders, clock, QStringLiteral("tester"))
    {
    }
    std::optional<QTemporaryDir> dir;  // none for a history in a given folder
    PosixHistoryFolder records;
    PressHistory history;
};

}  // namespace kestrune::test
