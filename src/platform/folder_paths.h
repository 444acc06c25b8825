#pragma once

#include <QChar>
#include <QString>

// Joining and cleaning folder paths, the one way every layer does it.
namespace kestrune {

inline constexpr QChar pathSeparator = u'/';

// `folder` ending in exactly one separator, ready for a name to follow; a
// root such as "/" already ends in one.
QString withTrailingSeparator(const QString& folder);

// `name` inside `folder`, with exactly one separator between them.
QString joinPath(const QString& folder, const QString& name);

// `path` made absolute and clean (no trailing separator but on a root). An
// empty path stays empty, for the listing to refuse.
QString cleanFolderPath(const QString& path);

}  // namespace kestrune
