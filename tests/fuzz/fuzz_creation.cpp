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
#include "line_preview.h"
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

    // The one new entry of the base folder is the parent; all else is inside it.
    QByteArray parent;
    for (const QByteArray& added : changes.added) {
        if (added.startsWith("base/") && !added.mid(5).contains('/')) {
            require(parent.isEmpty(), "one new parent at most");
            parent = added;
        }
    }
    for (const QByteArray& added : changes.added) {
        require(added == parent || added.startsWith(parent + '/'), "every folder made lies under the new parent");
        require(isFolder(scratch.path() + u'/' + QFile::decodeName(added)), "only folders are made");
    }

    if (!loaded || refused) {
        require(changes.added.isEmpty(), "a gated or refused press makes nothing");
        require(!failed, "a gated or refused press raises no error");
    }

    // The preview the button works from: the same lines, base folder and
    // parent name (trimmed, or the preset name). The fixture's mount table
    // puts the base on ext4.
    const QString parentName = parentNameFrom(typed);
    require(!state.volume.windowsFileSystem, "the base is not on a Windows file system");
    const PreviewTarget target{base, parentName, state.volume};
    const QList<LinePreview> preview = previewLines(lines, target);
    const bool anyRefused = std::any_of(preview.begin(), preview.end(),
                                        [](const LinePreview& line) { return line.status == LineStatus::Refused; });
    if (loaded)
        require(refused == (anyRefused || previewParentName(target).status == LineStatus::Refused),
                "the press is refused exactly when the preview refuses a line or the parent name is bad");
    const QString madeParent = QFile::decodeName(parent.mid(5));  // past "base/"
    if (loaded && !refused) {
        // The preview counts the parent name as typed; only a "#" added to a
        // taken name can lengthen a path past what it checked.
        require(!failed || (!parent.isEmpty() && madeParent != parentName), "a press the preview allows does not fail");
        const QString parentPath = scratch.path() + u'/' + QFile::decodeName(parent);
        // A failure stops at its row: the rows before it are made, it and
        // the rest are not.
        qsizetype reached = preview.size();
        if (failed) {
            reached = namesList.marks.indexOf(ItemMark::Failed);
            require(reached >= 0 && reached < preview.size(), "a failure marks its row");
        }
        QSet<QByteArray> allowed{parent};
        const auto allow = [&](const QString& folder) {
            QByteArray path = parent;
            for (const QString& level : folder.split(u'/')) {
                path += '/' + QFile::encodeName(level);
                allowed.insert(path);
            }
        };
        for (qsizetype row = 0; row < reached; ++row) {
            const LinePreview& line = preview.at(row);
            if (line.status == LineStatus::Blank)
                continue;
            require(isFolder(parentPath + u'/' + line.folder),
                    "every line the preview calls ok, repeat or unsafe is made, as a real folder");
            require(!failed || namesList.marks.at(row) == ItemMark::Made, "a row made shows it");
            allow(line.folder);
        }
        if (failed)
            allow(preview.at(reached).folder);  // the levels made before its failure
        for (const QByteArray& added : changes.added)
            require(allowed.contains(added), "nothing is made but the previewed folders");
    }
    if (!parent.isEmpty()) {
        require(madeParent.startsWith(parentName) &&
                    madeParent.mid(parentName.size()).count(u'#') == madeParent.size() - parentName.size(),
                "the parent is the typed name with \"#\" added");
    }
    if (failed) {
        require(state.listState == ListState::Ready && namesList.items == listed && parentNameEdit.contents == typed,
                "a failure leaves the list ready");
    } else if (loaded && !refused) {
        require(state.listState == ListState::NotReady, "a finished creation ends the list");
        require(namesList.items == QStringList{texts::creationFinished} && parentNameEdit.contents.isEmpty(),
                "the completion line");
        const QString parentPath = scratch.path() + u'/' + QFile::decodeName(parent);
        for (const LinePreview& line : preview)
            require(isFolder(parentPath + (line.folder.isEmpty() ? QString() : u'/' + line.folder)),
                    "every listed name is made");
    }
    return 0;
}
