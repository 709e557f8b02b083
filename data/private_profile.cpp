#include "data/private_profile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>
#include <utility>

#include "data/file_replace.h"
#include "data/utf8_text.h"

namespace {

constexpr const char* kCodec = "windows-1252";
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
// What ICU's single-byte converters put in place of a character they lack.
constexpr char kSubstitute = 0x1A;

QString ToText(const char* utf8) {
    QString text = QString::fromUtf8(utf8);
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QByteArray Encode(const QString& text) {
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder(text);
    const QList<uint> characters = text.toUcs4();
    if (bytes.size() == characters.size()) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == kSubstitute && characters[i] != 0x1A) {
                bytes[i] = '?';
            }
        }
    }
    return bytes;
}

}  // namespace

PrivateProfile::Line PrivateProfile::ParseLine(const QString& decoded, QByteArray text,
                                               QByteArray ending) {
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const QString trimmed = decoded.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = trimmed.mid(1, close - 1).trimmed();
        }
        return line;
    }
    if (trimmed.startsWith(QLatin1Char(';'))) {
        return line;
    }
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals > 0) {
        line.kind = LineKind::Key;
        line.name = trimmed.left(equals).trimmed();
        line.value = trimmed.mid(equals + 1).trimmed();
    }
    return line;
}

bool PrivateProfile::Load(const char* path) {
    lines_.clear();
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    Parse(bytes);
    return true;
}

void PrivateProfile::Parse(const QByteArray& bytes) {
    lines_.clear();
    QStringDecoder decoder(kCodec);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        QByteArray ending;
        if (end < 0) {
            end = bytes.size();
        } else {
            ending = "\n";
            if (end > start && bytes[end - 1] == '\r') {
                --end;
                ending = "\r\n";
            }
        }
        QByteArray text = bytes.mid(start, end - start);
        const QString decoded = decoder(text);
        start = end + ending.size();
        lines_.push_back(ParseLine(decoded, std::move(text), std::move(ending)));
    }
}

QByteArray PrivateProfile::Bytes() const {
    QByteArray bytes;
    for (const Line& line : lines_) bytes += line.text + line.ending;
    return bytes;
}

std::size_t PrivateProfile::FindSection(const QString& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section &&
            lines_[i].name.compare(section, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return kNone;
}

std::size_t PrivateProfile::FindKey(std::size_t sectionLine, const QString& key) const {
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section) {
            break;
        }
        if (lines_[i].kind == LineKind::Key &&
            lines_[i].name.compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return kNone;
}

bool PrivateProfile::Value(const char* section, const char* key, std::string* value) const {
    if (section == nullptr || key == nullptr) {
        return false;
    }
    const std::size_t sectionLine = FindSection(QString::fromUtf8(section).trimmed());
    if (sectionLine == kNone) {
        return false;
    }
    const std::size_t keyLine = FindKey(sectionLine, QString::fromUtf8(key).trimmed());
    if (keyLine == kNone) {
        return false;
    }
    *value = lines_[keyLine].value.toStdString();
    return true;
}

std::vector<std::string> PrivateProfile::Keys(const char* section) const {
    std::vector<std::string> keys;
    const std::size_t sectionLine = section ? FindSection(QString::fromUtf8(section).trimmed()) : kNone;
    if (sectionLine == kNone) {
        return keys;
    }
    for (std::size_t i = sectionLine + 1; i < lines_.size() && lines_[i].kind != LineKind::Section; ++i) {
        // A key written twice is the first one's, as Value reads it.
        if (lines_[i].kind == LineKind::Key && FindKey(sectionLine, lines_[i].name) == i) {
            keys.push_back(lines_[i].name.toStdString());
        }
    }
    return keys;
}

void PrivateProfile::InsertLine(std::size_t position, Line line) {
    if (position > 0 && lines_[position - 1].ending.isEmpty()) {
        lines_[position - 1].ending = "\r\n";
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
}

void PrivateProfile::SetValue(const char* section, const char* key, const char* value) {
    const QString sectionName = ToText(section).trimmed();
    const QString keyName = ToText(key).trimmed();
    const QString valueText = ToText(value).trimmed();
    const QString keyText = keyName + QLatin1Char('=') + valueText;
    Line keyLine = ParseLine(keyText, Encode(keyText), "\r\n");

    std::size_t sectionLine = FindSection(sectionName);
    if (sectionLine == kNone) {
        const QString header = QLatin1Char('[') + sectionName + QLatin1Char(']');
        InsertLine(lines_.size(), ParseLine(header, Encode(header), "\r\n"));
        InsertLine(lines_.size(), std::move(keyLine));
        return;
    }
    const std::size_t existing = FindKey(sectionLine, keyName);
    if (existing != kNone) {
        keyLine.ending = lines_[existing].ending;
        lines_[existing] = std::move(keyLine);
        return;
    }
    std::size_t after = sectionLine;
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section) {
            break;
        }
        if (lines_[i].kind == LineKind::Key) {
            after = i;
        }
    }
    InsertLine(after + 1, std::move(keyLine));
}

bool PrivateProfile::Save(const char* path) const {
    return ReplaceFileContent(QString::fromUtf8(path), Bytes());
}

uint32_t GetPrivateProfileText(const char* section, const char* key, const char* defaultText,
                               char* out, uint32_t outSize, const char* path) {
    if (out == nullptr || outSize == 0) {
        return 0;
    }
    PrivateProfile profile;
    std::string value;
    profile.Load(path);
    if (!profile.Value(section, key, &value)) {
        value = defaultText != nullptr ? defaultText : "";
    }
    const std::size_t length = Utf8PrefixBytes(value.data(), value.size(), outSize - 1);
    std::memcpy(out, value.data(), length);
    out[length] = '\0';
    return static_cast<uint32_t>(length);
}

bool WritePrivateProfileText(const char* section, const char* key, const char* value,
                             const char* path) {
    if (section == nullptr || key == nullptr || value == nullptr || key[0] == '\0' ||
        section[0] == '\0') {
        return false;
    }
    PrivateProfile profile;
    if (FileExists(path) && !profile.Load(path)) {
        return false;
    }
    profile.SetValue(section, key, value);
    return profile.Save(path);
}

bool FileExists(const char* path) {
    return path != nullptr && QFileInfo(QString::fromUtf8(path)).isFile();
}
