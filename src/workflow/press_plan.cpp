#include "press_plan.h"

#include "disk_comparison.h"
#include "folder_names.h"
#include "template_reading.h"
#include "workflow_texts.h"

#include <QDir>

#include <algorithm>

namespace kestrune {

PressTarget pressTargetOf(const QString& baseFolder, const MountTable& mounts)
{
    return {baseFolder, volumePlaceOf(baseFolder, mounts)};
}

QString PressPlan::refusal() const
{
    const QString lines = preview.refusal();
    return lines.isEmpty() ? templates.refusal() : lines;
}

QString templateFolderOf(const PressRequest& request, const Folders& folders)
{
    if (request.noTemplate)
        return {};
    // One named is used whatever it is: a missing one refuses the press.
    if (!request.templateFolder.isEmpty())
        return request.templateFolder;
    const QString beside = templatePathFor(request.listFilePath);
    return !beside.isEmpty() && folders.kindOf(beside) == EntryKind::Folder ? beside : QString();
}

namespace {

// What the template puts where, after the disk is compared (when filling in,
// through `base`).
void planTemplates(PressPlan& plan, Folders& folders, OpenFolder* base, PlanUse use)
{
    const QString path = templateFolderOf(plan.request, folders);
    if (path.isEmpty())
        return;
    const PressRequest& request = plan.request;
    plan.templates =
        planTemplate(readTemplate(folders, path), plan.preview,
                     {request.target.baseFolder, parentNameFrom(request.typedParentName), request.target.volume},
                     request.notation, base);
    // Asked for with the lines' values, and missed as theirs are.
    appendNewNames(plan.preview.waitingFor, plan.templates.waitingFor);
    if (use == PlanUse::Preview)
        plan.templates.folder.reset();  // a preview holds nothing open
}

}  // namespace

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
    // The press and the disk read the entries' folders on their own.
    if (use != PlanUse::Preview || request.fillIn)
        plan.preview.fillFolders();
    if (use == PlanUse::Preview && !request.fillIn) {
        planTemplates(plan, folders, nullptr, use);
        return plan;
    }

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
    planTemplates(plan, folders, plan.base.get(), use);
    if (use == PlanUse::Preview)
        plan.base.reset();  // a preview holds nothing open
    return plan;
}

}  // namespace kestrune
