#include "CoachWords.h"

#include <QStringList>

#include <cmath>

namespace {
// The strongest reasons first; a sentence names no more than these.
constexpr int kReasonsSaid = 3;
const QString kColumns = QStringLiteral("ABCDEFGHI");
}

QString CoachWords::point(const GTPGoPoint& point)
{
    return kColumns.mid(point.X() - 1, 1) + QString::number(point.Y());
}

QString CoachWords::move(const GTPGoMove& move)
{
    return move.Point() ? point(*move.Point()) : tr("Pass");
}

QString CoachWords::points(double value)
{
    const long rounded = std::lround(std::abs(value));
    return rounded == 1 ? tr("about 1 point") : tr("about %1 points").arg(rounded);
}

QString CoachWords::hint(const CoachHint& hint)
{
    QStringList lines;
    for (std::size_t i = 0; i < hint.Moves.size(); ++i) {
        const CandidateMove& candidate = hint.Moves[i];
        const QString where = candidate.Point ? point(*candidate.Point) : tr("Pass");
        lines << tr("%1. %2 (%3)").arg(i + 1).arg(where, points(candidate.Value));
    }
    return lines.isEmpty() ? tr("No move is worth more than a pass.") : lines.join('\n');
}

QString CoachWords::comment(const CoachComment& comment)
{
    QStringList sentences;
    if (comment.Loss >= AnalysedMove::Mistake && comment.Best) {
        sentences << mistake(comment.Played, comment.Loss, comment.Best->Point, comment.Reasons);
    }
    if (comment.CapturedAt && comment.Played.Point()) {
        sentences << tr("Your stones at %1 can be captured (at %2).")
                         .arg(point(*comment.Played.Point()), point(*comment.CapturedAt));
    }
    return sentences.join(' ');
}

QString CoachWords::mistake(const GTPGoMove& played, double loss, const std::optional<GTPGoPoint>& better,
                            const std::vector<MoveReason>& reasons)
{
    const QString lost = tr("%1 lost %2.").arg(move(played), points(loss));
    const QString instead = better ? point(*better) : tr("Pass");
    const QString why = CoachWords::reasons(reasons);
    return lost + ' ' + (why.isEmpty() ? tr("%1 was better.").arg(instead) : tr("%1 was better: %2.").arg(instead, why));
}

QString CoachWords::lead(double blackLead)
{
    if (std::lround(blackLead) == 0) {
        return tr("The game is about even.");
    }
    return blackLead > 0 ? tr("Black leads by %1.").arg(points(blackLead))
                         : tr("White leads by %1.").arg(points(blackLead));
}

QString CoachWords::reasons(const std::vector<MoveReason>& reasons)
{
    QStringList said;
    for (const MoveReason& each : reasons) {
        const QString words = reason(each);
        if (!words.isEmpty() && !said.contains(words) && said.size() < kReasonsSaid) {
            said << words;
        }
    }
    if (said.size() <= 1) {
        return said.value(0);
    }
    const QString last = said.takeLast();
    return tr("%1 and %2", "the last of several reasons").arg(said.join(tr(", ")), last);
}

QString CoachWords::reason(const MoveReason& reason)
{
    using Kind = MoveReason::Kind;
    const QString a = reason.Points.empty() ? QString() : point(reason.Points[0]);
    const QString b = reason.Points.size() < 2 ? QString() : point(reason.Points[1]);
    switch (reason.Type) {
    case Kind::Attacks:
        return tr("it attacks %1").arg(a);
    case Kind::Defends:
        return tr("it defends %1").arg(a);
    case Kind::ThreatensToAttack:
        return tr("it threatens %1").arg(a);
    case Kind::ThreatensToDefend:
        return tr("it prepares to save %1").arg(a);
    case Kind::OwlAttacks:
    case Kind::AttacksAgain:
        return tr("it kills the group at %1").arg(a);
    case Kind::OwlDefends:
    case Kind::DefendsAgain:
        return tr("it makes the group at %1 live").arg(a);
    case Kind::OwlThreatensToAttack:
        return tr("it threatens to kill the group at %1").arg(a);
    case Kind::OwlThreatensToDefend:
        return tr("it threatens to make the group at %1 live").arg(a);
    case Kind::OwlPreventsThreat:
        return tr("it stops a threat to %1").arg(a);
    case Kind::AttacksEither:
        return b.isEmpty() ? QString() : tr("it attacks either %1 or %2").arg(a, b);
    case Kind::DefendsBoth:
        return b.isEmpty() ? QString() : tr("it defends both %1 and %2").arg(a, b);
    case Kind::Connects:
        return b.isEmpty() ? QString() : tr("it connects %1 and %2").arg(a, b);
    case Kind::Cuts:
        return b.isEmpty() ? QString() : tr("it cuts %1 from %2").arg(a, b);
    case Kind::StrategicallyAttacks:
        return tr("it weakens %1").arg(a);
    case Kind::StrategicallyDefends:
        return tr("it strengthens %1").arg(a);
    case Kind::WinsSemeai:
        return tr("it wins the capturing race against %1").arg(a);
    case Kind::ThreatensToWinSemeai:
        return tr("it threatens to win the capturing race against %1").arg(a);
    case Kind::CapturesSomething:
        return tr("it captures stones");
    case Kind::DefendsAgainstCombination:
        return tr("it stops a combination");
    case Kind::ExpandsTerritory:
        return tr("it expands territory");
    case Kind::ExpandsMoyo:
        return tr("it builds a framework");
    case Kind::Invades:
        return tr("it invades");
    case Kind::Antisuji:
    case Kind::Unsafe:
    case Kind::Other:
        break;
    }
    return QString();
}

QString CoachWords::noMistake(const GTPGoMove& move)
{
    return tr("%1: no mistake.").arg(CoachWords::move(move));
}

QString CoachWords::hintOnYourTurn()
{
    return tr("A hint is given on your turn.");
}

QString CoachWords::unavailable()
{
    return tr("The coach is not available: it needs GNU Go (package gnugo).");
}
