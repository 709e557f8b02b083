#include "log/log_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimeZone>

namespace {
constexpr std::size_t kPlateLimit = 16;
}

std::string DatalogFolder() {
    const QByteArray overridden = qgetenv(kLogFolderVariable);
    if (!overridden.isEmpty())
        return overridden.toStdString();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() +
           "/registros";
}

std::string PlateForFileName(const std::string& plate) {
    std::string out;
    for (char c : plate) {
        if (out.size() >= kPlateLimit)
            break;
        if (c >= 'a' && c <= 'z')
            out.push_back(static_cast<char>(c - 'a' + 'A'));
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out.push_back(c);
    }
    return out.empty() ? "sem-placa" : out;
}

std::string DatalogFileName(const std::string& plate, const QDateTime& start) {
    return PlateForFileName(plate) + "_" +
           start.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")).toStdString() + ".csv";
}

std::string NewDatalogPath(const std::string& folder, const std::string& plate,
                           const QDateTime& start) {
    const QDir dir(QString::fromStdString(folder));
    if (!dir.mkpath(QStringLiteral(".")))
        return {};
    const std::string name = DatalogFileName(plate, start);
    const std::string stem = name.substr(0, name.size() - 4);
    std::string path = folder + "/" + name;
    for (int n = 2; QFileInfo::exists(QString::fromStdString(path)); ++n)
        path = folder + "/" + stem + "_" + std::to_string(n) + ".csv";
    return path;
}

std::string IsoWithOffset(const QDateTime& start) {
    return start.toOffsetFromUtc(start.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}
