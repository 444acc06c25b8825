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

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

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

// One neighbourhood for the whole run, furnished once: each input's list is
// written into it, and what the input made is removed after its checks.
// Furnishing a fresh one and removing it again for every input took longer
// than most inputs' presses.
struct Neighbourhood {
    fuzz::ScratchFolder scratch;
    QString base = scratch.path() + QStringLiteral("/base/");
    QString listPath = base + QStringLiteral("list.txt");
    test::TreeSnapshot furnished;  // with an empty list file
    Neighbourhood()
    {
        furnish(scratch.path(), base);
        fuzz::writeBytes(listPath, nullptr, 0);
        furnished = test::snapshotTree(scratch.path());
    }

    // The tree as the last input left it, its list file now holding the
    // input's list: everything an input made is gone again, and anything
    // else it changed failed the run.
    test::TreeSnapshot before() const
    {
        test::TreeSnapshot tree = furnished;
        tree[QFile::encodeName(QDir(scratch.path()).relativeFilePath(listPath))] = test::snapshotEntry(listPath);
        return tree;
    }
};

// One set of settings for the whole run, as for the list reader's target.
QSettings& settings()
{
    static QTemporaryDir folder;
    static QSettings kept(folder.filePath(QStringLiteral("kestrune.conf")), QSettings::IniFormat);
    return kept;
}

// One history folder for the whole run; each input's record is removed
// after its checks.
const QString& historyFolder()
{
    static QTemporaryDir folder;
    static const QString history = folder.filePath(QStringLiteral("history"));
    return history;
}

Neighbourhood& neighbourhood()
{
    static Neighbourhood kept;
    return kept;
}

// A folder in the snapshot, by its path relative to the snapshot's root.
bool isFolder(const test::TreeSnapshot& tree, const QByteArray& path)
{
    const auto found = tree.find(path);
    return found != tree.end() && found->second.type == S_IFDIR;
}

// Removes what `after` holds and `before` does not, deepest first: the
// neighbourhood as it was furnished.
void removeAdded(const QString& root, const test::TreeSnapshot& before, const test::TreeSnapshot& after)
{
    const QByteArray native = QFile::encodeName(root);
    for (auto entry = after.crbegin(); entry != after.crend(); ++entry) {
        if (before.count(entry->first) != 0)
            continue;
        const QByteArray path = native + '/' + entry->first;
        require((S_ISDIR(entry->second.type) ? ::rmdir(path.constData()) : ::unlink(path.constData())) == 0,
                "remove what an input made");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = input.indexOf('\0');
    const QString typed = nul < 0 ? QString() : QString::fromUtf8(input.left(nul));
    const QByteArray list = nul < 0 ? input : input.mid(nul + 1);

    const QString& root = neighbourhood().scratch.path();
    const QString& base = neighbourhood().base;
    const QString& listPath = neighbourhood().listPath;
    fuzz::writeBytes(listPath, reinterpret_cast<const std::uint8_t*>(list.constData()),
                     static_cast<std::size_t>(list.size()));
    const test::TreeSnapshot before = neighbourhood().before();

    test::WorkflowFixture f(settings(), historyFolder());
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

    const test::TreeSnapshot after = test::snapshotTree(root);
    const test::TreeChanges changes = compareTrees(before, after);
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
        // Compared as the disk holds it: decoding would drop a leading U+FEFF.
        const QByteArray made = parent.mid(5);  // past "base/"
        require(std::any_of(preview.parents.cbegin(), preview.parents.cend(),
                            [&](const LinePreview& name) {
                                const QByteArray named = QFile::encodeName(name.folder);
                                return made.startsWith(named) &&
                                       made.mid(named.size()).count('#') == made.size() - named.size();
                            }),
                "a parent is a parent name with \"#\" added");
    }
    QSet<QByteArray> allowed(parents.cbegin(), parents.cend());
    for (const QByteArray& parent : std::as_const(parents)) {
        for (qsizetype entry = 0; entry < preview.entries.size(); ++entry) {
            QByteArray path = parent;
            for (const QString& level : preview.folderOf(entry).split(u'/', Qt::SkipEmptyParts)) {
                path += '/' + QFile::encodeName(level);
                allowed.insert(path);
            }
        }
    }
    for (const QByteArray& added : changes.added) {
        require(allowed.contains(added), "nothing is made but the previewed folders, under the new parents");
        require(isFolder(after, added), "only folders are made");
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
            for (qsizetype entry = 0; entry < preview.entries.size(); ++entry) {
                const LineStatus status = preview.entries.at(entry).status;
                if (makesFolder(status) || status == LineStatus::Repeat)
                    require(isFolder(after, parent + '/' + QFile::encodeName(preview.folderOf(entry))),
                            "every folder the preview makes is made, as a real folder, in every parent");
            }
        }
    }
    removeAdded(root, before, after);
    for (const QString& record : f.history.records.names())
        f.history.records.remove(record);
    return 0;
}
