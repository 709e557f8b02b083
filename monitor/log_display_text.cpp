#include "monitor/log_display_text.h"

#include <cctype>
#include <cstring>

#include "i18n/ui_text.h"
#include "log/datalog.h"

namespace {

// The log's captions (log/datalog.cpp), in channel order.
constexpr const char* kCaptions[kLogChannelCount] = {
    TR_NOOP("Rotação"), TR_NOOP("TPS"),    TR_NOOP("Sonda lambda"),
    TR_NOOP("Atuador"), TR_NOOP("Escala"), TR_NOOP("Injeção")};
constexpr const char* kStepsUnit = TR_NOOP("passos");

// The fixed events the program writes: the gap and the calibration's start
// and ends (log/datalog.h, log/datalog_recorder.h, monitor_procedures.cpp).
constexpr const char* kFixedEvents[] = {
    TR_NOOP("sem conexão"),          TR_NOOP("calibração iniciada"),
    TR_NOOP("calibração concluída"), TR_NOOP("calibração com erro"),
    TR_NOOP("calibração encerrada (tempo fixo)"), TR_NOOP("calibração sem resposta")};

constexpr const char* kMarkPrefix = "marca ";

// The N of "marca N", or an empty text when the event is not a mark.
std::string MarkNumber(const std::string& event) {
    const std::size_t prefix = std::strlen(kMarkPrefix);
    if (event.size() <= prefix || event.compare(0, prefix, kMarkPrefix) != 0)
        return {};
    const std::string number = event.substr(prefix);
    for (char c : number)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return {};
    return number;
}

}  // namespace

QString ChannelCaption(int channel) {
    return Tr(kCaptions[channel]);
}

QString ChannelUnit(int channel) {
    const char* unit = ChannelInfo(channel).unit;
    return std::strcmp(unit, kStepsUnit) == 0 ? Tr(kStepsUnit) : QString::fromUtf8(unit);
}

QString LogEventText(const std::string& event) {
    for (const char* fixed : kFixedEvents)
        if (event == fixed)
            return Tr(fixed);
    const std::string number = MarkNumber(event);
    if (!number.empty())
        return Tr("marca %1").arg(QString::fromStdString(number));
    return QString::fromStdString(event);
}
