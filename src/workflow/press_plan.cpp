#include "press_plan.h"

#include "disk_comparison.h"
#include "folder_names.h"
#include "workflow_texts.h"

#include <QDir>

#include <algorithm>

namespace kestrune {

PressTarget pressTargetOf(const QString& baseFolder, const MountTable& mounts)
{
    return {baseFolder, volumePlaceOf(baseFolder, mounts)};
}

PressPlan planPress(const PressRequest& request, Folders& folders, PlanUse use)
{
    PressPlan plan;
    plan.request = request;
    const PressTarget& target = request.target;
    plan.preview = previewList(
        request.lines, {target.baseFolder, parentNameFrom(request.typedParentName), target.volume}, request.notation);
    const auto refused = std::find_if(plan.preview.parents.cbegin(), plan.preview.parents.cend(),
                                      [](const LinePreview& parent) { return parent.status == LineStatus::Refused; });
    if (refused != plan.preview.parents.cend())
        plan.badParentName = *refused;
    if (use == PlanUse::Preview && !request.fillIn)
        return plan;

    // A relative base would put the folders wherever the program was started;
    // a base that is gone or no folder is named as such, whoever asks.
    try {
        if (!QDir::isAbsolutePath(target.baseFolder))
            throw RuntimeError(PathNotFound, texts::noBaseFolder.arg(target.baseFolder));
        if (folders.kindOf(target.baseFolder) != EntryKind::Folder)
            throw RuntimeError(PathNotFound, texts::baseNotAFolder.arg(target.baseFolder));
        plan.base = folders.openFolder(target.baseFolder);
    } catch (const RuntimeError& error) {
        plan.baseError = error;
        return plan;
    }
    if (request.fillIn)
        compareWithDisk(plan.preview, *plan.base, target.volume.windowsFileSystem);
    if (use == PlanUse::Preview)
        plan.base.reset();  // a preview holds nothing open
    return plan;
}

}  // namespace kestrune
