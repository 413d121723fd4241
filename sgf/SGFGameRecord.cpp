#include "SGFGameRecord.h"

#include "rules/NumberText.h"

#include <utility>

std::string SGFGameRecord::hoshiApplication()
{
    return "hoshi:" HOSHI_VERSION;
}

SGFGameRecord SGFGameRecord::fromGame(const GTPGoGame& game)
{
    SGFGameRecord record;
    record.Komi = game.GameInfo().Komi();
    record.Handicap = game.GameInfo().Handicap();
    for (const auto& turn : game.Turns()) {
        record.Moves.push_back(turn->Move());
    }
    // The game keeps no turn for the pass that ended it; the file does.
    if (game.End() == GTPGoGameEnd::TwoPasses && !record.Moves.empty()) {
        record.Moves.push_back(GTPGoMove::pass(getOppositeColor(record.Moves.back().Color())));
    }
    record.Result = resultText(game);
    return record;
}

std::string SGFGameRecord::resultText(const GTPGoGame& game)
{
    const std::string winner = game.Winner() == GTPGoColorBlack ? "B+" : "W+";
    switch (game.End()) {
    case GTPGoGameEnd::TwoPasses: {
        if (game.Winner() == GTPGoColorEmpty || !game.Result()) {
            return "0";
        }
        return winner + fixedDecimal(game.Result()->Score(), 1);
    }
    case GTPGoGameEnd::Resignation:
        return winner + "R";
    case GTPGoGameEnd::Time:
        return winner + "T";
    case GTPGoGameEnd::Forfeit:
        return winner + "F";
    case GTPGoGameEnd::Void:
        return "Void";
    case GTPGoGameEnd::None:
        break;
    }
    return "?";
}

std::unique_ptr<GTPGoGame> SGFGameRecord::toGame(std::int32_t mainTime, GTPGoClock::TimeSource timeSource) const
{
    GTPGoGameInfo info(Handicap, MainTime.value_or(mainTime));
    if (Rules == "Chinese") {
        info.setCounting(GTPGoCounting::Area);
    }
    info.setKomi(static_cast<float>(Komi));
    auto game = std::make_unique<GTPGoGame>(info, std::move(timeSource));
    for (const GTPGoMove& move : Moves) {
        GTPGoMoveMessage message = GTPGoMessageNone;
        game->playMove(move, message);
    }
    if (game->End() == GTPGoGameEnd::TwoPasses && info.Counting() == GTPGoCounting::Area) {
        // The file keeps no dead stones: the area as the stones stand.
        game->acceptAreaCount({});
    }
    if (game->IsGameOver() || Result.empty() || Result == "?") {
        return game;
    }
    const GTPGoColor winner = Result.starts_with("B+") ? GTPGoColorBlack
        : Result.starts_with("W+")                     ? GTPGoColorWhite
                                                       : GTPGoColorEmpty;
    const char how = Result.size() > 2 ? Result[2] : ' ';
    game->endGame(how == 'R'   ? GTPGoGameEnd::Resignation
                      : how == 'T' ? GTPGoGameEnd::Time
                      : how == 'F' ? GTPGoGameEnd::Forfeit
                                   : GTPGoGameEnd::Void,
                  winner);
    return game;
}
