// The board as a screen reader finds it through Qt's accessibility: a table of
// its points named by what they show, the words of each event on the focused
// point or the board, and the info column's fields saying whose they are.
#include "BoardTestHarness.h"

#include "board/BoardAccessibility.h"
#include "board/InfoFieldAccessible.h"

#include <QAccessible>

#include <optional>

using namespace boardtest;

namespace {
// A reader's view of one board screen; the board's companion follows its game from the start.
struct ReadBoard {
    explicit ReadBoard(const Game& game = {}) : board(game), accessibility(new BoardAccessibility(*board.view)) {}
    QAccessibleInterface* table() const { return QAccessible::queryAccessibleInterface(board.view.get()); }
    // "E5": the board's own letters, which this test keeps to columns A–H, where GTP's agree.
    QAccessibleInterface* point(const std::string& vertex) const
    {
        return table()->tableInterface()->cellAt(9 - std::stoi(vertex.substr(1)), vertex[0] - 'A');
    }
    QAccessibleInterface* field(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(board.view->findChild<QLabel*>(name));
    }

    // As the application does, before any board: Qt keeps the first interface made for a widget.
    bool factoryInstalled = (BoardAccessibility::installFactory(), true);
    BoardUnderTest board;
    BoardAccessibility* accessibility;
};
}

// Each point is a cell named by what the board shows there, in the game's
// language: stones played, taken, and in review the position reviewed.
TEST(Accessibility, everyPointIsACellNamedByWhatTheBoardShowsThere)
{
    const struct {
        const char* name;
        QString language;
        std::vector<std::string> actions;
        std::map<std::string, QString> names;
    } rows[] = {
        {"stones", kEnglish, {"E5", "D4", "C3"},
         {{"E5", "E5, black stone"}, {"D4", "D4, white stone"}, {"C3", "C3, black stone"}, {"A1", "A1, empty"}}},
        {"in French", kFrench, {"E5", "D4"},
         {{"E5", "E5, pierre noire"}, {"D4", "D4, pierre blanche"}, {"A9", "A9, vide"}}},
        {"a capture", kEnglish, {"B1", "A1", "A2"}, {{"A1", "A1, empty"}, {"A2", "A2, black stone"}}},
        {"review", kEnglish, {"E5", "D4", "review", "back"}, {{"E5", "E5, black stone"}, {"D4", "D4, empty"}}},
    };
    for (const auto& row : rows) {
        ReadBoard reader({GTPGoColorEmpty, {}, row.language});
        reader.board.play(row.actions);
        for (const auto& [vertex, name] : row.names) {
            EXPECT_EQ(reader.point(vertex)->text(QAccessible::Name), name) << row.name << " " << vertex;
        }
    }
}

// The table reads as the board is drawn, row 9 first, with the board's labels;
// each cell lies on its intersection and is found there; the info column's
// controls follow the 81 points.
TEST(Accessibility, theBoardIsANineByNineTableLaidOverTheIntersections)
{
    ReadBoard reader({GTPGoColorEmpty, {}, kFrench});
    QAccessibleInterface* table = reader.table();
    EXPECT_EQ(std::pair(table->role(), table->text(QAccessible::Name)),
              std::pair(QAccessible::Table, QString("Goban")));
    const QAccessibleTableInterface* cells = table->tableInterface();
    EXPECT_EQ(std::pair(cells->rowCount(), cells->columnCount()), std::pair(9, 9));
    EXPECT_EQ(QStringList({cells->columnDescription(8), cells->rowDescription(0), cells->rowDescription(8)}),
              QStringList({"I", "9", "1"}));
    QAccessibleInterface* e5 = reader.point("E5");
    EXPECT_EQ(e5->text(QAccessible::Name), "E5, vide");
    EXPECT_EQ(e5->role(), QAccessible::Cell);
    EXPECT_EQ(table->child(0)->text(QAccessible::Name), "A9, vide");
    EXPECT_EQ(table->indexOfChild(reader.point("D2")), 7 * 9 + 3);
    EXPECT_EQ(e5->parent(), table);
    const QPoint centre = reader.board.view->mapToGlobal(reader.board.at("E5"));
    EXPECT_EQ(e5->rect().center(), centre);
    EXPECT_EQ(table->childAt(centre.x(), centre.y()), e5);
    QAccessibleInterface* pass =
        QAccessible::queryAccessibleInterface(reader.board.view->findChild<QWidget*>("PassButton"));
    EXPECT_GE(table->indexOfChild(pass), 81);
    EXPECT_EQ(table->child(table->indexOfChild(pass)), pass);
}

// After each event its words are at once the focused point's description, or
// without a cursor the board's, and the message area's notification: moves
// (the engine's too), captures, passes, refusals, review, take back, the result.
TEST(Accessibility, theWordsOfEachEventDescribeTheFocusedPointOrTheBoard)
{
    const GTPGoColor black = GTPGoColorBlack, both = GTPGoColorEmpty;
    const auto occupied = [] { return BoardMessages::refusal(GTPGoMessageOccupied); };
    const struct {
        Game game;
        std::vector<std::string> actions;
        QString words;
        std::optional<GTPGoPoint> cursor = std::nullopt;
        // Then the message area's text, in the game's language.
        std::function<QString()> message = {};
    } rows[] = {
        {{black, {"D4"}}, {"E5"}, "White D4"},
        {{black, {"D4"}}, {"E5"}, "White D4", GTPGoPoint(5, 5)},
        {{black, {"D4"}, kFrench}, {"E5"}, "Blanc D4"},
        {{black, {"B1", "A2"}}, {"A1", "E5"}, "White A2, captures 1"},
        {{black, {}}, {"E5"}, "White passes"},
        {{both}, {"E5"}, "Black E5", GTPGoPoint(3, 3)},
        {{both}, {"E5", "E5"}, "Refused: ", {}, occupied},
        {{both, {}, kFrench}, {"E5", "E5"}, "Refusé : ", {}, occupied},
        {{both}, {"E5", "D4", "review", "back"}, "Move 1: Black E5"},
        {{both}, {"review"}, "No move yet"},
        {{both}, {"E5", "review", "review"}, "Back to the game"},
        {{both}, {"E5", "D4", "takeback"}, "Taken back. White to play."},
        {{both}, {"E5", "pass", "pass"}, "", {}, [] { return BoardMessages::score(0, 1).replace('\n', ' '); }},
    };
    for (const auto& row : rows) {
        ReadBoard reader(row.game);
        const QString words = row.words + (row.message ? row.message() : QString());
        SCOPED_TRACE(words.toStdString());
        reader.accessibility->setCursor(row.cursor);
        reader.board.play(row.actions);
        QAccessibleInterface* described = row.cursor ? reader.table()->focusChild() : reader.table();
        ASSERT_EQ(described->role(), row.cursor ? QAccessible::Cell : QAccessible::Table);
        EXPECT_EQ(described->text(QAccessible::Description), words);
        const auto* messageArea = dynamic_cast<InfoFieldAccessible*>(reader.field("InfoTextField"));
        ASSERT_NE(messageArea, nullptr);
        EXPECT_EQ(messageArea->announcement()->text(QAccessible::Name), words);
        if (row.cursor) {
            EXPECT_EQ(reader.table()->text(QAccessible::Description), "") << "the board says it only without a cursor";
        }
    }
}

// The cursor's point has the focus, and a move of the cursor leaves the last
// event's words behind.
TEST(Accessibility, theCursorsPointHasTheFocusAndMovingItLeavesTheLastWordsBehind)
{
    ReadBoard reader;
    reader.board.play({"E5"});
    reader.accessibility->setCursor(GTPGoPoint(4, 4));
    EXPECT_EQ(reader.table()->focusChild(), reader.point("D4"));
    EXPECT_TRUE(reader.point("D4")->state().focused);
    EXPECT_FALSE(reader.point("E5")->state().focused);
    EXPECT_EQ(reader.point("D4")->text(QAccessible::Description), "");
    reader.accessibility->setCursor(std::nullopt);
    const QAccessibleInterface* focus = reader.table()->focusChild();
    EXPECT_TRUE(focus == nullptr || focus->role() != QAccessible::Cell) << "no point has the focus";
    EXPECT_FALSE(reader.point("D4")->state().focused);
}

// The clocks, the prisoners and the message area say whose they are and what they show.
TEST(Accessibility, theInfoColumnsFieldsSayWhoseTheyAreAndWhatTheyShow)
{
    const struct {
        QString language;
        const char* field;
        QString name;
    } rows[] = {
        {kEnglish, "WhiteTimeTextField", "White's clock: no time limit"},
        {kEnglish, "BlackCapturedStonesTextField", "Black's prisoners: 1"},
        {kEnglish, "WhiteCapturedStonesTextField", "White's prisoners: 0"},
        {kEnglish, "InfoTextField", "Message: " + BoardMessages::refusal(GTPGoMessageOccupied)},
        {kFrench, "BlackTimeTextField", "Pendule de Noir : sans limite de temps"},
        {kFrench, "BlackCapturedStonesTextField", "Prisonniers de Noir : 1"},
    };
    for (const auto& row : rows) {
        ReadBoard reader({GTPGoColorEmpty, {}, row.language});
        reader.board.play({"B1", "A1", "A2", "A2"}); // A1 taken, then a refusal
        EXPECT_EQ(reader.field(row.field)->text(QAccessible::Name), row.name) << row.field;
    }
    ReadBoard reader;
    EXPECT_EQ(reader.field("InfoTextField")->text(QAccessible::Name), "Message");
    EXPECT_EQ(reader.field("InfoTextField")->role(), QAccessible::StatusBar);
}
