#include "core/apperror.h"

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace errors {

AppError listIndex(qsizetype index) {
    return AppError(u"リストのインデックスが範囲を超えています (%1)"_s.arg(index),
                    u"list index out of bounds (%1)"_s.arg(index));
}

AppError fileOpen(const QString& path, const FailureReason& reason) {
    return AppError(u"ファイル %1 は開けません。 %2 "_s.arg(path, reason.japanese),
                    u"cannot open the file %1: %2"_s.arg(path, reason.english));
}

AppError fileCreate(const QString& path, const FailureReason& reason) {
    return AppError(u"ファイル \"%1\" を作成できません。%2"_s.arg(path, reason.japanese),
                    u"cannot write the file %1: %2"_s.arg(path, reason.english));
}

AppError dateConversion(const QString& text) {
    return AppError(u"'%1' は正しい日付ではありません"_s.arg(text), u"'%1' is not a valid date"_s.arg(text));
}

FailureReason sameReason(const QString& text) {
    return {text, text};
}

namespace {

QString japaneseSystemText(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return u"指定されたファイルが見つかりません。"_s;
    case ENOTDIR:
        return u"指定されたパスが見つかりません。"_s;
    case EACCES:
    case EPERM:
        return u"アクセスが拒否されました。"_s;
    case EISDIR:
        return u"フォルダーはファイルとして開けません。"_s;
    case ENOSPC:
        return u"ディスクに十分な空き領域がありません。"_s;
    case EROFS:
        return u"メディアは書き込み禁止になっています。"_s;
    case EMFILE:
    case ENFILE:
        return u"開いているファイルが多すぎます。"_s;
    case ENAMETOOLONG:
        return u"ファイル名が長すぎます。"_s;
    case EFBIG:
        return u"ファイルが大きすぎるため書き込めません。"_s;
    case EIO:
        return u"I/O デバイス エラーです。"_s;
    default:
        return QString::fromLocal8Bit(std::strerror(errnoValue));
    }
}

} // namespace

FailureReason systemReason(int errnoValue) {
    return {japaneseSystemText(errnoValue), QString::fromLocal8Bit(std::strerror(errnoValue))};
}

} // namespace errors
