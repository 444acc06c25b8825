#pragma once

#include "runtime_error.h"

namespace kestrune {

// Maps an OS error (errno) onto the host's numbers; `path` is named in the
// description so that the person sees which file or folder failed.
RuntimeError errorFromErrno(int osError, const QString& path);

}  // namespace kestrune
