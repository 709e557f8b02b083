#include "comm/comm_trace.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <QByteArray>
#include <QString>

#include "data/file_replace.h"
#include "i18n/ui_text.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The line being formatted; one per thread, so its capacity is reused.
std::string& ScratchLine() {
    thread_local std::string line;
    line.clear();
    return line;
}

void AppendHex(std::string& out, const uint8_t* bytes, size_t count) {
    const size_t start = out.size();
    out.resize(start + count * 3);
    char* p = &out[start];
    for (size_t i = 0; i < count; ++i) {
        *p++ = ' ';
        *p++ = kHexDigits[bytes[i] >> 4];
        *p++ = kHexDigits[bytes[i] & 0x0F];
    }
}

// "8N1": data bits, parity (N none, O odd, E even, M mark, S space), stop
// bits (1, 1.5, 2), as the parity and stop-bit codes of the port object.
std::string LineSettingsText(const LineSettings& s) {
    std::string text = std::to_string(s.baudRate) + " " + std::to_string(s.dataBits);
    text += s.parity < 5 ? "NOEMS"[s.parity] : '?';
    static const char* const kStop[] = {"1", "1.5", "2"};
    text += s.stopBits < 3 ? kStop[s.stopBits] : "?";
    return text;
}

}  // namespace

CommTrace::CommTrace(Clock* clock) : ownClock_(std::make_unique<RealClock>()), clock_(clock) {
    originMs_ = NowMs();
}

CommTrace::~CommTrace() {
    CloseLiveFile();
}

void CommTrace::SetClock(Clock* clock) {
    clock_ = clock;
    originMs_ = NowMs();
}

int64_t CommTrace::NowMs() const {
    Clock* clock = clock_.load();
    return clock ? clock->NowMs() : ownClock_->NowMs();
}

void CommTrace::BeginLine(std::string& out) const {
    char time[32];
    const int n =
        std::snprintf(time, sizeof time, "%7lld ms ", static_cast<long long>(NowMs() - originMs_));
    out.append(time, static_cast<size_t>(n));
}

void CommTrace::Append(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (ring_.size() < kCapacity) {
        ring_.push_back(line);
    } else {
        ring_[next_] = line;  // keeps the slot's capacity
        next_ = (next_ + 1) % kCapacity;
        ++dropped_;
    }
    if (live_) {
        std::fwrite(line.data(), 1, line.size(), live_);
        std::fputc('\n', live_);
        std::fflush(live_);
    }
}

void CommTrace::Start(const std::string& model, const std::string& portText) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        header_ = model + " - " + portText;
    }
    std::string& line = ScratchLine();
    BeginLine(line);
    line += "LINK " + model + " - " + portText;
    Append(line);
}

void CommTrace::PortOpened(const std::string& portName) {
    originMs_ = NowMs();
    std::string& line = ScratchLine();
    BeginLine(line);
    line += "OPEN ";
    line += portName;
    Append(line);
}

void CommTrace::PortOpenFailed(const std::string& portName, const std::string& reason) {
    std::string& line = ScratchLine();
    BeginLine(line);
    line += "OPEN " + portName + " FAILED (" + reason + ")";
    Append(line);
}

void CommTrace::PortClosed() {
    Note("CLOSE");
}

void CommTrace::LineSettingsChanged(const LineSettings& settings, bool ok) {
    std::string& line = ScratchLine();
    BeginLine(line);
    line += "LINE " + LineSettingsText(settings);
    if (!ok)
        line += " FAILED";
    Append(line);
}

void CommTrace::Sent(const uint8_t* bytes, size_t count, int64_t written) {
    std::string& line = ScratchLine();
    BeginLine(line);
    line += "->";
    AppendHex(line, bytes, count);
    if (written < 0) {
        line += " FAILED";
    } else if (static_cast<uint64_t>(written) != count) {
        line += " (" + std::to_string(written) + " of " + std::to_string(count) + " sent)";
    }
    Append(line);
}

void CommTrace::Received(const uint8_t* bytes, int64_t count, const std::string& reason) {
    std::string& line = ScratchLine();
    BeginLine(line);
    line += "<-";
    if (count > 0) {
        AppendHex(line, bytes, static_cast<size_t>(count));
    } else if (count == 0) {
        line += " (nothing)";
    } else {
        line += " FAILED (" + reason + ")";
    }
    Append(line);
}

void CommTrace::Discarded(int64_t count) {
    std::string& line = ScratchLine();
    BeginLine(line);
    line += count < 0 ? std::string("DISCARD FAILED") : "DISCARD " + std::to_string(count);
    Append(line);
}

void CommTrace::Note(const std::string& text) {
    std::string& line = ScratchLine();
    BeginLine(line);
    line += text;
    Append(line);
}

std::vector<std::string> CommTrace::KeptLines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> lines;
    lines.reserve(ring_.size());
    for (size_t i = 0; i < ring_.size(); ++i) lines.push_back(ring_[(next_ + i) % ring_.size()]);
    return lines;
}

std::vector<std::string> CommTrace::Lines() const {
    std::vector<std::string> lines;
    uint64_t dropped = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lines.push_back(header_.empty() ? std::string("(no ECU link opened)") : header_);
        dropped = dropped_;
    }
    if (dropped > 0)
        lines.push_back("(" + std::to_string(dropped) + " older lines dropped)");
    std::vector<std::string> kept = KeptLines();
    lines.insert(lines.end(), std::make_move_iterator(kept.begin()),
                 std::make_move_iterator(kept.end()));
    return lines;
}

uint64_t CommTrace::DroppedLines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

void CommTrace::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    ring_.clear();
    next_ = 0;
    dropped_ = 0;
    header_.clear();
}

bool CommTrace::Export(const std::string& path, std::string* errorText) const {
    const std::vector<std::string> lines = Lines();
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size));
    for (const std::string& line : lines) {
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append('\n');
    }
    if (ReplaceFileContent(QString::fromStdString(path), bytes))
        return true;
    if (errorText) {
        // The path goes in as its bytes, whatever their encoding.
        std::string text = TrStd("Não foi possível gravar o arquivo %1");
        const size_t mark = text.find("%1");
        *errorText = mark == std::string::npos ? text : text.replace(mark, 2, path);
    }
    return false;
}

bool CommTrace::OpenLiveFile(const std::string& path, std::string* errorText) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        if (errorText)
            *errorText = std::strerror(errno);
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    if (live_)
        std::fclose(live_);
    live_ = file;
    return true;
}

void CommTrace::CloseLiveFile() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (live_)
        std::fclose(live_);
    live_ = nullptr;
}

CommTrace& ProgramTrace() {
    static CommTrace trace;
    return trace;
}

bool ExportTrace(const std::string& path, std::string* errorText) {
    return ProgramTrace().Export(path, errorText);
}

const char* TraceModelName(int modelIndex) {
    switch (modelIndex) {
        case 1:
            return "Q5100";
        case 2:
            return "Q5100 plus";
        default:
            return "Q7100";
    }
}
