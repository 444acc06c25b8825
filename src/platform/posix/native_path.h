#pragma once

#include <QByteArray>
#include <QString>

namespace kestrune {

// The bytes the OS takes for a path. Throws error 52 for a path the OS cannot
// carry (empty, or holding a NUL that would silently cut it short).
QByteArray nativePath(const QString& path);

}  // namespace kestrune
