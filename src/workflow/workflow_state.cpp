#include "workflow_state.h"

#include "runtime_error.h"
#include "workflow_texts.h"

namespace kestrune {

void FolderNameTable::check(std::int32_t index)
{
    if (index < LowerBound || index > UpperBound)
        throw RuntimeError(SubscriptOutOfRange, texts::indexOutOfRange.arg(index).arg(LowerBound).arg(UpperBound));
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

bool isReadmePath(const QString& listFilePath)
{
    return listFilePath.contains(texts::readmeMarker, Qt::CaseSensitive);
}

}  // namespace kestrune
