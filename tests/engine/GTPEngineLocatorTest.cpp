#include "engine/GTPEngineLocator.h"
#include "engine/ShellWords.h"

#include <gmock/gmock.h>

#include <map>
#include <set>

using ::testing::ElementsAre;

TEST(ShellWords, splits_as_a_shell_would_without_expanding)
{
    EXPECT_THAT(*ShellWords::split("  gnugo   --mode gtp\t--level 1 "), ElementsAre("gnugo", "--mode", "gtp", "--level", "1"));
    EXPECT_THAT(*ShellWords::split("'/opt/my engine/bin' \"a b\" c\\ d"), ElementsAre("/opt/my engine/bin", "a b", "c d"));
    EXPECT_THAT(*ShellWords::split("x\"y\"'z' \"q\\\"\\$\\n\" ''"), ElementsAre("xyz", "q\"$\\n", ""));
    EXPECT_THAT(*ShellWords::split("$HOME *"), ElementsAre("$HOME", "*"));
    EXPECT_TRUE(ShellWords::split("   ")->empty());
    EXPECT_EQ(ShellWords::split("'open"), std::nullopt);
    EXPECT_EQ(ShellWords::split("\"open"), std::nullopt);
    EXPECT_EQ(ShellWords::split("trailing\\"), std::nullopt);
}

TEST(GTPEngineLocator, hoshi_engine_comes_first_then_pachi_then_gnugo_but_never_a_pachi_on_the_path)
{
    const std::vector<std::string> gnugoOptions = {"--mode", "gtp", "--never-resign", "--capture-all-dead"};
    const std::string pachiOptions = "stones_only,threads=1,max_tree_size=100,resign_threshold=0,maximize_score";
    const std::string path = "/usr/games:/usr/local/bin:/usr/bin";
    struct Case {
        std::map<std::string, std::string> environment;
        std::set<std::string> executables;
        std::string program; // empty: no engine
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {{{"HOSHI_ENGINE", "'/opt/engine x' --gtp -v"}},
         {"/Applications/pachi", "/usr/games/gnugo"},
         "/opt/engine x",
         {"--gtp", "-v"}},
        {{}, {"/Applications/pachi", "/usr/games/gnugo"}, "/Applications/pachi", {pachiOptions}},
        {{}, {"/usr/games/gnugo"}, "/usr/games/gnugo", gnugoOptions},
        {{{"PATH", path}}, {"/usr/games/pachi", "/usr/bin/pachi", "/usr/local/bin/gnugo"}, "/usr/local/bin/gnugo", gnugoOptions},
        {{{"PATH", path}}, {"/usr/games/pachi", "/usr/bin/pachi"}, "", {}},
        // Empty or blank means not set; a broken line is an engine that cannot start, not GNU Go.
        {{{"HOSHI_ENGINE", ""}}, {"/usr/games/gnugo"}, "/usr/games/gnugo", gnugoOptions},
        {{{"HOSHI_ENGINE", " \t "}}, {"/usr/games/gnugo"}, "/usr/games/gnugo", gnugoOptions},
        {{{"HOSHI_ENGINE", "'unclosed"}}, {"/usr/games/gnugo"}, "", {}},
        {{{"HOSHI_ENGINE", "gnugo\\"}}, {"/usr/games/gnugo"}, "", {}},
        // Empty and relative PATH entries are the current directory: never searched.
        {{{"PATH", ":/usr/bin:bin"}}, {"./gnugo", "gnugo", "bin/gnugo", "/usr/games/gnugo"}, "/usr/games/gnugo", gnugoOptions},
        {{{"PATH", "/usr/bin:"}}, {"./gnugo", "/gnugo"}, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program + " from " + ::testing::PrintToString(c.environment));
        const GTPEngineLocator locator(
            [&c](const std::string& name) -> std::optional<std::string> {
                const auto found = c.environment.find(name);
                return found == c.environment.end() ? std::nullopt : std::optional<std::string>(found->second);
            },
            [&c](const std::string& file) { return c.executables.count(file) > 0; });
        const auto found = locator.locate();
        EXPECT_EQ(found ? found->Program : "", c.program);
        EXPECT_EQ(found ? found->Arguments : std::vector<std::string>(), c.arguments);
    }
}
