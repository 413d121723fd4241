#pragma once

#include "app/Language.h"
#include "rules/GTPGoColor.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QComboBox;
class QPushButton;
namespace Ui {
class MainMenuView;
}

// The first screen: the language pop-up and the three kinds of game.
class MainMenuViewController : public QWidget {
    Q_OBJECT
public:
    // At start: no language yet, which selects English.
    explicit MainMenuViewController(QWidget* parent = nullptr);
    // Back from the setup screen or the board, in that screen's language.
    explicit MainMenuViewController(const QString& language, QWidget* parent = nullptr);
    ~MainMenuViewController() override;

    void awakeFromNib();
    void setLanguages();
    void setButtons();
    void languageChanged();
    void onPlayBlackWithPachi();
    void onPlayWhiteWithPachi();
    void onPlayWithOtherPlayer();

    const std::vector<Language>& AvailableLanguages() const { return m_AvailableLanguages; }
    QComboBox* LanguagesButton() const;
    QPushButton* TwoPlayersButton() const;
    QPushButton* WhitePachiButton() const;
    QPushButton* BlackPachiButton() const;
    // Null when the menu was made at start.
    const QString& CurrentLanguage() const { return m_CurrentLanguage; }

signals:
    // A play button: the setup screen for this colour, in the pop-up's language.
    void GameSetupRequested(GTPGoColor playerColor, const QString& language);
    void LanguageChosen(const QString& language);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void openGameSetup(GTPGoColor playerColor);

    std::unique_ptr<Ui::MainMenuView> m_ui;
    std::vector<Language> m_AvailableLanguages;
    QString m_CurrentLanguage;
};
