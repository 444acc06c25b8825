#include "folders.h"

namespace kestrune {

bool isSameFolder(const FolderId& first, const FolderId& second)
{
    if (!first.handle.isEmpty() && !second.handle.isEmpty())
        return first.mount == second.mount && first.handle == second.handle;
    if (first.device != second.device || first.inode != second.inode)
        return false;
    if (first.hasBirth && second.hasBirth)
        return first.bornSeconds == second.bornSeconds && first.bornNanoseconds == second.bornNanoseconds;
    return true;
}

bool isSameFolderRemounted(const FolderId& recorded, const FolderId& now)
{
    const bool sameBirth = !recorded.hasBirth || !now.hasBirth ||
                           (recorded.bornSeconds == now.bornSeconds && recorded.bornNanoseconds == now.bornNanoseconds);
    if (!recorded.handle.isEmpty() && !now.handle.isEmpty())
        return recorded.handle == now.handle && sameBirth;
    return recorded.hasBirth && now.hasBirth && recorded.inode == now.inode && sameBirth;
}

FolderId remounted(FolderId id, const FolderId& recorded, const FolderId& now)
{
    if (id.device == recorded.device)
        id.device = now.device;
    if (id.mount == recorded.mount)
        id.mount = now.mount;
    return id;
}

}  // namespace kestrune
