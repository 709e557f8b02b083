#include "log/datalog_reader.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <istream>
#include <limits>
#include <string_view>

#include "data/number_text.h"
#include "i18n/ui_text.h"

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr int kTimeField = -2;
constexpr int kEventField = -3;
constexpr int kIgnoredField = -1;

bool IsBinary(std::string_view line) {
    for (unsigned char c : line)
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return true;
    return false;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A whole field as a number; false when anything is left over.
bool FieldNumber(std::string_view field, double* value) {
    std::size_t used = 0;
    *value = NumberText::ToDouble(field, &used);
    return used == field.size() && used != 0;
}

class DatalogParser {
  public:
    DatalogParser(Datalog& log, const DatalogLimits& limits) : log_(log), limits_(limits) {
        // Until a column line says otherwise, rows have the writer's layout.
        layout_.push_back(kTimeField);
        for (int c = 0; c < kLogChannelCount; ++c) layout_.push_back(c);
        layout_.push_back(kEventField);
    }

    // False once the sample cap stops the reading.
    bool Feed(const char* data, std::size_t size) {
        sawBytes_ = sawBytes_ || size > 0;
        std::size_t start = 0;
        for (std::size_t i = 0; i < size; ++i) {
            if (data[i] != '\n')
                continue;
            Take(data + start, i - start);
            if (!EndLine())
                return false;
            start = i + 1;
        }
        Take(data + start, size - start);
        return true;
    }

    void Finish() {
        if (!pending_.empty() || overlong_) {
            ++lineNumber_;
            Skip(overlong_ ? TR_NOOP("linha longa demais") : TR_NOOP("última linha cortada (sem fim de linha)"));
        }
        if (!sawBytes_)
            log_.message = TrStd("Arquivo vazio.");
        else if (log_.capped)
            log_.message = Tr("Registro grande demais: só as primeiras %1 amostras foram lidas.")
                               .arg(static_cast<qlonglong>(limits_.maxSamples))
                               .toStdString();
        else if (log_.times.empty() && log_.events.empty())
            log_.message = TrStd("Nenhuma amostra legível no arquivo.");
        else if (log_.skippedCount > 0)
            log_.message = (log_.skippedCount == 1 ? Tr("%1 linha ilegível foi ignorada.")
                                                   : Tr("%1 linhas ilegíveis foram ignoradas."))
                               .arg(static_cast<qlonglong>(log_.skippedCount))
                               .toStdString();
    }

  private:
    void Take(const char* data, std::size_t size) {
        if (overlong_)
            return;
        if (pending_.size() + size > limits_.maxLineBytes) {
            overlong_ = true;
            pending_.clear();
            return;
        }
        pending_.append(data, size);
    }

    bool EndLine() {
        ++lineNumber_;
        if (overlong_) {
            overlong_ = false;
            Skip(TR_NOOP("linha longa demais"));
            return true;
        }
        std::string_view line(pending_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (lineNumber_ == 1 && StartsWith(line, "\xEF\xBB\xBF"))
            line.remove_prefix(3);
        const bool keepGoing = Line(line);
        pending_.clear();
        return keepGoing;
    }

    bool Line(std::string_view line) {
        if (IsBinary(line)) {
            Skip(TR_NOOP("bytes binários"));
            return true;
        }
        if (lineNumber_ == 1 && line != kDatalogMagic) {
            // A foreign first line: what follows may still be readable.
            if (StartsWith(line, "#") || !StartsWith(line, kTimeColumn)) {
                if (!LooksLikeRow(line)) {
                    Skip(TR_NOOP("cabeçalho desconhecido"));
                    return true;
                }
            }
        }
        if (line.empty())
            return true;
        if (line[0] == '#') {
            HeaderLine(line);
            return true;
        }
        if (StartsWith(line, std::string(kTimeColumn) + ",")) {
            ColumnLine(line);
            return true;
        }
        if (lineNumber_ == unitsLine_ && StartsWith(line, "ms,"))
            return true;
        return Row(line);
    }

    bool LooksLikeRow(std::string_view line) {
        Split(line);
        double t = 0;
        return fields_.size() == layout_.size() && FieldNumber(fields_[0], &t);
    }

    void HeaderLine(std::string_view line) {
        const std::pair<const char*, std::string*> keys[] = {{"# modelo: ", &log_.header.model},
                                                             {"# porta: ", &log_.header.port},
                                                             {"# inicio: ", &log_.header.startIso}};
        for (const auto& [key, field] : keys)
            if (StartsWith(line, key))
                *field = std::string(line.substr(std::string_view(key).size()));
    }

    void ColumnLine(std::string_view line) {
        Split(line);
        layout_.clear();
        for (std::string_view name : fields_) {
            int kind = kIgnoredField;
            if (name == kTimeColumn)
                kind = kTimeField;
            else if (name == kEventColumn)
                kind = kEventField;
            for (int c = 0; c < kLogChannelCount; ++c)
                if (name == ChannelInfo(c).column)
                    kind = c;
            layout_.push_back(kind);
        }
        unitsLine_ = lineNumber_ + 1;
    }

    void Split(std::string_view line) {
        fields_.clear();
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = line.find(',', start);
            if (comma == std::string_view::npos) {
                fields_.push_back(line.substr(start));
                return;
            }
            fields_.push_back(line.substr(start, comma - start));
            start = comma + 1;
        }
    }

    bool Row(std::string_view line) {
        Split(line);
        if (fields_.size() != layout_.size()) {
            if (CountSkipped())
                List(Tr("campos: %1, esperados %2")
                         .arg(static_cast<qulonglong>(fields_.size()))
                         .arg(static_cast<qulonglong>(layout_.size()))
                         .toStdString());
            return true;
        }
        double row[kLogChannelCount];
        for (double& v : row) v = kNoValue;
        double t = 0;
        bool hasTime = false, anyValue = false;
        std::string_view event;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const std::string_view field = fields_[i];
            const int kind = layout_[i];
            if (kind == kEventField) {
                event = field;
            } else if (kind == kTimeField) {
                if (!FieldNumber(field, &t) || t != std::trunc(t) || std::fabs(t) > 9e15) {
                    Skip(TR_NOOP("tempo inválido"));
                    return true;
                }
                hasTime = true;
            } else if (kind >= 0 && !field.empty()) {
                if (!FieldNumber(field, &row[kind])) {
                    if (CountSkipped())
                        List(Tr("número inválido na coluna %1").arg(QLatin1String(ChannelInfo(kind).column)).toStdString());
                    return true;
                }
                anyValue = true;
            }
        }
        if (!hasTime) {
            Skip(TR_NOOP("tempo inválido"));
            return true;
        }
        const auto tMs = static_cast<int64_t>(t);
        if (!log_.times.empty() && tMs < log_.times.back()) {
            Skip(TR_NOOP("tempo fora de ordem"));
            return true;
        }
        const bool gap = !anyValue && event == kGapEvent;
        if (!anyValue && !event.empty() && !gap) {
            log_.events.push_back({tMs, std::string(event)});
            return true;
        }
        if (static_cast<int64_t>(log_.times.size()) >= limits_.maxSamples) {
            log_.capped = true;
            return false;
        }
        log_.times.push_back(tMs);
        for (int c = 0; c < kLogChannelCount; ++c) log_.values[c].push_back(row[c]);
        if (gap)
            log_.gaps.push_back(tMs);
        else if (!event.empty())
            log_.events.push_back({tMs, std::string(event)});
        return true;
    }

    // A line left out: counted, and listed with its reason (looked up in the
    // run's language) while the list has room.
    void Skip(const char* reason) {
        if (CountSkipped())
            List(TrStd(reason));
    }
    bool CountSkipped() {
        ++log_.skippedCount;
        return log_.skipped.size() < limits_.skippedListed;
    }
    void List(std::string reason) { log_.skipped.push_back({lineNumber_, std::move(reason)}); }

    Datalog& log_;
    const DatalogLimits& limits_;
    std::string pending_;
    bool overlong_ = false;
    bool sawBytes_ = false;
    int64_t lineNumber_ = 0;
    int64_t unitsLine_ = 0;
    std::vector<int> layout_;
    std::vector<std::string_view> fields_;
};

}  // namespace

Datalog ReadDatalog(std::istream& in, const DatalogLimits& limits) {
    Datalog log;
    DatalogParser parser(log, limits);
    std::string chunk(std::max<std::size_t>(limits.chunkBytes, 1), '\0');
    bool going = true;
    while (going && in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0)
            break;
        going = parser.Feed(chunk.data(), got);
    }
    parser.Finish();
    return log;
}

Datalog ReadDatalog(const std::string& path, const DatalogLimits& limits) {
    Datalog log;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        log.message = Tr("Não foi possível abrir %1 (%2).")
                          .arg(QString::fromStdString(path), file.errorString())
                          .toStdString();
        return log;
    }
    DatalogParser parser(log, limits);
    std::string chunk(std::max<std::size_t>(limits.chunkBytes, 1), '\0');
    for (;;) {
        const qint64 got = file.read(chunk.data(), static_cast<qint64>(chunk.size()));
        if (got < 0) {
            parser.Finish();
            log.message =
                Tr("Erro ao ler %1 (%2).").arg(QString::fromStdString(path), file.errorString()).toStdString();
            return log;
        }
        if (got == 0 || !parser.Feed(chunk.data(), static_cast<std::size_t>(got)))
            break;
    }
    parser.Finish();
    return log;
}
