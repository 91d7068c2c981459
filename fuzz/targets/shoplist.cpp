// The shop-list file, read and written. The first byte chooses:
//  - even: the rest is a shop-list file; whatever loads is saved, loads again to the same names,
//    and a second save writes the same bytes;
//  - odd: the rest is names typed by a user (UTF-8, separated by 0x1E); a save either refuses a
//    name holding a line break or NUL and leaves the old file whole, or writes a file that loads
//    to exactly these names.
#include "shops/shoplist.h"
#include "core/apperror.h"
#include "core/textfile.h"
#include "fuzzsupport.h"

using namespace Qt::StringLiterals;
using fuzz::check;
using fuzz::describe;

namespace {

void readAndWrite(QByteArrayView file) {
    const QString source = fuzz::scratchFile(u"source.txt"_s);
    const QString copy = fuzz::scratchFile(u"copy.txt"_s);
    fuzz::writeRaw(source, file);
    const QStringList names = LoadShopList(source);
    check(names == textfile::decode(file).lines, "the shop list reads other lines than the text reader");
    SaveShopList(copy, names);
    const QByteArray written = fuzz::readRaw(copy);
    const QStringList again = LoadShopList(copy);
    check(again == names, "a saved shop list loads to other names",
          describe(names) + u"---\n"_s + describe(again));
    SaveShopList(copy, again);
    check(fuzz::readRaw(copy) == written, "saving a saved shop list again changes its bytes");
}

void writeTyped(const QString& typed) {
    const QStringList names = typed.split(QChar(0x1E));
    bool refusable = false;
    for (const QString& name : names)
        refusable = refusable || textfile::hasLineBreakOrNul(name);

    const QString path = fuzz::scratchFile(u"typed.txt"_s);
    const QByteArray old = "old\r\n";
    fuzz::writeRaw(path, old);
    try {
        SaveShopList(path, names);
    } catch (const AppError& e) {
        check(refusable, "a save failed", e.message());
        check(fuzz::readRaw(path) == old, "a refused save changed the file");
        return;
    }
    check(!refusable, "a name with a line break or NUL was written");
    const QStringList again = LoadShopList(path);
    check(again == names, "typed names changed through a save",
          describe(names) + u"---\n"_s + describe(again));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0)
        readAndWrite(QByteArrayView(data + 1, qsizetype(size - 1)));
    else
        writeTyped(fuzz::utf8(data + 1, size - 1));
    return 0;
}
