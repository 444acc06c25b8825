// The create button over any list and any typed parent name, in a scratch
// folder that also holds a neighbour folder, a plain file and links leading
// out. Whatever happens, every folder made lies under the one new parent, and
// nothing that was there before is changed or gone. The press keeps the
// preview's word: it is refused, and changes nothing, exactly when the
// preview refuses a line (or the parent name is bad); otherwise every line the
// preview calls ok, repeat or unsafe is made, and nothing else is.
//
// Input: the parent name as UTF-8, a NUL, then the list file. Without a NUL
// the whole input is the list and the parent name is left empty.

#include "folder_names.h"
#include "fuzz_support.h"
#include "list_preview.h"
#include "runtime_error.h"
#include "tree_snapshot.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QFile>
#include <QSet>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

using namespace kestrune;
using fuzz::require;

namespace {

void makeFolder(const QString& path)
{
    require(::mkdir(QFile::encodeName(path).constData(), 0755) == 0, "set up a folder");
}

void makeLink(const char* target, const QString& path)
{
    require(::symlink(target, QFile::encodeName(path).constData()) == 0, "set up a link");
}

// The neighbourhood a list file usually lives in, with traps for a careless
// creation: names already taken, and links that lead out of the base folder.
void furnish(const QString& root, const QString& base)
{
    makeFolder(root + QStringLiteral("/outside"));
    const QByteArray keep = "keep\n";
    fuzz::writeBytes(root + QStringLiteral("/outside/keep.txt"), reinterpret_cast<const std::uint8_t*>(keep.data()),
                     static_cast<std::size_t>(keep.size()));
    makeFolder(base);
    makeFolder(base + texts::defaultParentName);
    makeFolder(base + QStringLiteral("A#"));
    fuzz::writeBytes(base + QStringLiteral("A"), nullptr, 0);
    makeLink("../outside", base + QStringLiteral("escape"));
    makeLink(".", base + QStringLiteral("loop"));
}

bool isFolder(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = input.indexOf('\0');
    const QString typed = nul < 0 ? QString() : QString::fromUtf8(input.left(nul));
    const QByteArray list = nul < 0 ? input : input.mid(nul + 1);

    const fuzz::ScratchFolder scratch;
    const QString base = scratch.path() + QStringLiteral("/base/");
    furnish(scratch.path(), base);
    const QString listPath = base + QStringLiteral("list.txt");
    fuzz::writeBytes(listPath, reinterpret_cast<const std::uint8_t*>(list.constData()),
                     static_cast<std::size_t>(list.size()));
    const test::TreeSnapshot before = test::snapshotTree(scratch.path());

    test::WorkflowFixture f;
    test::FakeItemList& namesList = f.namesList;
    test::FakeNameBox& parentNameEdit = f.parentNameEdit;
    test::FakeDesktop& desktop = f.desktop;
    FolderListWorkflow& workflow = f.workflow;
    const WorkflowState& state = f.state();
    f.load(listPath, base);
    const bool loaded = state.listState == ListState::Ready;
    const QStringList listed = namesList.items;
    const QStringList lines = loaded ? state.lines : QStringList();
    const auto boxesAfterLoad = desktop.boxes.size();
    parentNameEdit.contents = typed;

    bool failed = false;
    try {
        workflow.createFolders();
    } catch (const RuntimeError&) {
        failed = true;
    }
    const bool refused = desktop.boxes.size() > boxesAfterLoad;

    const test::TreeChanges changes = compareTrees(before, test::snapshotTree(scratch.path()));
    require(changes.removed.isEmpty(), "nothing is removed");
    require(changes.changed.isEmpty(), "nothing that was there is changed");
    require(desktop.pointer == NormalPointer, "the pointer is restored");

    // The preview the button works from: the same lines, notation, base
    // folder and parent name (trimmed, or the preset name). The fixture's
    // mount table puts the base on ext4; its desktop leaves the values box,
    // so a list that asks for values waits.
    require(!state.volume.windowsFileSystem, "the base is not on a Windows file system");
    const ListPreview preview = previewList(lines, {base, parentNameFrom(typed), state.volume}, state.notation);
    if (loaded)
        require(refused == !preview.refusal().isEmpty(), "the press is refused exactly when the preview refuses it");

    // The new entries of the base folder are the parents, each a parent name
    // with "#" added while taken; all else is inside one of them.
    QList<QByteArray> parents;
    for (const QByteArray& added : changes.added) {
        if (added.startsWith("base/") && !added.mid(5).contains('/'))
            parents.append(added);
    }
    require(parents.size() <= preview.parents.size(), "no more parents than the parent name stands for");
    for (const QByteArray& parent : parents) {
        const QString made = QFile::decodeName(parent.mid(5));  // past "base/"
        require(std::any_of(preview.parents.cbegin(), preview.parents.cend(),
                            [&](const LinePreview& name) {
                                return made.startsWith(name.folder) &&
                                       made.mid(name.folder.size()).count(u'#') == made.size() - name.folder.size();
                            }),
                "a parent is a parent name with \"#\" added");
    }
    QSet<QByteArray> allowed(parents.cbegin(), parents.cend());
    for (const QByteArray& parent : std::as_const(parents)) {
        for (const LinePreview& entry : preview.entries) {
            QByteArray path = parent;
            for (const QString& level : entry.folder.split(u'/', Qt::SkipEmptyParts)) {
                path += '/' + QFile::encodeName(level);
                allowed.insert(path);
            }
        }
    }
    for (const QByteArray& added : changes.added) {
        require(allowed.contains(added), "nothing is made but the previewed folders, under the new parents");
        require(isFolder(scratch.path() + u'/' + QFile::decodeName(added)), "only folders are made");
    }

    if (!loaded || refused) {
        require(changes.added.isEmpty(), "a gated or refused press makes nothing");
        require(!failed, "a gated or refused press raises no error");
    }
    if (failed) {
        require(namesList.marks.contains(ItemMark::Failed), "a failure marks its row");
        require(state.listState == ListState::Ready && namesList.items == listed && parentNameEdit.contents == typed,
                "a failure leaves the list ready");
    } else if (loaded && !refused) {
        require(parents.size() == preview.parents.size(), "every parent is made");
        require(state.listState == ListState::NotReady, "a finished creation ends the list");
        require(namesList.items == QStringList{texts::creationFinished} && parentNameEdit.contents.isEmpty(),
                "the completion line");
        for (const QByteArray& parent : std::as_const(parents)) {
            const QString parentPath = scratch.path() + u'/' + QFile::decodeName(parent);
            for (const LinePreview& entry : preview.entries) {
                if (makesFolder(entry.status) || entry.status == LineStatus::Repeat)
                    require(isFolder(parentPath + u'/' + entry.folder),
                            "every folder the preview makes is made, as a real folder, in every parent");
            }
        }
    }
    return 0;
}
