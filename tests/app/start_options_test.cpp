// The configurator's command line: what each option sets, what is ignored
// and how, and which mistakes are refused.
#include "app/start_options.h"

#include <gtest/gtest.h>

TEST(StartOptions, KnownOptionsSetTheirSettingAndOthersAreIgnoredInOneWarningLine) {
    EXPECT_EQ(IgnoredArgumentsWarning(ParseStartOptions({})), "");
    const StartOptions options = ParseStartOptions(
        {"--bogus", "--no-splash", "--demo", "a.Q7100", "--no-splash=1", "--quit-after", "25", "--"});
    EXPECT_TRUE(!options.splash && options.demo && !options.noDemo && !options.help && !options.version);
    EXPECT_EQ(options.quitAfterMs, 25);
    EXPECT_TRUE(options.error.empty());
    EXPECT_EQ(IgnoredArgumentsWarning(options),
              "zano-configurator: ignoring unknown arguments --bogus a.Q7100 --no-splash=1 --");
    EXPECT_EQ(IgnoredArgumentsWarning(ParseStartOptions({"-nosplash"})),
              "zano-configurator: ignoring unknown argument -nosplash");
    EXPECT_TRUE(ParseStartOptions({"--no-demo"}).noDemo && ParseStartOptions({"-h"}).help);
    EXPECT_EQ(ParseStartOptions({"--quit-after", "10", "--quit-after=0"}).quitAfterMs, 0);
}

TEST(StartOptions, AQuitTimeThatIsNotAWholeNumberOfMillisecondsIsAMistake) {
    for (const char* bad : {"", "abc", "-5", "+5", "12x", "1.5", "99999999999"}) {
        const StartOptions options = ParseStartOptions({std::string("--quit-after=") + bad});
        EXPECT_TRUE(options.error.find("--quit-after") != std::string::npos && options.quitAfterMs < 0) << bad;
    }
    EXPECT_NE(ParseStartOptions({"--quit-after"}).error + "|" + ParseStartOptions({"--quit-after", "--demo"}).error, "|");
    EXPECT_EQ(ParseStartOptions({"--quit-after", "2147483647"}).quitAfterMs, 2147483647);
}

TEST(StartOptions, TraceTakesAFileNameAndRefusesNoneOrAnOption) {
    EXPECT_EQ(ParseStartOptions({}).traceFile, "");
    EXPECT_EQ(ParseStartOptions({"--trace", "a b.txt", "--demo"}).traceFile, "a b.txt");
    EXPECT_EQ(ParseStartOptions({"--trace=/tmp/t.txt"}).traceFile, "/tmp/t.txt");
    EXPECT_TRUE(ParseStartOptions({"--trace", "t.txt"}).ignored.empty());
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--trace"}, {"--trace="}, {"--trace", "--demo"}}) {
        const StartOptions options = ParseStartOptions(bad);
        EXPECT_NE(options.error.find("--trace"), std::string::npos) << bad.back();
        EXPECT_EQ(options.traceFile, "") << bad.back();
    }
}
