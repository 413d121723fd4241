#pragma once

#include "app/ProgressRecord.h"

#include <QDialog>

class QBarSet;
class QLabel;

// Help › My Progress: wins and losses against each strength step as bars, the
// weakest step first, whatever the handicap.
class ProgressChart : public QDialog {
    Q_OBJECT
public:
    ProgressChart(const ProgressRecord& record, QWidget* parent = nullptr);

    QBarSet* Wins() const { return m_Wins; }
    QBarSet* Losses() const { return m_Losses; }
    // Shown only while no game against GNU Go has finished.
    QLabel* Note() const { return m_Note; }

private:
    QBarSet* m_Wins = nullptr;
    QBarSet* m_Losses = nullptr;
    QLabel* m_Note = nullptr;
};
