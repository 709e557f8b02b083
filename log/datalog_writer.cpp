#include "log/datalog_writer.h"

#include <cmath>

#include "comm/clock.h"
#include "data/number_text.h"
#include "i18n/ui_text.h"

namespace {

void AppendNumber(double value, int decimals, std::string* out) {
    if (std::isnan(value))
        return;
    if (decimals == 0 && std::fabs(value) < 1e15 && value == std::trunc(value)) {
        *out += std::to_string(static_cast<long long>(value));
        return;
    }
    const char* formats[] = {"%.0f", "%.1f", "%.2f", "%.3f"};
    *out += NumberText::Format(formats[decimals < 0 || decimals > 3 ? 3 : decimals], value);
}

// Commas and line ends would break the row: an event is one cell.
void AppendCell(const std::string& text, std::string* out) {
    for (char c : text) out->push_back(c == ',' || c == '\n' || c == '\r' ? ' ' : c);
}

}  // namespace

void DatalogWriter::FormatRow(const LogSample& sample, std::string* out) {
    *out += std::to_string(sample.tMs);
    for (int c = 0; c < kLogChannelCount; ++c) {
        out->push_back(',');
        if (!sample.gap)
            AppendNumber(sample.values[c], ChannelInfo(c).decimals, out);
    }
    out->push_back(',');
    AppendCell(sample.gap ? std::string(kGapEvent) : sample.event, out);
    out->push_back('\n');
}

bool DatalogWriter::Open(const std::string& path, const LogHeader& header) {
    Close();
    error_.clear();
    rows_ = 0;
    path_ = path;
    file_.setFileName(QString::fromStdString(path));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        error_ = Tr("Não foi possível criar o registro %1 (%2).")
                     .arg(QString::fromStdString(path), file_.errorString())
                     .toStdString();
        return false;
    }
    buffer_ = std::string(kDatalogMagic) + "\n";
    buffer_ += "# modelo: " + header.model + "\n";
    buffer_ += "# porta: " + header.port + "\n";
    buffer_ += "# inicio: " + header.startIso + "\n";
    std::string units = "ms";
    buffer_ += kTimeColumn;
    for (int c = 0; c < kLogChannelCount; ++c) {
        buffer_ += std::string(",") + ChannelInfo(c).column;
        units += std::string(",") + ChannelInfo(c).unit;
    }
    buffer_ += std::string(",") + kEventColumn + "\n";
    buffer_ += units + ",\n";
    return Flush();
}

bool DatalogWriter::Append(const LogSample& sample) {
    return AddRow(sample, sample.gap || !sample.event.empty());
}

bool DatalogWriter::AppendEvent(int64_t tMs, const std::string& text) {
    LogSample row;
    row.tMs = tMs;
    for (double& v : row.values) v = std::nan("");
    row.event = text;
    return AddRow(row, true);
}

bool DatalogWriter::AddRow(const LogSample& sample, bool flushNow) {
    if (!file_.isOpen())
        return false;
    FormatRow(sample, &buffer_);
    ++rows_;
    if (flushNow || buffer_.size() >= kBufferLimit)
        return Flush();
    return FlushIfDue();
}

bool DatalogWriter::FlushIfDue() {
    if (!file_.isOpen())
        return false;
    if (clock_.NowMs() - lastFlushMs_ < kFlushPeriodMs)
        return true;
    return Flush();
}

bool DatalogWriter::Flush() {
    lastFlushMs_ = clock_.NowMs();
    if (buffer_.empty())
        return true;
    const qint64 written = file_.write(buffer_.data(), static_cast<qint64>(buffer_.size()));
    if (written != static_cast<qint64>(buffer_.size()) || !file_.flush()) {
        Fail(file_.errorString().toStdString());
        return false;
    }
    buffer_.clear();
    return true;
}

void DatalogWriter::Fail(const std::string& what) {
    error_ = Tr("Gravação interrompida: não foi possível escrever em %1 (%2).")
                 .arg(QString::fromStdString(path_), QString::fromStdString(what))
                 .toStdString();
    buffer_.clear();
    buffer_.shrink_to_fit();
    file_.close();
}

void DatalogWriter::Close() {
    if (!file_.isOpen())
        return;
    Flush();
    file_.close();
}
