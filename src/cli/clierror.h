// How the companion program stops: a failure carrying its exit status and the message it prints.
#pragma once

#include <QString>
#include <exception>

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
QString shortened(const QString& text);

// "FILE 12行目: reason", or "FILE: reason" when no line is named (line 0).
QString atLine(const QString& file, qsizetype line, const QString& reason);

// Exit status 1: the data in FILE at LINE is refused.
[[noreturn]] void refuseData(const QString& file, qsizetype line, const QString& reason);
// Exit status 2, with the hint to the help.
[[noreturn]] void usageError(const QString& reason);
