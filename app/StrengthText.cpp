#include "StrengthText.h"

#include <string>

QString StrengthText::name(const StrengthStep& step)
{
    // The table's names are marked for translation in its own context.
    return QCoreApplication::translate("OpponentStrength", std::string(step.Name).c_str());
}

QString StrengthText::suggestion(const ProgressRecord::Suggestion& suggestion)
{
    using Kind = ProgressRecord::Suggestion::Kind;
    const QString played = suggestion.Handicap == 0
        ? name(*suggestion.Step)
        : tr("%1 with a handicap of %2").arg(name(*suggestion.Step)).arg(suggestion.Handicap);
    switch (suggestion.What) {
    case Kind::NextStep:
        return tr("Three wins in a row against %1: try %2.").arg(played, name(*suggestion.SuggestedStep));
    case Kind::FewerStones:
        return tr("Three wins in a row against %1: try a handicap of %2.")
            .arg(played)
            .arg(suggestion.SuggestedHandicap);
    case Kind::StepBelow:
        return tr("Three losses in a row against %1: %2 may suit you better.")
            .arg(played, name(*suggestion.SuggestedStep));
    case Kind::MoreStones:
        return tr("Three losses in a row against %1: try a handicap of %2.")
            .arg(played)
            .arg(suggestion.SuggestedHandicap);
    }
    return QString();
}
