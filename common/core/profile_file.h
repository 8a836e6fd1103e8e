#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <stdexcept>
#include <vector>

namespace common {

// The settings file could not be saved (folder not writable, disk full, the
// existing file could not be read). The file on disk is left as it was.
class ProfileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A Windows-style INI file ("[Section]" headers, "Key=Value" lines), read
// once when constructed and changed in memory until save().
//
// Section and key names compare case-insensitively; the first matching
// section, and in it the first matching key, is the one read and replaced.
// Every line the program does not write - comments, blank lines, other
// sections and keys, lines it cannot make sense of - is written back byte
// for byte with its own line ending, so a file edited by hand or by another
// tool keeps everything it had.
class ProfileFile {
public:
    // A missing file reads as empty. A file that exists but cannot be read
    // also reads as empty, but save() then refuses to replace it.
    explicit ProfileFile(const QString& path);

    // The trimmed value of the key, or defaultValue when the section or the
    // key is missing. A key present with nothing after '=' reads as "".
    QString readString(QStringView section, QStringView key, const QString& defaultValue) const;

    // Replaces the key's line with "key=value", or adds it after the last
    // key of the section, or adds the section at the end of the file.
    // Throws std::invalid_argument for a name or value that could not be
    // read back as written (line breaks, '=' in a key, ']' in a section).
    void writeString(QStringView section, QStringView key, QStringView value);

    // Writes the whole file to a temporary file in the same folder and
    // renames it over the original, so the old file stays intact on any
    // failure. Throws ProfileWriteError.
    void save() const;

private:
    struct Line {
        QByteArray text;   // without its line ending
        QByteArray ending; // "\r\n", "\n", or empty for a last line without one
    };

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t findSection(QStringView section) const;
    std::size_t findKey(std::size_t header, QStringView key) const;
    std::size_t sectionEnd(std::size_t header) const;
    void insertLine(std::size_t position, QByteArray text);

    QString m_path;
    bool m_unreadable = false;
    QByteArray m_byteOrderMark;
    QByteArray m_newline = "\n";
    std::vector<Line> m_lines;
};

} // namespace common
