#pragma once

// Each figure registers its benchmarks, side by side with their floors.
namespace kestrune::bench {

void registerCreateFigures();
void registerFillInFigures();
void registerNotationFigures();
void registerBrowseFigures();
void registerLoadFigures();
void registerPreviewFigures();
void registerPasteFigures();
void registerUndoFigures();
void registerTemplateFigures();

}  // namespace kestrune::bench
