#include "Language.h"

#include "translations/Translations.h"

Language::Language(std::uint64_t idLanguage, const QString& languageAlias)
    : m_IdLanguage(idLanguage), m_LanguageAlias(languageAlias)
{
}

std::vector<Language> getLanguagesList()
{
    std::vector<Language> languages;
    for (const QString& name : Translations::languageNames()) {
        languages.emplace_back(languages.size(), name);
    }
    return languages;
}
