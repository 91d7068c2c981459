#include "core/settingsfile.h"

#include <QFileInfo>

#include <climits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QStringView trimBlanks(QStringView text) {
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isQuoted(QStringView text) {
    return text.size() >= 2 && text.front() == u'"' && text.back() == u'"';
}

// Values are trimmed when read, so one that begins or ends with a blank, or is itself quoted, is
// written between double quotes, which reading takes off again: a path ending in a space stays exact.
QString storedValue(const QString& value) {
    const bool blankAtEnd = !value.isEmpty() && (value.front() == u' ' || value.front() == u'\t' ||
                                                 value.back() == u' ' || value.back() == u'\t');
    return blankAtEnd || isQuoted(value) ? u'"' + value + u'"' : value;
}

QString readValue(QStringView stored) {
    stored = trimBlanks(stored);
    return (isQuoted(stored) ? stored.sliced(1, stored.size() - 2) : stored).toString();
}

bool sameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Blanks, an optional sign, then decimal digits or "0x"/"$" and hexadecimal digits.
std::optional<int> parseInt(QStringView text) {
    text = trimBlanks(text);
    bool negative = false;
    if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    int base = 10;
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.sliced(2);
    } else if (text.startsWith(u'$')) {
        base = 16;
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    constexpr qint64 limit = qint64(INT_MAX) + 1;
    qint64 magnitude = 0;
    for (const QChar c : text) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > INT_MAX)
        return std::nullopt;
    return int(value);
}

} // namespace

SettingsFile SettingsFile::load(const QString& path) {
    SettingsFile settings;
    if (!QFileInfo::exists(path))
        return settings;
    const DecodedText text = textfile::readFile(path, MaxSettingsBytes);
    settings.encoding_ = text.encoding;

    Section* current = nullptr;
    for (const QString& rawLine : text.lines) {
        const QStringView line = trimBlanks(rawLine);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            if (close > 0) {
                QString name = trimBlanks(line.sliced(1, close - 1)).toString();
                // A null name is kept for the keys above the first section.
                if (name.isNull())
                    name = u""_s;
                settings.sections_.append(Section{name, {}});
                current = &settings.sections_.last();
                continue;
            }
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue; // neither a key nor a section: nothing anyone can read
        if (!current) {
            // Keys above the first section are nobody's, but a hand-edited file keeps them.
            settings.sections_.append(Section{QString(), {}});
            current = &settings.sections_.last();
        }
        current->entries.append(
            Entry{trimBlanks(line.left(equals)).toString(), readValue(line.sliced(equals + 1))});
    }
    return settings;
}

QString SettingsFile::value(const QString& section, const QString& key, const QString& fallback) const {
    for (const Section& s : sections_) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry& e : s.entries) {
            if (sameName(e.key, key))
                return e.value;
        }
    }
    return fallback;
}

int SettingsFile::readInt(const QString& section, const QString& key, int fallback) const {
    return parseInt(value(section, key)).value_or(fallback);
}

bool SettingsFile::readFlag(const QString& section, const QString& key, bool fallback) const {
    const std::optional<int> number = parseInt(value(section, key));
    return number ? *number != 0 : fallback;
}

void SettingsFile::setValue(const QString& section, const QString& key, const QString& value) {
    Section* first = nullptr;
    for (Section& s : sections_) {
        if (!sameName(s.name, section))
            continue;
        if (!first)
            first = &s;
        for (Entry& e : s.entries) {
            if (sameName(e.key, key)) {
                e.value = value;
                return;
            }
        }
    }
    if (!first) {
        sections_.append(Section{section.isNull() ? u""_s : section, {}});
        first = &sections_.last();
    }
    first->entries.append(Entry{key, value});
}

void SettingsFile::writeFlag(const QString& section, const QString& key, bool on) {
    setValue(section, key, on ? u"1"_s : u"0"_s);
}

void SettingsFile::save(const QString& path) const {
    QStringList lines;
    for (const Section& s : sections_) {
        if (!s.name.isNull())
            lines.append(u'[' + s.name + u']');
        for (const Entry& e : s.entries)
            lines.append(e.key + u'=' + storedValue(e.value));
    }
    textfile::writeFile(path, lines, encoding_);
}
