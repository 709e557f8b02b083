// The configurator's command line: what each option sets, what is ignored
// and how, and which mistakes are refused.
#include "app/start_options.h"

#include <gtest/gtest.h>

namespace {

TEST(StartOptions, EveryKnownOptionLandsInItsSetting) {
    const StartOptions none = ParseStartOptions({});
    EXPECT_TRUE(none.splash);
    EXPECT_FALSE(none.demo || none.noDemo || none.help || none.version);
    EXPECT_LT(none.quitAfterMs, 0);
    EXPECT_EQ(IgnoredArgumentsWarning(none), "");

    const StartOptions all = ParseStartOptions({"--no-splash", "--demo", "--no-demo", "--quit-after", "250"});
    EXPECT_FALSE(all.splash);
    EXPECT_TRUE(all.demo && all.noDemo);
    EXPECT_EQ(all.quitAfterMs, 250);
    EXPECT_TRUE(all.ignored.empty() && all.error.empty());
    EXPECT_EQ(ParseStartOptions({"--quit-after=0"}).quitAfterMs, 0);
    EXPECT_EQ(ParseStartOptions({"--quit-after", "10", "--quit-after=40"}).quitAfterMs, 40) << "the last one counts";
    EXPECT_TRUE(ParseStartOptions({"--help"}).help);
    EXPECT_TRUE(ParseStartOptions({"-h"}).help);
    EXPECT_TRUE(ParseStartOptions({"--version"}).version);
    for (const char* option : {"--no-splash", "--demo", "--no-demo", "--quit-after MS", "--help, -h", "--version"})
        EXPECT_NE(StartUsage().find(std::string("  ") + option + " "), std::string::npos) << option;
    EXPECT_EQ(StartVersion().rfind("zano-configurator ", 0), 0u);
}

TEST(StartOptions, UnknownOptionsAndStrayArgumentsAreIgnoredInOneWarningLine) {
    const StartOptions options = ParseStartOptions({"--bogus", "-nosplash", "--demo", "carro.Q7100", "--no-splash=1", "--"});
    EXPECT_TRUE(options.splash) << "-nosplash and --no-splash=1 are not --no-splash";
    EXPECT_TRUE(options.demo) << "a known option among unknown ones still counts";
    EXPECT_TRUE(options.error.empty());
    EXPECT_EQ(IgnoredArgumentsWarning(options),
              "zano-configurator: ignoring unknown arguments --bogus -nosplash carro.Q7100 --no-splash=1 --");
    EXPECT_EQ(IgnoredArgumentsWarning(ParseStartOptions({"-x"})), "zano-configurator: ignoring unknown argument -x");
}

TEST(StartOptions, AQuitTimeThatIsNotAWholeNumberOfMillisecondsIsAMistake) {
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--quit-after"}, {"--quit-after", "abc"}, {"--quit-after", "-5"}, {"--quit-after", "+5"},
          {"--quit-after", "12x"}, {"--quit-after", "1.5"}, {"--quit-after="}, {"--quit-after", "99999999999"},
          {"--quit-after", "--demo"}}) {
        const StartOptions options = ParseStartOptions(bad);
        EXPECT_NE(options.error.find("--quit-after"), std::string::npos) << bad.back();
        EXPECT_LT(options.quitAfterMs, 0) << bad.back();
    }
    EXPECT_TRUE(ParseStartOptions({"--quit-after", "2147483647"}).error.empty());
}

}  // namespace
