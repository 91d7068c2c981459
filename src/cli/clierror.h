// How the companion program stops: a failure carrying its exit status and the message it prints.
#pragma once

#include <QString>
#include <QStringList>
#include <exception>

class AppError;

namespace exitcode {
inline constexpr int Ok = 0;
inline constexpr int Refused = 1; // data refused, or a file that cannot be read or written
inline constexpr int Usage = 2;
} // namespace exitcode

class CliFailure : public std::exception {
  public:
    CliFailure(int exitCode, QString message) : exitCode_(exitCode), message_(std::move(message)) {}
    int exitCode() const { return exitCode_; }
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return "pricotta-cli failure"; }

  private:
    int exitCode_;
    QString message_;
};

// A text from the user or a file as a message shows it: at most 60 characters, a longer one cut
// with how long it was, so that a long input never fills the terminal.
QString shortened(QStringView text);

// "FILE 12行目: reason" ("FILE line 12: reason"), or "FILE: reason" when no line is named (line 0).
QString atLine(const QString& file, qsizetype line, const QString& reason);

// Exit status 1: the data in FILE at LINE is refused.
[[noreturn]] void refuseData(const QString& file, qsizetype line, const QString& reason);
// Exit status 2, with the hint to the help.
[[noreturn]] void usageError(const QString& reason);

// Exit status 2: "--format は csv か json です（xml は使えません）", an option given a value it
// does not take; `allowed` says what it takes, in each language.
[[noreturn]] void badOptionValue(const QString& option, const QString& allowedJapanese,
                                 const QString& allowedEnglish, const QString& value);

// "N バイト目に NUL 文字があり、それより後を読めません。<consequence>このファイルは扱いません":
// a file a NUL cuts short, whose part before it would lose data.
QString nulByteRefusal(qint64 offset, const QString& consequence);

// A product without a name, in a notebook or an imported row.
QString emptyNameText();

// Standard output refused a write (`reason` from the system).
QString cannotWriteStandardOutput(const QString& reason);

// "もしかして: a、b" ("Did you mean: a, b") for the names close to a mistyped one.
QString didYouMean(const QStringList& closeNames);

// "cannot open the file PATH: reason", in the file layer's own words in Japanese.
QString cannotOpen(const QString& path, const QString& reason);

// The message of an error from the notebook and file layers, whose texts are Japanese: in English
// where the message language is English and the error is one of the file errors whose system
// reason is known; else as it is.
QString messageOf(const AppError& error);
