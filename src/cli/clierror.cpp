#include "cli/clierror.h"

using namespace Qt::StringLiterals;

QString atLine(const QString& file, qsizetype line, const QString& reason) {
    if (line <= 0)
        return u"%1: %2"_s.arg(file, reason);
    return u"%1 %2行目: %3"_s.arg(file).arg(line).arg(reason);
}

void refuseData(const QString& file, qsizetype line, const QString& reason) {
    throw CliFailure(exitcode::Refused, atLine(file, line, reason));
}

void usageError(const QString& reason) {
    throw CliFailure(exitcode::Usage, reason + u"\n使い方は pricotta-cli --help で表示します。"_s);
}

QString shortened(const QString& text) {
    constexpr qsizetype Shown = 60;
    if (text.size() <= Shown)
        return text;
    qsizetype cut = Shown;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + u"…（全 %1 文字）"_s.arg(text.size());
}
