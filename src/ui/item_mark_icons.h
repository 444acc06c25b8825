#pragma once

#include "controls.h"

#include <QIcon>

namespace kestrune {

// The small coloured icon of a names-list mark: green for what is (or will
// be) made, amber for a warning, red for what stops or failed, blue for a
// repeat and grey for what makes nothing. Each shape differs too, so that
// the marks stay apart without colour.
QIcon iconForMark(ItemMark mark);

}  // namespace kestrune
