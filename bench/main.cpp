// The in-process figures: Create (new, filled in, from notation), Browse, Load,
// Preview, Paste, Undo and Template files, each against its floor.
#include "figures.h"
#include "text_language.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <malloc.h>

int main(int argc, char** argv)
{
    // The folder lists are real widgets; they paint without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program and its floor share one heap. glibc hands the heap's top
    // back to the kernel when a free leaves more than 128 KiB there, so a
    // floor's free right after the program's could make the program fault
    // its memory in again at its next round, a cost it never pays when it
    // runs alone (a load after a load keeps its heap). A fixed threshold
    // takes that order out of every figure, for both sides alike. Fixing it
    // stops glibc raising its mmap threshold as large blocks are freed, so
    // that is set where glibc would raise it to (its own upper bound).
    constexpr int heapKept = 32 * 1024 * 1024;
    mallopt(M_TRIM_THRESHOLD, heapKept);
    mallopt(M_MMAP_THRESHOLD, heapKept);
    QApplication app(argc, argv);
    // The texts in English with KESTRUNE_LANGUAGE=en (the previews' tool
    // tips), Japanese otherwise.
    const kestrune::TextLanguage words(qEnvironmentVariable("KESTRUNE_LANGUAGE") == u"en"
                                           ? kestrune::Language::English
                                           : kestrune::Language::Japanese);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    kestrune::bench::registerCreateFigures();
    kestrune::bench::registerFillInFigures();
    kestrune::bench::registerNotationFigures();
    kestrune::bench::registerBrowseFigures();
    kestrune::bench::registerLoadFigures();
    kestrune::bench::registerPreviewFigures();
    kestrune::bench::registerPasteFigures();
    kestrune::bench::registerUndoFigures();
    kestrune::bench::registerTemplateFigures();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
