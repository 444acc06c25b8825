#include "program_language.h"

#include <QLocale>
#include <QSettings>

#include <array>
#include <utility>

namespace kestrune {

namespace {

const QString languageKey = QStringLiteral("language");

// The choices as the settings file holds them.
constexpr std::array<std::pair<LanguageChoice, QStringView>, 3> choiceNames{{
    {LanguageChoice::Automatic, u"auto"},
    {LanguageChoice::Japanese, u"ja"},
    {LanguageChoice::English, u"en"},
}};

LanguageChoice choiceNamed(QStringView name)
{
    for (const auto& [choice, spelled] : choiceNames) {
        if (name == spelled)
            return choice;
    }
    return LanguageChoice::Automatic;
}

// The language part of a locale name: "ja" of "ja-JP", "ja_JP.UTF-8" or "ja".
QStringView languageOf(QStringView name)
{
    qsizetype end = 0;
    while (end < name.size() && name.at(end) != u'-' && name.at(end) != u'_' && name.at(end) != u'.' &&
           name.at(end) != u'@')
        ++end;
    return name.first(end);
}

Language desktopLanguage(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return Language::Japanese;
    const QStringView first = languageOf(uiLanguages.first());
    const bool unset = first.isEmpty() || first == u"C" || first == u"POSIX";
    if (unset || first.compare(u"ja", Qt::CaseInsensitive) == 0)
        return Language::Japanese;
    return Language::English;
}

}  // namespace

Language programLanguage(const QStringList& uiLanguages, LanguageChoice choice, QStringView environment)
{
    switch (choiceNamed(environment)) {
    case LanguageChoice::Japanese:
        return Language::Japanese;
    case LanguageChoice::English:
        return Language::English;
    case LanguageChoice::Automatic:
        break;
    }
    switch (choice) {
    case LanguageChoice::Japanese:
        return Language::Japanese;
    case LanguageChoice::English:
        return Language::English;
    case LanguageChoice::Automatic:
        break;
    }
    return desktopLanguage(uiLanguages);
}

Language programLanguage(const QSettings& settings)
{
    return programLanguage(QLocale::system().uiLanguages(), languageChoiceIn(settings),
                           qEnvironmentVariable("KESTRUNE_LANGUAGE"));
}

LanguageChoice languageChoiceIn(const QSettings& settings)
{
    return choiceNamed(settings.value(languageKey).toString());
}

void keepLanguageChoice(QSettings& settings, LanguageChoice choice)
{
    for (const auto& [kept, spelled] : choiceNames) {
        if (kept == choice)
            settings.setValue(languageKey, spelled.toString());
    }
}

}  // namespace kestrune
