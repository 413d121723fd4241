#pragma once

#include "app/ProgressRecord.h"
#include "rules/GTPGoColor.h"
#include "settings/GTPGoGameInfo.h"
#include "strength/StrengthStep.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
namespace Ui {
class GameInfoView;
}

// The setup screen: handicap, thinking time, the opponent's strength and the
// counting, then Play or Back; below, what the player's progress suggests.
class GameInfoViewController : public QWidget {
    Q_OBJECT
public:
    GameInfoViewController(GTPGoColor playerColor, const QString& language, QWidget* parent = nullptr);
    ~GameInfoViewController() override;

    void viewDidLoad();
    void onHandicapSliderDrag();
    void onTimeSliderDrag();
    void goBackToStartScreen();
    void onPlay();
    void setButtonsAndLabels();
    // The sliders where the player left them last time.
    void setInitialValues(int handicap, int minutes, const StrengthStep& strength, GTPGoCounting counting);
    // A line under the buttons; the player's choices stay as they are.
    void setSuggestion(const std::optional<ProgressRecord::Suggestion>& suggestion);

    QSlider* HandicapSlider() const;
    QSlider* TimeSlider() const;
    QLabel* NumberHandicapStones() const;
    QLabel* Time() const;
    QLabel* TimeLabel() const;
    QLabel* StonesLabel() const;
    QSlider* StrengthSlider() const;
    QLabel* StrengthLabel() const;
    QLabel* StrengthName() const;
    QLabel* Suggestion() const;
    QComboBox* CountingChoice() const;
    QPushButton* BackButton() const;
    QPushButton* PlayButton() const;
    GTPGoColor PlayerColor() const { return m_PlayerColor; }
    const QString& CurrentLanguage() const { return m_CurrentLanguage; }

signals:
    void MainMenuRequested(const QString& language);
    void GameRequested(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Handicap, time, the engine's strength when it takes one, and counting, evenly down the screen.
    void layOutRows();
    void showStrengthName();

    std::unique_ptr<Ui::GameInfoView> m_ui;
    // Only GNU Go, found by hoshi, takes a strength step; two players have no engine.
    bool m_HasStrength = false;
    std::optional<ProgressRecord::Suggestion> m_Suggestion;
    GTPGoColor m_PlayerColor;
    QString m_CurrentLanguage;
};
