#pragma once

#include "runtime_error.h"

#include <QByteArray>
#include <QString>

namespace kestrune {

// Everything the open `fd` gives up to its end, waiting for more when it was
// left non-blocking (a pipe). Fails with `tooLarge` once more than `limit`
// bytes came, and with a failed read's error, `name` standing for the source.
QByteArray readToEnd(int fd, qint64 limit, const QString& name, const RuntimeError& tooLarge);

}  // namespace kestrune
