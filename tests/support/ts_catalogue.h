#pragma once
// The messages of a catalogue (i18n/zano_<code>.ts) as the tests read them:
// id, translation, and whether the translation is marked finished.

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

struct CatalogueMessage {
    QString id, translation;
    bool finished = true;
};

// Empty when the file cannot be read; `error` gets the XML error, if any.
inline std::vector<CatalogueMessage> ReadCatalogueFile(const QString& path, QString* error = nullptr) {
    std::vector<CatalogueMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("message")) {
            messages.push_back({xml.attributes().value(QLatin1String("id")).toString(), QString()});
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    if (error && xml.hasError()) *error = xml.errorString();
    return messages;
}
