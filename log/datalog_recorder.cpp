#include "log/datalog_recorder.h"

#include "comm/clock.h"

bool DatalogRecorder::Start(const std::string& path, const LogHeader& header) {
    startMs_ = clock_.NowMs();
    marks_ = 0;
    gaps_ = 0;
    inGap_ = false;
    skipNextPoll_ = false;
    return writer_.Open(path, header);
}

void DatalogRecorder::Stop() {
    writer_.Close();
}

int64_t DatalogRecorder::ElapsedMs() const {
    return clock_.NowMs() - startMs_;
}

void DatalogRecorder::OnLiveValues(CRX4DATA& liveStore, int modelIndex) {
    if (!Recording())
        return;
    // The first poll after a loss may bring part of a burst only, the rest
    // of the store still holding the zeros of the lost stream: from the
    // second on, every live register has come again.
    if (skipNextPoll_) {
        skipNextPoll_ = false;
        return;
    }
    const std::optional<LogSample> sample = SampleFromLiveStore(liveStore, modelIndex, ElapsedMs());
    if (!sample)
        return;
    inGap_ = false;
    writer_.Append(*sample);
}

void DatalogRecorder::OnLinkLost() {
    if (!Recording())
        return;
    skipNextPoll_ = true;
    if (inGap_)
        return;
    inGap_ = true;
    ++gaps_;
    LogSample gap;
    gap.tMs = ElapsedMs();
    gap.gap = true;
    writer_.Append(gap);
}

int DatalogRecorder::Mark() {
    if (!Recording())
        return 0;
    ++marks_;
    writer_.AppendEvent(ElapsedMs(), "marca " + std::to_string(marks_));
    return marks_;
}

void DatalogRecorder::OnEvent(const std::string& text) {
    if (Recording())
        writer_.AppendEvent(ElapsedMs(), text);
}

void DatalogRecorder::OnTick() {
    writer_.FlushIfDue();
}
