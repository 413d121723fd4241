#include "AccessibleNames.h"

#include "board/BoardView.h"

#include <QLabel>
#include <QWidget>

namespace {
struct ControlName {
    const char* ObjectName;
    const char* Name;
    // On the board screen's info column; the setup has a Back button of its own.
    bool OnBoard;
};
constexpr ControlName kNames[] = {
    {"HandicapSlider", QT_TRANSLATE_NOOP("AccessibleNames", "Handicap stones"), false},
    {"TimeSlider", QT_TRANSLATE_NOOP("AccessibleNames", "Thinking time in minutes"), false},
    // Where the setup offers strength steps in place of GNU Go's level.
    {"StrengthSlider", QT_TRANSLATE_NOOP("AccessibleNames", "Strength of the opponent"), false},
    {"StartButton", QT_TRANSLATE_NOOP("AccessibleNames", "First move"), true},
    {"BackButton", QT_TRANSLATE_NOOP("AccessibleNames", "Previous move"), true},
    {"NextButton", QT_TRANSLATE_NOOP("AccessibleNames", "Next move"), true},
    {"EndButton", QT_TRANSLATE_NOOP("AccessibleNames", "Last move"), true},
};
}

void AccessibleNames::name(QWidget& screen)
{
    QWidget* board = screen.findChild<BoardView*>();
    for (const ControlName& control : kNames) {
        QWidget* within = control.OnBoard ? board : &screen;
        QWidget* widget = within != nullptr ? within->findChild<QWidget*>(QLatin1String(control.ObjectName)) : nullptr;
        if (widget != nullptr) {
            widget->setAccessibleName(tr(control.Name));
        }
    }
    // On Linux a combo box's name is its value: a reader names it by the label that has it as its buddy.
    auto* counting = screen.findChild<QLabel*>(QStringLiteral("CountingLabel"));
    if (counting != nullptr) {
        counting->setBuddy(screen.findChild<QWidget*>(QStringLiteral("CountingChoice")));
    }
}
