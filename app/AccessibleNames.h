#pragma once

#include <QCoreApplication>

class QWidget;

// Names in words for a screen reader, for the controls whose title or
// neighbouring label does not say what they are: the setup's sliders and
// choice, named by their row, and the review buttons, whose titles are
// arrows. Found by object name on whatever screen is shown; set again when
// the language changes.
class AccessibleNames {
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
public:
    static void name(QWidget& screen);
};
