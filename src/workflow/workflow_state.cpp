#include "workflow_state.h"

#include "runtime_error.h"

namespace kestrune {

void FolderNameTable::check(std::int32_t index)
{
    if (index < LowerBound || index > UpperBound)
        throw RuntimeError(
            SubscriptOutOfRange,
            QStringLiteral("インデックス %1 が範囲 %2 ～ %3 の外です").arg(index).arg(LowerBound).arg(UpperBound));
}

QString& FolderNameTable::operator()(std::int32_t index)
{
    check(index);
    return slots_[static_cast<std::size_t>(index)];
}

const QString& FolderNameTable::operator()(std::int32_t index) const
{
    check(index);
    return slots_[static_cast<std::size_t>(index)];
}

}  // namespace kestrune
