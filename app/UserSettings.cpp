#include "UserSettings.h"

#include "rules/Log.h"
#include "settings/GTPGoGameInfo.h"
#include "translations/Translations.h"

namespace {
constexpr int DefaultMinutes = 5;
// GNU Go's levels differ little on 9 x 9; the lowest answers fastest and loses most.
constexpr int DefaultLevel = 1;
}

UserSettings::UserSettings()
    : m_Settings(QStringLiteral("hoshi"), QStringLiteral("hoshi"))
    , m_Readable(m_Settings.status() == QSettings::NoError)
{
    if (!m_Readable) {
        Log::write("The settings file cannot be read, defaults are used: " + m_Settings.fileName().toStdString());
    }
}

QString UserSettings::language() const
{
    const QString language = m_Readable ? m_Settings.value(QStringLiteral("language")).toString() : QString();
    return Translations::languageNames().contains(language) ? language : Translations::English;
}

void UserSettings::setLanguage(const QString& language)
{
    m_Settings.setValue(QStringLiteral("language"), language);
}

int UserSettings::handicap() const
{
    return number("handicap", 0, GTPGoGameInfo::MaximumHandicap, 0);
}

void UserSettings::setHandicap(int stones)
{
    m_Settings.setValue(QStringLiteral("handicap"), stones);
}

int UserSettings::minutes() const
{
    return number("minutes", 0, GTPGoGameInfo::MaximumMinutes, DefaultMinutes);
}

void UserSettings::setMinutes(int minutes)
{
    m_Settings.setValue(QStringLiteral("minutes"), minutes);
}

int UserSettings::level() const
{
    return number("level", GTPGoGameInfo::MinimumLevel, GTPGoGameInfo::MaximumLevel, DefaultLevel);
}

void UserSettings::setLevel(int level)
{
    m_Settings.setValue(QStringLiteral("level"), level);
}

GTPGoCounting UserSettings::counting() const
{
    return number("counting", 0, 1, 0) == 1 ? GTPGoCounting::Area : GTPGoCounting::Stones;
}

void UserSettings::setCounting(GTPGoCounting counting)
{
    m_Settings.setValue(QStringLiteral("counting"), counting == GTPGoCounting::Area ? 1 : 0);
}

int UserSettings::number(const char* key, int lowest, int highest, int fallback) const
{
    bool isNumber = false;
    const int value = m_Readable ? m_Settings.value(QLatin1String(key)).toInt(&isNumber) : 0;
    return isNumber && value >= lowest && value <= highest ? value : fallback;
}
