#pragma once

#include "app/ProgressRecord.h"
#include "strength/StrengthStep.h"

#include <QCoreApplication>
#include <QString>

// The strength steps and the progress suggestions in the player's language.
class StrengthText {
    Q_DECLARE_TR_FUNCTIONS(StrengthText)
public:
    // "Beginner 2", "GNU Go, strongest".
    static QString name(const StrengthStep& step);
    // One line for the setup screen: "Three wins in a row against Beginner 2: try Beginner 3."
    static QString suggestion(const ProgressRecord::Suggestion& suggestion);
};
