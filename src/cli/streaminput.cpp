#include "cli/streaminput.h"

#include "cli/clierror.h"
#include "cli/language.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool isStandardStream(const QString& path) {
    return path == u"-"_s;
}

QString inputName(const QString& path) {
    return isStandardStream(path) ? localized(u"標準入力"_s, u"standard input"_s) : path;
}

std::optional<QByteArray> readStreamInput(const QString& path, qint64 maxBytes, const CliEnvironment& env) {
    if (isStandardStream(path))
        return env.readIn ? env.readIn(maxBytes) : QByteArray();
    const QFileInfo info(path);
    if (!info.exists() || info.isFile() || info.isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw CliFailure(exitcode::Refused, cannotOpen(path, file.errorString()));
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            throw CliFailure(exitcode::Refused, cannotOpen(path, file.errorString()));
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}
