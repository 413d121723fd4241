#include "engine/GTPEngineLocator.h"
#include "strength/OpponentStrength.h"
#include "tests/support/GnuGo.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using Environment = std::map<std::string, std::string>;

// A locator that sees this environment and these executable files only.
GTPEngineLocator locatorIn(const Environment& environment, const std::set<std::string>& executables)
{
    return GTPEngineLocator(
        [environment](const std::string& variable) {
            return environment.contains(variable) ? std::optional(environment.at(variable)) : std::nullopt;
        },
        [executables](const std::string& file) { return executables.contains(file); });
}

// Each row once met a fault: the environment, the executable files, then the
// engine found (program "" for none), its arguments and the name the player knows it by.
TEST(GTPEngineLocator, hoshi_engine_comes_first_then_pachi_then_gnugo_but_never_a_pachi_on_the_path)
{
    using Words = std::vector<std::string>;
    const Words gnugoArgs = {"--mode", "gtp", "--never-resign", "--capture-all-dead"};
    const std::tuple<Environment, std::set<std::string>, std::string, Words, std::string> rows[] = {
        // Words as a shell splits them, without expanding anything; the name is the program's file name.
        {{{"HOSHI_ENGINE", " \t'/opt/my engine/bin' \"a b\"\tc\\ d x\"y\"'z' \"q\\\"\\$\\n\" '' $HOME * "},
          {"HOSHI_ENGINE_NAME", ""}},
         {}, "/opt/my engine/bin", {"a b", "c d", "xyz", "q\"$\\n", "", "$HOME", "*"}, "bin"},
        {{{"HOSHI_ENGINE", "/opt/katago/katago gtp"}, {"HOSHI_ENGINE_NAME", "KataGo"}}, {}, "/opt/katago/katago",
         {"gtp"}, "KataGo"},
        {{}, {"/Applications/pachi", kGnuGoPath}, "/Applications/pachi",
         {"stones_only,threads=1,max_tree_size=100,resign_threshold=0,maximize_score"}, "Pachi"},
        {{}, {kGnuGoPath}, kGnuGoPath, gnugoArgs, "GNU Go"},
        {{{"PATH", "/usr/games:/usr/local/bin:/usr/bin"}}, {"/usr/games/pachi", "/usr/local/bin/gnugo"},
         "/usr/local/bin/gnugo", gnugoArgs, "GNU Go"},
        {{{"PATH", "/usr/games:/usr/local/bin:/usr/bin"}}, {"/usr/games/pachi", "/usr/bin/pachi"}, "", {}, ""},
        // Blank means not set; a broken line is an engine that cannot start, not GNU Go.
        {{{"HOSHI_ENGINE", " \t "}}, {kGnuGoPath}, kGnuGoPath, gnugoArgs, "GNU Go"},
        {{{"HOSHI_ENGINE", "'unclosed"}}, {kGnuGoPath}, "", {}, ""},
        {{{"HOSHI_ENGINE", "\"unclosed"}}, {kGnuGoPath}, "", {}, ""},
        {{{"HOSHI_ENGINE", "gnugo\\"}}, {kGnuGoPath}, "", {}, ""},
        // Empty and relative PATH entries are the current directory: never searched.
        {{{"PATH", ":/usr/bin:bin"}}, {"./gnugo", "gnugo", "bin/gnugo", kGnuGoPath}, kGnuGoPath, gnugoArgs, "GNU Go"},
        {{{"PATH", "/usr/bin:"}}, {"./gnugo", "/gnugo"}, "", {}, ""},
    };
    const auto fields = [](const std::optional<GTPEngineCommand>& found) {
        const GTPEngineCommand command = found.value_or(GTPEngineCommand{});
        return std::tuple(command.Program, command.Arguments, command.Name, command.TakesLevel, command.Strength);
    };
    // A weak step still starts GNU Go at its level; how it asks for moves travels with the command.
    const StrengthStep& step = OpponentStrength::steps().front();
    for (const auto& [environment, executables, program, arguments, name] : rows) {
        const GTPEngineLocator locator = locatorIn(environment, executables);
        // A strength step reaches GNU Go's command line only; the others start as found.
        const bool gnuGo = name == "GNU Go";
        Words atStep = arguments;
        atStep.insert(atStep.end(), {"--level", "1"});
        const StrengthStep* taken = gnuGo ? &step : nullptr;
        const std::string trace = ::testing::PrintToString(environment);
        EXPECT_EQ(fields(locator.locate()), std::tuple(program, arguments, name, gnuGo, nullptr)) << trace;
        EXPECT_EQ(fields(locator.locate(OpponentStrength::numberOf(step))),
                  std::tuple(program, gnuGo ? atStep : arguments, name, gnuGo, taken)) << trace;
        if (!program.empty()) {
            EXPECT_EQ(locator.name(), name) << trace;
        }
    }
    // Where nothing starts, the menu still names what the player asked for, or GNU Go to install.
    const std::pair<Environment, std::string> unstarted[] = {
        {{{"HOSHI_ENGINE", "'unclosed"}}, ""},
        {{{"HOSHI_ENGINE", "'unclosed"}, {"HOSHI_ENGINE_NAME", "KataGo"}}, "KataGo"},
        {{{"PATH", "/usr/bin"}}, "GNU Go"},
    };
    for (const auto& [environment, called] : unstarted) {
        EXPECT_EQ(locatorIn(environment, {}).name(), called) << ::testing::PrintToString(environment);
    }
}
