#include "folders.h"

namespace kestrune {

bool isSameFolder(const FolderId& first, const FolderId& second)
{
    if (!first.handle.isEmpty() && !second.handle.isEmpty())
        return first.handle == second.handle;
    if (first.device != second.device || first.inode != second.inode)
        return false;
    if (first.hasBirth && second.hasBirth)
        return first.bornSeconds == second.bornSeconds && first.bornNanoseconds == second.bornNanoseconds;
    return true;
}

}  // namespace kestrune
