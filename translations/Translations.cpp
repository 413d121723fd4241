#include "Translations.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {
const QString kCatalogues = QStringLiteral(":/i18n");

struct Installed {
    QString name;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Installed& installed()
{
    static Installed state {Translations::English, {}};
    return state;
}

// A catalogue's language, in its own words: the translation of "English".
QString nameIn(const QTranslator& catalogue)
{
    return catalogue.translate("Translations", "English");
}

// hoshi_fr.qm gives "fr".
QString codeOf(const QString& file)
{
    return file.section('_', 1).section('.', 0, 0);
}
}

const QString Translations::English = QStringLiteral("English");

QStringList Translations::languageNames()
{
    QStringList names {English};
    for (const QString& file : QDir(kCatalogues).entryList({QStringLiteral("hoshi_*.qm")}, QDir::Files, QDir::Name)) {
        QTranslator catalogue;
        if (catalogue.load(kCatalogues + '/' + file) && !nameIn(catalogue).isEmpty()) {
            names << nameIn(catalogue);
        }
    }
    return names;
}

void Translations::install(const QString& languageName)
{
    Installed& state = installed();
    if (state.name == languageName) {
        return;
    }
    for (const auto& translator : state.translators) {
        QCoreApplication::removeTranslator(translator.get());
    }
    state.translators.clear();
    state.name = English;
    for (const QString& file : QDir(kCatalogues).entryList({QStringLiteral("hoshi_*.qm")}, QDir::Files)) {
        auto catalogue = std::make_unique<QTranslator>();
        if (!catalogue->load(kCatalogues + '/' + file) || nameIn(*catalogue) != languageName) {
            continue;
        }
        // Qt's own texts (the file dialogs' buttons) in the same language, when Debian has them.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(codeOf(file)), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            state.translators.push_back(std::move(qt));
        }
        state.translators.push_back(std::move(catalogue));
        state.name = languageName;
        break;
    }
    for (const auto& translator : state.translators) {
        QCoreApplication::installTranslator(translator.get());
    }
    // Qt tells the widgets only while its event loop runs; say it always, once more is harmless.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

QString Translations::current()
{
    return installed().name;
}
