// The simulated ECU: how it answers reads, writes and confirms, and its live
// stream (timing, checks, engine values that move like an engine, the
// calibration result). Answers are read the way the configurator reads
// them: B0 rr vv C0 groups, B0 rr vv cc C0 for the live stream; anything
// outside a group is skipped.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "sim/ecu_model.h"

namespace {

struct LiveGroup {
    uint8_t reg, value, check;
};

std::map<uint8_t, uint8_t> AnswerGroups(const std::vector<uint8_t>& bytes) {
    std::map<uint8_t, uint8_t> groups;
    for (size_t i = 0; i + 3 < bytes.size(); ++i)
        if (bytes[i] == 0xB0 && bytes[i + 3] == 0xC0) groups[bytes[i + 1]] = bytes[i + 2], i += 3;
    return groups;
}

std::vector<LiveGroup> LiveGroups(const std::vector<uint8_t>& bytes) {
    std::vector<LiveGroup> groups;
    for (size_t i = 0; i + 4 < bytes.size(); ++i)
        if (bytes[i] == 0xB0 && bytes[i + 4] == 0xC0) groups.push_back({bytes[i + 1], bytes[i + 2], bytes[i + 3]}), i += 4;
    return groups;
}

void Send(EcuModel& ecu, std::vector<uint8_t> frame, int64_t nowMs) { ecu.Receive(frame.data(), frame.size(), nowMs); }

// Everything that has arrived by nowMs.
std::vector<uint8_t> Arrived(EcuModel& ecu, int64_t nowMs) {
    std::vector<uint8_t> bytes(20000);
    bytes.resize(ecu.Take(bytes.data(), bytes.size(), nowMs));
    return bytes;
}

// A command frame of the variant: 00 cc 00, or cc 00 on the Q5100.
std::vector<uint8_t> Frame(EcuVariant variant, uint8_t command, uint8_t operand = 0x00) {
    if (variant == EcuVariant::Q5100) return {command, operand};
    return {0x00, command, operand};
}

constexpr uint8_t kStart = 0x08, kStop = 0x07, kCalibrate = 0x61;
const auto kAllVariants = ::testing::Values(EcuVariant::Q7100, EcuVariant::Q5100, EcuVariant::Q5100Plus);

class ReadTest : public ::testing::TestWithParam<EcuVariant> {};

// The read command of the variant: 04 (Q7100), 09 (Q5100), 06 ("Q5100 plus").
TEST_P(ReadTest, ReadAllCarriesEveryRegisterAndReadOneThatRegisterInTheVariantsFrames) {
    const uint8_t read = std::vector<uint8_t>{0x04, 0x09, 0x06}[static_cast<int>(GetParam())];
    EcuModel ecu(GetParam());
    Send(ecu, Frame(GetParam(), read), 0);
    const std::vector<uint8_t> answer = Arrived(ecu, 1000);
    EXPECT_EQ(answer.size(), ecu.Registers().size() * 4);
    EXPECT_EQ(AnswerGroups(answer), ecu.Registers());
    Send(ecu, Frame(GetParam(), read, 0x2B), 1000);
    EXPECT_EQ(Arrived(ecu, 1100), (std::vector<uint8_t>{0xB0, 0x2B, 0x02, 0xC0}));
    if (GetParam() == EcuVariant::Q5100Plus) {  // the Q7100's read means nothing here
        Send(ecu, {0x00, 0x04, 0x2B}, 1200);
        EXPECT_TRUE(Arrived(ecu, 1300).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(AllVariants, ReadTest, kAllVariants);

TEST(EcuModelTest, WriteIsAcknowledgedButHeldUntilTheConfirmFrame) {
    EcuModel ecu(EcuVariant::Q7100);
    Send(ecu, {0x00, 0x21, 0x0A}, 0);
    EXPECT_EQ(Arrived(ecu, 100), std::vector<uint8_t>{EcuModel::kAcknowledge});
    EXPECT_EQ(ecu.PendingWrites(), (RegisterImage{{0x21, 0x0A}}));
    Send(ecu, {0x00, 0x04, 0x21}, 100);
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 200)), (RegisterImage{{0x21, 0x14}}));
    for (int i = 0; i < 3; ++i) Send(ecu, {0x00, 0x05, 0x18}, 200 + 100 * i);
    EXPECT_EQ(ecu.Registers().at(0x21), 0x0A);
    EXPECT_TRUE(ecu.PendingWrites().empty());
    EXPECT_TRUE(Arrived(ecu, 1000).empty());  // confirms are not answered
}

TEST(EcuModelTest, Q5100FramesSplitOverWritesAreJoinedUnlessAGapCutsThem) {
    EcuModel ecu(EcuVariant::Q5100);
    Send(ecu, {0x21}, 0);
    Send(ecu, {0x0A, 0x05}, 1);
    Send(ecu, {0x18, 0x09}, 2);
    Send(ecu, {0x21}, 3);
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 500)), (RegisterImage{{0x21, 0x0A}}));
    std::vector<FrameKind> kinds;
    for (const auto& received : ecu.ReceivedFrames()) kinds.push_back(received.frame.kind);
    EXPECT_EQ(kinds, (std::vector<FrameKind>{FrameKind::RegisterWrite, FrameKind::Confirm, FrameKind::ReadOne}));

    Send(ecu, {0x21}, 1000);  // a stale half frame is dropped
    Send(ecu, {0x09, 0x2B}, 1001 + FrameDecoder::kFrameGapMs);
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 2000)), (RegisterImage{{0x2B, 0x02}}));
}

using Burst = std::map<uint8_t, uint8_t>;

// One map per burst; every burst starts with the actuator group "11".
std::vector<Burst> Bursts(const std::vector<uint8_t>& bytes) {
    std::vector<Burst> bursts;
    for (const LiveGroup& g : LiveGroups(bytes)) {
        if (g.reg == 0x11 || bursts.empty()) bursts.emplace_back();
        bursts.back()[g.reg] = g.value;
    }
    return bursts;
}

// The speed the configurator shows for a burst.
int Rpm(const Burst& burst, const EcuModel& ecu) {
    const double n = burst.at(0x28) + 256.0 * burst.at(0x29);
    if (ecu.Variant() != EcuVariant::Q5100) return static_cast<int>(n);
    const double count = n + 65536.0 * burst.at(0x2A);
    const RegisterImage& r = ecu.Registers();
    return static_cast<int>(120000000.0 * r.at(0x2B) / (count * r.at(0x2C) + 1e-17));
}

TEST(LiveStreamTest, BurstEvery100MsWithChecksTheConfiguratorAcceptsUntilStopped) {
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

    Send(ecu, Frame(EcuVariant::Q7100, kStop), 1305);  // the burst of 1302 ms is going out
    EXPECT_FALSE(ecu.Streaming());
    EXPECT_EQ(Bursts(Arrived(ecu, 1400)).size(), 3u);
    EXPECT_TRUE(Arrived(ecu, 3000).empty());
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
    EXPECT_TRUE(lowestLambda >= 5 && lowestLambda <= 10 && highestLambda >= 40 && highestLambda <= 45)
        << lowestLambda << " " << highestLambda;

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

INSTANTIATE_TEST_SUITE_P(AllVariants, EngineTest, kAllVariants);

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
    for (int i = 1; i <= 3; ++i) Send(ecu, Frame(c.variant, 0x05, 0x18), 180 * i);
    Send(ecu, Frame(c.variant, kStart), 1000);
    EXPECT_EQ(Arrived(ecu, 1000), std::vector<uint8_t>{EcuModel::kAcknowledge});

    auto results = [](const std::vector<uint8_t>& bytes) {
        std::vector<LiveGroup> found;
        for (const LiveGroup& g : LiveGroups(bytes))
            if (g.reg == 0x72) found.push_back(g);
        return found;
    };
    EXPECT_TRUE(results(Arrived(ecu, 2950)).empty());
    // On every burst from then on, so that one split between two reads is
    // not the only one; the stream goes on, and stopping it ends the result.
    const std::vector<LiveGroup> found = results(Arrived(ecu, 3450));
    ASSERT_EQ(found.size(), c.result ? 5u : 0u);
    for (const LiveGroup& g : found) EXPECT_TRUE(g.value == *c.result && g.check == 0x72 + *c.result);
    Send(ecu, Frame(c.variant, kStop), 3450);
    Send(ecu, Frame(c.variant, kStart), 3500);
    EXPECT_TRUE(results(Arrived(ecu, 10000)).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CalibrationTest,
    ::testing::Values(CalibrationCase{EcuVariant::Q7100, CalibrationOutcome::Success, 1},
                      CalibrationCase{EcuVariant::Q7100, CalibrationOutcome::Failure, 2},
                      CalibrationCase{EcuVariant::Q7100, CalibrationOutcome::NoAnswer, {}},
                      CalibrationCase{EcuVariant::Q5100, CalibrationOutcome::Success, {}}));

}  // namespace
