#pragma once

#include "language.h"

#include <QStringList>
#include <QStringView>

class QSettings;

namespace kestrune {

// The language the program speaks, taken once at start-up. KESTRUNE_LANGUAGE
// ("ja" or "en"; anything else is ignored) goes first, for scripts; then the
// person's choice; then the desktop: English when its first UI language is
// any but Japanese, Japanese when it is Japanese and when none is set (C,
// POSIX or nothing), as on the machines the program was made for.
Language programLanguage(const QStringList& uiLanguages, LanguageChoice choice, QStringView environment);

// The same for this process: the desktop's UI languages, the choice kept in
// `settings` and the environment.
Language programLanguage(const QSettings& settings);

// The choice kept in the program's settings; Automatic when none is.
LanguageChoice languageChoiceIn(const QSettings& settings);
void keepLanguageChoice(QSettings& settings, LanguageChoice choice);

}  // namespace kestrune
