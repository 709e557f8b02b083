// The simulator's command line.

#include "sim/sim_arguments.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

TEST(SimArgumentsTest, EveryOptionLandsInItsSetting) {
    std::string error;
    const auto args = ParseSimArguments(
        Words("--model q5100 --com 4 --rev --log /tmp/x.log --no-answer --late 250 "
              "--missing-register 1E --bad-check 24 --zero-first --garbage --huge-answer "
              "--line-rate-stream --drop-after 7 --reconnect-ms 900 --calibration fail "
              "--calibration-ms 1500 --quit-after 800"),
        &error);
    ASSERT_TRUE(args.has_value()) << error;
    EXPECT_EQ(args->variant, EcuVariant::Q5100);
    EXPECT_EQ(args->comNumber, 4);
    EXPECT_TRUE(args->ecu.revving);
    EXPECT_EQ(args->logPath, "/tmp/x.log");
    EXPECT_EQ(args->reconnectMs, 900);
    EXPECT_EQ(args->ecu.calibrationMs, 1500);
    EXPECT_EQ(args->quitAfterMs, 800);
    const FaultOptions& f = args->ecu.faults;
    EXPECT_TRUE(f.noAnswer && f.leadingZero && f.garbageBetweenGroups && f.hugeAnswer &&
                f.streamAtLineRate);
    EXPECT_EQ(f.extraDelayMs, 250);
    EXPECT_EQ(f.missingRegister, 0x1E);
    EXPECT_EQ(f.badCheckRegister, 0x24);
    EXPECT_EQ(f.linkDropAfterFrames, 7);
    EXPECT_EQ(f.calibration, CalibrationOutcome::Failure);
}

TEST(SimArgumentsTest, MistakesAreRefusedWithTheOptionNamed) {
    for (const char* bad : {"--model q9000", "--com", "--com 0", "--missing-register 1G",
                            "--calibration maybe", "--late -5", "--quit-after", "--quit-after -1",
                            "--quit-after 1s", "--frobnicate"}) {
        std::string error;
        EXPECT_FALSE(ParseSimArguments(Words(bad), &error).has_value()) << bad;
        EXPECT_NE(error.find(Words(bad)[0]), std::string::npos) << error;
    }
}

}  // namespace
