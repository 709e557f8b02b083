#pragma once
// Private-profile (INI) files with the Windows semantics the configuration
// files rely on: sections and keys match case-insensitively (the first
// occurrence wins), values are trimmed, an existing key is rewritten in
// place, a new key goes after the last key of its section, a new section at
// the end of the file, and every other line is kept byte for byte.
//
// On disk the files are Windows-1252 with CRLF line ends, as the Windows
// program writes them; LF-only files are read too. Inside the program every
// text is UTF-8. Characters that Windows-1252 cannot hold are written as "?".
// A value never carries a line break into the file: each CR and each LF in a
// section, key or value is written as a space.
//
// Saving replaces the file atomically: a temporary file beside it is written,
// flushed to disk and renamed over it, so a crash leaves the old or the new
// file, never half of one.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class PrivateProfile {
  public:
    // Reads the file; false when it cannot be read (the profile is then empty).
    bool Load(const char* path);
    // The value of `key` in `section`; false when either is absent.
    bool Value(const char* section, const char* key, std::string* value) const;
    // The keys of the section's first occurrence, in file order, each once
    // (as Value finds them); empty when the section is absent.
    std::vector<std::string> Keys(const char* section) const;
    void SetValue(const char* section, const char* key, const char* value);
    bool Save(const char* path) const;

    // The same without the disk: the file's bytes in, the bytes to write out.
    void Parse(const QByteArray& bytes);
    QByteArray Bytes() const;

  private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        QByteArray text;    // as on disk, without the line end
        QByteArray ending;  // "\r\n", "\n" or empty on a last unterminated line
        LineKind kind = LineKind::Other;
        QString name;   // section or key name
        QString value;  // key value, trimmed
    };

    std::size_t FindSection(const QString& section) const;
    std::size_t FindKey(std::size_t sectionLine, const QString& key) const;
    void InsertLine(std::size_t position, Line line);
    static Line ParseLine(const QString& decoded, QByteArray text, QByteArray ending);

    std::vector<Line> lines_;
};

// Copies the value (or `defaultText` when the file, section or key is
// missing) into `out`: at most outSize - 1 bytes, never half a character,
// always terminated. Gives the number of bytes copied.
uint32_t GetPrivateProfileText(const char* section, const char* key, const char* defaultText,
                               char* out, uint32_t outSize, const char* path);

// Creates the file when missing. False when it cannot be written (read-only
// folder, unreadable existing file, missing section or key name).
bool WritePrivateProfileText(const char* section, const char* key, const char* value,
                             const char* path);

// True when `path` names an existing file (not a folder).
bool FileExists(const char* path);
