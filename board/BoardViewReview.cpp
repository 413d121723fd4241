// Review: stepping the shown board through the game record without changing
// the game. The shown stones are patched from the differences the record
// computes between two turns; the rules board is never touched.
#include "BoardView.h"

#include "board/DeadStoneMarking.h"

#include <QCheckBox>
#include <QPushButton>

#include <vector>

void BoardView::onDemonstration()
{
    m_IsDemonstration = !m_IsDemonstration;
    const std::vector<QPushButton*> buttons {m_StartButton, m_BackButton, m_NextButton, m_EndButton};
    if (m_IsDemonstration) {
        for (QPushButton* button : buttons) {
            button->show();
        }
        m_GoGame->setCurrentNode(m_GoGame->getLastTurn());
    } else {
        for (QPushButton* button : buttons) {
            button->hide();
        }
        m_LastMove.setX(-1);
        // Carries the shown board to the last turn, including any the engine added meanwhile.
        std::vector<GTPGoPoint> removals;
        std::vector<GTPGoMove> additions;
        m_GoGame->getBoardModifications(removals, additions, static_cast<std::int32_t>(m_GoGame->Turns().size()));
        showChanges(removals, additions);
        const GTPGoTurn* last = m_GoGame->getLastTurn();
        if (last != nullptr && !last->Move().IsPass()) {
            m_LastMove = goPointToBoardPoint(*last->Move().Point());
        }
    }
    // Only a game ended by two passes was counted (a resignation, a loss on time or a failing engine was
    // not), and while dead stones are marked its count is not yet accepted.
    m_DisplayCount = !m_IsDemonstration && !m_Marking->isMarking() && m_GoGame->Result().has_value();
    m_DisplayMouseOver = !m_IsDemonstration;
    update();
    emit PlayChanged();
}

void BoardView::onStart()
{
    navigate(-static_cast<std::int32_t>(m_GoGame->Turns().size()));
}

void BoardView::onBack()
{
    navigate(-1);
}

void BoardView::onNext()
{
    navigate(1);
}

void BoardView::onEnd()
{
    navigate(static_cast<std::int32_t>(m_GoGame->Turns().size()));
}

void BoardView::showInReview(std::int32_t moves)
{
    if (!m_IsDemonstration) {
        m_DemonstrationButton->setChecked(true);
        onDemonstration();
    }
    const GTPGoTurn* shown = m_GoGame->getNodeToDisplay();
    navigate(moves - (shown != nullptr ? shown->TurnNumber() + 1 : 0));
}

void BoardView::navigate(std::int32_t step)
{
    m_LastMove.setX(-1);
    m_ForbiddenMove.setX(-1);
    std::vector<GTPGoPoint> removals;
    std::vector<GTPGoMove> additions;
    m_GoGame->getBoardModifications(removals, additions, step);
    showChanges(removals, additions);
    const GTPGoTurn* shown = m_GoGame->getNodeToDisplay();
    if (shown != nullptr && !shown->Move().IsPass()) {
        m_LastMove = goPointToBoardPoint(*shown->Move().Point());
    }
    update();
    emit PlayChanged();
}
