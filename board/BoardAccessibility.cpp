#include "BoardAccessibility.h"

#include "board/BoardAccessible.h"
#include "board/BoardSpeech.h"
#include "board/InfoFieldAccessible.h"

#include <QLabel>
#include <QStringList>

namespace {
QAccessibleInterface* boardInterface(const QString& className, QObject* object)
{
    if (auto* board = qobject_cast<BoardView*>(object); board != nullptr && className == QLatin1String("BoardView")) {
        return new BoardAccessible(board);
    }
    // Made with the label, before it has its object name: the field's title is looked up when asked.
    auto* field = qobject_cast<QLabel*>(object);
    if (field != nullptr && className == QLatin1String("QLabel")
        && qobject_cast<BoardView*>(field->parent()) != nullptr) {
        return new InfoFieldAccessible(field);
    }
    return nullptr;
}

GTPGoColor colorAt(const BoardView::StoneMap& stones, const GoBoardPoint& point)
{
    const auto found = stones.find(point);
    return found != stones.end() ? found->second : GTPGoColorEmpty;
}
}

void BoardAccessibility::installFactory()
{
    static const bool installed = (QAccessible::installFactory(&boardInterface), true);
    Q_UNUSED(installed);
}

const BoardAccessibility* BoardAccessibility::of(const BoardView& board)
{
    return board.findChild<BoardAccessibility*>(QString(), Qt::FindDirectChildrenOnly);
}

BoardAccessibility::BoardAccessibility(BoardView& board)
    : QObject(&board), m_Board(board), m_TurnsHeard(board.GoGame().Turns().size()),
      m_WasReviewing(board.isReviewing()), m_MessageHeard(message()), m_StonesNamed(board.shownStones())
{
    // The board takes the keyboard focus when its screen shows, so that a reader starts on it.
    m_Board.setFocusPolicy(Qt::StrongFocus);
    connect(&m_Board, &BoardView::PlayChanged, this, &BoardAccessibility::playChanged);
    connect(&m_Board, &BoardView::MoveRefused, this, [this] { heard(BoardSpeech::refused(message())); });
    connect(&m_Board, &BoardView::GameEnded, this, [this] { heard(message()); });
}

void BoardAccessibility::setCursor(const std::optional<GTPGoPoint>& point)
{
    m_Cursor = point;
    // The last event's words stay with the point that had the focus.
    m_Announcement.clear();
    send(QAccessible::Focus, m_Cursor);
}

void BoardAccessibility::playChanged()
{
    const GTPGoGame& game = m_Board.GoGame();
    const auto& turns = game.Turns();
    const bool reviewing = m_Board.isReviewing();
    QStringList words;
    if (turns.size() > m_TurnsHeard) {
        // The engine's moves are told even in review, where the board does not show them yet.
        for (std::size_t turn = m_TurnsHeard; turn < turns.size(); ++turn) {
            words << BoardSpeech::move(*turns[turn]);
        }
    } else if (turns.size() < m_TurnsHeard) {
        words << BoardSpeech::takenBack(game.ColorToMove());
    } else if (reviewing) {
        words << BoardSpeech::reviewPosition(game.getNodeToDisplay());
    } else if (m_WasReviewing) {
        words << BoardSpeech::reviewLeft();
    } else if (message() != m_MessageHeard) {
        // No move, but the game has something to say: the dead stones to mark, say.
        words << message();
    }
    m_TurnsHeard = turns.size();
    m_WasReviewing = reviewing;
    heard(words.join(QStringLiteral(". ")));
}

void BoardAccessibility::heard(const QString& words)
{
    renameChangedPoints();
    m_MessageHeard = message();
    if (!words.isEmpty()) {
        announce(words);
    }
}

void BoardAccessibility::announce(const QString& words)
{
    // A reader speaks a description when it changes: the same words again are cleared first.
    if (words == m_Announcement) {
        m_Announcement.clear();
        send(QAccessible::DescriptionChanged, m_Cursor);
    }
    m_Announcement = words;
    send(QAccessible::DescriptionChanged, m_Cursor);
    // Qt 6.4 sends a description change without the description, which Orca cannot say;
    // it says a notification as it shows, wherever the focus is.
    if (!QAccessible::isActive()) {
        return;
    }
    auto* messageArea = dynamic_cast<InfoFieldAccessible*>(
        QAccessible::queryAccessibleInterface(m_Board.findChild<QLabel*>(QStringLiteral("InfoTextField"))));
    if (QAccessibleInterface* announcement = messageArea != nullptr ? messageArea->announcement() : nullptr) {
        for (const QAccessible::Event type : {QAccessible::NameChanged, QAccessible::ObjectShow}) {
            QAccessibleEvent event(announcement, type);
            QAccessible::updateAccessibility(&event);
        }
    }
}

QString BoardAccessibility::message() const
{
    const auto* field = m_Board.findChild<QLabel*>(QStringLiteral("InfoTextField"));
    return field != nullptr ? BoardSpeech::message(field->text()) : QString();
}

void BoardAccessibility::send(QAccessible::Event type, const std::optional<GTPGoPoint>& point)
{
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&m_Board);
    QAccessibleTableInterface* table = board != nullptr ? board->tableInterface() : nullptr;
    QAccessibleInterface* target = point && table != nullptr ? table->cellAt(Size - point->Y(), point->X() - 1) : board;
    if (target != nullptr) {
        QAccessibleEvent event(target, type);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardAccessibility::renameChangedPoints()
{
    BoardView::StoneMap shown = m_Board.shownStones();
    for (int x = 1; x <= Size; ++x) {
        for (int y = 1; y <= Size; ++y) {
            const GoBoardPoint point(x - 1, y - 1);
            if (colorAt(shown, point) != colorAt(m_StonesNamed, point)) {
                send(QAccessible::NameChanged, GTPGoPoint(x, y));
            }
        }
    }
    m_StonesNamed = std::move(shown);
}
