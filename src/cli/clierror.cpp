#include "cli/clierror.h"

#include "cli/language.h"
#include "core/apperror.h"

#include <cerrno>
#include <cstring>
#include <optional>

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
    return text.first(cut).toString() + localized(u"…（全 %1 文字）"_s, u"… (%1 characters in all)"_s).arg(text.size());
}

QString cannotOpen(const QString& path, const QString& reason) {
    return localized(errors::fileOpen(path, reason).message(),
                     u"cannot open the file %1: %2"_s.arg(path, reason));
}

namespace {

// The path in `message` when it is `error(path, reason)`; the shape is learnt from the error
// function itself, so its wording stays in one place.
std::optional<QString> pathIn(const QString& message, AppError (*error)(const QString&, const QString&),
                              const QString& reason) {
    const QString marker = u"\x01"_s;
    const QString shape = error(marker, reason).message();
    const qsizetype at = shape.indexOf(marker);
    const QStringView before = QStringView(shape).first(at);
    const QStringView after = QStringView(shape).sliced(at + marker.size());
    if (message.size() < before.size() + after.size() || !message.startsWith(before) ||
        !message.endsWith(after))
        return std::nullopt;
    return message.sliced(before.size(), message.size() - before.size() - after.size());
}

} // namespace

QString messageOf(const AppError& error) {
    const QString& message = error.message();
    if (messageLanguage() == Language::Japanese)
        return message;
    // The reasons the system gives, each of which the file layer words in Japanese.
    static constexpr int Known[] = {ENOENT, ENOTDIR, EACCES,       EISDIR, ENOSPC,
                                    EROFS,  EMFILE,  ENAMETOOLONG, EFBIG,  EIO};
    for (const int code : Known) {
        const QString reason = errors::systemText(code);
        const QString english = QString::fromLocal8Bit(std::strerror(code));
        if (const std::optional<QString> path = pathIn(message, errors::fileOpen, reason))
            return cannotOpen(*path, english);
        if (const std::optional<QString> path = pathIn(message, errors::fileCreate, reason))
            return u"cannot write the file %1: %2"_s.arg(*path, english);
    }
    return message;
}
