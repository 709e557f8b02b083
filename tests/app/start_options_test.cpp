// The configurator's command line: what each option sets, what is ignored
// and how, and which mistakes are refused.
#include "app/start_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace {

TEST(StartOptions, WithoutArgumentsTheProgramStartsNormally) {
    const StartOptions options = ParseStartOptions({});
    EXPECT_TRUE(options.splash);
    EXPECT_FALSE(options.demo || options.noDemo || options.help || options.version);
    EXPECT_LT(options.quitAfterMs, 0);
    EXPECT_TRUE(options.ignored.empty());
    EXPECT_TRUE(options.error.empty());
    EXPECT_EQ("", IgnoredArgumentsWarning(options));
}

TEST(StartOptions, EveryKnownOptionLandsInItsSetting) {
    StartOptions options =
        ParseStartOptions({"--no-splash", "--demo", "--no-demo", "--quit-after", "250"});
    EXPECT_FALSE(options.splash);
    EXPECT_TRUE(options.demo);
    EXPECT_TRUE(options.noDemo);
    EXPECT_EQ(250, options.quitAfterMs);
    EXPECT_TRUE(options.ignored.empty());
    EXPECT_TRUE(options.error.empty());

    EXPECT_EQ(0, ParseStartOptions({"--quit-after=0"}).quitAfterMs);
    EXPECT_EQ(40, ParseStartOptions({"--quit-after", "10", "--quit-after=40"}).quitAfterMs)
        << "the last one counts";
    EXPECT_TRUE(ParseStartOptions({"--help"}).help);
    EXPECT_TRUE(ParseStartOptions({"-h"}).help);
    EXPECT_TRUE(ParseStartOptions({"--version"}).version);
}

TEST(StartOptions, UnknownOptionsAndStrayArgumentsAreIgnoredInOneWarningLine) {
    const StartOptions options =
        ParseStartOptions({"--bogus", "-nosplash", "--demo", "carro.Q7100", "--no-splash=1", "--"});
    EXPECT_TRUE(options.splash) << "-nosplash and --no-splash=1 are not --no-splash";
    EXPECT_TRUE(options.demo) << "a known option among unknown ones still counts";
    EXPECT_TRUE(options.error.empty());
    const std::vector<std::string> expected{"--bogus", "-nosplash", "carro.Q7100", "--no-splash=1",
                                            "--"};
    EXPECT_EQ(expected, options.ignored);

    const std::string warning = IgnoredArgumentsWarning(options);
    EXPECT_EQ(std::string::npos, warning.find('\n'));
    EXPECT_EQ(
        "zano-configurator: ignoring unknown arguments --bogus -nosplash carro.Q7100 --no-splash=1 "
        "--",
        warning);
    EXPECT_EQ("zano-configurator: ignoring unknown argument -x",
              IgnoredArgumentsWarning(ParseStartOptions({"-x"})));
}

TEST(StartOptions, AQuitTimeThatIsNotAWholeNumberOfMillisecondsIsAMistake) {
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--quit-after"},
                                                {"--quit-after", "abc"},
                                                {"--quit-after", "-5"},
                                                {"--quit-after", "+5"},
                                                {"--quit-after", "12x"},
                                                {"--quit-after", "1.5"},
                                                {"--quit-after="},
                                                {"--quit-after", "99999999999"},
                                                {"--quit-after", "--demo"}}) {
        const StartOptions options = ParseStartOptions(bad);
        EXPECT_NE(std::string::npos, options.error.find("--quit-after")) << bad.back();
        EXPECT_LT(options.quitAfterMs, 0) << bad.back();
    }
    EXPECT_TRUE(ParseStartOptions({"--quit-after", "2147483647"}).error.empty());
}

TEST(StartOptions, TheUsageTextListsExactlyTheOptionsTheParserKnows) {
    const std::string usage = StartUsage();
    std::vector<std::string> listed;
    const std::regex option(R"((^|[ ,])(--?[a-z][a-z-]*))");
    for (std::sregex_iterator it(usage.begin(), usage.end(), option), end; it != end; ++it)
        listed.push_back((*it)[2]);
    for (const char* known :
         {"--no-splash", "--demo", "--no-demo", "--quit-after", "--help", "-h", "--version"})
        EXPECT_NE(listed.end(), std::find(listed.begin(), listed.end(), known))
            << known << " missing from\n"
            << usage;
    for (const std::string& name : listed) {
        std::vector<std::string> args{name};
        if (name == "--quit-after")
            args.push_back("1");
        EXPECT_TRUE(ParseStartOptions(args).ignored.empty()) << name << " is listed but not known";
    }
    EXPECT_EQ(0u, StartVersion().rfind("zano-configurator ", 0));
    EXPECT_GT(StartVersion().size(), std::string("zano-configurator ").size());
}

}  // namespace
