// Browse: the real folder and file lists opened on a folder of sub-folders and
// .txt files, from setting the path to both lists painted (the file list
// refilled by the folder list's change, as in the window); against readdir
// plus a sort of the same folder.
#include "figures.h"
#include "folder_list_workflow.h"
#include "paired_rounds.h"
#include "posix_folders.h"
#include "posix_listing_source.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "quiet_controls.h"
#include "scratch_folder.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QListView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace kestrune::bench {

namespace {

// Half sub-folders, half .txt files; a few more bytes per name than plain
// ASCII, as in a Japanese office.
void makeBrowseFolder(const std::string& path, int entries)
{
    makeFolder(path);
    for (int index = 0; index < entries / 2; ++index) {
        const std::string number = std::to_string(index);
        makeFolder(path + "/資料フォルダー" + number);
        writeFile(path + "/名簿" + number + ".txt", std::string());
    }
}

struct BareListing {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};

bool isTxt(const char* name)
{
    const std::size_t length = std::strlen(name);
    return length >= 4 && std::strcmp(name + length - 4, ".txt") == 0;
}

// The floor: one readdir pass, d_type deciding folder or file (a stat only
// where the file system leaves it unknown), then a plain byte-wise sort.
BareListing readdirAndSort(const std::string& path)
{
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr)
        throw std::runtime_error("opendir " + path + ": " + std::strerror(errno));
    BareListing listing;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0)
                type = S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
        }
        if (type == DT_DIR)
            listing.folders.emplace_back(entry->d_name);
        else if (type == DT_REG && isTxt(entry->d_name))
            listing.files.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(listing.folders.begin(), listing.folders.end());
    std::sort(listing.files.begin(), listing.files.end());
    return listing;
}

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// The two lists as the window holds them: side by side in a shown window, the
// file list refilled by the folder list's change through the workflow.
class BrowseWindow {
public:
    BrowseWindow()
        : dirList_(new QtFolderList(listings_, &window_)), fileList_(new QtFileList(listings_, &window_)),
          workflow_(state_,
                    WorkflowControls{quiet_.namesList, quiet_.parentNameEdit, quiet_.readmeViewer, quiet_.driveList,
                                     *dirList_, *fileList_},
                    quiet_.host(folders_)),
          dirView_(dirList_->findChild<QListView*>()), fileView_(fileList_->findChild<QListView*>()),
          dirPaints_(dirView_->viewport()), filePaints_(fileView_->viewport())
    {
        auto* layout = new QHBoxLayout(&window_);
        layout->addWidget(dirList_);
        layout->addWidget(fileList_);
        fileList_->useListingsOf(dirList_);
        // About the size the two lists have in the window.
        window_.resize(380, 132);
        window_.show();
        QApplication::processEvents();
    }

    // Opens `path` and returns once both lists have painted it.
    void open(const QString& path)
    {
        const int dirBefore = dirPaints_.paints;
        const int fileBefore = filePaints_.paints;
        workflow_.onFolderClicked(path);
        QApplication::processEvents();
        if (dirPaints_.paints == dirBefore)
            dirView_->viewport()->repaint();
        if (filePaints_.paints == fileBefore)
            fileView_->viewport()->repaint();
    }

    // The rows below the chain from the root down to the open folder.
    int folders() const
    {
        const QString path = dirList_->path();
        const int chain = path == u"/" ? 1 : static_cast<int>(path.count(u'/')) + 1;
        return dirView_->model()->rowCount() - chain;
    }
    int files() const { return fileView_->model()->rowCount(); }

private:
    QuietWindow quiet_;
    PosixFolders folders_;
    PosixListingSource listings_;
    QWidget window_;
    QtFolderList* dirList_;
    QtFileList* fileList_;
    WorkflowState state_;
    FolderListWorkflow workflow_;
    QListView* dirView_;
    QListView* fileView_;
    PaintCounter dirPaints_;
    PaintCounter filePaints_;
};

void browseFolder(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("browse");
        const std::string big = scratch.path() + "/big";
        const std::string empty = scratch.path() + "/empty";
        makeBrowseFolder(big, entries);
        makeFolder(empty);
        BrowseWindow browse;

        PairedRounds rounds("browse/" + std::to_string(entries));
        BareListing bare;
        for (auto _ : state) {
            browse.open(QString::fromStdString(empty));
            rounds.round(
                state, [&] { browse.open(QString::fromStdString(big)); }, [&] { bare = readdirAndSort(big); });
            if (browse.folders() != entries / 2 || browse.files() != entries / 2 ||
                bare.folders.size() != static_cast<std::size_t>(entries / 2) ||
                bare.files.size() != static_cast<std::size_t>(entries / 2)) {
                state.SkipWithError("the lists do not hold the folder's entries");
                return;
            }
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

int browseRounds(int entries)
{
    return entries >= 100000 ? 12 : (entries >= 10000 ? 32 : 100);
}

}  // namespace

void registerBrowseFigures()
{
    for (const int entries : {1000, 10000, 100000}) {
        benchmark::RegisterBenchmark("browse", browseFolder)
            ->Arg(entries)
            ->Iterations(browseRounds(entries))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace kestrune::bench
