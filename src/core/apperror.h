// The one error type of the program: a run-time error carrying the exact message the user sees.
// Handlers throw it; the dispatcher (dispatch.h) shows it with the default error box.
#pragma once

#include <QString>
#include <exception>

// Why a file operation failed: in the window's words, and in English for the command-line
// companion outside a Japanese locale.
struct FailureReason {
    QString japanese;
    QString english;
};

class AppError : public std::exception {
  public:
    explicit AppError(QString message, QString englishMessage = {})
        : message_(std::move(message)), english_(std::move(englishMessage)), utf8_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    // The message in English where the error has one, else the message itself.
    const QString& englishMessage() const { return english_.isEmpty() ? message_ : english_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QString english_;
    QByteArray utf8_;
};

namespace errors {
// "リストのインデックスが範囲を超えています (%d)"
AppError listIndex(qsizetype index);
// "ファイル %s は開けません。 %s "
AppError fileOpen(const QString& path, const FailureReason& reason);
// "ファイル \"%s\" を作成できません。%s"
AppError fileCreate(const QString& path, const FailureReason& reason);
// A text that is not a valid date.
AppError dateConversion(const QString& text);
// The system's reason for an errno value, in Japanese where we know it.
FailureReason systemReason(int errnoValue);
// A reason given by another library in one language only.
FailureReason sameReason(const QString& text);
} // namespace errors
