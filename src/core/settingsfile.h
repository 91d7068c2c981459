// The settings file: sections of key=value lines, read whole and written back whole.
// Section and key names match without regard to case. Comment and blank lines are not kept.
// The file is written in the encoding it was read in (a byte-order mark is kept); a file without
// a mark is written in code page 932, or UTF-8 with a mark when a character does not encode.
#pragma once

#include "core/textfile.h"

#include <QList>
#include <QString>

// A settings file larger than this is refused before reading: the window position, one option and
// ten paths fit many times over.
inline constexpr qint64 MaxSettingsBytes = 1024 * 1024;

class SettingsFile {
  public:
    // A missing file reads as empty. Throws errors::fileOpen when it exists but cannot be read.
    static SettingsFile load(const QString& path);

    // The value, or `fallback` when the section or key is missing.
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    // A decimal integer ("0x" or "$" for hexadecimal); `fallback` when missing or not a number.
    int readInt(const QString& section, const QString& key, int fallback) const;
    // An integer: 0 is false, any other number true; `fallback` when missing or not a number.
    bool readFlag(const QString& section, const QString& key, bool fallback) const;

    void setValue(const QString& section, const QString& key, const QString& value);
    void writeFlag(const QString& section, const QString& key, bool on);

    // Writes the whole file. Throws errors::fileCreate.
    void save(const QString& path) const;

  private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    QList<Section> sections_;
    TextEncoding encoding_ = TextEncoding::Cp932; // what it was read in
};
