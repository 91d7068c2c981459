#include "support/testfiles.h"

#include <QFile>
#include <QStringEncoder>
#include <stdexcept>

using namespace Qt::StringLiterals;

TestDir::TestDir() {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
}

QString TestDir::file(const QString& name) const {
    return dir_.filePath(name);
}

QString TestDir::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
    return f.fileName();
}

QByteArray TestDir::read(const QString& name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestDir::exists(const QString& name) const {
    return QFile::exists(file(name));
}

QByteArray cp932Lines(const QStringList& lines) {
    QStringEncoder enc("Shift_JIS");
    QByteArray out;
    for (const QString& l : lines) {
        out += QByteArray(enc.encode(l));
        out += "\r\n";
    }
    return out;
}

QStringList shopNames(int n) {
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names << u"店"_s + QString::number(i);
    return names;
}
