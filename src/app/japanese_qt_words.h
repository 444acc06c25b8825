#pragma once

class QTranslator;

namespace kestrune {

// Loads Qt's own Japanese words (the text boxes' menus, the standard
// buttons) into `translator` and installs it, so that they read like the rest
// of the window. False when the translation is not installed: the words then
// stay English and nothing else changes.
bool installJapaneseQtWords(QTranslator& translator);

}  // namespace kestrune
