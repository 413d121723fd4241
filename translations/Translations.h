#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The catalogues built into hoshi (translations/hoshi_<code>.ts) and the one
// that is installed. English is the language of the source texts and needs none.
class Translations {
    Q_DECLARE_TR_FUNCTIONS(Translations)
public:
    static const QString English;

    // "English" first, then each catalogue's own name for its language.
    static QStringList languageNames();
    // Installs the catalogue of the named language, with Qt's own for its
    // standard dialogs; any other name (English, none) removes them. Widgets
    // hear of it as a QEvent::LanguageChange.
    static void install(const QString& languageName);
    // The name of the installed language.
    static QString current();
};
