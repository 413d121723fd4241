#include "UserSettings.h"

#include "rules/Log.h"
#include "settings/GTPGoGameInfo.h"
#include "strength/OpponentStrength.h"
#include "translations/Translations.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr int DefaultMinutes = 5;
}

UserSettings::UserSettings()
{
    // Where QSettings would look; it opens the file as it is constructed, so the check comes first.
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/hoshi/hoshi.conf");
    const QFileInfo info(file);
    if (info.exists() && !info.isFile()) {
        Log::write("The settings file is not a regular file, defaults are used: " + file.toStdString());
        return;
    }
    m_Settings = std::make_unique<QSettings>(QStringLiteral("hoshi"), QStringLiteral("hoshi"));
    m_Readable = m_Settings->status() == QSettings::NoError;
    if (!m_Readable) {
        Log::write("The settings file cannot be read, defaults are used: " + m_Settings->fileName().toStdString());
    }
}

QVariant UserSettings::value(const char* key) const
{
    return m_Readable ? m_Settings->value(QLatin1String(key)) : QVariant();
}

void UserSettings::setValue(const char* key, const QVariant& value)
{
    if (m_Settings) {
        m_Settings->setValue(QLatin1String(key), value);
    }
}

QString UserSettings::language() const
{
    const QString language = value("language").toString();
    return Translations::languageNames().contains(language) ? language : Translations::English;
}

void UserSettings::setLanguage(const QString& language)
{
    setValue("language", language);
}

int UserSettings::handicap() const
{
    return number("handicap", 0, GTPGoGameInfo::MaximumHandicap, 0);
}

void UserSettings::setHandicap(int stones)
{
    setValue("handicap", stones);
}

int UserSettings::minutes() const
{
    return number("minutes", 0, GTPGoGameInfo::MaximumMinutes, DefaultMinutes);
}

void UserSettings::setMinutes(int minutes)
{
    setValue("minutes", minutes);
}

const StrengthStep& UserSettings::strength() const
{
    const StrengthStep* step = OpponentStrength::find(value("strength").toString().toStdString());
    return step != nullptr ? *step : OpponentStrength::defaultStep();
}

void UserSettings::setStrength(const StrengthStep& step)
{
    setValue("strength", QString::fromUtf8(step.Id.data(), static_cast<qsizetype>(step.Id.size())));
}

GTPGoCounting UserSettings::counting() const
{
    return number("counting", 0, 1, 0) == 1 ? GTPGoCounting::Area : GTPGoCounting::Stones;
}

void UserSettings::setCounting(GTPGoCounting counting)
{
    setValue("counting", counting == GTPGoCounting::Area ? 1 : 0);
}

bool UserSettings::commentsMoves() const
{
    return number("commentMoves", 0, 1, 0) == 1;
}

void UserSettings::setCommentsMoves(bool on)
{
    setValue("commentMoves", on ? 1 : 0);
}

bool UserSettings::sound() const
{
    return qEnvironmentVariable("HOSHI_SOUND") != QLatin1String("off") && number("sound", 0, 1, 1) == 1;
}

void UserSettings::setSound(bool on)
{
    setValue("sound", on ? 1 : 0);
}

int UserSettings::number(const char* key, int lowest, int highest, int fallback) const
{
    bool isNumber = false;
    const int number = value(key).toInt(&isNumber);
    return isNumber && number >= lowest && number <= highest ? number : fallback;
}
