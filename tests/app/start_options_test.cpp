// The configurator's command line: what each option sets, what is ignored
// and how, and which mistakes are refused.
#include "app/start_options.h"

#include <gtest/gtest.h>

TEST(StartOptions, KnownOptionsSetTheirSettingAndOthersAreIgnoredInOneWarningLine) {
    EXPECT_EQ(IgnoredArgumentsWarning(ParseStartOptions({})), "");
    const StartOptions options = ParseStartOptions(
        {"--bogus", "--no-splash", "--demo", "a.Q7100", "--no-splash=1", "--quit-after", "25", "--"});
    EXPECT_TRUE(!options.splash && options.demo && !options.noDemo && !options.help && !options.version);
    EXPECT_TRUE(options.quitAfterMs == 25 && options.error.empty());
    EXPECT_EQ(IgnoredArgumentsWarning(options),
              "zano-configurator: ignoring unknown arguments --bogus a.Q7100 --no-splash=1 --");
    EXPECT_EQ(IgnoredArgumentsWarning(ParseStartOptions({"-nosplash"})),
              "zano-configurator: ignoring unknown argument -nosplash");
    EXPECT_TRUE(ParseStartOptions({"--no-demo"}).noDemo && ParseStartOptions({"-h"}).help);
    EXPECT_EQ(ParseStartOptions({"--quit-after", "10", "--quit-after=0"}).quitAfterMs, 0);
    for (const char* bad : {"", "-5", "1.5", "99999999999"})
        EXPECT_NE(ParseStartOptions({std::string("--quit-after=") + bad}).error.find("--quit-after"), std::string::npos) << bad;
}

TEST(StartOptions, TraceAndLogTakeAFileNameAndRefuseNoneOrAnOption) {
    for (const auto& [name, field] : {std::pair{std::string("--trace"), &StartOptions::traceFile},
                                      std::pair{std::string("--log"), &StartOptions::logFile}}) {
        SCOPED_TRACE(name);
        const StartOptions spaced = ParseStartOptions({name, "a b.txt", "--demo"});
        EXPECT_TRUE(spaced.*field == "a b.txt" && spaced.ignored.empty() && spaced.demo);
        EXPECT_EQ(ParseStartOptions({name + "=/tmp/t.txt"}).*field, "/tmp/t.txt");
        for (const std::vector<std::string>& bad : {std::vector<std::string>{name}, {name + "="}, {name, "--demo"}}) {
            const StartOptions options = ParseStartOptions(bad);
            EXPECT_TRUE(options.error.find(name) != std::string::npos && (options.*field).empty()) << bad.back();
        }
    }
    const StartOptions both = ParseStartOptions({"--log", "drive.csv", "--trace", "t.txt"});
    EXPECT_EQ(both.logFile + "|" + both.traceFile, "drive.csv|t.txt");
}
