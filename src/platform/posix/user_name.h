#pragma once

#include <QString>

namespace kestrune {

// The name the person logged in with, as the password database gives it for
// the effective user; the environment's, or the number, when it gives none.
QString currentUserName();

}  // namespace kestrune
