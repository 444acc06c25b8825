// Paste: a range of 1000 rows and 3 columns copied from a spreadsheet
// (tab-separated, CR LF, a department and a section left empty below their
// first row, as a tree is laid out in a sheet), pasted through the workflow
// until every row and its mark is in the names list; against splitting the
// same text at line ends and tabs.
#include "figures.h"
#include "folder_list_workflow.h"
#include "japanese_names.h"
#include "paired_rounds.h"
#include "posix_folders.h"
#include "quiet_controls.h"
#include "scratch_folder.h"

#include <benchmark/benchmark.h>

namespace kestrune::bench {

namespace {

struct Table {
    QString text;         // as on the clipboard
    QStringList folders;  // what each row stands for
};

// Ten rows a section, ten sections a department; a cell equal to the one
// above is left empty, as long as every cell left of it is too.
Table spreadsheetRange(int rowCount)
{
    const QStringList items = japaneseNames(rowCount);
    Table table;
    for (int row = 0; row < rowCount; ++row) {
        const QString department = QStringLiteral("第%1事業部").arg(row / 100 + 1);
        const QString section = QStringLiteral("%1課").arg(row / 10 + 1);
        const bool newDepartment = row % 100 == 0;
        const bool newSection = row % 10 == 0;
        table.text += (newDepartment ? department : QString()) + u'\t' + (newSection ? section : QString()) + u'\t' +
                      items.at(row) + QStringLiteral("\r\n");
        table.folders.append(department + u'/' + section + u'/' + items.at(row));
    }
    return table;
}

// The floor: one string a cell, cut at CR, LF or CR LF and at tabs.
qsizetype splitCells(const QString& text)
{
    QStringList cells;
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        for (const QStringView cell : QStringView(text).sliced(start, end - start).tokenize(u'\t'))
            cells.append(cell.toString());
        start = end + (end + 1 < size && text.at(end) == u'\r' && text.at(end + 1) == u'\n' ? 2 : 1);
    }
    benchmark::DoNotOptimize(cells.constData());
    return cells.size();
}

void pasteTable(benchmark::State& state)
{
    const int rowCount = static_cast<int>(state.range(0));
    constexpr int columns = 3;
    try {
        ScratchFolder scratch("paste");
        const Table table = spreadsheetRange(rowCount);

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        window.folderList.openPath = QString::fromStdString(scratch.path());

        PairedRounds rounds("paste/" + std::to_string(rowCount));
        qsizetype floorCells = 0;
        for (auto _ : state) {
            rounds.round(
                state, [&] { workflow.pasteList(table.text); }, [&] { floorCells = splitCells(table.text); });
            const test::FakeItemList& shown = window.namesList;
            if (list.listState != ListState::Ready || shown.items.size() != rowCount ||
                shown.marks.size() != rowCount || shown.marks.constLast() != ItemMark::Ok ||
                shown.items.constLast() != table.folders.constLast() || list.lines != table.folders ||
                floorCells != qsizetype{rowCount} * columns || !window.desktop.boxes.isEmpty() ||
                window.desktop.beeps != 0) {
                state.SkipWithError("the table was not pasted as laid out");
                return;
            }
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerPasteFigures()
{
    benchmark::RegisterBenchmark("paste", pasteTable)
        ->Arg(1000)
        ->Iterations(300)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace kestrune::bench
