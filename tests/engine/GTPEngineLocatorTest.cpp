#include "engine/GTPEngineLocator.h"
#include "engine/ShellWords.h"

#include <gmock/gmock.h>

#include <map>
#include <set>

using ::testing::ElementsAre;

namespace {

struct FakeSystem {
    std::map<std::string, std::string> environment;
    std::set<std::string> executables;

    GTPEngineLocator locator() const
    {
        return GTPEngineLocator(
            [this](const std::string& name) -> std::optional<std::string> {
                const auto found = environment.find(name);
                return found == environment.end() ? std::nullopt : std::optional<std::string>(found->second);
            },
            [this](const std::string& path) { return executables.count(path) > 0; });
    }
};

const std::vector<std::string> gnugoOptions = {"--mode", "gtp", "--never-resign", "--capture-all-dead"};

}

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

TEST(GTPEngineLocator, the_environment_comes_first_then_pachi_then_gnugo)
{
    FakeSystem system;
    system.executables = {"/Applications/pachi", "/usr/games/gnugo"};
    system.environment["HOSHI_ENGINE"] = "'/opt/engine x' --gtp -v";
    auto found = system.locator().locate();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Program, "/opt/engine x");
    EXPECT_THAT(found->Arguments, ElementsAre("--gtp", "-v"));

    system.environment.erase("HOSHI_ENGINE");
    found = system.locator().locate();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Program, "/Applications/pachi");
    EXPECT_THAT(found->Arguments,
                ElementsAre("stones_only,threads=1,max_tree_size=100,resign_threshold=0,maximize_score"));

    system.executables.erase("/Applications/pachi");
    found = system.locator().locate();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Program, "/usr/games/gnugo");
    EXPECT_EQ(found->Arguments, gnugoOptions);
}

TEST(GTPEngineLocator, a_pachi_on_the_path_is_never_started)
{
    FakeSystem system;
    system.environment["PATH"] = "/usr/games:/usr/local/bin:/usr/bin";
    system.executables = {"/usr/games/pachi", "/usr/bin/pachi", "/usr/local/bin/gnugo"};
    const auto found = system.locator().locate();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Program, "/usr/local/bin/gnugo");
    EXPECT_EQ(found->Arguments, gnugoOptions);

    system.executables = {"/usr/games/pachi", "/usr/bin/pachi"};
    EXPECT_EQ(system.locator().locate(), std::nullopt);
}

TEST(GTPEngineLocator, an_unusable_environment_line_falls_back)
{
    FakeSystem system;
    system.executables = {"/usr/games/gnugo"};
    for (const char* line : {"", "   ", "'unclosed"}) {
        system.environment["HOSHI_ENGINE"] = line;
        const auto found = system.locator().locate();
        ASSERT_TRUE(found) << line;
        EXPECT_EQ(found->Program, "/usr/games/gnugo") << line;
    }
}
