// The one error type of the program: a run-time error carrying the exact message the user sees.
// Handlers throw it; the dispatcher (dispatch.h) shows it with the default error box.
#pragma once

#include <QString>
#include <exception>

class AppError : public std::exception {
  public:
    explicit AppError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

namespace errors {
// "リストのインデックスが範囲を超えています (%d)"
AppError listIndex(qsizetype index);
// "ファイル %s は開けません。 %s "
AppError fileOpen(const QString& path, const QString& systemText);
// "ファイル \"%s\" を作成できません。%s"
AppError fileCreate(const QString& path, const QString& systemText);
// A text that is not a valid date.
AppError dateConversion(const QString& text);
// The system's text for an errno value, in Japanese where we know it.
QString systemText(int errnoValue);
} // namespace errors
