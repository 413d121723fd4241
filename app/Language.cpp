#include "Language.h"

const QString Language::English = QStringLiteral("English");
const QString Language::French = QStringLiteral("Français");

Language::Language(std::uint64_t idLanguage, const QString& languageAlias)
    : m_IdLanguage(idLanguage), m_LanguageAlias(languageAlias)
{
}

std::vector<Language> getLanguagesList()
{
    return {Language(0, Language::English), Language(1, Language::French)};
}
