#pragma once

#include "language.h"

#include <QTranslator>

namespace kestrune {

// Makes every text (translatable_text.h) read in `language` while it lives.
// English comes from the translation built into the program's resources
// (translations/); where it is not, the texts stay Japanese and loaded() is
// false. Made once at start-up, before the first text is read, and
// process-wide as Qt's own translators are: those need an application
// object, which the command line does not make.
class TextLanguage {
public:
    explicit TextLanguage(Language language);
    ~TextLanguage();
    TextLanguage(const TextLanguage&) = delete;
    TextLanguage& operator=(const TextLanguage&) = delete;

    bool loaded() const noexcept { return loaded_; }

private:
    QTranslator translation_;
    bool loaded_ = true;
};

}  // namespace kestrune
