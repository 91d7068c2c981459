// The settings file, read and written. The first byte chooses:
//  - even: the rest is a settings file; whatever loads is saved, and the saved file loads and
//    saves again to the same bytes; every number read from it is within an int;
//  - odd: the rest is values for the program's own keys (UTF-8, separated by 0x1E), set over a
//    file holding the same keys; a save either refuses a value holding a line break or NUL and
//    leaves the old file whole, or writes a file that gives back exactly these values.
#include "core/apperror.h"
#include "core/settingsfile.h"
#include "core/textfile.h"
#include "fuzzsupport.h"

using namespace Qt::StringLiterals;
using fuzz::check;

namespace {

struct Key {
    QString section;
    QString key;
};

// The keys the program writes: the window, the add option and the history.
QList<Key> programKeys() {
    QList<Key> keys{{u"Form"_s, u"LEFT"_s},
                    {u"Form"_s, u"TOP"_s},
                    {u"Form"_s, u"WIDTH"_s},
                    {u"Form"_s, u"HEIGHT"_s},
                    {u"ADD_OPT"_s, u"0"_s}};
    for (int k = 0; k < 10; ++k)
        keys.append({u"F_RIREKI"_s, QString::number(k)});
    return keys;
}

void readAndWrite(QByteArrayView file) {
    const QString source = fuzz::scratchFile(u"source.ini"_s);
    const QString copy = fuzz::scratchFile(u"copy.ini"_s);
    fuzz::writeRaw(source, file);
    const SettingsFile settings = SettingsFile::load(source);
    for (const Key& k : programKeys()) {
        // Any text reads as a number or as the fallback, without overflow.
        settings.readInt(k.section, k.key, 7);
        settings.readFlag(k.section, k.key, true);
    }
    settings.save(copy);
    const QByteArray once = fuzz::readRaw(copy);
    const SettingsFile again = SettingsFile::load(copy);
    for (const Key& k : programKeys()) {
        check(again.value(k.section, k.key) == settings.value(k.section, k.key),
              "a value changed through a save", k.section + u'/' + k.key);
    }
    again.save(copy);
    check(fuzz::readRaw(copy) == once, "saving a saved settings file again changes its bytes",
          QString::fromLatin1(once.toHex(' ')) + u"\n---\n"_s +
              QString::fromLatin1(fuzz::readRaw(copy).toHex(' ')));
}

void writeValues(const QString& typed) {
    const QStringList values = typed.split(QChar(0x1E));
    const QList<Key> keys = programKeys();
    const QString path = fuzz::scratchFile(u"typed.ini"_s);
    const QByteArray old = "[Form]\r\nLEFT=1\r\n[F_RIREKI]\r\n0=/home/user/a.txt\r\n";
    fuzz::writeRaw(path, old);

    SettingsFile settings = SettingsFile::load(path);
    bool refusable = false;
    for (qsizetype i = 0; i < values.size() && i < keys.size(); ++i) {
        settings.setValue(keys[i].section, keys[i].key, values[i]);
        refusable = refusable || textfile::hasLineBreakOrNul(values[i]);
    }
    try {
        settings.save(path);
    } catch (const AppError& e) {
        check(refusable, "a save failed", e.message());
        check(fuzz::readRaw(path) == old, "a refused save changed the file");
        return;
    }
    check(!refusable, "a value with a line break or NUL was written");
    const SettingsFile again = SettingsFile::load(path);
    for (qsizetype i = 0; i < values.size() && i < keys.size(); ++i) {
        check(again.value(keys[i].section, keys[i].key) == values[i], "a value changed through a save",
              keys[i].key + u": ["_s + values[i] + u"] became ["_s +
                  again.value(keys[i].section, keys[i].key) + u']');
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0)
        readAndWrite(QByteArrayView(data + 1, qsizetype(size - 1)));
    else
        writeValues(fuzz::utf8(data + 1, size - 1));
    return 0;
}
