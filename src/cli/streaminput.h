// Inputs that are no regular file: "-" for standard input, a pipe, a process substitution such as
// <(…), a device. They are read whole, up to the same size limits as a file, and then read as
// bytes; a regular file takes the usual way.
#pragma once

#include "cli/command.h"

#include <QByteArray>
#include <QString>
#include <optional>

// True for "-", standard input or output.
bool isStandardStream(const QString& path);

// The name of an input in messages: "標準入力" for "-".
QString inputName(const QString& path);

// The bytes of such an input, at most maxBytes + 1 of them (more means too large); nothing for a
// regular file, a folder or a path that does not exist. Throws CliFailure (status 1) when it
// cannot be read.
std::optional<QByteArray> readStreamInput(const QString& path, qint64 maxBytes, const CliEnvironment& env);
