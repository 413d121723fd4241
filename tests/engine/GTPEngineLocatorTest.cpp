#include "engine/GTPEngineLocator.h"
#include "tests/support/GnuGo.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

TEST(GTPEngineLocator, hoshi_engine_comes_first_then_pachi_then_gnugo_but_never_a_pachi_on_the_path)
{
    const std::vector<std::string> gnugoOptions = {"--mode", "gtp", "--never-resign", "--capture-all-dead"};
    const std::string pachiOptions = "stones_only,threads=1,max_tree_size=100,resign_threshold=0,maximize_score";
    const std::string path = "/usr/games:/usr/local/bin:/usr/bin";
    const std::string gnugo = kGnuGoPath;
    const std::set<std::string> both = {"/Applications/pachi", gnugo};
    const struct {
        std::map<std::string, std::string> environment;
        std::set<std::string> executables;
        std::string program; // empty: no engine
        std::vector<std::string> arguments;
    } rows[] = {
        {{{"HOSHI_ENGINE", "'/opt/engine x' --gtp -v"}}, both, "/opt/engine x", {"--gtp", "-v"}},
        // Words as a shell splits them, without expanding anything.
        {{{"HOSHI_ENGINE", "  gnugo   --mode gtp\t--level 1 "}}, both, "gnugo", {"--mode", "gtp", "--level", "1"}},
        {{{"HOSHI_ENGINE", "'/opt/my engine/bin' \"a b\" c\\ d"}}, both, "/opt/my engine/bin", {"a b", "c d"}},
        {{{"HOSHI_ENGINE", "x\"y\"'z' \"q\\\"\\$\\n\" ''"}}, both, "xyz", {"q\"$\\n", ""}},
        {{{"HOSHI_ENGINE", "$HOME *"}}, both, "$HOME", {"*"}},
        {{}, both, "/Applications/pachi", {pachiOptions}},
        {{}, {gnugo}, gnugo, gnugoOptions},
        {{{"PATH", path}}, {"/usr/games/pachi", "/usr/bin/pachi", "/usr/local/bin/gnugo"}, "/usr/local/bin/gnugo",
         gnugoOptions},
        {{{"PATH", path}}, {"/usr/games/pachi", "/usr/bin/pachi"}, "", {}},
        // Empty or blank means not set; a broken line is an engine that cannot start, not GNU Go.
        {{{"HOSHI_ENGINE", ""}}, {gnugo}, gnugo, gnugoOptions},
        {{{"HOSHI_ENGINE", " \t "}}, {gnugo}, gnugo, gnugoOptions},
        {{{"HOSHI_ENGINE", "'unclosed"}}, {gnugo}, "", {}},
        {{{"HOSHI_ENGINE", "\"unclosed"}}, {gnugo}, "", {}},
        {{{"HOSHI_ENGINE", "gnugo\\"}}, {gnugo}, "", {}},
        // Empty and relative PATH entries are the current directory: never searched.
        {{{"PATH", ":/usr/bin:bin"}}, {"./gnugo", "gnugo", "bin/gnugo", gnugo}, gnugo, gnugoOptions},
        {{{"PATH", "/usr/bin:"}}, {"./gnugo", "/gnugo"}, "", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program + " from " + ::testing::PrintToString(row.environment));
        const GTPEngineLocator locator(
            [&row](const std::string& name) -> std::optional<std::string> {
                const auto found = row.environment.find(name);
                return found == row.environment.end() ? std::nullopt : std::optional<std::string>(found->second);
            },
            [&row](const std::string& file) { return row.executables.count(file) > 0; });
        const auto found = locator.locate();
        EXPECT_EQ(found ? found->Program : "", row.program);
        EXPECT_EQ(found ? found->Arguments : std::vector<std::string>(), row.arguments);
        // A level reaches GNU Go's command line only; the others start as found.
        const bool gnuGo = found && found->Arguments == gnugoOptions;
        std::vector<std::string> atLevel = row.arguments;
        if (gnuGo) {
            atLevel.insert(atLevel.end(), {"--level", "3"});
        }
        EXPECT_EQ(found ? locator.locate(3)->Arguments : std::vector<std::string>(), atLevel);
    }
}

TEST(GTPEngineLocator, the_engine_is_named_as_the_player_knows_it)
{
    const struct {
        std::map<std::string, std::string> environment;
        std::string executable, name;
    } rows[] = {
        {{}, "/Applications/pachi", "Pachi"},
        {{}, kGnuGoPath, "GNU Go"},
        {{{"HOSHI_ENGINE", "/opt/katago/katago gtp"}}, "", "katago"},
        {{{"HOSHI_ENGINE", "/opt/katago/katago gtp"}, {"HOSHI_ENGINE_NAME", "KataGo"}}, "", "KataGo"},
    };
    for (const auto& row : rows) {
        const GTPEngineLocator locator(
            [&row](const std::string& name) -> std::optional<std::string> {
                const auto found = row.environment.find(name);
                return found == row.environment.end() ? std::nullopt : std::optional<std::string>(found->second);
            },
            [&row](const std::string& file) { return file == row.executable; });
        EXPECT_EQ(locator.locate()->Name, row.name);
    }
}
