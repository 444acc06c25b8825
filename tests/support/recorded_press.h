#pragma once

#include "fake_mount_table.h"
#include "press_history.h"
#include "press_plan.h"
#include "press_run.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrune::test {

struct RecordedPress {
    qint64 number = 0;
    bool kept = false;
    std::optional<RuntimeError> failure;
};

// A press of `lines` into a new parent `parent` in `base`, as the window and
// --create make one, recorded in `history` as it goes.
inline RecordedPress recordedPress(PressHistory& history, Folders& folders, const QString& base,
                                   const QStringList& lines, const QString& parent = QStringLiteral("親"))
{
    const PressRequest request{lines,  base + QStringLiteral("/一覧.txt"), pressTargetOf(base, FakeMountTable()),
                               parent, {{QDate(2026, 12, 7), {}}, false},  false};
    const PressPlan plan = planPress(request, folders, PlanUse::Press);
    const std::unique_ptr<PressRecordWriter> writer = history.newRecord();
    const PressOutcome outcome = carryOutPress(plan, nullptr, writer.get());
    return {writer->number(), outcome.journalKept, outcome.failure};
}

}  // namespace kestrune::test
