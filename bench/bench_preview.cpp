// Preview: the statuses of a list whose lines each stand for ten folders
// (`名前/{01..10}`), worked out by the workflow and shown in the names list:
// the notation filled in, every folder's status, and the rows (each line, its
// results beneath it) with their marks handed to the list. Twice: as a load
// shows it (every row added) and as a keystroke in the parent name shows it
// (the rows stay, their marks change). The floor makes the same folder names
// by plain concatenation.
//
// Preview, table: a list of three lines filled from a values table of 1000
// clients (`{?顧客コード}_{?顧客名}/見積` and so on): one tree per row, 3000
// folders, every row's heading, lines and results shown; against the same
// folder names made by concatenation.
#include "figures.h"
#include "folder_list_workflow.h"
#include "folder_paths.h"
#include "japanese_names.h"
#include "paired_rounds.h"
#include "posix_folders.h"
#include "quiet_controls.h"
#include "scratch_folder.h"
#include "workflow_texts.h"

#include <benchmark/benchmark.h>

namespace kestrune::bench {

namespace {

constexpr int resultsPerLine = 10;

enum class Shown {
    Load,       // the names list starts empty: every row is added
    Keystroke,  // the rows are there already: only their marks change
};

QStringList concatenated(const QStringList& names, const QStringList& numbers)
{
    QStringList folders;
    folders.reserve(names.size() * numbers.size());
    for (const QString& name : names) {
        for (const QString& number : numbers)
            folders.append(name + u'/' + number);
    }
    return folders;
}

void previewNotation(benchmark::State& state, Shown shown)
{
    const int lineCount = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("preview");
        const QStringList names = japaneseNames(lineCount);
        QStringList lines;
        for (const QString& name : names)
            lines.append(name + QStringLiteral("/{01..%1}").arg(resultsPerLine, 2, 10, QLatin1Char('0')));
        QStringList numbers;
        for (int number = 1; number <= resultsPerLine; ++number)
            numbers.append(QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')));
        const qsizetype rowCount = lineCount + qsizetype{lineCount} * resultsPerLine;

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.baseFolder = QString::fromStdString(scratch.path()) + pathSeparator;
        list.lines = lines;
        list.listState = ListState::Ready;
        window.parentNameEdit.contents = texts::defaultParentName;
        workflow.onParentNameEdited();

        const std::string label = shown == Shown::Load ? "preview" : "preview-keystroke";
        PairedRounds rounds(label + "/" + std::to_string(rowCount - lineCount));
        qsizetype floorCount = 0;
        for (auto _ : state) {
            if (shown == Shown::Load) {
                list.rows.clear();
                window.namesList.clear();
            }
            rounds.round(
                state, [&] { workflow.onParentNameEdited(); },
                [&] {
                    const QStringList made = concatenated(names, numbers);
                    floorCount = made.size();
                    benchmark::DoNotOptimize(made.constData());
                });
            if (window.namesList.items.size() != rowCount || window.namesList.marks.size() != rowCount ||
                window.namesList.items.constLast() != names.constLast() + u'/' + numbers.constLast() ||
                window.namesList.marks.constLast() != ItemMark::Ok ||
                window.namesList.marks.constFirst() != ItemMark::Ok || floorCount != rowCount - lineCount ||
                !window.desktop.boxes.isEmpty()) {
                state.SkipWithError("the preview was not shown");
                return;
            }
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

void previewTable(benchmark::State& state)
{
    const int rowCount = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("preview-table");
        const QStringList names = japaneseNames(rowCount);
        const QStringList documents{QStringLiteral("見積"), QStringLiteral("請求"), QStringLiteral("納品")};
        ValuesTable table;
        table.columns = QStringList{QStringLiteral("顧客コード"), QStringLiteral("顧客名")};
        for (int row = 0; row < rowCount; ++row) {
            table.rows.append({QStringLiteral("C%1").arg(row + 1, 4, 10, QLatin1Char('0')), names.at(row)});
            table.rowLines.append(row + 2);
        }
        QStringList lines;
        for (const QString& document : documents)
            lines.append(QStringLiteral("{?顧客コード}_{?顧客名}/") + document);
        // Each row: its heading, and each line with its one folder beneath it.
        const qsizetype rowsShown = qsizetype{rowCount} * (1 + 2 * documents.size());

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.baseFolder = QString::fromStdString(scratch.path()) + pathSeparator;
        list.lines = lines;
        list.notation.table = table;
        list.listState = ListState::Ready;
        window.parentNameEdit.contents = texts::defaultParentName;

        PairedRounds rounds("preview-table/" + std::to_string(rowCount * documents.size()));
        qsizetype floorCount = 0;
        for (auto _ : state) {
            list.rows.clear();
            window.namesList.clear();
            rounds.round(
                state, [&] { workflow.onParentNameEdited(); },
                [&] {
                    QStringList made;
                    made.reserve(rowCount * documents.size());
                    for (const QStringList& row : std::as_const(table.rows)) {
                        for (const QString& document : documents)
                            made.append(row.at(0) + u'_' + row.at(1) + u'/' + document);
                    }
                    floorCount = made.size();
                    benchmark::DoNotOptimize(made.constData());
                });
            const QString lastFolder = table.rows.constLast().join(u'_') + u'/' + documents.constLast();
            if (window.namesList.items.size() != rowsShown || window.namesList.items.constLast() != lastFolder ||
                window.namesList.marks.constLast() != ItemMark::Ok ||
                window.namesList.marks.constFirst() != ItemMark::Ok || floorCount != rowCount * documents.size() ||
                !window.desktop.boxes.isEmpty()) {
                state.SkipWithError("the table's preview was not shown");
                return;
            }
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerPreviewFigures()
{
    benchmark::RegisterBenchmark("preview-table", previewTable)
        ->Arg(1000)
        ->Iterations(60)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (const Shown shown : {Shown::Load, Shown::Keystroke}) {
        benchmark::RegisterBenchmark(shown == Shown::Load ? "preview" : "preview-keystroke", previewNotation, shown)
            ->Arg(1000)
            ->Iterations(60)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace kestrune::bench
