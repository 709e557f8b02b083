// The live stream: its timing, its checks, engine values that move like an
// engine, and the calibration result that ends a calibration.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "sim/ecu_model.h"
#include "tests/sim/ecu_bytes.h"

namespace {

using Burst = std::map<uint8_t, uint8_t>;

// One map per burst; every burst starts with the actuator group "11".
std::vector<Burst> Bursts(const std::vector<uint8_t>& bytes) {
    std::vector<Burst> bursts;
    for (const LiveGroup& g : LiveGroups(bytes)) {
        if (g.reg == 0x11 || bursts.empty())
            bursts.emplace_back();
        bursts.back()[g.reg] = g.value;
    }
    return bursts;
}

// The speed the configurator shows for a burst.
int Rpm(const Burst& burst, const EcuModel& ecu) {
    const double n = burst.at(0x28) + 256.0 * burst.at(0x29);
    if (ecu.Variant() != EcuVariant::Q5100)
        return static_cast<int>(n);
    const double count = n + 65536.0 * burst.at(0x2A);
    const RegisterImage& r = ecu.Registers();
    return static_cast<int>(120000000.0 * r.at(0x2B) / (count * r.at(0x2C) + 1e-17));
}

std::vector<uint8_t> Frame(EcuVariant variant, uint8_t command) {
    if (variant == EcuVariant::Q5100)
        return {command, 0x00};
    return {0x00, command, 0x00};
}

constexpr uint8_t kStart = 0x08, kStop = 0x07, kCalibrate = 0x61;

TEST(LiveStreamTest, BurstEvery100MsWithChecksTheConfiguratorAccepts) {
    EcuModel ecu(EcuVariant::Q7100);
    Send(ecu, Frame(EcuVariant::Q7100, kStart), 0);
    EXPECT_TRUE(ecu.Streaming());
    const std::vector<uint8_t> firstSecond = Arrived(ecu, 1000);
    const std::vector<LiveGroup> groups = LiveGroups(firstSecond);
    EXPECT_EQ(firstSecond.size(), groups.size() * 5);  // nothing outside the groups
    const std::vector<Burst> bursts = Bursts(firstSecond);
    ASSERT_EQ(bursts.size(), 10u);
    for (const LiveGroup& g : groups) EXPECT_EQ(g.check, g.reg + g.value) << int(g.reg);
    for (const Burst& burst : bursts) EXPECT_EQ(burst.size(), EcuModel::LiveRegisters().size());
    // The eleventh burst starts at 1002 ms and is on the line 10.4 ms later.
    EXPECT_TRUE(Arrived(ecu, 1002).empty());
    EXPECT_EQ(Bursts(Arrived(ecu, 1013)).size(), 1u);
}

TEST(LiveStreamTest, StopEndsTheStreamAfterTheBurstOnTheLine) {
    EcuModel ecu(EcuVariant::Q5100Plus);
    Send(ecu, Frame(EcuVariant::Q5100Plus, kStart), 0);
    Send(ecu, Frame(EcuVariant::Q5100Plus, kStop), 305);  // the burst of 302 ms is going out
    EXPECT_FALSE(ecu.Streaming());
    EXPECT_EQ(Bursts(Arrived(ecu, 400)).size(), 4u);
    EXPECT_TRUE(Arrived(ecu, 2000).empty());
}

TEST(LiveStreamTest, ABadCheckFaultSpoilsOnlyThatRegistersGroups) {
    EcuOptions options;
    options.faults.badCheckRegister = 0x24;
    EcuModel ecu(EcuVariant::Q7100, options);
    Send(ecu, Frame(EcuVariant::Q7100, kStart), 0);
    int spoiled = 0;
    for (const LiveGroup& g : LiveGroups(Arrived(ecu, 1000))) {
        EXPECT_EQ(g.check == g.reg + g.value, g.reg != 0x24) << int(g.reg);
        spoiled += g.reg == 0x24;
    }
    EXPECT_EQ(spoiled, 10);
}

class EngineTest : public ::testing::TestWithParam<EcuVariant> {};

TEST_P(EngineTest, IdlesNear850RpmAndRevsToAbout4000) {
    EcuModel ecu(GetParam());
    Send(ecu, Frame(GetParam(), kStart), 0);
    const std::vector<Burst> idle = Bursts(Arrived(ecu, 3000));
    ASSERT_FALSE(idle.empty());
    int lowestLambda = 255, highestLambda = 0;
    for (const Burst& b : idle) {
        EXPECT_NEAR(Rpm(b, ecu), 850, 50);
        EXPECT_NEAR(b.at(0x11), ecu.Registers().at(0x3D), 2);  // actuator at its idle steps
        EXPECT_EQ(b.at(0x83), 0);
        lowestLambda = std::min<int>(lowestLambda, b.at(0x24));
        highestLambda = std::max<int>(highestLambda, b.at(0x24));
    }
    // The probe swings between about 0.1 V and 0.9 V (0.02 V per count).
    EXPECT_TRUE(lowestLambda >= 5 && lowestLambda <= 10) << lowestLambda;
    EXPECT_TRUE(highestLambda >= 40 && highestLambda <= 45) << highestLambda;

    ecu.SetRevving(true);
    const std::vector<Burst> rising = Bursts(Arrived(ecu, 6000));
    ASSERT_GT(rising.size(), 20u);
    EXPECT_GT(Rpm(rising[3], ecu), Rpm(rising[0], ecu));
    const Burst& revved = rising.back();
    EXPECT_NEAR(Rpm(revved, ecu), 4000, 100);
    EXPECT_NEAR(revved.at(0x11), ecu.Registers().at(0x3E), 2);
    EXPECT_GT(revved.at(0x23), idle.back().at(0x23) + 50);  // throttle opened
    EXPECT_EQ(revved.at(0x83), 1);
}

INSTANTIATE_TEST_SUITE_P(AllVariants, EngineTest,
                         ::testing::Values(EcuVariant::Q7100, EcuVariant::Q5100,
                                           EcuVariant::Q5100Plus));

struct CalibrationCase {
    EcuVariant variant;
    CalibrationOutcome outcome;
    std::optional<uint8_t> result;
};

class CalibrationTest : public ::testing::TestWithParam<CalibrationCase> {};

TEST_P(CalibrationTest, ResultComesAfterTheConfiguredStreamingTime) {
    const CalibrationCase& c = GetParam();
    EcuOptions options;
    options.calibrationMs = 2000;
    options.faults.calibration = c.outcome;
    EcuModel ecu(c.variant, options);
    // Calibrate, three confirms, start: what the monitoring screen sends.
    Send(ecu, Frame(c.variant, kCalibrate), 0);
    std::vector<uint8_t> confirm = Frame(c.variant, 0x05);
    confirm.back() = 0x18;
    for (int i = 1; i <= 3; ++i) Send(ecu, confirm, 180 * i);
    Send(ecu, Frame(c.variant, kStart), 1000);
    EXPECT_EQ(Arrived(ecu, 1000), std::vector<uint8_t>{EcuModel::kAcknowledge});

    auto results = [](const std::vector<uint8_t>& bytes) {
        std::vector<LiveGroup> found;
        for (const LiveGroup& g : LiveGroups(bytes))
            if (g.reg == 0x72)
                found.push_back(g);
        return found;
    };
    EXPECT_TRUE(results(Arrived(ecu, 2950)).empty());
    const std::vector<LiveGroup> found = results(Arrived(ecu, 10000));
    ASSERT_EQ(found.size(), c.result ? 1u : 0u);
    if (c.result) {
        EXPECT_EQ(found[0].value, *c.result);
        EXPECT_EQ(found[0].check, 0x72 + *c.result);
    }
    EXPECT_TRUE(ecu.Streaming());  // the stream goes on after the result
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CalibrationTest,
    ::testing::Values(CalibrationCase{EcuVariant::Q7100, CalibrationOutcome::Success, 1},
                      CalibrationCase{EcuVariant::Q7100, CalibrationOutcome::Failure, 2},
                      CalibrationCase{EcuVariant::Q7100, CalibrationOutcome::NoAnswer, {}},
                      CalibrationCase{EcuVariant::Q5100, CalibrationOutcome::Success, {}}));

}  // namespace
