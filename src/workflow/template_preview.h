#pragma once

#include "list_preview.h"
#include "template_plan.h"

#include <QList>
#include <QString>

// How the names list shows what a template puts where: a summary row above
// the lines, and in each folder's row the files it receives.
namespace kestrune {

// The summary row's text: 「ひな形: N ファイル（合計 … MB）」.
QString templateSummary(const TemplatePlan& plan);
// Its tip: the template's path, why the press is refused because of it, what
// is not copied and why, and the folders no folder of the press matches.
QString templateSummaryTip(const TemplatePlan& plan);
// The files the folders of preview entry `entry` receive (in the first
// parent that gets it), for the row's tip; empty when none.
QString copiesTip(const TemplatePlan& plan, qsizetype entry);

// Adds the template to `rows` (previewRows of the same press): the summary
// row first, and to each folder's row its files, a copy refused or unsafe
// marking the row so. Nothing without a template. The rows that receive
// files take the tips of `preview`'s entries in full.
void addTemplateRows(QList<PreviewRow>& rows, const TemplatePlan& plan, const ListPreview& preview);

}  // namespace kestrune
