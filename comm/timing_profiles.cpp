#include "comm/timing_profiles.h"

#include <cstddef>

namespace {

// Rows in the order of EcuCaller. Read columns: lead, first, retry, calls,
// backlog, dump, refresh, source, file registers; write columns: follows
// source, order, lead, W, W2, confirm policy, confirm spacing, trailing.
const std::vector<TimingProfile>& Table() {
    using BL = Backlog;
    using DR = DumpRule;
    using RR = RefreshRule;
    using RS = ReadSource;
    using WO = WriteOrder;
    using CP = ConfirmPolicy;
    // clang-format off
    static const std::vector<TimingProfile> kTable = {
        // lead, first, retry, calls, backlog, dump, refresh, source, file registers,
        // follows source, order, lead, W, W2, confirm, confirm spacing, trailing
        // CustomerPage: one read-all per try, no lead-in; it never writes.
        {0, 400, 0, 1, BL::Keep, DR::Always, RR::ReadStore, RS::EcuOnly, {},
         true, WO::LastQueuedFirst, 0, 0, 0, CP::OnlyAfterAnswer, 0, 0},
        // VehiclePage: all fields go in queue order.
        {500, 400, 0, 1, BL::Keep, DR::Always, RR::EquipmentStore, RS::SelectedSource, {"7F", "80", "75", "76", "74", "10", "12", "13", "2B", "2C"},
         true, WO::QueueOrder, 0, 400, 400, CP::OnlyAfterAnswer, 400, 0},
        // VehiclePageField: no wait after the answer read.
        {500, 400, 0, 1, BL::Keep, DR::Always, RR::EquipmentStore, RS::SelectedSource, {"7F", "80", "75", "76", "74", "10", "12", "13", "2B", "2C"},
         true, WO::LastQueuedFirst, 0, 400, 0, CP::OnlyAfterAnswer, 400, 0},
        // VehicleBasicPage: the slow pass, 1600 ms before each entry.
        {500, 500, 400, 3, BL::Keep, DR::OnlyQ5100, RR::ReadStore, RS::SelectedSource, {"10", "12", "13", "2B", "2C"},
         true, WO::LastQueuedFirst, 1600, 400, 400, CP::OnlyAfterAnswer, 800, 600},
        // ActuatorPage.
        {500, 500, 400, 3, BL::Keep, DR::OnlyQ5100, RR::ReadStore, RS::SelectedSource, {"3D", "45", "41", "3E", "46", "42"},
         true, WO::LastQueuedFirst, 0, 400, 400, CP::OnlyAfterAnswer, 400, 500},
        // LambdaPage: failed reads are retried at once.
        {500, 500, 0, 3, BL::Keep, DR::Never, RR::ReadStore, RS::SelectedSource, {"60", "78", "1E", "1F", "79", "7A", "7B", "7C"},
         true, WO::LastQueuedFirst, 0, 400, 400, CP::OnlyAfterAnswer, 400, 0},
        // LambdaBasicPage.
        {500, 500, 400, 3, BL::Keep, DR::Never, RR::ReadStore, RS::SelectedSource, {"60", "78", "1E", "1F"},
         true, WO::LastQueuedFirst, 0, 400, 400, CP::OnlyAfterAnswer, 400, 0},
        // AuxPage: short waits, confirm only after an answer.
        {500, 400, 100, 3, BL::Keep, DR::Never, RR::ReadStore, RS::SelectedSource, {"20", "21", "26", "27", "15", "16"},
         true, WO::LastQueuedFirst, 0, 100, 100, CP::OnlyAfterAnswer, 100, 500},
        // AuxBasicPage: confirm frames in every case, dump after each read.
        {500, 500, 400, 3, BL::Keep, DR::Always, RR::ReadStore, RS::SelectedSource, {"20", "21", "25", "26", "27", "15", "16"},
         true, WO::LastQueuedFirst, 0, 400, 0, CP::Always, 400, 500},
        // MonitorSnapshot: fills the monitor store only.
        {0, 400, 400, 3, BL::Keep, DR::Never, RR::None, RS::EcuOnly, {},
         true, WO::LastQueuedFirst, 0, 0, 0, CP::OnlyAfterAnswer, 0, 0},
        // MonitorStepWrite: writes whatever the page's source selector shows;
        // the stream received since the last poll is not part of the read-back.
        {500, 500, 400, 3, BL::Discard, DR::OnlyQ5100, RR::ReadStore, RS::SelectedSource, {"3D", "3E", "41", "42", "45", "46"},
         false, WO::LastQueuedFirst, 0, 400, 400, CP::OnlyAfterAnswer, 400, 500},
        // MonitorCalibrationReadBack: the monitoring read waits, no write; the
        // stream that piled up during the calibration is thrown away first.
        {0, 500, 400, 3, BL::Discard, DR::OnlyQ5100, RR::ReadStore, RS::SelectedSource, {"3D", "3E", "41", "42", "45", "46"},
         true, WO::LastQueuedFirst, 0, 0, 0, CP::OnlyAfterAnswer, 0, 0},
    };
    // clang-format on
    return kTable;
}

}  // namespace

const TimingProfile& TimingFor(EcuCaller caller) {
    return Table()[static_cast<std::size_t>(caller)];
}
