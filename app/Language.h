#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A user-interface language. The alias is both what the pop-up shows and the
// value handed from screen to screen as the current language.
class Language {
public:
    Language(std::uint64_t idLanguage, const QString& languageAlias);

    std::uint64_t IdLanguage() const { return m_IdLanguage; }
    void setIdLanguage(std::uint64_t v) { m_IdLanguage = v; }
    const QString& LanguageAlias() const { return m_LanguageAlias; }
    void setLanguageAlias(const QString& v) { m_LanguageAlias = v; }

private:
    std::uint64_t m_IdLanguage;
    QString m_LanguageAlias;
};

// A new list each call: English first, then every language hoshi has a catalogue for.
std::vector<Language> getLanguagesList();
