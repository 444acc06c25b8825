// The in-process figures: Create (new, filled in, from notation), Browse, Load,
// Preview, Paste, Undo and Template files, each against its floor.
#include "figures.h"
#include "text_language.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    // The folder lists are real widgets; they paint without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
