#include "profile_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace common {

namespace {

const QByteArray kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct KeyLine {
    QString key;
    QString value;
};

// "[Name]" with blanks allowed around the brackets and the name.
std::optional<QString> sectionNameOf(const QByteArray& text)
{
    const QString line = QString::fromUtf8(text).trimmed();
    const qsizetype close = line.lastIndexOf(u']');
    if (!line.startsWith(u'[') || close < 0)
        return std::nullopt;
    return line.mid(1, close - 1).trimmed();
}

// "Key=Value"; comments (';'), headers and lines without a key are not keys.
std::optional<KeyLine> keyLineOf(const QByteArray& text)
{
    const QString line = QString::fromUtf8(text).trimmed();
    if (line.startsWith(u';') || line.startsWith(u'['))
        return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QString key = line.left(equals).trimmed();
    if (key.isEmpty())
        return std::nullopt;
    return KeyLine{key, line.mid(equals + 1).trimmed()};
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

// A name or value that would not read back as written, or would break the
// file's structure, is refused rather than written.
void requireReadableBack(QStringView section, QStringView key, QStringView value)
{
    const QStringView trimmedKey = key.trimmed();
    const bool sectionOk = !section.trimmed().isEmpty() && !hasLineBreak(section);
    const bool keyOk = !trimmedKey.isEmpty() && !hasLineBreak(key) && !key.contains(u'=')
                       && !trimmedKey.startsWith(u';') && !trimmedKey.startsWith(u'[');
    if (!sectionOk || !keyOk || hasLineBreak(value))
        throw std::invalid_argument("Settings name or value cannot be stored in a profile file");
}

std::string saveFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot save the settings file \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason)
        .toStdString();
}

} // namespace

ProfileFile::ProfileFile(const QString& path)
    : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_unreadable = QFileInfo::exists(path);
        return;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_unreadable = true;
        return;
    }

    if (content.startsWith(kUtf8ByteOrderMark)) {
        m_byteOrderMark = kUtf8ByteOrderMark;
        content.remove(0, kUtf8ByteOrderMark.size());
    }

    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        if (newline < 0) {
            m_lines.push_back({content.mid(start), {}});
            break;
        }
        const qsizetype textEnd = newline > start && content[newline - 1] == '\r' ? newline - 1 : newline;
        m_lines.push_back({content.mid(start, textEnd - start), content.mid(textEnd, newline + 1 - textEnd)});
        start = newline + 1;
    }

    for (const Line& line : m_lines) {
        if (!line.ending.isEmpty()) {
            m_newline = line.ending;
            break;
        }
    }
}

QString ProfileFile::readString(QStringView section, QStringView key, const QString& defaultValue) const
{
    const std::size_t header = findSection(section);
    if (header == npos)
        return defaultValue;
    const std::size_t found = findKey(header, key);
    if (found == npos)
        return defaultValue;
    return keyLineOf(m_lines[found].text)->value;
}

void ProfileFile::writeString(QStringView section, QStringView key, QStringView value)
{
    requireReadableBack(section, key, value);
    QByteArray keyLine = (key.toString() + u'=' + value.toString()).toUtf8();

    const std::size_t header = findSection(section);
    if (header == npos) {
        insertLine(m_lines.size(), (u'[' + section.toString() + u']').toUtf8());
        insertLine(m_lines.size(), std::move(keyLine));
        return;
    }

    const std::size_t found = findKey(header, key);
    if (found != npos) {
        m_lines[found].text = std::move(keyLine);
        return;
    }

    // Comments and blank lines that follow the section's keys usually
    // introduce the next section, so the new key goes before them.
    std::size_t lastKey = header;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (keyLineOf(m_lines[i].text))
            lastKey = i;
    }
    insertLine(lastKey + 1, std::move(keyLine));
}

void ProfileFile::save() const
{
    if (m_unreadable)
        throw ProfileWriteError(saveFailureMessage(
            m_path, QStringLiteral("the existing file could not be read, so it is left as it is")));

    QByteArray content = m_byteOrderMark;
    for (const Line& line : m_lines)
        content += line.text + line.ending;

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw ProfileWriteError(saveFailureMessage(m_path, file.errorString()));
    // commit() does not check its own final flush (Qt 6.4) and would rename
    // a file cut short by a full disk over the old one, so flush first; an
    // uncommitted QSaveFile removes its temporary file.
    if (file.write(content) != content.size() || !file.flush())
        throw ProfileWriteError(
            saveFailureMessage(m_path, QStringLiteral("not all of it could be written (is the disk full?)")));
    if (!file.commit())
        throw ProfileWriteError(saveFailureMessage(m_path, file.errorString()));
}

std::size_t ProfileFile::findSection(QStringView section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::optional<QString> name = sectionNameOf(m_lines[i].text);
        if (name && sameName(*name, section.trimmed()))
            return i;
    }
    return npos;
}

std::size_t ProfileFile::findKey(std::size_t header, QStringView key) const
{
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const std::optional<KeyLine> line = keyLineOf(m_lines[i].text);
        if (line && sameName(line->key, key.trimmed()))
            return i;
    }
    return npos;
}

std::size_t ProfileFile::sectionEnd(std::size_t header) const
{
    for (std::size_t i = header + 1; i < m_lines.size(); ++i) {
        if (sectionNameOf(m_lines[i].text))
            return i;
    }
    return m_lines.size();
}

void ProfileFile::insertLine(std::size_t position, QByteArray text)
{
    // Only the file's last line can lack an ending; it needs one now that
    // another line follows it.
    if (position > 0 && m_lines[position - 1].ending.isEmpty())
        m_lines[position - 1].ending = m_newline;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(position), Line{std::move(text), m_newline});
}

} // namespace common
