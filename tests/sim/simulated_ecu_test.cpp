// The simulated ECU: its registers per variant, how it answers reads, writes
// and confirms, and its live stream (timing, checks, engine values that move
// like an engine, the calibration result). Answers are read the way the
// configurator reads them: B0 rr vv C0 groups, B0 rr vv cc C0 for the live
// stream; anything outside a group is skipped. Then the same ECU behind the
// SerialDevice interface in virtual time (bytes arrive at the line speed of
// the variant, only at the ECU's line settings), and the simulator's command line.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "tests/sim/sim_test_support.h"
#include "sim/ecu_model.h"
#include "sim/sim_arguments.h"
#include "sim/sim_device.h"

namespace {

struct LiveGroup {
    uint8_t reg, value, check;
};

std::map<uint8_t, uint8_t> AnswerGroups(const std::vector<uint8_t>& bytes) {
    std::map<uint8_t, uint8_t> groups;
    for (size_t i = 0; i + 3 < bytes.size(); ++i) {
        if (bytes[i] == 0xB0 && bytes[i + 3] == 0xC0)
            groups[bytes[i + 1]] = bytes[i + 2], i += 3;
    }
    return groups;
}

std::vector<LiveGroup> LiveGroups(const std::vector<uint8_t>& bytes) {
    std::vector<LiveGroup> groups;
    for (size_t i = 0; i + 4 < bytes.size(); ++i) {
        if (bytes[i] == 0xB0 && bytes[i + 4] == 0xC0)
            groups.push_back({bytes[i + 1], bytes[i + 2], bytes[i + 3]}), i += 4;
    }
    return groups;
}

void Send(EcuModel& ecu, std::vector<uint8_t> frame, int64_t nowMs) {
    ecu.Receive(frame.data(), frame.size(), nowMs);
}

// Everything that has arrived by nowMs.
std::vector<uint8_t> Arrived(EcuModel& ecu, int64_t nowMs) {
    std::vector<uint8_t> bytes(20000);
    bytes.resize(ecu.Take(bytes.data(), bytes.size(), nowMs));
    return bytes;
}

class ReadTest : public ::testing::TestWithParam<EcuVariant> {};

// The read-all and read-one frames of the variant: 00 04 (Q7100), 09 (Q5100), 00 06.
TEST_P(ReadTest, ReadAllCarriesEveryRegisterAndReadOneThatRegisterInTheVariantsFrames) {
    const std::vector<uint8_t> readAll[] = {{0x00, 0x04, 0x00}, {0x09, 0x00}, {0x00, 0x06, 0x00}};
    const int variant = static_cast<int>(GetParam());
    const bool q5100 = GetParam() == EcuVariant::Q5100;
    EcuModel ecu(GetParam());
    Send(ecu, readAll[variant], 0);
    const std::vector<uint8_t> answer = Arrived(ecu, 1000);
    EXPECT_EQ(answer.size(), ecu.Registers().size() * 4);
    EXPECT_EQ(AnswerGroups(answer), ecu.Registers());
    for (uint8_t reg : {0x10, 0x12, 0x13, 0x15, 0x16, 0x1E, 0x1F, 0x20, 0x21, 0x26, 0x27, 0x2B,
                        0x2C, 0x3D, 0x3E, 0x41, 0x42, 0x45, 0x46, 0x60, 0x70, 0x74, 0x75, 0x76,
                        0x77, 0x78, 0x80, 0x82})
        EXPECT_EQ(ecu.Registers().count(reg), 1u) << std::hex << int(reg);
    for (uint8_t reg : {0x79, 0x7A, 0x7B, 0x7C, 0x7F})
        EXPECT_EQ(ecu.Registers().count(reg), q5100 ? 0u : 1u) << std::hex << int(reg);
    EXPECT_EQ(ecu.Registers().count(0x25), q5100 ? 1u : 0u);  // its cut-off speed as a period

    const std::vector<uint8_t> readOne[] = {{0x00, 0x04, 0x2B}, {0x09, 0x2B}, {0x00, 0x06, 0x2B}};
    Send(ecu, readOne[variant], 1000);
    EXPECT_EQ(Arrived(ecu, 1100), (std::vector<uint8_t>{0xB0, 0x2B, 0x02, 0xC0}));
    if (GetParam() == EcuVariant::Q5100Plus) {  // the Q7100's read means nothing here
        Send(ecu, {0x00, 0x04, 0x2B}, 1200);
        EXPECT_TRUE(Arrived(ecu, 1300).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(AllVariants, ReadTest,
                         ::testing::Values(EcuVariant::Q7100, EcuVariant::Q5100,
                                           EcuVariant::Q5100Plus));

// Only the frames of registers it has: the Q5100 has no 7F.
TEST(EcuModelTest, TheQ5100NeitherReadsNorWritesARegisterItLacks) {
    EcuModel q5100(EcuVariant::Q5100);
    const RegisterImage before = q5100.Registers();
    Send(q5100, {0x09, 0x7F}, 0);
    EXPECT_TRUE(Arrived(q5100, 100).empty());
    Send(q5100, {0x7F, 0x01}, 200);
    Send(q5100, {0x05, 0x18}, 300);
    EXPECT_EQ(q5100.Registers(), before);
}

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
    EXPECT_EQ(ecu.Registers().at(0x21), 0x0A);
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

TEST(SimDeviceTest, BytesArriveAtLineSpeedOnlyAtTheEcusLineSettings) {
    VirtualClock clock;
    SimulatedEcuDevice device(clock, EcuVariant::Q5100);
    const auto count = [&](int64_t atMs) {  // of the bytes read at atMs; -1: the read failed
        const auto bytes = ReadAt(clock, device, atMs);
        return bytes ? static_cast<int64_t>(bytes->size()) : -1;
    };
    EXPECT_EQ(Write(device, {0x09, 0x00}), -1);  // closed
    EXPECT_EQ(count(10), -1);
    ASSERT_TRUE(device.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    ASSERT_EQ(Write(device, {0x09, 0x00}), 2);
    EXPECT_EQ(count(1000), 0);
    EXPECT_TRUE(device.ReceivedFrames().empty());

    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q5100)));
    ASSERT_EQ(Write(device, {0x08, 0x00}), 2);
    // 40 bytes sent from 1002 ms on, 1.04 ms a byte: 17 by 1020 ms, all by 1044 ms.
    EXPECT_EQ((std::vector<int64_t>{count(1020), count(1043), count(1044), count(1101)}),
              (std::vector<int64_t>{17, 22, 1, 0}));

    ASSERT_TRUE(WriteAll(device, {{0x07, 0x00}, {0x09, 0x2B}}));
    device.Close();  // what came meanwhile is gone on the next open
    EXPECT_FALSE(device.IsOpen());
    ASSERT_TRUE(device.Open());
    EXPECT_EQ(count(1500), 0);
}

// A live stream nobody reads, at full line rate, bounded or purged, beside an
// unbounded twin that reads everything: "the newest bytes" and "what had
// arrived" are checked against what really came over the line.
class SimDeviceBacklogTest : public ::testing::Test {
  protected:
    SimDeviceBacklogTest() {
        EcuOptions options;
        options.faults.streamAtLineRate = true;
        for (auto* device : {&bounded_, &twin_}) {
            *device = std::make_unique<SimulatedEcuDevice>(clock_, EcuVariant::Q5100, options);
            EXPECT_TRUE((*device)->Open());
            EXPECT_TRUE((*device)->SetLineSettings(EcuLine(EcuVariant::Q5100)));
            EXPECT_EQ(Write(**device, {0x08, 0x00}), 2);  // start the stream
        }
    }

    std::vector<uint8_t> All(SimulatedEcuDevice& device) {  // of what has come by now
        return ReadAt(clock_, device, clock_.NowMs()).value_or(std::vector<uint8_t>{});
    }

    VirtualClock clock_;
    std::unique_ptr<SimulatedEcuDevice> bounded_, twin_;
};

TEST_F(SimDeviceBacklogTest, ABoundedBufferKeepsTheNewestWholeGroups) {
    bounded_->SetReceiveBufferSize(1000);
    clock_.Advance(60000);
    const std::vector<uint8_t> all = All(*twin_);
    // 9600 baud carries 960 bytes a second, every group whole and checked.
    EXPECT_TRUE(all.size() >= 57550u && all.size() <= 57600u) << all.size();
    for (size_t i = 0; i + 5 <= all.size(); i += 5) {
        ASSERT_EQ(all[i], 0xB0) << i;
        ASSERT_EQ(all[i + 4], 0xC0) << i;
        ASSERT_EQ(static_cast<uint8_t>(all[i + 1] + all[i + 2]), all[i + 3]) << i;
    }
    EXPECT_EQ(All(*bounded_), std::vector<uint8_t>(all.end() - 1000, all.end()));
    clock_.Advance(300);  // what comes next is read as it comes, bound or not
    EXPECT_EQ(All(*bounded_), All(*twin_));
}

TEST_F(SimDeviceBacklogTest, DiscardDropsWhatArrivedAndLeavesWhatIsStillOnTheWire) {
    clock_.Advance(3010);  // in the middle of a 41.7 ms burst
    const int64_t discarded = bounded_->DiscardReceived();
    EXPECT_EQ(discarded, static_cast<int64_t>(All(*twin_).size()));
    EXPECT_GT(discarded, 2800);
    EXPECT_TRUE(All(*bounded_).empty());
    clock_.Advance(20);
    const std::vector<uint8_t> rest = All(*bounded_);
    EXPECT_FALSE(rest.empty());
    EXPECT_EQ(rest, All(*twin_));
    bounded_->Close();
    EXPECT_EQ(bounded_->DiscardReceived(), -1);
}

TEST(SimArgumentsTest, EveryOptionLandsInItsSetting) {
    std::string error;
    const auto args = ParseSimArguments(
        Words("--model q5100 --com 4 --rev --log /tmp/x.log --no-answer --late 250 "
              "--missing-register 1E --bad-check 24 --zero-first --garbage --huge-answer "
              "--line-rate-stream --drop-after 7 --reconnect-ms 900 --calibration fail "
              "--calibration-ms 1500 --quit-after 800 --register 3D=64 --register 2b=4 "
              "--vanish-after 810 --vanish-for 1200 --power-cycle-after 5000 "
              "--power-off-for 700 --device-folder /tmp/dev --usb 2 --come-back-as 5"),
        &error);
    ASSERT_TRUE(args.has_value()) << error;
    const FaultOptions& f = args->ecu.faults;
    EXPECT_EQ(std::make_tuple(args->variant, args->comNumber, args->logPath, args->reconnectMs,
                              args->ecu.calibrationMs, args->quitAfterMs, args->deviceFolder,
                              args->usbNumber, args->comeBackAsUsb),
              std::make_tuple(EcuVariant::Q5100, 4, "/tmp/x.log", 900, 1500, 800, "/tmp/dev", 2, 5));
    EXPECT_EQ(args->registers, (std::vector<std::pair<uint8_t, uint8_t>>{{0x3D, 0x64}, {0x2B, 0x04}}));
    EXPECT_TRUE(args->ecu.revving && f.noAnswer && f.leadingZero && f.garbageBetweenGroups &&
                f.hugeAnswer && f.streamAtLineRate);
    EXPECT_EQ((std::vector<int>{f.extraDelayMs, f.missingRegister, f.badCheckRegister,
                                f.linkDropAfterFrames, f.vanishAfterMs, f.vanishForMs,
                                f.powerCycleAfterMs, f.powerOffMs}),
              (std::vector<int>{250, 0x1E, 0x24, 7, 810, 1200, 5000, 700}));
    EXPECT_EQ(f.calibration, CalibrationOutcome::Failure);
}

// The link faults come in pairs: a time and how long, a folder and a number.
TEST(SimArgumentsTest, MistakesAreRefusedWithTheOptionNamed) {
    for (const char* bad : {"--model q9000", "--com", "--com 0", "--missing-register 1G",
                            "--calibration maybe", "--late -5", "--quit-after", "--quit-after -1",
                            "--quit-after 1s", "--frobnicate", "--register 3D", "--register 3D=100",
                            "--register =5", "--register 3D=5x"}) {
        std::string error;
        EXPECT_FALSE(ParseSimArguments(Words(bad), &error).has_value()) << bad;
        EXPECT_NE(error.find(Words(bad)[0]), std::string::npos) << error;
    }
    for (const char* bad : {"--vanish-after 800", "--vanish-for 800", "--power-cycle-after 10",
                            "--power-off-for 10", "--usb 1", "--device-folder /tmp/dev",
                            "--device-folder /tmp/dev --usb 20", "--come-back-as 1",
                            "--vanish-after -1 --vanish-for 10"}) {
        std::string error;
        EXPECT_FALSE(ParseSimArguments(Words(bad), &error).has_value() || error.empty()) << bad;
    }
}

}  // namespace
