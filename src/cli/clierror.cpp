#include "cli/clierror.h"

#include "cli/language.h"
#include "core/apperror.h"

using namespace Qt::StringLiterals;

QString atLine(const QString& file, qsizetype line, const QString& reason) {
    if (line <= 0)
        return u"%1: %2"_s.arg(file, reason);
    return localized(u"%1 %2行目: %3"_s, u"%1 line %2: %3"_s).arg(file).arg(line).arg(reason);
}

void refuseData(const QString& file, qsizetype line, const QString& reason) {
    throw CliFailure(exitcode::Refused, atLine(file, line, reason));
}

void usageError(const QString& reason) {
    throw CliFailure(exitcode::Usage, reason + localized(u"\n使い方は pricotta-cli --help で表示します。"_s,
                                                         u"\nSee pricotta-cli --help for how to use it."_s));
}

void badOptionValue(const QString& option, const QString& allowedJapanese, const QString& allowedEnglish,
                    const QString& value) {
    usageError(localized(u"%1 は %2です（%3 は使えません）"_s, u"%1 takes %2 (not %3)"_s)
                   .arg(option, localized(allowedJapanese, allowedEnglish), shortened(value)));
}

QString nulByteRefusal(qint64 offset, const QString& consequence) {
    return localized(u"%1 バイト目に NUL 文字があり、それより後を読めません。%2このファイルは扱いません"_s,
                     u"byte %1 is a NUL character and nothing after it can be read; %2this file is refused"_s)
        .arg(QString::number(offset + 1), consequence);
}

QString emptyNameText() {
    return localized(u"商品名が空です"_s, u"the product name is empty"_s);
}

QString cannotWriteStandardOutput(const QString& reason) {
    return localized(u"標準出力に書き込めません（%1）"_s, u"cannot write to standard output (%1)"_s)
        .arg(reason);
}

QString didYouMean(const QStringList& closeNames) {
    return localized(u"もしかして: %1"_s, u"Did you mean: %1"_s).arg(joinedNames(closeNames));
}

QString shortened(QStringView text) {
    constexpr qsizetype Shown = 60;
    if (text.size() <= Shown)
        return text.toString();
    qsizetype cut = Shown;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.first(cut).toString() +
           localized(u"…（全 %1 文字）"_s, u"… (%1 characters in all)"_s).arg(text.size());
}

QString cannotOpen(const QString& path, const QString& reason) {
    return messageOf(errors::fileOpen(path, errors::sameReason(reason)));
}

QString messageOf(const AppError& error) {
    return localized(error.message(), error.englishMessage());
}
