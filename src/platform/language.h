#pragma once

namespace kestrune {

// The languages the program speaks. Japanese is the one its texts are
// written in.
enum class Language {
    Japanese,
    English,
};

// What the person chose in the names list's menu, kept in the settings.
enum class LanguageChoice {
    Automatic,  // follow the desktop
    Japanese,
    English,
};

}  // namespace kestrune
