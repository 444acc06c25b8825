#pragma once

#include "language.h"

class QTranslator;

namespace kestrune {

// Loads Qt's own words (the text boxes' menus, the standard buttons) in
// `language` into `translator` and installs it, so that they read like the
// rest of the window. English needs nothing: Qt's own words are English.
// False when the translation is not installed: the words then stay English
// and nothing else changes.
bool installQtWords(QTranslator& translator, Language language);

}  // namespace kestrune
