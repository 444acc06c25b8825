// The in-process figures: Create (new, filled in, from notation), Browse, Load,
// Preview, Paste, Undo and Template files, each against its floor.
#include "figures.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    // The folder lists are real widgets; they paint without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

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
