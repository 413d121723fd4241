// A headless match between two strength steps, through the engine link a game
// uses: GNU Go started by the locator for each step (plus area rules and a
// seed), weak steps picking among its candidates. Colours alternate, komi 7;
// GNU Go's final_score decides. One game at a time: one core.
//
//   strength_match --lower beginner-1 --upper beginner-2 [--games 40] [--seed 1]
//   strength_match --list      (the steps' ids, weakest first)
//
// Prints a line a game, then "RESULT lower upper games upper_wins mean_margin
// lower_s_per_move upper_s_per_move" (the margin as the upper step sees it).
#include "engine/GTPEngineLocator.h"
#include "engine/GTPGoEngineWrapper.h"
#include "rules/GTPGoGame.h"
#include "rules/Log.h"
#include "rules/NumberText.h"
#include "strength/OpponentStrength.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr float Komi = 7.0f;
constexpr int MaximumMoves = 200;

struct Side {
    const StrengthStep* Step;
    std::unique_ptr<GTPGoEngineWrapper> Engine;
    double Seconds = 0;
    int Moves = 0;
};

std::unique_ptr<GTPGoEngineWrapper> startEngine(const StrengthStep& step, std::uint64_t seed)
{
    // The game's own command line, found as a game finds it.
    const GTPEngineLocator locator([](const std::string&) { return std::nullopt; },
                                   [](const std::string& path) { return path == GTPEngineLocator::DebianGnuGoPath; });
    std::optional<GTPEngineCommand> command = locator.locate(OpponentStrength::numberOf(step));
    if (!command) {
        std::fprintf(stderr, "GNU Go is not at %s\n", GTPEngineLocator::DebianGnuGoPath);
        std::exit(1);
    }
    command->Arguments.insert(command->Arguments.end(), {"--chinese-rules", "--seed", std::to_string(seed)});
    auto engine = std::make_unique<GTPGoEngineWrapper>(QString::fromStdString(std::string(step.Id)), command);
    engine->setStrength(step, seed);
    return engine;
}

// Waits for the engine's move; exits on a failure, which would spoil the table.
GTPGoMove askMove(Side& side, GTPGoColor color)
{
    QEventLoop loop;
    std::optional<GTPGoMove> played;
    QObject::connect(side.Engine.get(), &GTPGoEngineWrapper::HasPlayed, &loop, [&](const GTPGoMove& move) {
        played = move;
        loop.quit();
    });
    const auto give_up = [&](const QString& why) {
        std::fprintf(stderr, "%s failed: %s\n", side.Step->Id.data(), why.toUtf8().constData());
        std::exit(1);
    };
    QObject::connect(side.Engine.get(), &GTPGoEngineWrapper::HasAnsweredUnusableMove, &loop, give_up);
    QObject::connect(side.Engine.get(), &GTPGoEngineWrapper::EngineFailed, &loop, give_up);
    const auto start = std::chrono::steady_clock::now();
    // Time enough for every move: the match measures strength, not the clock.
    side.Engine->generateMove(color, GTPTimeSettings().MainTime(), 0);
    loop.exec();
    side.Seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++side.Moves;
    return *played;
}

std::string ask(GTPGoEngineWrapper& engine, const QString& question)
{
    QEventLoop loop;
    std::string answer;
    engine.ask(question, [&](const std::optional<std::string>& text) {
        answer = text.value_or("?");
        loop.quit();
    });
    loop.exec();
    return answer;
}

// "B+3.5", "W+12.0" or "0" as Black's lead.
double blackLead(const std::string& score)
{
    double points = 0;
    if (score.size() > 2) {
        std::from_chars(score.data() + 2, score.data() + score.size(), points);
    }
    return score.starts_with("W+") ? -points : points;
}

// Plays one game; the upper step's margin.
double playGame(Side& lower, Side& upper, int game, std::uint64_t seed)
{
    lower.Engine = startEngine(*lower.Step, seed + 2 * static_cast<std::uint64_t>(game));
    upper.Engine = startEngine(*upper.Step, seed + 2 * static_cast<std::uint64_t>(game) + 1);
    GTPGoGameInfo info;
    info.setKomi(Komi);
    GTPGoGame record(info);
    for (Side* side : {&lower, &upper}) {
        side->Engine->setGameInfo(info);
    }
    // The lower step takes Black in odd games.
    Side* black = game % 2 == 1 ? &lower : &upper;
    Side* white = black == &lower ? &upper : &lower;
    int passes = 0;
    int moves = 0;
    for (GTPGoColor color = GTPGoColorBlack; passes < 2 && moves < MaximumMoves; color = getOppositeColor(color)) {
        Side& mover = color == GTPGoColorBlack ? *black : *white;
        Side& other = color == GTPGoColorBlack ? *white : *black;
        const GTPGoMove move = askMove(mover, color);
        GTPGoMoveMessage refusal = GTPGoMessageNone;
        if (!record.playMove(move, refusal) && !record.IsGameOver()) {
            std::fprintf(stderr, "game %d: %s played a move the rules refuse (%lld)\n", game, mover.Step->Id.data(),
                         static_cast<long long>(refusal));
            std::exit(1);
        }
        move.IsPass() ? other.Engine->pass(color) : other.Engine->playMove(color, move.Point()->X(), move.Point()->Y());
        passes = move.IsPass() ? passes + 1 : 0;
        ++moves;
    }
    const std::string score = ask(*upper.Engine, QStringLiteral("final_score"));
    const double margin = black == &upper ? blackLead(score) : -blackLead(score);
    std::printf("game %2d: %s as %s, %3d moves, score %s, margin %s for %s\n", game, lower.Step->Id.data(),
                black == &lower ? "black" : "white", moves, score.c_str(), fixedDecimal(margin, 1).c_str(),
                upper.Step->Id.data());
    std::fflush(stdout);
    lower.Engine.reset();
    upper.Engine.reset();
    return margin;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Log::setSink([](const std::string&) {});
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const StrengthStep& step : OpponentStrength::steps()) {
            std::printf("%s\n", std::string(step.Id).c_str());
        }
        return 0;
    }
    std::map<std::string, std::string> options = {{"--lower", ""}, {"--upper", ""}, {"--games", "40"}, {"--seed", "1"}};
    for (int i = 1; i + 1 < argc; i += 2) {
        options[argv[i]] = argv[i + 1];
    }
    const StrengthStep* lowerStep = OpponentStrength::find(options["--lower"]);
    const StrengthStep* upperStep = OpponentStrength::find(options["--upper"]);
    const int games = std::stoi(options["--games"]);
    const std::uint64_t seed = std::stoull(options["--seed"]);
    if (lowerStep == nullptr || upperStep == nullptr || games < 1) {
        std::fprintf(stderr, "usage: %s --lower STEP --upper STEP [--games N] [--seed N]\n", argv[0]);
        return 2;
    }
    Side lower{lowerStep, nullptr};
    Side upper{upperStep, nullptr};
    int upperWins = 0;
    double margins = 0;
    for (int game = 1; game <= games; ++game) {
        const double margin = playGame(lower, upper, game, seed);
        upperWins += margin > 0 ? 1 : 0;
        margins += margin;
    }
    std::printf("RESULT %s %s %d %d %s %s %s\n", lowerStep->Id.data(), upperStep->Id.data(), games, upperWins,
                fixedDecimal(margins / games, 1).c_str(), fixedDecimal(lower.Seconds / lower.Moves, 3).c_str(),
                fixedDecimal(upper.Seconds / upper.Moves, 3).c_str());
    return 0;
}
