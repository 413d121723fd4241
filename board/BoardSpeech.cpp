#include "BoardSpeech.h"

#include "settings/ClockText.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {
// The info column's fields that say whose they are, by object name.
struct FieldTitle {
    const char* ObjectName;
    const char* Title;
};
constexpr FieldTitle kFieldTitles[] = {
    {"WhiteTimeTextField", QT_TRANSLATE_NOOP("BoardSpeech", "White's clock")},
    {"BlackTimeTextField", QT_TRANSLATE_NOOP("BoardSpeech", "Black's clock")},
    {"WhiteCapturedStonesTextField", QT_TRANSLATE_NOOP("BoardSpeech", "White's prisoners")},
    {"BlackCapturedStonesTextField", QT_TRANSLATE_NOOP("BoardSpeech", "Black's prisoners")},
    {"InfoTextField", QT_TRANSLATE_NOOP("BoardSpeech", "Message")},
};
}

QString BoardSpeech::boardName()
{
    return tr("Board");
}

QString BoardSpeech::point(const GTPGoPoint& point)
{
    // The letters drawn beside the board, which do not skip I.
    return QChar(u'A' + point.X() - 1) + QString::number(point.Y());
}

QString BoardSpeech::pointName(const GTPGoPoint& point, GTPGoColor shown)
{
    switch (shown) {
    case GTPGoColorBlack:
        return tr("%1, black stone").arg(BoardSpeech::point(point));
    case GTPGoColorWhite:
        return tr("%1, white stone").arg(BoardSpeech::point(point));
    default:
        return tr("%1, empty").arg(BoardSpeech::point(point));
    }
}

QString BoardSpeech::move(const GTPGoTurn& turn)
{
    const GTPGoMove& move = turn.Move();
    const bool black = move.Color() == GTPGoColorBlack;
    if (!move.Point()) {
        return black ? tr("Black passes") : tr("White passes");
    }
    const QString played = (black ? tr("Black %1") : tr("White %1")).arg(point(*move.Point()));
    const std::size_t captured = turn.KilledStones() ? turn.KilledStones()->size() : 0;
    return captured == 0 ? played : tr("%1, captures %2").arg(played).arg(captured);
}

QString BoardSpeech::reviewPosition(const GTPGoTurn* shown)
{
    return shown == nullptr ? tr("No move yet") : tr("Move %1: %2").arg(shown->TurnNumber() + 1).arg(move(*shown));
}

QString BoardSpeech::reviewLeft()
{
    return tr("Back to the game");
}

QString BoardSpeech::takenBack(GTPGoColor toPlay)
{
    return toPlay == GTPGoColorBlack ? tr("Taken back. Black to play.") : tr("Taken back. White to play.");
}

QString BoardSpeech::refused(const QString& message)
{
    return tr("Refused: %1").arg(BoardSpeech::message(message));
}

QString BoardSpeech::message(const QString& shown)
{
    return shown.split(u'\n', Qt::SkipEmptyParts).join(u' ');
}

QString BoardSpeech::field(const QString& objectName, const QString& shown)
{
    const auto* title = std::ranges::find_if(
        kFieldTitles, [&](const FieldTitle& field) { return objectName == QLatin1String(field.ObjectName); });
    if (title == std::end(kFieldTitles)) {
        return message(shown);
    }
    const QString value = shown == QLatin1String(kNoClockText) ? tr("no time limit") : message(shown);
    if (value.isEmpty()) {
        return tr(title->Title);
    }
    //: A field of the info column and what it shows: "White's clock: 04:32"
    return tr("%1: %2").arg(tr(title->Title), value);
}
