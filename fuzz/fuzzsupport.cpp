#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QTemporaryDir& scratch() {
    // A save syncs its file: in memory that costs nothing, so the targets run at full speed.
    static QTemporaryDir dir(QFileInfo(u"/dev/shm"_s).isWritable()
                                 ? u"/dev/shm/pricotta-fuzz-XXXXXX"_s
                                 : QDir::tempPath() + u"/pricotta-fuzz-XXXXXX"_s);
    if (!dir.isValid())
        fuzz::fail("no scratch folder");
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    // Never destroyed: libFuzzer ends the process with exit(), after which Qt's own globals are gone.
    static int arguments = *argc;
    new QCoreApplication(arguments, *argv);
    return 0;
}

namespace fuzz {

QString scratchFile(const QString& name) {
    return scratch().filePath(name);
}

void writeRaw(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        fail("cannot write a scratch file", path);
}

QByteArray readRaw(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read a scratch file", path);
    return file.readAll();
}

QString utf8(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "\n*** %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

QString describe(const QStringList& lines) {
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        text += QString::number(i) + u" ("_s + QString::number(lines[i].size()) + u"): "_s;
        for (const QChar c : lines[i])
            text += c.unicode() < 0x20 || c.unicode() >= 0x7F ? u"\\u"_s + QString::number(c.unicode(), 16)
                                                              : QString(c);
        text += u'\n';
    }
    return text;
}

} // namespace fuzz
